#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>

ScriptedPrompter::ScriptedPrompter() : m_install(*this) {}

ScriptedPrompter::~ScriptedPrompter() {
    EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " scripted answer(s) were never asked for";
}

ScriptedPrompter& ScriptedPrompter::Answer(TModalResult button) {
    m_answers.push_back([button](const TPromptRequest&) { return TPromptResult{button, {}}; });
    return *this;
}

ScriptedPrompter& ScriptedPrompter::AnswerPath(const QString& path) {
    m_answers.push_back([path](const TPromptRequest&) { return TPromptResult{mrOk, path}; });
    return *this;
}

ScriptedPrompter& ScriptedPrompter::AnswerWith(std::function<TPromptResult(const TPromptRequest&)> answer) {
    m_answers.push_back(std::move(answer));
    return *this;
}

TPromptResult ScriptedPrompter::Prompt(const TPromptRequest& request) {
    m_requests.push_back(request);
    if (m_answers.empty()) {
        ADD_FAILURE() << "Unexpected prompt \"" << request.Caption.toStdString()
                      << "\": " << request.Text.toStdString();
        return {mrCancel, {}};
    }
    auto answer = std::move(m_answers.front());
    m_answers.pop_front();
    return answer(request);
}

const TPromptRequest& ScriptedPrompter::Last() const {
    if (m_requests.empty())
        throw std::logic_error("no prompt was shown");
    return m_requests.back();
}
