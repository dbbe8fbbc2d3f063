#include "declarations/registers/TrptFinalidades.h"

#include "core/data/TDMDefBasica.h"
#include "declarations/registers/ListingLayout.h"
#include "platform/db/TClientDataSet.h"
#include "platform/report/TReportSubDetail.h"

namespace {
// History rows stand indented under their occurrence.
constexpr double kHistoryIndent = 30;
} // namespace

TrptFinalidades::TrptFinalidades(TComponent* owner) : TrptModBase(owner) {
    SetName(QStringLiteral("rptFinalidades"));
    SetReportTitle(QStringLiteral("Relatório de Finalidades de Saldo Credor de Exportação"));
    TDataSet* dados = DMDefBasica->cdsFinalidades;
    SetDataSet(dados);
    qrbTitulo = CaptionBand(this, QStringLiteral("qrbTitulo"), 2);
    qrbDetalhe = ListingBand(this, QStringLiteral("qrbDetalhe"), TBandType::rbDetail, kListingLine + 2);
    ListingColumns(this, qrbTitulo, 0, qrbDetalhe, dados,
                   {{"DescTpOcorrencia", "Sub-tipo de Informação", 170},
                    {"Codigo", "Código", 70},
                    {"DescTpApuracao", "Tipo de Informação", 170},
                    {"DS_OCORRENCIA", "Descrição", 290}});
    qrsHistorico = HistoryBand(this, QStringLiteral("qrsHistorico"), DMDefBasica->cdsFinalHist);
    ListingColumns(this, qrbTitulo, 1, qrsHistorico, DMDefBasica->cdsFinalHist,
                   {{"DT_INICIO", "Data Início", 70},
                    {"DT_FIM", "Data Fim", 70},
                    {"DescTpDadoComp1", "Dado Complementar 1", 250},
                    {"DescTpDadoComp2", "Dado Complementar 2", 250}},
                   kHistoryIndent);
}
