#pragma once
// A transaction on one database (DefaultDatabase). Params are the isolation
// and lock settings, one word a line, as the engine names them without the
// "isc_tpb_" prefix: "read_committed", "rec_version", "no_rec_version",
// "concurrency", "consistency", "nowait", "wait", "read", "write". Without
// Params the engine's default applies (concurrency, write, wait).
//
// Ending the transaction (Commit, Rollback) closes the cursors of the
// statements that run in it. Destroying an active transaction, or closing its
// database, rolls it back.

#include "platform/base/TComponent.h"

#include <QStringList>
#include <vector>

class TIBDatabase;
class TIBSQL;

class TIBTransaction : public TComponent {
    Q_OBJECT
public:
    using Handle = unsigned int;

    explicit TIBTransaction(TComponent* owner = nullptr);
    ~TIBTransaction() override;

    TIBDatabase* DefaultDatabase() const { return m_database; }
    // Raises EDatabaseError while the transaction is active.
    void SetDefaultDatabase(TIBDatabase* database);

    QStringList& Params() { return m_params; }
    const QStringList& Params() const { return m_params; }
    void SetParams(const QStringList& params) { m_params = params; }

    bool InTransaction() const { return m_handle != 0; }
    bool Active() const { return InTransaction(); }

    // Raises EDatabaseError when already active or the database is not connected.
    void StartTransaction();
    // Starts the transaction for reading only: Params with "read" in place of
    // "write" (the engine's default isolation when Params are empty). A
    // read-only start writes nothing to the database file; a statement that
    // tries to change data in it fails.
    void StartReadOnly();
    void Commit();
    void Rollback();

    // Raises EDatabaseError unless active.
    void CheckInTransaction() const;
    Handle* HandlePtr() { return &m_handle; }

private:
    friend class TIBDatabase;
    friend class TIBSQL;
    void AttachStatement(TIBSQL* statement);
    void DetachStatement(TIBSQL* statement);
    // The database goes away or closes: roll back and forget it.
    void DatabaseClosing();
    void DatabaseDestroyed();
    void EndCursors();
    QByteArray BuildTransactionParams(bool readOnly) const;
    void Start(bool readOnly);

    TIBDatabase* m_database = nullptr;
    QStringList m_params;
    Handle m_handle = 0;
    std::vector<TIBSQL*> m_statements;
};
