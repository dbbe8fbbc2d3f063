// One application object for every test executable that works with windows
// (linked into the test folders that declare APPLICATION in tests/CMakeLists.txt).
#include "platform/db/FbClient.h"
#include "platform/ui/TApplication.h"

#include <gtest/gtest.h>

namespace {
class ApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override {
        m_application = std::make_unique<TApplication>();
        Application->SetTitle(QStringLiteral("ZEB-ICMS"));
    }
    void TearDown() override {
        m_application.reset();
        // As the program does before it exits.
        FbClient::ShutDown();
    }

private:
    std::unique_ptr<TApplication> m_application;
};

[[maybe_unused]] testing::Environment* const g_environment =
    testing::AddGlobalTestEnvironment(new ApplicationEnvironment);
} // namespace
