#pragma once
// The prompter of the running program: message boxes and file and folder
// dialogs shown with Qt, with the captions, icons, buttons and default
// buttons asked for. System-modal boxes are application-modal and stay on top.
// A window prompt shows the window and runs the message loop until it is
// closed (a dialog runs modally).

#include "platform/base/TPrompter.h"

class TQtPrompter : public TPrompter {
public:
    TPromptResult Prompt(const TPromptRequest& request) override;

    // "Text files|*.txt|All|*" in the form Qt's file dialogs read.
    static QString QtFilter(const QString& filter);

private:
    static TPromptResult ShowMessage(const TPromptRequest& request);
    static TPromptResult ShowFileDialog(const TPromptRequest& request);
    static TPromptResult RunWindow(const TPromptRequest& request);
};
