#include "declarations/pages/InformationPage.h"

#include "declarations/pages/HelpMemo.h"

namespace {
constexpr int HelpHeight = 140;
} // namespace

InformationPage::InformationPage(TComponent* owner, const Shape& shape) : TfrmDetalheDEF(owner) {
    SetName(shape.formName);
    SetCaption(shape.caption);
    Memo1 = HelpMemo(this, this, shape.helpText, HelpHeight);
}
