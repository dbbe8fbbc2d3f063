#pragma once
// A transaction held for one piece of work:
//
//     TransactionScope scope(*transaction);
//     ... statements ...
//     scope.Commit();
//
// The scope starts the transaction when it is not active and then owns it:
// unless Commit() was called, the destructor rolls it back, whatever ended
// the work (an exception, an early return). A transaction that was already
// active belongs to an outer piece of work: the scope then neither commits
// nor rolls back. A scope for reading only starts the transaction read-only
// (TIBTransaction::StartReadOnly).
//
// A scope given a savepoint name undoes its own work inside an outer one:
// when the transaction is already active it marks that savepoint, Commit
// releases it, and Rollback (or the destructor, without Commit) rolls the
// transaction back to it, keeping what the outer work did before.

#include <QString>
#include <memory>

class TIBSQL;
class TIBTransaction;

class TransactionScope {
public:
    enum class Access { ReadWrite, ReadOnly };
    explicit TransactionScope(TIBTransaction& transaction, Access access = Access::ReadWrite);
    TransactionScope(TIBTransaction& transaction, const QString& savepoint);
    ~TransactionScope();
    TransactionScope(const TransactionScope&) = delete;
    TransactionScope& operator=(const TransactionScope&) = delete;

    // Commits an owned transaction; errors of the commit pass on (the
    // destructor then rolls back what is left).
    void Commit();
    // Undoes the scope's work now: the owned transaction rolled back, or the
    // outer one back to the savepoint; errors pass on.
    void Rollback();
    bool Owns() const { return m_owns; }

private:
    void Savepoint(const QString& statement);

    TIBTransaction& m_transaction;
    bool m_owns;
    QString m_savepoint;                 // marked in the outer transaction; empty when none
    std::unique_ptr<TIBSQL> m_statement; // runs the savepoint statements
};
