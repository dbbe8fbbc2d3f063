#pragma once
// A fresh copy of a database file (the one the build made, unless told
// otherwise) in a new temporary folder, for one test. The folder and
// everything in it go away with the object.
//
//     TempDatabase db;                    // copies the file, attaches
//     TIBSQL sql;
//     sql.SetDatabase(&db.Database());    // db.Transaction() is its default
//     db.Transaction().StartTransaction();
//     sql.SetSQLText("select count(*) from UFS");
//     sql.ExecQuery();
//
// Path() is the copy's file, Folder() the temporary folder (put further test
// files there). Pass `connect = false` for a copy that is not attached, e.g.
// to hand the file to a component that opens it itself.
// Database() and Transaction() are named ibDBDef and ibtTemp.
//
// Rows, Value, Count, Execute and Columns work on a connection of their own,
// opened for the call, each in a transaction committed at once: they see
// what any other program would see now, and what they write is committed.

#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBTransaction.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>
#include <vector>

class TempDatabase {
public:
    explicit TempDatabase(bool connect = true, const QString& source = BuiltDatabase());
    ~TempDatabase();
    TempDatabase(const TempDatabase&) = delete;
    TempDatabase& operator=(const TempDatabase&) = delete;

    QString Folder() const { return m_folder.path(); }
    const QString& Path() const { return m_path; }
    // A path inside the temporary folder.
    QString FilePath(const QString& name) const { return m_folder.filePath(name); }

    TIBDatabase& Database() { return *m_database; }
    TIBTransaction& Transaction() { return *m_transaction; }

    // Every row of a SELECT, each as its column values (null as an invalid
    // QVariant). Raises the layer's exception when the statement fails.
    std::vector<QVariantList> Rows(const QString& sql) const;
    // The first column of the first row; invalid when there is no row or the
    // value is null.
    QVariant Value(const QString& sql) const;
    int Count(const QString& sql) const { return Value(sql).toInt(); }
    // Runs a statement that returns no rows and commits it.
    void Execute(const QString& sql) const;
    // The column names of a table or view, in their order.
    QStringList Columns(const QString& relation) const;

    // The database file the build made, which copies start from by default.
    static QString BuiltDatabase();
    // The data of the oldest supported version the build made, which the
    // updater's tests start from.
    static QString OldestDatabase();

private:
    QTemporaryDir m_folder;
    QString m_path;
    std::unique_ptr<TIBDatabase> m_database;
    std::unique_ptr<TIBTransaction> m_transaction;
};
