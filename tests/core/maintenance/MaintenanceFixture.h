#pragma once
// A program folder with its live database (Dados/dbdef.gdb, a fresh copy of
// the built one), a connection to it, scripted prompts, and helpers that read
// and write database files through connections of their own and run the
// peers (gbak, unzip, python3).

#include "platform/db/TIBDatabase.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/database/ProgramFolder.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

struct PeerResult {
    int exitCode = -1;
    QString output;
};

class MaintenanceFixture : public ::testing::Test {
protected:
    MaintenanceFixture();
    ~MaintenanceFixture() override;

    QString ProgramFolder() const { return m_program.Path(); }
    const QString& Live() const { return m_live; }
    // A path in a scratch folder of the test.
    QString Scratch(const QString& name) const { return m_scratch.filePath(name); }

    // The first column of the first row of sql on file ("" when none).
    static QString Scalar(const QString& file, const QString& sql);
    // Runs statements on file in one committed transaction.
    static void Execute(const QString& file, const QStringList& statements);
    static QByteArray Digest(const QString& file);
    static QByteArray ReadAll(const QString& file);
    static void WriteAll(const QString& file, const QByteArray& bytes);
    static PeerResult Peer(const QString& program, const QStringList& arguments);
    // A zip holding the given files (stored under their names) made by python's zipfile.
    static void PythonZip(const QString& archive, const QStringList& files);
    // Files in folder whose names start with prefix (hidden ones too).
    static QStringList Leftovers(const QString& folder, const QString& prefix);
    // A new database file of another program (no PARAMETROS_DEF).
    static void CreateForeignDatabase(const QString& file);

    ScriptedPrompter prompter;
    TIBDatabase live;

private:
    ::ProgramFolder m_program;
    QTemporaryDir m_scratch;
    QString m_live;
};
