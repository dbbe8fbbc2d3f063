#include "declarations/registers/TrptMunicipios.h"

#include "core/data/TDMDefBasica.h"
#include "declarations/registers/ListingLayout.h"
#include "platform/db/TClientDataSet.h"

TrptMunicipios::TrptMunicipios(TComponent* owner) : TrptModBase(owner) {
    SetName(QStringLiteral("rptMunicipios"));
    SetReportTitle(QStringLiteral("Relatório de Municipios"));
    TDataSet* dados = DMDefBasica->cdsMunicipios;
    SetDataSet(dados);
    qrbTitulo = CaptionBand(this, QStringLiteral("qrbTitulo"));
    qrbDetalhe = ListingBand(this, QStringLiteral("qrbDetalhe"), TBandType::rbDetail, kListingLine + 2);
    ListingColumns(this, qrbTitulo, 0, qrbDetalhe, dados,
                   {{"NO_LOCALIDADE", "Município", 400}, {"SG_UF", "UF", 60}});
}
