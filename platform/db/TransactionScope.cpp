#include "platform/db/TransactionScope.h"

#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"

TransactionScope::TransactionScope(TIBTransaction& transaction, Access access)
    : m_transaction(transaction), m_owns(!transaction.InTransaction()) {
    if (!m_owns)
        return;
    if (access == Access::ReadOnly)
        m_transaction.StartReadOnly();
    else
        m_transaction.StartTransaction();
}

TransactionScope::TransactionScope(TIBTransaction& transaction, const QString& savepoint)
    : TransactionScope(transaction) {
    if (m_owns)
        return;
    Savepoint(QStringLiteral("SAVEPOINT %1").arg(savepoint));
    m_savepoint = savepoint;
}

TransactionScope::~TransactionScope() {
    try {
        Rollback();
    } catch (...) {
        // A rollback that fails (a lost connection) leaves nothing committed;
        // the error that ended the work is the one that matters.
    }
}

void TransactionScope::Savepoint(const QString& statement) {
    if (!m_statement) {
        m_statement = std::make_unique<TIBSQL>();
        m_statement->SetTransaction(&m_transaction);
    }
    m_statement->SetSQLText(statement);
    m_statement->ExecQuery();
}

void TransactionScope::Commit() {
    if (!m_transaction.InTransaction())
        return;
    if (m_owns) {
        m_transaction.Commit();
    } else if (!m_savepoint.isEmpty()) {
        Savepoint(QStringLiteral("RELEASE SAVEPOINT %1 ONLY").arg(m_savepoint));
        m_savepoint.clear();
    }
}

void TransactionScope::Rollback() {
    if (!m_transaction.InTransaction())
        return;
    if (m_owns) {
        m_transaction.Rollback();
    } else if (!m_savepoint.isEmpty()) {
        const QString savepoint = m_savepoint;
        m_savepoint.clear();
        Savepoint(QStringLiteral("ROLLBACK TO SAVEPOINT %1").arg(savepoint));
    }
}
