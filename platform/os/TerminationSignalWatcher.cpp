#include "platform/os/TerminationSignalWatcher.h"

#include "platform/base/Exceptions.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The write end of the live watcher's pipe; -1 when none lives.
std::atomic<int> writeEnd{-1};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler needs a lock-free atomic");

[[noreturn]] void Fail(const char* what) {
    throw Exception(QStringLiteral("Não foi possível preparar o tratamento de sinais (%1): %2")
                        .arg(QString::fromLatin1(what), QString::fromLocal8Bit(std::strerror(errno))));
}

} // namespace

TerminationSignalWatcher::TerminationSignalWatcher(std::function<void(int)> onSignal, QObject* parent)
    : QObject(parent), m_onSignal(std::move(onSignal)) {
    if (writeEnd.load() != -1)
        throw Exception(QStringLiteral("Já existe um tratamento de sinais de término ativo."));
    if (::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        Fail("pipe");
    writeEnd.store(m_pipe[1]);

    m_notifier = std::make_unique<QSocketNotifier>(m_pipe[0], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &TerminationSignalWatcher::Drain);

    struct sigaction action {};
    action.sa_handler = &TerminationSignalWatcher::Handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    if (::sigaction(SIGTERM, &action, &m_previousTerm) != 0 ||
        ::sigaction(SIGINT, &action, &m_previousInt) != 0) {
        const int error = errno;
        ::sigaction(SIGTERM, &m_previousTerm, nullptr);
        writeEnd.store(-1);
        m_notifier.reset();
        ::close(m_pipe[0]);
        ::close(m_pipe[1]);
        errno = error;
        Fail("sigaction");
    }
}

TerminationSignalWatcher::~TerminationSignalWatcher() {
    ::sigaction(SIGTERM, &m_previousTerm, nullptr);
    ::sigaction(SIGINT, &m_previousInt, nullptr);
    writeEnd.store(-1);
    m_notifier.reset();
    ::close(m_pipe[0]);
    ::close(m_pipe[1]);
}

void TerminationSignalWatcher::Handler(int signal) {
    // Async-signal-safe: one write, errno kept. A full pipe already holds a
    // pending signal, so a lost byte loses nothing.
    const int savedErrno = errno;
    const int fd = writeEnd.load();
    if (fd != -1) {
        const unsigned char byte = static_cast<unsigned char>(signal);
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

void TerminationSignalWatcher::Drain() {
    unsigned char bytes[64];
    int last = 0;
    ssize_t count;
    while ((count = ::read(m_pipe[0], bytes, sizeof bytes)) > 0)
        last = bytes[count - 1];
    if (last != 0 && m_onSignal)
        m_onSignal(last);
}
