#pragma once
// One running copy of the program per user. The first copy takes a lock file
// in the user's runtime folder and listens on a local socket beside it, both
// named after the main window's class and the user. A later copy fails to take
// the lock (atomically: of two copies started at the same instant only one
// gets it), tells the first copy to come forward through the socket and is
// then to end. The first copy hears this as ActivationRequested; bringing its
// window forward (and restoring it when minimised) is the caller's job.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class SingleInstanceGuard : public QObject {
    Q_OBJECT
public:
    // folder: where the lock and the socket live; the user's runtime folder when empty.
    explicit SingleInstanceGuard(const QString& className, const QString& folder = QString(),
                                 QObject* parent = nullptr);
    ~SingleInstanceGuard() override;

    // True when no other copy runs: this one then holds the lock and listens.
    // Otherwise asks the running copy to come forward and returns false.
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

    QString m_lockName;
    QString m_serverName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
    bool m_first = false;
};
