#include "declarations/registers/TrptRepresentante.h"

#include "core/data/TDMDefAux.h"
#include "declarations/registers/ListingLayout.h"
#include "platform/db/TClientDataSet.h"

TrptRepresentante::TrptRepresentante(TComponent* owner) : TrptModBase(owner) {
    SetName(QStringLiteral("rptRepresentante"));
    SetReportTitle(QStringLiteral("Relatório de Representantes Legais"));
    TDataSet* dados = DMDefAux->cdsRepresentante;
    SetDataSet(dados);
    qrbTitulo = CaptionBand(this, QStringLiteral("qrbTitulo"));
    qrbDetalhe = ListingBand(this, QStringLiteral("qrbDetalhe"), TBandType::rbDetail, kListingLine + 2);
    ListingColumns(this, qrbTitulo, 0, qrbDetalhe, dados,
                   {{"NO_REPRESENTANTE_LEGAL", "Nome", 450},
                    {"NU_DDD_REPRESENTANTE_LEGAL", "DDD", 60},
                    {"NU_TEL_REPRESENTANTE_LEGAL", "Telefone", 120}});
}
