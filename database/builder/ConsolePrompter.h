#pragma once
// The builder's prompter: it runs without a user, so every message box is
// written to the standard output and answered OK. A box with the error icon
// is remembered, so that the build can fail on it.

#include "platform/base/TPrompter.h"

class ConsolePrompter : public TPrompter {
public:
    TPromptResult Prompt(const TPromptRequest& request) override;

    bool ShowedError() const { return m_showedError; }

private:
    bool m_showedError = false;
};
