#pragma once
// A fresh copy of the built database (TempDatabase), connected, with scratch
// tables for the data-set tests:
//   ITEM   (ID pk, NAME unique, AMOUNT NUMERIC(18,4), QTY, NOTE text blob, DAY_)
//   OWNER_ (ID pk, ITEM_ID, TITLE)
//   NOKEY  (CODE, LABEL) without a primary key
// The connection's default transaction reads committed rows and never waits.

#include "support/TempDatabase.h"

#include <QVariant>

class ScratchDatabase {
public:
    ScratchDatabase();

    const QString& Path() const { return m_copy.Path(); }
    TIBDatabase& Database() { return m_copy.Database(); }
    TIBTransaction& Transaction() { return m_copy.Transaction(); }

    // Runs a statement on a separate connection and commits it.
    void ExecuteElsewhere(const QString& sql);
    // The first column of the first row, read on a separate connection in a
    // new transaction (what any other program would see now).
    QVariant ReadElsewhere(const QString& sql);

private:
    TempDatabase m_copy;
};
