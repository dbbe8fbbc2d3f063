#include "declarations/pages/TfrmDetOpPropEstCreditos.h"

#include "core/data/TDMDef.h"

namespace {
OccurrencePage::Kind Tipo() {
    OccurrencePage::Kind kind;
    kind.formName = QStringLiteral("frmDetOpPropEstCreditos");
    kind.caption = QStringLiteral("Estornos Creditos");
    kind.dataSourceName = QStringLiteral("dsEstornosCreditos");
    kind.help =
        QStringLiteral("Subficha utilizada para informar os Estornos de Créditos, lançados no RAICMS, "
                       "decorrentes de operações próprias do declarante.");
    kind.valueField = QStringLiteral("VL_ESTORNO_CREDITO");
    kind.occurrence = 3;
    kind.computation = QStringLiteral("N");
    kind.description = QStringLiteral("DescFundamento");
    kind.gridName = QStringLiteral("dbgDetalhes");
    return kind;
}
} // namespace

TfrmDetOpPropEstCreditos::TfrmDetOpPropEstCreditos(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsEstCreditos, Tipo()) {}
