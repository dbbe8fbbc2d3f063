#include "declarations/registers/OccurrenceListing.h"

#include "platform/db/TDataSet.h"
#include "platform/report/TReportSubDetail.h"

namespace {
// History rows stand indented under their occurrence.
constexpr double kHistoryIndent = 30;
} // namespace

OccurrenceListing::OccurrenceListing(TComponent* owner, const QString& name, const QString& title,
                                     TDataSet* occurrences, TDataSet* history,
                                     std::initializer_list<ListingColumn> historyColumns)
    : TrptModBase(owner) {
    SetName(name);
    SetReportTitle(title);
    SetDataSet(occurrences);
    qrbTitulo = CaptionBand(this, QStringLiteral("qrbTitulo"), 2);
    qrbDetalhe = ListingBand(this, QStringLiteral("qrbDetalhe"), TBandType::rbDetail, kListingLine + 2);
    ListingColumns(this, qrbTitulo, 0, qrbDetalhe, occurrences,
                   {{"DescTpOcorrencia", "Sub-tipo de Informação", 170},
                    {"Codigo", "Código", 70},
                    {"DescTpApuracao", "Tipo de Informação", 170},
                    {"DS_OCORRENCIA", "Descrição", 290}});
    qrsHistorico = HistoryBand(this, QStringLiteral("qrsHistorico"), history);
    ListingColumns(this, qrbTitulo, 1, qrsHistorico, history, historyColumns, kHistoryIndent);
}
