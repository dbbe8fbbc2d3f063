#pragma once
// Turns SIGTERM and SIGINT into a call on the event loop.
//
// Loaded libraries may install their own handlers for these signals (the
// database client does, and then ignores them). While a watcher lives, the
// signals are ours: the handler only writes one byte to a self-pipe, and a
// socket notifier calls `OnSignal` from the event loop, where the program can
// end normally. The previous handlers come back when the watcher goes.
// Only one watcher may exist at a time.

#include <QObject>
#include <functional>
#include <memory>
#include <signal.h>

class QSocketNotifier;

class TerminationSignalWatcher : public QObject {
    Q_OBJECT
public:
    // Receives the signal number (SIGTERM or SIGINT).
    explicit TerminationSignalWatcher(std::function<void(int)> onSignal, QObject* parent = nullptr);
    ~TerminationSignalWatcher() override;
    TerminationSignalWatcher(const TerminationSignalWatcher&) = delete;
    TerminationSignalWatcher& operator=(const TerminationSignalWatcher&) = delete;

private:
    static void Handler(int signal);
    void Drain();

    std::function<void(int)> m_onSignal;
    int m_pipe[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> m_notifier;
    struct sigaction m_previousTerm {};
    struct sigaction m_previousInt {};
};
