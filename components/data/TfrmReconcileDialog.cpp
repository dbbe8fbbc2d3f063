#include "components/data/TfrmReconcileDialog.h"

#include "platform/ui/TBevel.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TPanel.h"

#include <QWidget>

namespace {
template <class T> T* Named(T* component, const char* name) {
    component->SetName(QString::fromLatin1(name));
    return component;
}

void MakeBold(TControl* control) {
    QFont font = control->Font();
    font.setBold(true);
    control->SetFont(font);
}
} // namespace

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

    pnAcao = Named(new TPanel(this, this), "pnAcao");
    pnAcao->SetBevelOuter(TBevelCut::bvNone);
    pnAcao->SetBorderWidth(4);
    pnAcao->SetHeight(41);
    pnAcao->SetAlign(TAlign::alBottom);
    auto* bevel = Named(new TBevel(this, this), "bvAcao");
    bevel->SetShape(TBevelShape::bsTopLine);
    bevel->SetHeight(2);
    bevel->SetAlign(TAlign::alBottom);

    btnCorrigir = Named(new TBitBtn(this, pnAcao), "btnCorrigir");
    btnCorrigir->SetCaption(QStringLiteral("&Corrigir"));
    btnCorrigir->SetModalResult(mrOk);
    btnCorrigir->SetDefault(true);
    btnCorrigir->SetBounds(pnAcao->Width() - 4 - 81, 6, 81, 25);
    btnCorrigir->SetAnchors(akRight | akTop);
    btnDesfazer = Named(new TBitBtn(this, pnAcao), "btnDesfazer");
    btnDesfazer->SetCaption(QStringLiteral("&Desfazer"));
    btnDesfazer->SetModalResult(mrCancel);
    btnDesfazer->SetCancel(true);
    btnDesfazer->SetBounds(btnCorrigir->Left() - 6 - 81, 6, 81, 25);
    btnDesfazer->SetAnchors(akRight | akTop);

    Label1 = Named(new TLabel(this, this), "Label1");
    Label1->SetCaption(QStringLiteral("Operação:"));
    Label1->SetBounds(8, 8, 60, 13);
    edOperacao = Named(new TEdit(this, this), "edOperacao");
    edOperacao->SetReadOnly(true);
    edOperacao->SetTabStop(false);
    MakeBold(edOperacao);
    edOperacao->SetBounds(8, 24, ClientWidth() - 16, 21);
    edOperacao->SetAnchors(akLeft | akTop | akRight);

    Label3 = Named(new TLabel(this, this), "Label3");
    Label3->SetCaption(QStringLiteral("Mensagem:"));
    Label3->SetBounds(8, 52, 60, 13);
    mmMensagem = Named(new TMemo(this, this), "mmMensagem");
    mmMensagem->SetReadOnly(true);
    mmMensagem->SetTabStop(false);
    MakeBold(mmMensagem);
    mmMensagem->SetBounds(8, 68, ClientWidth() - 16, ClientHeight() - 68 - 43 - 8);
    mmMensagem->SetAnchors(akLeft | akTop | akRight | akBottom);
}

void TfrmReconcileDialog::FormClose(TObject*, TCloseAction& action) {
    action = TCloseAction::caFree;
}
