#pragma once
// The one way the program asks the user anything: every message box,
// question, file or folder dialog goes through the current prompter. The
// window layer installs one that shows dialogs; tests install a scripted one
// that answers from a queue and records what was asked.

#include "platform/base/TPromptRequest.h"

class TPrompter {
public:
    virtual ~TPrompter() = default;
    virtual TPromptResult Prompt(const TPromptRequest& request) = 0;

    // The prompter in use. Raises Exception when none is installed, so that
    // a prompt is never lost silently.
    static TPrompter& Current();
    static bool IsInstalled();

    // Makes a prompter current for its lifetime and puts the previous one
    // back afterwards.
    class Install {
    public:
        explicit Install(TPrompter& prompter);
        ~Install();
        Install(const Install&) = delete;
        Install& operator=(const Install&) = delete;

    private:
        TPrompter* m_previous;
    };
};
