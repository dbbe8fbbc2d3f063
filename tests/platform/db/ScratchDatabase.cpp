#include "ScratchDatabase.h"

#include "platform/db/TIBSQL.h"

#include <QFile>

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
    m_path = m_dir.filePath(QStringLiteral("dbdef.gdb"));
    if (QFile::exists(QStringLiteral(ZEB_BUILT_DATABASE)))
        QFile::copy(QStringLiteral(ZEB_BUILT_DATABASE), m_path);
    else
        TIBDatabase::CreateDatabase(m_path);
    QFile(m_path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    m_database = Connect(m_path);
    m_transaction = std::make_unique<TIBTransaction>();
    m_transaction->SetDefaultDatabase(m_database.get());
    m_transaction->SetParams(
        {QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait")});
    m_database->SetDefaultTransaction(m_transaction.get());
    Run(*m_database,
        QStringLiteral("CREATE TABLE ITEM (ID INTEGER NOT NULL PRIMARY KEY, NAME VARCHAR(40) NOT NULL, "
                       "AMOUNT NUMERIC(18,4), QTY SMALLINT, NOTE BLOB SUB_TYPE TEXT, DAY_ DATE, "
                       "CONSTRAINT UQ_ITEM_NAME UNIQUE (NAME))"));
    Run(*m_database, QStringLiteral("CREATE TABLE OWNER_ (ID INTEGER NOT NULL PRIMARY KEY, ITEM_ID INTEGER, "
                                    "TITLE VARCHAR(20))"));
    Run(*m_database, QStringLiteral("CREATE TABLE NOKEY (CODE INTEGER, LABEL VARCHAR(20))"));
}

ScratchDatabase::~ScratchDatabase() {
    m_database->Close();
}

void ScratchDatabase::ExecuteElsewhere(const QString& sql) {
    auto other = Connect(m_path);
    Run(*other, sql);
    other->Close();
}

QVariant ScratchDatabase::ReadElsewhere(const QString& sql) {
    auto other = Connect(m_path);
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
