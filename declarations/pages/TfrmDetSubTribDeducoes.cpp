#include "declarations/pages/TfrmDetSubTribDeducoes.h"

#include "core/data/TDMDef.h"

namespace {
OccurrencePage::Kind Tipo() {
    OccurrencePage::Kind kind;
    kind.formName = QStringLiteral("frmDetSubTribDeducoes");
    kind.caption = QStringLiteral("Deduções");
    kind.dataSourceName = QStringLiteral("dsDeducoes");
    kind.help = QStringLiteral(
        "Subficha utilizada para informar as Deduções, lançados no RAICMS, que fizeram parte da "
        "apuração do ICMS por substituição tributária.");
    kind.valueField = QStringLiteral("VL_DEDUCAO");
    kind.occurrence = 14;
    kind.computation = QStringLiteral("S");
    kind.description = QStringLiteral("DescFundamento");
    kind.gridName = QStringLiteral("dbgDetalhes");
    return kind;
}
} // namespace

TfrmDetSubTribDeducoes::TfrmDetSubTribDeducoes(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsDeducoesI, Tipo()) {}
