#pragma once
// A prompter for tests: installs itself for its lifetime, answers each prompt
// from a queue in order and records every request. A prompt with no answer
// left fails the test (and answers Cancel) instead of waiting for a user;
// answers left over when it goes away fail the test too.

#include "platform/base/TPrompter.h"

#include <deque>
#include <functional>
#include <vector>

class ScriptedPrompter : public TPrompter {
public:
    ScriptedPrompter();
    ~ScriptedPrompter() override;

    // Queue the button for the next prompt.
    ScriptedPrompter& Answer(TModalResult button);
    // Queue a chosen path (with OK) for the next file or folder prompt.
    ScriptedPrompter& AnswerPath(const QString& path);
    // Queue an answer computed while the prompt is "shown".
    ScriptedPrompter& AnswerWith(std::function<TPromptResult(const TPromptRequest&)> answer);

    TPromptResult Prompt(const TPromptRequest& request) override;

    const std::vector<TPromptRequest>& Requests() const { return m_requests; }
    const TPromptRequest& Last() const;
    int Count() const { return static_cast<int>(m_requests.size()); }
    int Unanswered() const { return static_cast<int>(m_answers.size()); }

private:
    std::deque<std::function<TPromptResult(const TPromptRequest&)>> m_answers;
    std::vector<TPromptRequest> m_requests;
    Install m_install;
};
