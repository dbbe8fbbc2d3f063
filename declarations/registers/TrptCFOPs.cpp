#include "declarations/registers/TrptCFOPs.h"

#include "core/data/TDMDefBasica.h"
#include "declarations/registers/ListingLayout.h"
#include "platform/db/TClientDataSet.h"
#include "platform/report/TReportSubDetail.h"

namespace {
// History rows stand indented under their code.
constexpr double kHistoryIndent = 30;
} // namespace

TrptCFOPs::TrptCFOPs(TComponent* owner) : TrptModBase(owner) {
    SetName(QStringLiteral("rptCFOPs"));
    SetReportTitle(QStringLiteral("Relatório de CFOPs"));
    TDataSet* dados = DMDefBasica->cdsCFOPs;
    SetDataSet(dados);
    qrbTitulo = CaptionBand(this, QStringLiteral("qrbTitulo"), 2);
    qrbDetalhe = ListingBand(this, QStringLiteral("qrbDetalhe"), TBandType::rbDetail, kListingLine + 2);
    ListingColumns(this, qrbTitulo, 0, qrbDetalhe, dados,
                   {{"DescTPNatCFOP", "Tipo de Natureza", 120}, {"CO_FISCAL_OPERACAO", "Código", 60}});
    qrsHistorico = HistoryBand(this, QStringLiteral("qrsHistorico"), DMDefBasica->cdsCFOPsHist);
    ListingColumns(this, qrbTitulo, 1, qrsHistorico, DMDefBasica->cdsCFOPsHist,
                   {{"DT_INICIO", "Data Início", 70},
                    {"DT_FIM", "Data Fim", 70},
                    {"DS_CFOP", "Descrição", 290},
                    {"DS_COMPLEMENTO_CFOP", "Natureza do CFOP", 230}},
                   kHistoryIndent);
    OnPreview = TNotifyEvent(this, &TrptCFOPs::rptModeloGeralPreview);
}

void TrptCFOPs::rptModeloGeralPreview(TObject* sender) {
    TrptModBase::rptModeloGeralPreview(sender);
    DMDefBasica->cdsCFOPs->Open();
}
