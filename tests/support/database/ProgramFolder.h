#pragma once
// A program folder for one test: a new temporary folder with Dados/ in it,
// where the program keeps its live database (Dados/dbdef.gdb). The folder and
// everything in it go away with the object.
//
//     ProgramFolder programa;
//     ASSERT_TRUE(programa.CopyDatabase());    // a writable copy of the built one
//     geral.SetPastaPrograma(programa.Path());

#include "tests/support/database/TempDatabase.h"

#include <QString>
#include <QTemporaryDir>

class ProgramFolder {
public:
    ProgramFolder();

    QString Path() const { return m_folder.path(); }
    // A path inside the program folder.
    QString FilePath(const QString& name) const { return m_folder.filePath(name); }
    // The live database, Dados/dbdef.gdb.
    QString Database() const { return FilePath(QStringLiteral("Dados/dbdef.gdb")); }
    // Copies source to the live database, writable by its owner; false when
    // the copy fails.
    bool CopyDatabase(const QString& source = TempDatabase::BuiltDatabase()) const;

private:
    QTemporaryDir m_folder;
};
