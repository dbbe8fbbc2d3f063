#include "declarations/pages/TfrmDetOpPropEstDebitos.h"

#include "core/data/TDMDef.h"

namespace {
OccurrencePage::Shape PageShape() {
    OccurrencePage::Shape shape;
    shape.formName = QStringLiteral("frmDetOpPropEstDebitos");
    shape.caption = QStringLiteral("Estornos Débitos");
    shape.dataSourceName = QStringLiteral("dsEstornosDebitos");
    shape.help =
        QStringLiteral("Subficha utilizada para informar os Estornos de Débitos, lançados no RAICMS, "
                       "decorrentes de operações próprias do declarante.");
    shape.valueField = QStringLiteral("VL_ESTORNO_DEBITO");
    shape.occurrence = 8;
    shape.computation = QStringLiteral("N");
    shape.description = QStringLiteral("DescFundamento");
    shape.gridName = QStringLiteral("DBGrid1");
    return shape;
}
} // namespace

TfrmDetOpPropEstDebitos::TfrmDetOpPropEstDebitos(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsEstDebitos, PageShape()) {}
