#include "platform/os/TerminationSignalWatcher.h"

#include "platform/base/Exceptions.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <vector>

namespace {

QCoreApplication& application() {
    static int argc = 1;
    static char name[] = "test_platform_os";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    return app ? *app : *QCoreApplication::instance();
}

template <typename Done> bool pumpUntil(Done done) {
    const QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    return done();
}

volatile std::sig_atomic_t foreignCalls = 0;
void ForeignHandler(int) {
    foreignCalls = foreignCalls + 1;
}

// A handler of some loaded library, there before the watcher and after it.
class TerminationSignalWatcherTest : public ::testing::Test {
protected:
    TerminationSignalWatcherTest() {
        foreignCalls = 0;
        struct sigaction action {};
        action.sa_handler = &ForeignHandler;
        sigemptyset(&action.sa_mask);
        sigaction(SIGTERM, &action, &m_oldTerm);
        sigaction(SIGINT, &action, &m_oldInt);
    }
    ~TerminationSignalWatcherTest() override {
        sigaction(SIGTERM, &m_oldTerm, nullptr);
        sigaction(SIGINT, &m_oldInt, nullptr);
    }

private:
    struct sigaction m_oldTerm {};
    struct sigaction m_oldInt {};
};

} // namespace

TEST_F(TerminationSignalWatcherTest, SignalsReachTheEventLoopInsteadOfTheEarlierHandler) {
    application();
    std::vector<int> received;
    {
        TerminationSignalWatcher watcher([&](int signal) { received.push_back(signal); });
        std::raise(SIGTERM);
        ASSERT_TRUE(pumpUntil([&] { return !received.empty(); }));
        std::raise(SIGINT);
        ASSERT_TRUE(pumpUntil([&] { return received.size() == 2; }));
        EXPECT_EQ(received, (std::vector<int>{SIGTERM, SIGINT}));
        EXPECT_EQ(foreignCalls, 0);
    }
    // The earlier handler is back once the watcher is gone.
    std::raise(SIGTERM);
    std::raise(SIGINT);
    EXPECT_EQ(foreignCalls, 2);
    EXPECT_EQ(received.size(), 2u);
}

TEST_F(TerminationSignalWatcherTest, SignalsBeforeTheLoopRunsAreKeptAndReportedOnce) {
    application();
    int calls = 0;
    TerminationSignalWatcher watcher([&](int) { ++calls; });
    std::raise(SIGTERM);
    std::raise(SIGTERM);
    ASSERT_TRUE(pumpUntil([&] { return calls > 0; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 1);
}

TEST_F(TerminationSignalWatcherTest, OnlyOneWatcherAtATime) {
    application();
    TerminationSignalWatcher first([](int) {});
    EXPECT_THROW(TerminationSignalWatcher([](int) {}), Exception);
}
