#pragma once
// A fresh copy of the built database (build/database/dbdef.gdb) in a new
// temporary folder, for one test. The folder and everything in it go away
// with the object.
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

#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBTransaction.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

class TempDatabase {
public:
    explicit TempDatabase(bool connect = true);
    ~TempDatabase();
    TempDatabase(const TempDatabase&) = delete;
    TempDatabase& operator=(const TempDatabase&) = delete;

    QString Folder() const { return m_folder.path(); }
    const QString& Path() const { return m_path; }
    // A path inside the temporary folder.
    QString FilePath(const QString& name) const { return m_folder.filePath(name); }

    TIBDatabase& Database() { return *m_database; }
    TIBTransaction& Transaction() { return *m_transaction; }

    // The database file the build made, which every copy starts from.
    static QString BuiltDatabase();

private:
    QTemporaryDir m_folder;
    QString m_path;
    std::unique_ptr<TIBDatabase> m_database;
    std::unique_ptr<TIBTransaction> m_transaction;
};
