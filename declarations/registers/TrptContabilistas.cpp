#include "declarations/registers/TrptContabilistas.h"

#include "core/data/TDMDefAux.h"
#include "declarations/registers/ListingLayout.h"
#include "platform/db/TClientDataSet.h"

TrptContabilistas::TrptContabilistas(TComponent* owner) : TrptModBase(owner) {
    SetName(QStringLiteral("rptContabilistas"));
    SetReportTitle(QStringLiteral("Relatório de Contabilistas"));
    TDataSet* dados = DMDefAux->cdsContabilista;
    SetDataSet(dados);
    qrbTitulo = CaptionBand(this, QStringLiteral("qrbTitulo"));
    qrbDetalhe = ListingBand(this, QStringLiteral("qrbDetalhe"), TBandType::rbDetail, kListingLine + 2);
    ListingColumns(this, qrbTitulo, 0, qrbDetalhe, dados,
                   {{"NO_CONTABILISTA", "Nome", 450},
                    {"NU_DDD_CONTABILISTA", "DDD", 60},
                    {"NU_TEL_CONTABILISTA", "Telefone", 120}});
}
