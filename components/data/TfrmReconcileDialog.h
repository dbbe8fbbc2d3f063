#pragma once
// The small window that names the operation a database refused and shows its
// message; "&Corrigir" keeps the change for correction (OK), "&Desfazer" undoes
// the pending changes (Cancel).

#include "platform/ui/TForm.h"

class TBitBtn;
class TEdit;
class TLabel;
class TMemo;
class TPanel;

class TfrmReconcileDialog : public TForm {
    Q_OBJECT
public:
    explicit TfrmReconcileDialog(TComponent* owner);

    TLabel* Label1 = nullptr;
    TEdit* edOperacao = nullptr;
    TLabel* Label3 = nullptr;
    TMemo* mmMensagem = nullptr;
    TPanel* pnAcao = nullptr;
    TBitBtn* btnDesfazer = nullptr;
    TBitBtn* btnCorrigir = nullptr;

private:
    void BuildButtons();
    void BuildTexts();
    void FormClose(TObject* sender, TCloseAction& action);
};
