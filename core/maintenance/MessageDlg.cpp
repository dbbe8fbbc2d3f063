#include "core/maintenance/MessageDlg.h"

#include "platform/base/TPrompter.h"

namespace {

QString CaptionOf(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::mtWarning:
        return QStringLiteral("Aviso");
    case TMsgDlgType::mtError:
        return QStringLiteral("Erro");
    case TMsgDlgType::mtInformation:
        return QStringLiteral("Informação");
    case TMsgDlgType::mtConfirmation:
        return QStringLiteral("Confirmação");
    case TMsgDlgType::mtNone:
        break;
    }
    return QString();
}

} // namespace

TModalResult MessageDlg(const QString& text, TMsgDlgType type, const std::vector<TMsgDlgBtn>& buttons) {
    TPromptRequest request;
    request.Caption = CaptionOf(type);
    request.Text = text;
    request.Icon = type;
    request.Buttons = buttons;
    return TPrompter::Current().Prompt(request).Button;
}
