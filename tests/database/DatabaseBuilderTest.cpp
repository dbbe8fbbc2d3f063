#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct BuildRun {
    int exitCode = -1;
    QString errors;
};

class DatabaseBuilderTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& text) {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }

    BuildRun Build(const QString& target, const QStringList& scripts) {
        QProcess builder;
        builder.start(QStringLiteral(ZEB_BUILD_DIR "/database/zeb-dbbuild"), QStringList{target} + scripts);
        BuildRun run;
        if (!builder.waitForFinished(120000) || builder.exitStatus() != QProcess::NormalExit)
            return run;
        run.exitCode = builder.exitCode();
        run.errors = QString::fromLocal8Bit(builder.readAllStandardError());
        return run;
    }

    QTemporaryDir folder;
    const QByteArray schema =
        "/* schema; with a comment */\n"
        "CREATE TABLE T (ID INTEGER NOT NULL PRIMARY KEY, S VARCHAR(20), V NUMERIC(18,4));\n"
        "SET TERM ^ ;\n"
        "CREATE FUNCTION DOBRO (X INTEGER) RETURNS INTEGER AS\n"
        "DECLARE Y INTEGER;\nBEGIN\n  Y = :X * 2;\n  RETURN Y;\nEND^\n"
        "SET TERM ; ^\n"
        "CREATE VIEW VT AS SELECT ID, DOBRO(ID) AS D FROM T;\n";
};

} // namespace

TEST_F(DatabaseBuilderTest, BuildsFromScriptsInOrder) {
    const QString target = folder.filePath(QStringLiteral("sub/dbdef.gdb"));
    const BuildRun run =
        Build(target, {Write("schema.sql", schema),
                       Write("01.sql", "INSERT INTO T VALUES (1, 'São Paulo; SP', 0.0001);\nCOMMIT;\n"
                                       "INSERT INTO T VALUES (2, 'it''s', -9999999999999.9999);\n")});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(target + QStringLiteral(".building")));

    TIBDatabase database;
    database.SetDatabaseName(target);
    database.Open();
    TIBTransaction transaction;
    transaction.SetDefaultDatabase(&database);
    transaction.StartTransaction();
    TIBSQL sql;
    sql.SetTransaction(&transaction);
    sql.SetSQLText(QStringLiteral("select T.S, T.V, VT.D from T join VT on VT.ID = T.ID order by T.ID"));
    sql.ExecQuery();
    EXPECT_EQ(sql.Fields(0).AsString(), QStringLiteral("São Paulo; SP"));
    EXPECT_EQ(sql.Fields(1).AsCurrency().raw(), 1);
    EXPECT_EQ(sql.Fields(2).AsInteger(), 2);
    ASSERT_TRUE(sql.Next());
    EXPECT_EQ(sql.Fields(0).AsString(), QStringLiteral("it's"));
    EXPECT_EQ(sql.Fields(1).AsCurrency().raw(), -99999999999999999LL);

    sql.SetSQLText(QStringLiteral("select mon$page_size, cs.rdb$character_set_name from mon$database, "
                                  "rdb$database d join rdb$character_sets cs on "
                                  "cs.rdb$character_set_name = d.rdb$character_set_name"));
    sql.ExecQuery();
    EXPECT_EQ(sql.Fields(0).AsInteger(), 4096);
    EXPECT_EQ(sql.Fields(1).AsString(), QStringLiteral("WIN1252"));
}

TEST_F(DatabaseBuilderTest, FailureNamesScriptAndStatementAndLeavesNoFile) {
    const QString target = folder.filePath(QStringLiteral("dbdef.gdb"));
    const QString data = Write("02-dados.sql", "INSERT INTO T VALUES (1, 'a', 0);\n"
                                               "INSERT INTO T VALUES (1, 'b', 0);\n");
    const BuildRun run = Build(target, {Write("schema.sql", schema), data});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains(data)) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains(QStringLiteral("statement 2"))) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains(QStringLiteral("PRIMARY"))) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_FALSE(QFile::exists(target + QStringLiteral(".building")));
}

TEST_F(DatabaseBuilderTest, FailedRebuildKeepsThePreviousFile) {
    const QString target = folder.filePath(QStringLiteral("dbdef.gdb"));
    ASSERT_EQ(Build(target, {Write("schema.sql", schema)}).exitCode, 0);
    QFile before(target);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray content = before.readAll();
    before.close();

    const BuildRun run = Build(target, {Write("ruim.sql", "CREATE TABLE (;\n")});
    EXPECT_NE(run.exitCode, 0);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    EXPECT_EQ(before.readAll(), content);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("ruim.sql")));
}
