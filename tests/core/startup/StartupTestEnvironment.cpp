// One application object for every test of this folder.
#include "platform/ui/TApplication.h"

#include <gtest/gtest.h>

namespace {
class StartupEnvironment : public testing::Environment {
public:
    void SetUp() override { m_application = std::make_unique<TApplication>(); }
    void TearDown() override { m_application.reset(); }

private:
    std::unique_ptr<TApplication> m_application;
};

[[maybe_unused]] testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new StartupEnvironment);
} // namespace
