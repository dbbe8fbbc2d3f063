#include "core/util/MessageBoxes.h"

#include "platform/base/TPrompter.h"

namespace {

// Windows MessageBox flag words of the boxes.
constexpr int YesNoQuestion = 0x04 | 0x20;
constexpr int YesNoWarningNoDefault = 0x04 | 0x30 | 0x100;
constexpr int OkExclamation = 0x30;
constexpr int OkError = 0x10;
constexpr int SystemModalTopMost = 0x1000 | 0x40000;

const QString CaptionConfirmacao = QStringLiteral("Confirmação");
const QString CaptionAdvertencia = QStringLiteral("Advertência");
const QString CaptionInforma = QStringLiteral("Informa");
const QString CaptionErro = QStringLiteral("Erro");

TModalResult show(const QString& texto, const QString& caption, int flags) {
    return TPrompter::Current().Prompt(TPromptRequest::FromMessageBoxFlags(texto, caption, flags)).Button;
}

} // namespace

bool MsgConfirmacao(const QString& texto) {
    return show(texto, CaptionConfirmacao, YesNoQuestion) == mrYes;
}

bool MsgAtencao(const QString& texto) {
    return show(PrefixoAtencao + texto, CaptionConfirmacao, YesNoWarningNoDefault) == mrYes;
}

bool MsgAdvertencia(const QString& texto) {
    return show(texto, CaptionAdvertencia, YesNoQuestion) == mrYes;
}

void MsgInforma(const QString& texto) {
    show(texto, CaptionInforma, OkExclamation);
}

void MsgInformaSistema(const QString& texto) {
    show(texto, CaptionInforma, OkExclamation | SystemModalTopMost);
}

void MsgErro(const QString& texto) {
    show(texto, CaptionErro, OkError);
}

void MsgErroSistema(const QString& texto) {
    show(texto, CaptionErro, OkError | SystemModalTopMost);
}
