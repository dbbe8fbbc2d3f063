#include "platform/os/SingleInstanceGuard.h"

#include "platform/base/Exceptions.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <pwd.h>
#include <unistd.h>

namespace {

// What a later copy sends to the first one.
constexpr char ActivateMessage[] = "activate\n";
// How long a later copy keeps trying to reach the first one, which may hold
// the lock but not listen yet.
constexpr int ConnectPatienceMs = 3000;
constexpr int ConnectAttemptMs = 200;
constexpr int RetryPauseMs = 50;

QString userName() {
    if (const passwd* pw = getpwuid(getuid()))
        return QString::fromLocal8Bit(pw->pw_name);
    return QString::number(getuid());
}

QString runtimeFolder(const QString& folder) {
    if (!folder.isEmpty())
        return folder;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& className, const QString& folder, QObject* parent)
    : QObject(parent) {
    const QString base = QDir(runtimeFolder(folder)).filePath(className + QLatin1Char('-') + userName());
    m_lockName = base + QStringLiteral(".lock");
    m_serverName = base + QStringLiteral(".socket");
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstanceGuard::AcceptConnection);
}

SingleInstanceGuard::~SingleInstanceGuard() {
    m_server.close();
}

bool SingleInstanceGuard::TryAcquire() {
    if (m_first)
        return true;
    QDir().mkpath(QFileInfo(m_lockName).absolutePath());
    m_lock = std::make_unique<QLockFile>(m_lockName);
    // Held for the whole run: never stale by age; a lock left by a dead process is taken over.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        m_lock.reset();
        NotifyRunningCopy();
        return false;
    }
    Listen();
    m_first = true;
    return true;
}

void SingleInstanceGuard::Listen() {
    // Holding the lock, a socket file still there belongs to a copy that died.
    QLocalServer::removeServer(m_serverName);
    if (!m_server.listen(m_serverName))
        throw Exception(QStringLiteral("Não foi possível aguardar outras cópias do programa em \"%1\": %2")
                            .arg(m_serverName, m_server.errorString()));
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
    QLocalSocket socket;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(ConnectAttemptMs))
            break;
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
