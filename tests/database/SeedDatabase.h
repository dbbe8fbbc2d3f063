#pragma once
// A private copy of the database the build makes, opened for one test.
//
// The copy lives in a temporary folder that disappears with the object, so
// every test starts from the shipped rows and may write freely. Queries run
// in one read-committed transaction; Execute commits its statement.

#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBTransaction.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>
#include <vector>

class SeedDatabase {
public:
    SeedDatabase();
    ~SeedDatabase();
    SeedDatabase(const SeedDatabase&) = delete;
    SeedDatabase& operator=(const SeedDatabase&) = delete;

    // Every row of a SELECT, each as its column values (null as an invalid
    // QVariant). Raises the layer's exception when the statement fails.
    std::vector<QVariantList> Rows(const QString& sql);
    // The first column of the first row; an invalid QVariant when there is
    // no row or the value is null.
    QVariant Value(const QString& sql);
    int Count(const QString& sql);
    // Runs a statement that returns no rows and commits it.
    void Execute(const QString& sql);
    // The column names of a table or view, in their order.
    QStringList Columns(const QString& relation);

private:
    QTemporaryDir m_folder;
    std::unique_ptr<TIBDatabase> m_database;
    std::unique_ptr<TIBTransaction> m_transaction;
};
