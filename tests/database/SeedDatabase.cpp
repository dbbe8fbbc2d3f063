#include "tests/database/SeedDatabase.h"

#include "platform/base/Exceptions.h"
#include "platform/db/TIBSQL.h"

#include <QFile>

SeedDatabase::SeedDatabase() {
    const QString built = QStringLiteral(ZEB_BUILT_DATABASE);
    if (!m_folder.isValid())
        throw Exception(QStringLiteral("Could not create a temporary folder for the database copy"));
    if (!QFile::exists(built))
        throw Exception(QStringLiteral("The built database is missing: %1").arg(built));
    const QString copy = m_folder.filePath(QStringLiteral("dbdef.gdb"));
    if (!QFile::copy(built, copy))
        throw Exception(QStringLiteral("Could not copy %1 to %2").arg(built, copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

    m_database = std::make_unique<TIBDatabase>();
    m_database->SetDatabaseName(copy);
    m_database->SetParams({QStringLiteral("user_name=SYSDBA"), QStringLiteral("lc_ctype=UTF8")});
    m_database->SetSQLDialect(3);
    m_database->Open();
    m_transaction = std::make_unique<TIBTransaction>();
    m_transaction->SetDefaultDatabase(m_database.get());
    m_transaction->SetParams(
        {QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait")});
}

SeedDatabase::~SeedDatabase() {
    m_transaction.reset();
    if (m_database->Connected())
        m_database->Close();
}

std::vector<QVariantList> SeedDatabase::Rows(const QString& sql) {
    if (!m_transaction->InTransaction())
        m_transaction->StartTransaction();
    TIBSQL statement;
    statement.SetDatabase(m_database.get());
    statement.SetTransaction(m_transaction.get());
    statement.SetSQLText(sql);
    statement.ExecQuery();
    std::vector<QVariantList> rows;
    while (!statement.Eof()) {
        QVariantList row;
        for (int i = 0; i < statement.FieldCount(); ++i) {
            const TIBXSQLVAR& field = statement.Fields(i);
            row.append(field.IsNull() ? QVariant() : field.AsVariant());
        }
        rows.push_back(row);
        statement.Next();
    }
    statement.Close();
    return rows;
}

QVariant SeedDatabase::Value(const QString& sql) {
    const std::vector<QVariantList> rows = Rows(sql);
    if (rows.empty() || rows.front().isEmpty())
        return {};
    return rows.front().front();
}

int SeedDatabase::Count(const QString& sql) {
    return Value(sql).toInt();
}

void SeedDatabase::Execute(const QString& sql) {
    if (!m_transaction->InTransaction())
        m_transaction->StartTransaction();
    TIBSQL statement;
    statement.SetDatabase(m_database.get());
    statement.SetTransaction(m_transaction.get());
    statement.SetSQLText(sql);
    try {
        statement.ExecQuery();
    } catch (...) {
        m_transaction->Rollback();
        throw;
    }
    m_transaction->Commit();
}

QStringList SeedDatabase::Columns(const QString& relation) {
    QStringList names;
    for (const QVariantList& row :
         Rows(QStringLiteral("SELECT TRIM(RDB$FIELD_NAME) FROM RDB$RELATION_FIELDS "
                             "WHERE RDB$RELATION_NAME = '%1' ORDER BY RDB$FIELD_POSITION")
                  .arg(relation)))
        names.append(row.front().toString());
    return names;
}
