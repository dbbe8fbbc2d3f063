#pragma once
// A connection to one database file through the embedded Firebird engine.
//
// DatabaseName is the file's path; the engine runs inside the process, so no
// server or host part is used. Params hold "name=value" lines:
// "user_name=SYSDBA" (the default), "password=..." (the embedded engine does
// not check it), "lc_ctype=UTF8" (the only connection character set this
// layer speaks; any other is refused), "sql_role_name=...".
//
// Open never creates a file: a missing file and a file that is not a database
// raise exceptions naming the path, and nothing is written. Only one process
// may have a database file open: the engine refuses a second one, and Open
// refuses a connection the engine opened shared (its Classic modes), which
// nothing would coordinate with other users' processes. Close rolls back
// every transaction still active on the connection and frees the statements
// prepared on it, so components may outlive the connection safely.

#include "platform/base/TComponent.h"
#include "platform/base/TEvent.h"

#include <QString>
#include <QStringList>
#include <vector>

class TIBTransaction;
class TIBSQL;

class TIBDatabase : public TComponent {
    Q_OBJECT
public:
    using Handle = unsigned int;

    explicit TIBDatabase(TComponent* owner = nullptr);
    ~TIBDatabase() override;

    const QString& DatabaseName() const { return m_databaseName; }
    // Raises EDatabaseError when connected and the name differs.
    void SetDatabaseName(const QString& name);

    QStringList& Params() { return m_params; }
    const QStringList& Params() const { return m_params; }
    void SetParams(const QStringList& params) { m_params = params; }

    int SQLDialect() const { return m_sqlDialect; }
    void SetSQLDialect(int dialect);
    // Kept for the components' settings; the program never asks for a login.
    bool LoginPrompt() const { return m_loginPrompt; }
    void SetLoginPrompt(bool prompt) { m_loginPrompt = prompt; }

    TIBTransaction* DefaultTransaction() const { return m_defaultTransaction; }
    void SetDefaultTransaction(TIBTransaction* transaction);

    bool Connected() const { return m_handle != 0; }
    void SetConnected(bool connected);
    // BeforeConnect, attach, AfterConnect. An exception from BeforeConnect
    // (EAbort included) cancels the connection.
    void Open();
    // BeforeDisconnect, rollback of active transactions, detach, AfterDisconnect.
    void Close();
    // True when connected and the engine still answers on the connection.
    bool TestConnected() const;

    // Creates an empty database file (dialect 3) and detaches from it.
    // Raises EDatabaseError when the file already exists: nothing is replaced.
    static void CreateDatabase(const QString& path, int pageSize = 4096,
                               const QString& defaultCharacterSet = QStringLiteral("WIN1252"));

    TNotifyEvent BeforeConnect;
    TNotifyEvent AfterConnect;
    TNotifyEvent BeforeDisconnect;
    TNotifyEvent AfterDisconnect;

    // The engine's handle; for the transactions and statements of this layer.
    Handle* HandlePtr() { return &m_handle; }
    // Raises EDatabaseError unless connected.
    void CheckConnected() const;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TIBTransaction;
    friend class TIBSQL;
    void AttachTransaction(TIBTransaction* transaction);
    void DetachTransaction(TIBTransaction* transaction);
    void AttachStatement(TIBSQL* statement);
    void DetachStatement(TIBSQL* statement);
    QByteArray BuildConnectParams() const;
    QString ParamValue(const QString& name) const;

    QString m_databaseName;
    QStringList m_params;
    int m_sqlDialect = 3;
    bool m_loginPrompt = false;
    TIBTransaction* m_defaultTransaction = nullptr;
    Handle m_handle = 0;
    std::vector<TIBTransaction*> m_transactions;
    std::vector<TIBSQL*> m_statements;
};
