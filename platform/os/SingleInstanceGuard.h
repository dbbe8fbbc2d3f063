#pragma once
// One running copy of the program per user. The first copy locks a file in
// the user's private runtime folder and listens on a local socket beside it,
// both named after the main window's class and the user. The lock is the
// system's (flock) on that file, so it is held exactly as long as the copy
// runs: whatever a file left behind holds (nothing, garbage, the number of a
// process that died), it is no lock and is taken over. A later copy fails to
// take the lock (atomically: of two copies started at the same instant only
// one gets it), tells the first copy to come forward through the socket and
// is then to end. The first copy hears this as ActivationRequested; bringing
// its window forward (and restoring it when minimised) is the caller's job.

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <memory>

class FolderSocket;

class SingleInstanceGuard : public QObject {
    Q_OBJECT
public:
    // folder: where the lock and the socket live; the user's runtime folder
    // when empty. Either way it must be private to the user (PrivateFolder).
    explicit SingleInstanceGuard(const QString& className, const QString& folder = QString(),
                                 QObject* parent = nullptr);
    ~SingleInstanceGuard() override;
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    // True when no other copy runs: this one then holds the lock and listens.
    // False when another copy holds it, after asking that copy to come
    // forward. A lock that cannot be made at all (a folder that is not
    // private, read-only or full, a link in place of the lock file) raises
    // Exception saying so: that is not another copy.
    bool TryAcquire();
    bool IsFirst() const { return m_first; }

    QString LockFileName() const { return m_lockName; }
    QString ServerName() const { return m_serverName; }

signals:
    void ActivationRequested();

private:
    void Listen();
    void AcceptConnection();
    void NotifyRunningCopy() const;

    QString m_folder;
    QString m_lockName;
    QString m_socketName;
    QString m_serverName;
    int m_lockFd = -1;
    std::unique_ptr<FolderSocket> m_folderSocket;
    QLocalServer m_server;
    bool m_first = false;
};
