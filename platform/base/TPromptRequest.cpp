#include "platform/base/TPromptRequest.h"

namespace {
// Windows MessageBox flags.
constexpr int kButtonMask = 0x0F;
constexpr int kIconMask = 0xF0;
constexpr int kDefaultMask = 0xF00;
constexpr int kSystemModal = 0x1000;
constexpr int kTopMost = 0x40000;

std::vector<TMsgDlgBtn> ButtonsOf(int flags) {
    using B = TMsgDlgBtn;
    switch (flags & kButtonMask) {
    case 1:
        return {B::mbOK, B::mbCancel};
    case 2:
        return {B::mbAbort, B::mbRetry, B::mbIgnore};
    case 3:
        return {B::mbYes, B::mbNo, B::mbCancel};
    case 4:
        return {B::mbYes, B::mbNo};
    case 5:
        return {B::mbRetry, B::mbCancel};
    default:
        return {B::mbOK};
    }
}

TMsgDlgType IconOf(int flags) {
    switch (flags & kIconMask) {
    case 0x10:
        return TMsgDlgType::mtError;
    case 0x20:
        return TMsgDlgType::mtConfirmation;
    case 0x30:
        return TMsgDlgType::mtWarning;
    case 0x40:
        return TMsgDlgType::mtInformation;
    default:
        return TMsgDlgType::mtNone;
    }
}
} // namespace

TPromptRequest TPromptRequest::FromMessageBoxFlags(const QString& text, const QString& caption, int flags) {
    TPromptRequest request;
    request.Kind = TPromptKind::pkMessage;
    request.Caption = caption;
    request.Text = text;
    request.Icon = IconOf(flags);
    request.Buttons = ButtonsOf(flags);
    const std::size_t defaultIndex = static_cast<std::size_t>((flags & kDefaultMask) >> 8);
    request.DefaultButton = request.Buttons.at(defaultIndex < request.Buttons.size() ? defaultIndex : 0);
    request.SystemModal = (flags & (kSystemModal | kTopMost)) != 0;
    return request;
}

TModalResult ModalResultOf(TMsgDlgBtn button) {
    switch (button) {
    case TMsgDlgBtn::mbYes:
        return mrYes;
    case TMsgDlgBtn::mbNo:
        return mrNo;
    case TMsgDlgBtn::mbOK:
        return mrOk;
    case TMsgDlgBtn::mbCancel:
        return mrCancel;
    case TMsgDlgBtn::mbAbort:
        return mrAbort;
    case TMsgDlgBtn::mbRetry:
        return mrRetry;
    case TMsgDlgBtn::mbIgnore:
        return mrIgnore;
    }
    return mrNone;
}
