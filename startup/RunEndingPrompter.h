#pragma once
// The prompter of a run that may be ended by a signal at any moment: it asks
// through the prompter that was current when it was installed, until the run
// is ending; from then on nothing more is asked and every prompt answers
// Cancel at once, so that no box holds up the end.

#include "platform/base/TPrompter.h"

#include <functional>

class RunEndingPrompter : public TPrompter {
public:
    // ending: whether the run is ending. Installs itself for its lifetime.
    explicit RunEndingPrompter(std::function<bool()> ending);

    TPromptResult Prompt(const TPromptRequest& request) override;

private:
    std::function<bool()> m_ending;
    TPrompter& m_previous;
    Install m_install;
};
