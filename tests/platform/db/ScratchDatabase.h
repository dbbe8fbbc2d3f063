#pragma once
// A private copy of the built database (or, before the build made one, an
// empty database) in a temporary folder, connected, with scratch tables for
// the data-set tests:
//   ITEM   (ID pk, NAME unique, AMOUNT NUMERIC(18,4), QTY, NOTE text blob, DAY_)
//   OWNER_ (ID pk, ITEM_ID, TITLE)
//   NOKEY  (CODE, LABEL) without a primary key

#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBTransaction.h"

#include <QTemporaryDir>
#include <QVariant>
#include <memory>

class ScratchDatabase {
public:
    ScratchDatabase();
    ~ScratchDatabase();

    const QString& Path() const { return m_path; }
    TIBDatabase& Database() { return *m_database; }
    TIBTransaction& Transaction() { return *m_transaction; }

    // Runs a statement on a separate connection and commits it.
    void ExecuteElsewhere(const QString& sql);
    // The first column of the first row, read on a separate connection in a
    // new transaction (what any other program would see now).
    QVariant ReadElsewhere(const QString& sql);

private:
    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<TIBDatabase> m_database;
    std::unique_ptr<TIBTransaction> m_transaction;
};
