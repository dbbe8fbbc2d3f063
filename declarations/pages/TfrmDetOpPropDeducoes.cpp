#include "declarations/pages/TfrmDetOpPropDeducoes.h"

#include "core/data/TDMDef.h"
#include "platform/ui/TDBMemo.h"

namespace {
OccurrencePage::Kind Tipo() {
    OccurrencePage::Kind kind;
    kind.formName = QStringLiteral("frmDetOpPropDeducoes");
    kind.caption = QStringLiteral("Deduções");
    kind.dataSourceName = QStringLiteral("dsDeducoes");
    kind.help =
        QStringLiteral("Subficha utilizada para informar as deduções lançadas no RAICMS decorrentes de "
                       "operações próprias do declarante.");
    kind.valueField = QStringLiteral("VL_DEDUCAO");
    kind.occurrence = 14;
    kind.computation = QStringLiteral("N");
    kind.description = QStringLiteral("DescFundamento");
    kind.gridName = QStringLiteral("dbgDetalhes");
    return kind;
}
} // namespace

TfrmDetOpPropDeducoes::TfrmDetOpPropDeducoes(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsDeducoes, Tipo()) {
    // Typing in the description refreshes the choice of the ground as a
    // change of state does.
    const TNotifyEvent guarda = dbmDescComplementar->OnChange;
    dbmDescComplementar->OnChange = TNotifyEvent::fromFunction([this, guarda](TObject* sender) {
        guarda(sender);
        dsStateChange(sender);
    });
}
