#include "declarations/pages/TfrmDetOpPropDeducoes.h"

#include "core/data/TDMDef.h"
#include "platform/ui/TDBMemo.h"

namespace {
OccurrencePage::Shape PageShape() {
    OccurrencePage::Shape shape;
    shape.formName = QStringLiteral("frmDetOpPropDeducoes");
    shape.caption = QStringLiteral("Deduções");
    shape.dataSourceName = QStringLiteral("dsDeducoes");
    shape.help =
        QStringLiteral("Subficha utilizada para informar as deduções lançadas no RAICMS decorrentes de "
                       "operações próprias do declarante.");
    shape.valueField = QStringLiteral("VL_DEDUCAO");
    shape.occurrence = 14;
    shape.computation = QStringLiteral("N");
    shape.description = QStringLiteral("DescFundamento");
    shape.gridName = QStringLiteral("dbgDetalhes");
    return shape;
}
} // namespace

TfrmDetOpPropDeducoes::TfrmDetOpPropDeducoes(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsDeducoes, PageShape()) {
    // Typing in the description refreshes the choice of the ground as a
    // change of state does.
    const TNotifyEvent guarda = dbmDescComplementar->OnChange;
    dbmDescComplementar->OnChange = TNotifyEvent::fromFunction([this, guarda](TObject* sender) {
        guarda(sender);
        dsStateChange(sender);
    });
}
