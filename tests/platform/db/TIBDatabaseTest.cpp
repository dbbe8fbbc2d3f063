#include "platform/db/TIBDatabase.h"
#include "platform/db/EIBError.h"
#include "platform/db/FbClient.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"
#include "tests/support/database/TempDatabase.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

int CountRows(TIBDatabase& database, const QString& table) {
    TIBTransaction transaction;
    transaction.SetDefaultDatabase(&database);
    transaction.StartTransaction();
    TIBSQL sql;
    sql.SetTransaction(&transaction);
    sql.SetSQLText(QStringLiteral("select count(*) from ") + table);
    sql.ExecQuery();
    const int count = sql.Fields(0).AsInteger();
    transaction.Commit();
    return count;
}

} // namespace

TEST(TIBDatabaseTest, OpensAndClosesWithEventsInOrder) {
    TempDatabase db(false);
    TIBDatabase& database = db.Database();
    QStringList events;
    database.BeforeConnect = TNotifyEvent::fromFunction([&](TObject*) { events << "BeforeConnect"; });
    database.AfterConnect = TNotifyEvent::fromFunction([&](TObject*) { events << "AfterConnect"; });
    database.BeforeDisconnect = TNotifyEvent::fromFunction([&](TObject*) { events << "BeforeDisconnect"; });
    database.AfterDisconnect = TNotifyEvent::fromFunction([&](TObject*) { events << "AfterDisconnect"; });

    database.SetConnected(true);
    EXPECT_TRUE(database.Connected());
    EXPECT_TRUE(database.TestConnected());
    database.SetConnected(false);
    EXPECT_FALSE(database.Connected());
    EXPECT_FALSE(database.TestConnected());
    EXPECT_EQ(events, QStringList({"BeforeConnect", "AfterConnect", "BeforeDisconnect", "AfterDisconnect"}));
}

TEST(TIBDatabaseTest, AbortInBeforeConnectLeavesItClosed) {
    TempDatabase db(false);
    db.Database().BeforeConnect = TNotifyEvent::fromFunction([](TObject*) { Abort(); });
    EXPECT_THROW(db.Database().Open(), EAbort);
    EXPECT_FALSE(db.Database().Connected());
}

TEST(TIBDatabaseTest, MissingFileRaisesNamingItAndCreatesNothing) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("nada.gdb"));
    TIBDatabase database;
    database.SetDatabaseName(path);
    try {
        database.Open();
        FAIL() << "opened a missing file";
    } catch (const EDatabaseError& error) {
        EXPECT_TRUE(error.Message().contains(path)) << error.Message().toStdString();
    }
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(database.Connected());
}

TEST(TIBDatabaseTest, TextFileIsNotADatabaseAndStaysUntouched) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("texto.gdb"));
    const QByteArray content = QByteArray("isto não é um banco de dados\n").repeated(400);
    WriteAll(path, content);
    TIBDatabase database;
    database.SetDatabaseName(path);
    try {
        database.Open();
        FAIL() << "opened a text file";
    } catch (const EIBError& error) {
        EXPECT_TRUE(error.Message().contains(path)) << error.Message().toStdString();
        EXPECT_NE(error.IBErrorCode(), 0);
    }
    EXPECT_FALSE(database.Connected());
    EXPECT_EQ(ReadAll(path), content);
}

TEST(TIBDatabaseTest, CreateDatabaseNeverReplacesAFile) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("novo.gdb"));
    TIBDatabase::CreateDatabase(path);
    TIBDatabase database;
    database.SetDatabaseName(path);
    database.Open();
    EXPECT_EQ(CountRows(database, QStringLiteral("rdb$database")), 1);
    database.Close();

    const QByteArray before = ReadAll(path);
    EXPECT_THROW(TIBDatabase::CreateDatabase(path), EDatabaseError);
    EXPECT_EQ(ReadAll(path), before);
}

