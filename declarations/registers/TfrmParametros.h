#pragma once
// The parameters window: the largest amount that may be typed into a
// declaration's money fields (whole units). Confirming writes parameter 2 of
// PARAMETROS_DEF alone, in its own transaction, and only once that is
// committed does the program take the new maximum and say so; an empty or
// unreadable entry changes nothing.

#include "core/forms/TfrmModDocumento.h"

class TButton;
class TIBQuery;
class TIBTransaction;
class TLabel;
class TMaskEdit;
class TMemo;

class TfrmParametros : public TfrmModDocumento {
    Q_OBJECT
public:
    TfrmParametros(TComponent* owner, int documentId);

    void FormCreate(TObject* sender);
    void btnConfirmarClick(TObject* sender);
    void btnCancelarClick(TObject* sender);

    TLabel* lblVlMaximo;
    TMaskEdit* medtVlMaximo;
    TMemo* mmoObservacao;
    TButton* btnConfirmar;
    TButton* btnCancelar;
    TIBTransaction* ibtParametros;
    TIBQuery* ibqAlteraMaximo;

private:
    void BuildControls();
};
