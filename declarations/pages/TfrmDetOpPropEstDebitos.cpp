#include "declarations/pages/TfrmDetOpPropEstDebitos.h"

#include "core/data/TDMDef.h"

namespace {
OccurrencePage::Kind Tipo() {
    OccurrencePage::Kind kind;
    kind.formName = QStringLiteral("frmDetOpPropEstDebitos");
    kind.caption = QStringLiteral("Estornos Débitos");
    kind.dataSourceName = QStringLiteral("dsEstornosDebitos");
    kind.help = QStringLiteral("Subficha utilizada para informar os Estornos de Débitos, lançados no RAICMS, "
                               "decorrentes de operações próprias do declarante.");
    kind.valueField = QStringLiteral("VL_ESTORNO_DEBITO");
    kind.occurrence = 8;
    kind.computation = QStringLiteral("N");
    kind.description = QStringLiteral("DescFundamento");
    kind.gridName = QStringLiteral("DBGrid1");
    return kind;
}
} // namespace

TfrmDetOpPropEstDebitos::TfrmDetOpPropEstDebitos(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsEstDebitos, Tipo()) {}
