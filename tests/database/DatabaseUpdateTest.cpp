// The second step of the database build: a copy of the 0.3.2.4 data brought
// to the program's version by the updater's scripts.

#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString BaseData = QStringLiteral(ZEB_BUILD_DIR "/database/dbdef-0.3.2.4.gdb");

struct UpdateRun {
    int exitCode = -1;
    QString output;
};

UpdateRun RunUpdate(const QString& source, const QString& target) {
    QProcess builder;
    builder.start(QStringLiteral(ZEB_BUILD_DIR "/database/zeb-dbbuild"), {"--update", source, target});
    UpdateRun run;
    if (!builder.waitForFinished(120000) || builder.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = builder.exitCode();
    run.output = QString::fromUtf8(builder.readAllStandardOutput() + builder.readAllStandardError());
    return run;
}

// Runs a statement on the file and commits; for a SELECT returns the first
// column of the first row as text.
QString RunSql(const QString& path, const QString& text) {
    TIBDatabase database;
    database.SetDatabaseName(path);
    database.Open();
    TIBTransaction transaction;
    transaction.SetDefaultDatabase(&database);
    transaction.StartTransaction();
    TIBSQL sql;
    sql.SetTransaction(&transaction);
    sql.SetSQLText(text);
    sql.ExecQuery();
    const QString value = sql.Open() && !sql.Eof() ? sql.Fields(0).AsString() : QString();
    sql.Close();
    transaction.Commit();
    database.Close();
    return value;
}

const QString VersionQuery = QStringLiteral("SELECT TX_PARAM1 FROM PARAMETROS_DEF WHERE ID_PARAMETRO = 1");

// A private copy of the base data: the build's file is never attached, so
// tests running at the same time may copy it.
QString CopyOfBase(const QTemporaryDir& folder) {
    const QString copy = folder.filePath("base.gdb");
    EXPECT_TRUE(QFile::copy(BaseData, copy));
    QFile::setPermissions(copy, QFile::permissions(copy) | QFile::WriteOwner);
    return copy;
}

} // namespace

TEST(DatabaseUpdateTest, TheBaseDataCarryTheOldestSupportedVersion) {
    QTemporaryDir folder;
    const QString base = CopyOfBase(folder);
    EXPECT_EQ(RunSql(base, VersionQuery), "0.3.2.4");
    EXPECT_EQ(
        RunSql(base,
               "SELECT COUNT(*) FROM FUNDAMENTACAO_LEGAL_DEF WHERE SQ_OCORRENCIA_DEF BETWEEN 251 AND 276"),
        "0");
    EXPECT_EQ(RunSql(base, "SELECT COUNT(*) FROM TIPO_ERRO_DECLARACAO WHERE CO_ERRO IN (321, 322)"), "0");
}

TEST(DatabaseUpdateTest, UpdatesACopyThroughEveryGroupAndAddsGround276) {
    QTemporaryDir folder;
    const QString target = folder.filePath("dbdef.gdb");
    const UpdateRun run = RunUpdate(BaseData, target);
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    // The groups' boxes are written out.
    EXPECT_TRUE(run.output.contains("[Informa] Inclusão dos CFOPs 1128, 2128, 3128"))
        << run.output.toStdString();
    EXPECT_EQ(RunSql(target, VersionQuery), "0.3.3.4");
    EXPECT_EQ(
        RunSql(target, "SELECT COUNT(*) FROM FUNDAMENTACAO_LEGAL_DEF_HIST WHERE SQ_OCORRENCIA_DEF = 276"),
        "1");
}

TEST(DatabaseUpdateTest, AFailingScriptFailsTheBuildAndKeepsThePreviousFile) {
    QTemporaryDir folder;
    const QString source = CopyOfBase(folder);
    // A continuing group's script fails: the update goes on, the build must not.
    RunSql(source, "INSERT INTO CFOP (CO_FISCAL_OPERACAO, TP_NATUREZA_CFOP, DT_INICIO, DT_FIM, ST_CFOP) "
                   "VALUES (2128, 'E', '2011-01-01', NULL, 'A')");
    const QString target = folder.filePath("dbdef.gdb");
    {
        QFile previous(target);
        ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
        previous.write("previous");
    }
    const UpdateRun run = RunUpdate(source, target);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.output.contains("IBSQL_0330_CFOP_1")) << run.output.toStdString();
    QFile previous(target);
    ASSERT_TRUE(previous.open(QIODevice::ReadOnly));
    EXPECT_EQ(previous.readAll(), "previous");
    EXPECT_FALSE(QFile::exists(target + ".building"));
}
