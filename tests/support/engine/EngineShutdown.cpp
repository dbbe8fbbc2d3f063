// Every test executable that works with the database keeps the engine to
// itself and shuts it down in order once its tests are over.
//
// - A runtime folder of its own (XDG_RUNTIME_DIR, so the engine's lock files
//   too): the processes a test starts inherit it, but a process another test
//   kills in the middle of its work (the kill tests do so on purpose) cannot
//   leave the engine's shared lock files of every other test in a state they
//   would wait on forever.
// - As the program does before it exits, the engine is stopped in order: a
//   service task still running (a backup a test stopped waiting for) is told
//   to stop and waited for, instead of being torn down under its thread by
//   the library's own exit handlers.
//
// Linked as an object into each such executable (see tests/CMakeLists.txt),
// so that its registration is never left out.
#include "platform/db/FbClient.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

const char* const OwnRuntimeVariable = "ZEB_TEST_OWN_RUNTIME";

// The runtime folder this process made (empty when it inherited one).
QString MakeOwnRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty(OwnRuntimeVariable))
        return QString(); // a process started by a test: it shares its parent's
    QByteArray pattern = QDir::tempPath().toLocal8Bit() + "/zeb-test-runtime-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        return QString();
    qputenv("XDG_RUNTIME_DIR", pattern);
    qputenv(OwnRuntimeVariable, pattern);
    return QFile::decodeName(pattern);
}

class EngineShutdown : public testing::Environment {
public:
    void SetUp() override { m_runtime = MakeOwnRuntimeFolder(); }
    void TearDown() override {
        FbClient::ShutDown();
        if (!m_runtime.isEmpty())
            QDir(m_runtime).removeRecursively();
    }

private:
    QString m_runtime;
};

[[maybe_unused]] testing::Environment* const g_engineShutdown =
    testing::AddGlobalTestEnvironment(new EngineShutdown);
} // namespace
