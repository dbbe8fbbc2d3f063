#include "declarations/pages/InformationPage.h"

#include "declarations/pages/HelpMemo.h"

namespace {
constexpr int AlturaAjuda = 140;
} // namespace

InformationPage::InformationPage(TComponent* owner, const Layout& layout) : TfrmDetalheDEF(owner) {
    SetName(layout.formName);
    SetCaption(layout.caption);
    Memo1 = HelpMemo(this, this, layout.helpText, AlturaAjuda);
}
