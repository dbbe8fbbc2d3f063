#include "declarations/pages/TfrmDetSubTribDeducoes.h"

#include "core/data/TDMDef.h"

namespace {
OccurrencePage::Shape PageShape() {
    OccurrencePage::Shape shape;
    shape.formName = QStringLiteral("frmDetSubTribDeducoes");
    shape.caption = QStringLiteral("Deduções");
    shape.dataSourceName = QStringLiteral("dsDeducoes");
    shape.help = QStringLiteral(
        "Subficha utilizada para informar as Deduções, lançados no RAICMS, que fizeram parte da "
        "apuração do ICMS por substituição tributária.");
    shape.valueField = QStringLiteral("VL_DEDUCAO");
    shape.occurrence = 14;
    shape.computation = QStringLiteral("S");
    shape.description = QStringLiteral("DescFundamento");
    shape.gridName = QStringLiteral("dbgDetalhes");
    return shape;
}
} // namespace

TfrmDetSubTribDeducoes::TfrmDetSubTribDeducoes(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsDeducoesI, PageShape()) {}
