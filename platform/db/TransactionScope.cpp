#include "platform/db/TransactionScope.h"

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

TransactionScope::~TransactionScope() {
    if (!m_owns || !m_transaction.InTransaction())
        return;
    try {
        m_transaction.Rollback();
    } catch (...) {
        // A rollback that fails (a lost connection) leaves nothing committed;
        // the error that ended the work is the one that matters.
    }
}

void TransactionScope::Commit() {
    if (m_owns && m_transaction.InTransaction())
        m_transaction.Commit();
}
