#include "declarations/pages/TfrmDetOpPropEstCreditos.h"

#include "core/data/TDMDef.h"

namespace {
OccurrencePage::Shape PageShape() {
    OccurrencePage::Shape shape;
    shape.formName = QStringLiteral("frmDetOpPropEstCreditos");
    shape.caption = QStringLiteral("Estornos Creditos");
    shape.dataSourceName = QStringLiteral("dsEstornosCreditos");
    shape.help =
        QStringLiteral("Subficha utilizada para informar os Estornos de Créditos, lançados no RAICMS, "
                       "decorrentes de operações próprias do declarante.");
    shape.valueField = QStringLiteral("VL_ESTORNO_CREDITO");
    shape.occurrence = 3;
    shape.computation = QStringLiteral("N");
    shape.description = QStringLiteral("DescFundamento");
    shape.gridName = QStringLiteral("dbgDetalhes");
    return shape;
}
} // namespace

TfrmDetOpPropEstCreditos::TfrmDetOpPropEstCreditos(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsEstCreditos, PageShape()) {}
