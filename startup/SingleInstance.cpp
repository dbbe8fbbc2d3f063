#include "startup/SingleInstance.h"

#include "core/util/MessageBoxes.h"
#include "platform/base/TPrompter.h"
#include "platform/os/SingleInstanceGuard.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TForm.h"

InstanceCheck VerificaInstanciaUnica(SingleInstanceGuard& guard) {
    QString falha;
    try {
        if (guard.TryAcquire())
            return InstanceCheck::Sole;
    } catch (const Exception& erro) {
        falha = erro.Message();
    }
    if (Application)
        Application->SetShowMainForm(false);
    if (falha.isEmpty()) {
        TPromptRequest request;
        request.Caption = Application ? Application->Title() : QString();
        request.Text = QStringLiteral("Esta aplicação já se encontra ativa neste computador.");
        request.Icon = TMsgDlgType::mtWarning;
        request.Buttons = {TMsgDlgBtn::mbOK};
        TPrompter::Current().Prompt(request);
    } else {
        MsgErro(falha);
    }
    if (Application)
        Application->Terminate();
    return falha.isEmpty() ? InstanceCheck::AlreadyRunning : InstanceCheck::Failed;
}

void ServeActivationRequests(SingleInstanceGuard& guard) {
    QObject::connect(&guard, &SingleInstanceGuard::ActivationRequested, &guard, [] {
        TForm* main = Application ? Application->MainForm() : nullptr;
        if (!main)
            return;
        if (main->WindowState() == TWindowState::wsMinimized)
            main->SetWindowState(TWindowState::wsNormal);
        main->Show();
        main->BringToFront();
    });
}
