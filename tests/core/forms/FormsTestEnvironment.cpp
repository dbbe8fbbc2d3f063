// One application object for every window test of this folder.
#include "platform/ui/TApplication.h"

#include <gtest/gtest.h>

namespace {
class FormsEnvironment : public testing::Environment {
public:
    void SetUp() override {
        m_application = std::make_unique<TApplication>();
        Application->SetTitle(QStringLiteral("ZEB-ICMS"));
    }
    void TearDown() override { m_application.reset(); }

private:
    std::unique_ptr<TApplication> m_application;
};

[[maybe_unused]] testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new FormsEnvironment);
} // namespace
