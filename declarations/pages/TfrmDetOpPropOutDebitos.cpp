#include "declarations/pages/TfrmDetOpPropOutDebitos.h"

#include "core/data/TDMDef.h"

namespace {
OccurrencePage::Kind Tipo() {
    OccurrencePage::Kind kind;
    kind.formName = QStringLiteral("frmDetOpPropOutDebitos");
    kind.caption = QStringLiteral("Outros Débitos");
    kind.dataSourceName = QStringLiteral("dsOutrosDebitos");
    kind.help =
        QStringLiteral("Subficha utilizada para informar Outros Débitos, lançados no RAICMS, decorrentes de "
                       "operações próprias do declarante.");
    kind.valueField = QStringLiteral("VL_OUTRO_DEBITO");
    kind.occurrence = 2;
    kind.computation = QStringLiteral("N");
    kind.description = QStringLiteral("DescFundamento");
    kind.gridName = QStringLiteral("DBGrid1");
    return kind;
}
} // namespace

TfrmDetOpPropOutDebitos::TfrmDetOpPropOutDebitos(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsOutDebitos, Tipo()) {}
