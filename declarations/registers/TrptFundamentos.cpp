#include "declarations/registers/TrptFundamentos.h"

#include "core/data/TDMDefBasica.h"
#include "declarations/registers/ListingLayout.h"
#include "platform/db/TClientDataSet.h"
#include "platform/report/TReportSubDetail.h"

namespace {
// History rows stand indented under their occurrence.
constexpr double kHistoryIndent = 30;
} // namespace

TrptFundamentos::TrptFundamentos(TComponent* owner) : TrptModBase(owner) {
    SetName(QStringLiteral("rptFundamentos"));
    SetReportTitle(QStringLiteral("Relatório de Ocorrências"));
    TDataSet* dados = DMDefBasica->cdsFundamentos;
    SetDataSet(dados);
    qrbTitulo = CaptionBand(this, QStringLiteral("qrbTitulo"), 2);
    qrbDetalhe = ListingBand(this, QStringLiteral("qrbDetalhe"), TBandType::rbDetail, kListingLine + 2);
    ListingColumns(this, qrbTitulo, 0, qrbDetalhe, dados,
                   {{"DescTpOcorrencia", "Sub-tipo de Informação", 170},
                    {"Codigo", "Código", 70},
                    {"DescTpApuracao", "Tipo de Informação", 170},
                    {"DS_OCORRENCIA", "Descrição", 290}});
    qrsHistorico = HistoryBand(this, QStringLiteral("qrsHistorico"), DMDefBasica->cdsFundHist);
    ListingColumns(this, qrbTitulo, 1, qrsHistorico, DMDefBasica->cdsFundHist,
                   {{"DT_INICIO", "Data Início", 70},
                    {"DT_FIM", "Data Fim", 70},
                    {"DS_LEGISLACAO_OCORRENCIA", "Descrição da Legislação", 236},
                    {"DescTpDadoComp1", "Dado Complementar 1", 140},
                    {"DescTpDadoComp2", "Dado Complementar 2", 140}},
                   kHistoryIndent);
}
