#include "core/util/MessageBoxes.h"

#include "platform/base/TPrompter.h"

namespace {

// Windows MessageBox flag words of the boxes.
constexpr int YesNoQuestion = 0x04 | 0x20;
constexpr int YesNoWarningNoDefault = 0x04 | 0x30 | 0x100;
constexpr int OkExclamation = 0x30;
constexpr int OkError = 0x10;
constexpr int SystemModalTopMost = 0x1000 | 0x40000;

const QString ConfirmationCaption = QStringLiteral("Confirmação");
const QString WarningCaption = QStringLiteral("Advertência");
const QString InformationCaption = QStringLiteral("Informa");
const QString ErrorCaption = QStringLiteral("Erro");

TModalResult show(const QString& texto, const QString& caption, int flags) {
    return TPrompter::Current().Prompt(TPromptRequest::FromMessageBoxFlags(texto, caption, flags)).Button;
}

} // namespace

bool MsgConfirmacao(const QString& texto) {
    return show(texto, ConfirmationCaption, YesNoQuestion) == mrYes;
}

bool MsgAtencao(const QString& texto) {
    return show(AttentionPrefix + texto, ConfirmationCaption, YesNoWarningNoDefault) == mrYes;
}

bool MsgAdvertencia(const QString& texto) {
    return show(texto, WarningCaption, YesNoQuestion) == mrYes;
}

void MsgInforma(const QString& texto) {
    show(texto, InformationCaption, OkExclamation);
}

void MsgInformaSistema(const QString& texto) {
    show(texto, InformationCaption, OkExclamation | SystemModalTopMost);
}

void MsgErro(const QString& texto) {
    show(texto, ErrorCaption, OkError);
}

void MsgErroSistema(const QString& texto) {
    show(texto, ErrorCaption, OkError | SystemModalTopMost);
}
