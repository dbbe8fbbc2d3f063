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

class TIBTransaction;

class TransactionScope {
public:
    enum class Access { ReadWrite, ReadOnly };
    explicit TransactionScope(TIBTransaction& transaction, Access access = Access::ReadWrite);
    ~TransactionScope();
    TransactionScope(const TransactionScope&) = delete;
    TransactionScope& operator=(const TransactionScope&) = delete;

    // Commits an owned transaction; errors of the commit pass on (the
    // destructor then rolls back what is left).
    void Commit();
    bool Owns() const { return m_owns; }

private:
    TIBTransaction& m_transaction;
    bool m_owns;
};
