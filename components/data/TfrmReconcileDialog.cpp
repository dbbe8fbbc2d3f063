#include "components/data/TfrmReconcileDialog.h"

#include "platform/ui/ControlFont.h"
#include "platform/ui/Make.h"
#include "platform/ui/TBevel.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TPanel.h"

#include <QWidget>

TfrmReconcileDialog::TfrmReconcileDialog(TComponent* owner) : TForm(owner) {
    SetName(QStringLiteral("frmReconcileDialog"));
    SetCaption(QStringLiteral("Erro"));
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetPosition(TPosition::poScreenCenter);
    SetBorderStyle(TFormBorderStyle::bsSizeable);
    SetClientWidth(392);
    SetClientHeight(189);
    Widget()->setMinimumSize(259, 155);
    OnClose = TCloseEvent(this, &TfrmReconcileDialog::FormClose);

    BuildButtons();
    BuildTexts();
}

void TfrmReconcileDialog::BuildButtons() {
    pnAcao = Make<TPanel>(this, QStringLiteral("pnAcao"), this);
    pnAcao->SetBevelOuter(TBevelCut::bvNone);
    pnAcao->SetBorderWidth(4);
    pnAcao->SetHeight(41);
    pnAcao->SetAlign(TAlign::alBottom);
    auto* bevel = Make<TBevel>(this, QStringLiteral("bvAcao"), this);
    bevel->SetShape(TBevelShape::bsTopLine);
    bevel->SetHeight(2);
    bevel->SetAlign(TAlign::alBottom);

    btnCorrigir = Make<TBitBtn>(this, QStringLiteral("btnCorrigir"), pnAcao);
    btnCorrigir->SetCaption(QStringLiteral("&Corrigir"));
    btnCorrigir->SetModalResult(mrOk);
    btnCorrigir->SetDefault(true);
    btnCorrigir->SetBounds(pnAcao->Width() - 4 - 81, 6, 81, 25);
    btnCorrigir->SetAnchors(akRight | akTop);
    btnDesfazer = Make<TBitBtn>(this, QStringLiteral("btnDesfazer"), pnAcao);
    btnDesfazer->SetCaption(QStringLiteral("&Desfazer"));
    btnDesfazer->SetModalResult(mrCancel);
    btnDesfazer->SetCancel(true);
    btnDesfazer->SetBounds(btnCorrigir->Left() - 6 - 81, 6, 81, 25);
    btnDesfazer->SetAnchors(akRight | akTop);
}

void TfrmReconcileDialog::BuildTexts() {
    Label1 = Make<TLabel>(this, QStringLiteral("Label1"), this);
    Label1->SetCaption(QStringLiteral("Operação:"));
    Label1->SetBounds(8, 8, 60, 13);
    edOperacao = Make<TEdit>(this, QStringLiteral("edOperacao"), this);
    edOperacao->SetReadOnly(true);
    edOperacao->SetTabStop(false);
    SetBold(edOperacao);
    edOperacao->SetBounds(8, 24, ClientWidth() - 16, 21);
    edOperacao->SetAnchors(akLeft | akTop | akRight);

    Label3 = Make<TLabel>(this, QStringLiteral("Label3"), this);
    Label3->SetCaption(QStringLiteral("Mensagem:"));
    Label3->SetBounds(8, 52, 60, 13);
    mmMensagem = Make<TMemo>(this, QStringLiteral("mmMensagem"), this);
    mmMensagem->SetReadOnly(true);
    mmMensagem->SetTabStop(false);
    SetBold(mmMensagem);
    mmMensagem->SetBounds(8, 68, ClientWidth() - 16, ClientHeight() - 68 - 43 - 8);
    mmMensagem->SetAnchors(akLeft | akTop | akRight | akBottom);
}

void TfrmReconcileDialog::FormClose(TObject*, TCloseAction& action) {
    action = TCloseAction::caFree;
}
