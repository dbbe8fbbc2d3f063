#include "declarations/pages/TfrmDetOpPropOutDebitos.h"

#include "core/data/TDMDef.h"

namespace {
OccurrencePage::Shape PageShape() {
    OccurrencePage::Shape shape;
    shape.formName = QStringLiteral("frmDetOpPropOutDebitos");
    shape.caption = QStringLiteral("Outros Débitos");
    shape.dataSourceName = QStringLiteral("dsOutrosDebitos");
    shape.help =
        QStringLiteral("Subficha utilizada para informar Outros Débitos, lançados no RAICMS, decorrentes de "
                       "operações próprias do declarante.");
    shape.valueField = QStringLiteral("VL_OUTRO_DEBITO");
    shape.occurrence = 2;
    shape.computation = QStringLiteral("N");
    shape.description = QStringLiteral("DescFundamento");
    shape.gridName = QStringLiteral("DBGrid1");
    return shape;
}
} // namespace

TfrmDetOpPropOutDebitos::TfrmDetOpPropOutDebitos(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsOutDebitos, PageShape()) {}
