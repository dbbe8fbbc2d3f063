#include "platform/ui/ShowMessage.h"

#include "platform/base/TPrompter.h"
#include "platform/ui/TApplication.h"

void ShowMessage(const QString& text) {
    TPromptRequest request;
    request.Caption = Application ? Application->Title() : QString();
    request.Text = text;
    request.Buttons = {TMsgDlgBtn::mbOK};
    request.DefaultButton = TMsgDlgBtn::mbOK;
    TPrompter::Current().Prompt(request);
}
