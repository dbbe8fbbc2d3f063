#include "startup/RunEndingPrompter.h"

RunEndingPrompter::RunEndingPrompter(std::function<bool()> ending)
    : m_ending(std::move(ending)), m_previous(TPrompter::Current()), m_install(*this) {}

TPromptResult RunEndingPrompter::Prompt(const TPromptRequest& request) {
    if (m_ending())
        return {mrCancel, {}};
    return m_previous.Prompt(request);
}