TEST(TIBDatabaseTest, CloseRollsBackActiveWorkAndStatementsStayUsable) {
    TempDatabase db;
    TIBSQL sql;
    sql.SetDatabase(&db.Database());
    db.Transaction().StartTransaction();
    sql.SetSQLText(QStringLiteral("create table T (ID integer)"));
    sql.ExecQuery();
    db.Transaction().Commit();

    db.Transaction().StartTransaction();
    sql.SetSQLText(QStringLiteral("insert into T values (1)"));
    sql.ExecQuery();
    sql.SetSQLText(QStringLiteral("select ID from T"));
    sql.ExecQuery();
    ASSERT_TRUE(sql.Open());

    db.Database().Close();
    EXPECT_FALSE(db.Transaction().InTransaction());
    EXPECT_FALSE(sql.Open());
    EXPECT_FALSE(sql.Prepared());

    db.Database().Open();
    db.Transaction().StartTransaction();
    sql.ExecQuery();
    EXPECT_TRUE(sql.Eof()) << "the uncommitted insert survived the close";
}

TEST(TIBDatabaseTest, RefusesANewNameWhileConnected) {
    TempDatabase db;
    EXPECT_THROW(db.Database().SetDatabaseName(db.FilePath(QStringLiteral("outro.gdb"))), EDatabaseError);
    EXPECT_EQ(db.Database().DatabaseName(), db.Path());
}

TEST(TIBDatabaseTest, RefusesAConnectionCharacterSetOtherThanUtf8) {
    TempDatabase db(false);
    db.Database().Params() << QStringLiteral("lc_ctype=WIN1252");
    EXPECT_THROW(db.Database().Open(), EDatabaseError);
    db.Database().Params() = QStringList{QStringLiteral("user_name=sysdba"), QStringLiteral("lc_ctype=utf8")};
    db.Database().Open();
    EXPECT_TRUE(db.Database().Connected());
}

TEST(TIBDatabaseTest, ComponentsMayGoAwayInAnyOrder) {
    auto db = std::make_unique<TempDatabase>();
    auto sql = std::make_unique<TIBSQL>();
    sql->SetDatabase(&db->Database());
    db->Transaction().StartTransaction();
    sql->SetSQLText(QStringLiteral("select 1 from rdb$database"));
    sql->ExecQuery();
    db.reset(); // database and transaction first, with a cursor open
    EXPECT_EQ(sql->Database(), nullptr);
    EXPECT_FALSE(sql->Open());
    EXPECT_THROW(sql->ExecQuery(), EDatabaseError);
}

TEST(TIBDatabaseTest, OwnerFreesConnectionTransactionAndStatement) {
    TempDatabase db(false);
    auto owner = std::make_unique<TComponent>();
    auto* database = new TIBDatabase(owner.get());
    auto* transaction = new TIBTransaction(owner.get());
    auto* sql = new TIBSQL(owner.get());
    database->SetDatabaseName(db.Path());
    database->SetDefaultTransaction(transaction);
    EXPECT_EQ(transaction->DefaultDatabase(), database);
    sql->SetDatabase(database);
    database->Open();
    transaction->StartTransaction();
    sql->SetSQLText(QStringLiteral("select 1 from rdb$database"));
    sql->ExecQuery();
    owner.reset(); // frees the statement, then the transaction, then the database
    // The file is free again: a new connection opens it.
    TIBDatabase again;
    again.SetDatabaseName(db.Path());
    again.Open();
    EXPECT_TRUE(again.Connected());
}

TEST(TIBDatabaseTest, FbClientMissingLibraryGivesAClearError) {
    try {
        FbClient client(QStringList{QStringLiteral("/nonexistent/libfbclient.so.2")});
        FAIL() << "loaded a missing library";
    } catch (const EDatabaseError& error) {
        EXPECT_TRUE(error.Message().contains(QStringLiteral("/nonexistent/libfbclient.so.2")));
    }
}
