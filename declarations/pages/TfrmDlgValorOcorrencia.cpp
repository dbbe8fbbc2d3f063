#include "declarations/pages/TfrmDlgValorOcorrencia.h"

#include "core/data/FieldRules.h"
#include "core/data/TDMDef.h"
#include "core/util/GeneralRoutines.h"
#include "core/util/MessageBoxes.h"
#include "declarations/pages/TypedTextRule.h"
#include "platform/base/Exceptions.h"
#include "platform/ui/Make.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"

namespace {

constexpr int ValueLength = 20;
constexpr Currency MinimumValue = Currency::fromRaw(100);
const QString ValueCaption = QStringLiteral("Valor");

// An amount takes digits and the decimal comma.
QChar ValueCharacter(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(',') ? c : QChar();
}

} // namespace

TfrmDlgValorOcorrencia::TfrmDlgValorOcorrencia(TComponent* owner) : TfrmModDialogo(owner) {
    SetName(QStringLiteral("frmDlgValorOcorrencia"));
    SetCaption(QStringLiteral("Valor da Ocorrência"));
    SetPosition(TPosition::poScreenCenter);
    SetClientWidth(250);
    SetClientHeight(100);

    lblValor = Make<TLabel>(this, QStringLiteral("lblValor"), this);
    lblValor->SetCaption(ValueCaption);
    lblValor->SetLeft(16);
    lblValor->SetTop(16);
    edtValor = Make<TEdit>(this, QStringLiteral("edtValor"), this);
    edtValor->SetMaxLength(ValueLength);
    edtValor->SetBounds(16, 34, 140, 21);
    edtValor->SetText(QStringLiteral("0,00"));
    TypedTextRule::Install(edtValor, &ValueCharacter);

    btnConfirmar = Make<TButton>(this, QStringLiteral("btnConfirmar"), pnBotoes);
    btnConfirmar->SetCaption(QStringLiteral("&Confirmar"));
    btnConfirmar->SetDefault(true);
    btnConfirmar->SetModalResult(mrOk);
    btnConfirmar->SetBounds(82, 4, 80, 25);
    btnConfirmar->OnClick = TNotifyEvent(this, &TfrmDlgValorOcorrencia::btnConfirmarClick);
    btnCancelar = Make<TButton>(this, QStringLiteral("btnCancelar"), pnBotoes);
    btnCancelar->SetCaption(QStringLiteral("C&ancelar"));
    btnCancelar->SetCancel(true);
    btnCancelar->SetModalResult(mrCancel);
    btnCancelar->SetBounds(166, 4, 80, 25);
}

QString TfrmDlgValorOcorrencia::ValorDigitado() const {
    return edtValor->Text();
}

void TfrmDlgValorOcorrencia::btnConfirmarClick(TObject*) {
    Currency valor;
    try {
        valor = ::TypedAmount(edtValor->Text());
    } catch (const EConvertError&) {
        valor = Currency(); // no amount at all
    }
    QString recusa;
    if (valor < MinimumValue)
        recusa = QStringLiteral("Valor inválido!");
    else
        recusa = ValueLimitMessage(valor, ValueCaption, ValorMaximo);
    if (!recusa.isEmpty()) {
        MsgErro(recusa);
        SetModalResult(mrNone);
        if (edtValor->CanFocus())
            edtValor->SetFocus();
        return;
    }
    m_confirmedValue = valor;
}
