#include "declarations/registers/TrptUFs.h"

#include "core/data/TDMDefBasica.h"
#include "declarations/registers/ListingLayout.h"
#include "platform/db/TClientDataSet.h"

TrptUFs::TrptUFs(TComponent* owner) : TrptModBase(owner) {
    SetName(QStringLiteral("rptUFs"));
    SetReportTitle(QStringLiteral("Relatório de UFs"));
    TDataSet* dados = DMDefBasica->cdsUFs;
    SetDataSet(dados);
    qrbTitulo = CaptionBand(this, QStringLiteral("qrbTitulo"));
    qrbDetalhe = ListingBand(this, QStringLiteral("qrbDetalhe"), TBandType::rbDetail, kListingLine + 2);
    ListingColumns(this, qrbTitulo, 0, qrbDetalhe, dados, {{"NO_UF", "Nome", 400}, {"SG_UF", "Sigla", 60}});
}
