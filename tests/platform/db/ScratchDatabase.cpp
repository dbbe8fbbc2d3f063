#include "ScratchDatabase.h"

#include "platform/db/TIBSQL.h"

#include <memory>

namespace {

void Run(TIBDatabase& database, const QString& sql) {
    TIBTransaction transaction;
    transaction.SetDefaultDatabase(&database);
    TIBSQL statement;
    statement.SetDatabase(&database);
    statement.SetTransaction(&transaction);
    statement.SetSQLText(sql);
    transaction.StartTransaction();
    statement.ExecQuery();
    transaction.Commit();
}

std::unique_ptr<TIBDatabase> Connect(const QString& path) {
    auto database = std::make_unique<TIBDatabase>();
    database->SetDatabaseName(path);
    database->SetParams({QStringLiteral("user_name=SYSDBA"), QStringLiteral("lc_ctype=UTF8")});
    database->SetLoginPrompt(false);
    database->Open();
    return database;
}

} // namespace

ScratchDatabase::ScratchDatabase() {
    Transaction().SetParams(
        {QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait")});
    Run(Database(),
        QStringLiteral("CREATE TABLE ITEM (ID INTEGER NOT NULL PRIMARY KEY, NAME VARCHAR(40) NOT NULL, "
                       "AMOUNT NUMERIC(18,4), QTY SMALLINT, NOTE BLOB SUB_TYPE TEXT, DAY_ DATE, "
                       "CONSTRAINT UQ_ITEM_NAME UNIQUE (NAME))"));
    Run(Database(), QStringLiteral("CREATE TABLE OWNER_ (ID INTEGER NOT NULL PRIMARY KEY, ITEM_ID INTEGER, "
                                   "TITLE VARCHAR(20))"));
    Run(Database(), QStringLiteral("CREATE TABLE NOKEY (CODE INTEGER, LABEL VARCHAR(20))"));
}

void ScratchDatabase::ExecuteElsewhere(const QString& sql) {
    auto other = Connect(Path());
    Run(*other, sql);
    other->Close();
}

QVariant ScratchDatabase::ReadElsewhere(const QString& sql) {
    auto other = Connect(Path());
    TIBTransaction transaction;
    transaction.SetDefaultDatabase(other.get());
    TIBSQL statement;
    statement.SetDatabase(other.get());
    statement.SetTransaction(&transaction);
    statement.SetSQLText(sql);
    transaction.StartTransaction();
    statement.ExecQuery();
    QVariant value = statement.Eof() ? QVariant() : statement.Fields(0).AsVariant();
    statement.Close();
    transaction.Commit();
    other->Close();
    return value;
}
