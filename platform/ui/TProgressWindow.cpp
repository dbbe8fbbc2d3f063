#include "platform/ui/TProgressWindow.h"

#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TProgressBar.h"

TProgressWindow::TProgressWindow(TComponent* owner, const QString& caption, bool allowCancel) : TForm(owner) {
    SetName(QStringLiteral("frmProgresso"));
    SetCaption(caption);
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetPosition(TPosition::poScreenCenter);
    SetClientWidth(360);
    SetClientHeight(allowCancel ? 104 : 72);

    lblMensagem = new TLabel(this, this);
    lblMensagem->SetName(QStringLiteral("lblMensagem"));
    lblMensagem->SetAutoSize(false);
    lblMensagem->SetBounds(12, 12, 336, 18);

    pbProgresso = new TProgressBar(this, this);
    pbProgresso->SetName(QStringLiteral("pbProgresso"));
    pbProgresso->SetBounds(12, 38, 336, 18);

    btnCancelar = new TButton(this, this);
    btnCancelar->SetName(QStringLiteral("btnCancelar"));
    btnCancelar->SetCaption(QStringLiteral("Cancelar"));
    btnCancelar->SetBounds(142, 68, 75, 25);
    btnCancelar->SetCancel(true);
    btnCancelar->SetVisible(allowCancel);
    btnCancelar->OnClick = TNotifyEvent::fromFunction([this](TObject*) { Cancel(); });
}

void TProgressWindow::SetText(const QString& text) {
    lblMensagem->SetCaption(text);
}
QString TProgressWindow::Text() const {
    return lblMensagem->Caption();
}
void TProgressWindow::SetMax(int max) {
    pbProgresso->SetMax(max);
}
int TProgressWindow::Position() const {
    return pbProgresso->Position();
}

bool TProgressWindow::Progress(int position) {
    pbProgresso->SetPosition(position);
    if (Application)
        Application->ProcessMessages();
    return !m_cancelled;
}
