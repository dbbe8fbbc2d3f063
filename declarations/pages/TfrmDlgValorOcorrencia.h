#pragma once
// The dialog that asks the amount of the occurrence that accompanies a row
// (the fund contribution due with it). The edit takes digits and the
// decimal comma, typed or pasted; confirming takes the amount cut to whole
// hundredths, refuses one below 0,01 ("Valor inválido!") or above the
// largest amount the program accepts, and keeps the dialog open to correct.

#include "core/forms/TfrmModDialogo.h"
#include "platform/base/Currency.h"

class TButton;
class TEdit;
class TLabel;

class TfrmDlgValorOcorrencia : public TfrmModDialogo {
    Q_OBJECT
public:
    explicit TfrmDlgValorOcorrencia(TComponent* owner);

    void btnConfirmarClick(TObject* sender);

    // The text of the edit as typed (decimal comma).
    QString ValorDigitado() const;
    // The amount confirmed: the typed one cut to hundredths.
    Currency ConfirmedValue() const { return m_confirmedValue; }

    TLabel* lblValor;
    TEdit* edtValor;
    TButton* btnConfirmar;
    TButton* btnCancelar;

private:
    Currency m_confirmedValue;
};
