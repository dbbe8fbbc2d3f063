#pragma once
// The dialog that filters the declaration list by taxpayer and by the
// validated, with-error and generated marks; confirming with nothing chosen
// removes the filter. The choice is kept in the list window.

#include "core/forms/TfrmModDialogo.h"

class TButton;
class TCheckBox;
class TComboBox;
class TDataSource;
class TLabel;

class TfrmDlgFiltraDeclaracao : public TfrmModDialogo {
    Q_OBJECT
public:
    explicit TfrmDlgFiltraDeclaracao(TComponent* owner);

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void btnConfirmarClick(TObject* sender);
    void btnCancelarClick(TObject* sender);

    // The registrations offered (the first item empty).
    QStringList Registrations() const;
    // Shows a filter in force: the registration item and the three marks.
    void ShowFilter(int itemInscricao, bool validada, bool comErro, bool gerada);

    TLabel* lblInscricao;
    TComboBox* cbInscricao;
    TCheckBox* cbValidada;
    TCheckBox* cbComErro;
    TCheckBox* cbGerada;
    TButton* btnConfirmar;
    TButton* btnCancelar;
    TDataSource* dsFiltraDeclaracao;

private:
    void BuildButtons();
};
