// Every test executable that works with the database shuts the engine down in
// order once its tests are over, as the program does before it exits: a
// service task still running (a backup a test stopped waiting for) is told
// to stop and waited for, instead of being torn down under its thread by the
// library's own exit handlers. Linked as an object into each such executable
// (see tests/CMakeLists.txt), so that its registration is never left out.
#include "platform/db/FbClient.h"

#include <gtest/gtest.h>

namespace {
class EngineShutdown : public testing::Environment {
public:
    void TearDown() override { FbClient::ShutDown(); }
};

[[maybe_unused]] testing::Environment* const g_engineShutdown =
    testing::AddGlobalTestEnvironment(new EngineShutdown);
} // namespace
