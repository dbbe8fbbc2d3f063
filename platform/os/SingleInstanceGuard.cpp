#include "platform/os/SingleInstanceGuard.h"

#include "platform/base/Exceptions.h"
#include "platform/os/FolderSocket.h"
#include "platform/os/Leftovers.h"
#include "platform/os/PrivateFolder.h"
#include "platform/os/SystemError.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What a later copy sends to the first one.
constexpr char ActivateMessage[] = "activate\n";
// How long a later copy keeps trying to reach the first one, which may hold
// the lock but not listen yet.
constexpr int ConnectPatienceMs = 3000;
constexpr int ConnectAttemptMs = 200;
constexpr int RetryPauseMs = 50;
constexpr mode_t LockFileMode = 0600;

QString userName() {
    if (const passwd* pw = getpwuid(getuid()))
        return QString::fromLocal8Bit(pw->pw_name);
    return QString::number(getuid());
}

[[noreturn]] void LockError(const QString& lockName, const QString& reason) {
    throw Exception(QStringLiteral("Não foi possível criar o arquivo de bloqueio que impede duas cópias do "
                                   "programa, \"%1\": %2.")
                        .arg(lockName, reason));
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& className, const QString& folder, QObject* parent)
    : QObject(parent), m_folder(folder.isEmpty() ? PrivateFolder::UserRuntimeFolder() : folder) {
    const QString base = className + QLatin1Char('-') + userName();
    m_lockName = QDir(m_folder).filePath(base + QStringLiteral(".lock"));
    m_socketName = base + QStringLiteral(".socket");
    m_serverName = QDir(m_folder).filePath(m_socketName);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstanceGuard::AcceptConnection);
}

SingleInstanceGuard::~SingleInstanceGuard() {
    m_server.close();
    m_folderSocket.reset();
    if (m_lockFd != -1)
        ::close(m_lockFd);
}

bool SingleInstanceGuard::TryAcquire() {
    if (m_first)
        return true;
    PrivateFolder::Ensure(m_folder);
    const QByteArray path = QFile::encodeName(m_lockName);
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, LockFileMode);
    if (fd < 0)
        LockError(m_lockName, SystemErrorText(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != geteuid()) {
        ::close(fd);
        LockError(m_lockName, QStringLiteral("não é um arquivo comum deste usuário"));
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error != EWOULDBLOCK)
            LockError(m_lockName, SystemErrorText(error));
        NotifyRunningCopy();
        return false;
    }
    m_lockFd = fd;
    // The only copy now: what a copy that died left of the engine's trace
    // files goes (a file the engine of another program of the user holds
    // stays).
    Leftovers::Remove(PrivateFolder::EngineFolder(), QStringLiteral("fb_trace_[A-Za-z0-9]{6}"));
    Listen();
    m_first = true;
    return true;
}

void SingleInstanceGuard::Listen() {
    // Holding the lock, a socket file still there belongs to a copy that died.
    // The folder's descriptor stays open while the server listens: the
    // server removes its socket through the same address when it closes.
    m_folderSocket = std::make_unique<FolderSocket>(m_folder);
    const int fd = m_folderSocket->Listen(m_socketName);
    if (fd == -1 || !m_server.listen(fd))
        throw Exception(QStringLiteral("Não foi possível aguardar outras cópias do programa em \"%1\": %2")
                            .arg(m_serverName, fd == -1 ? SystemErrorText(errno) : m_server.errorString()));
}

void SingleInstanceGuard::AcceptConnection() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine() == ActivateMessage)
                    emit ActivationRequested();
            }
        });
    }
}

void SingleInstanceGuard::NotifyRunningCopy() const {
    const FolderSocket folder(m_folder);
    QLocalSocket socket;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const int fd = folder.Connect(m_socketName);
        if (fd != -1 && socket.setSocketDescriptor(fd))
            break;
        if (fd != -1)
            ::close(fd);
        if (waited.elapsed() >= ConnectPatienceMs)
            return;
        QThread::msleep(RetryPauseMs);
    }
    socket.write(ActivateMessage);
    socket.waitForBytesWritten(ConnectAttemptMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(ConnectAttemptMs);
}
