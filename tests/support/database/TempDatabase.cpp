#include "tests/support/database/TempDatabase.h"

#include "platform/base/Exceptions.h"
#include "platform/db/SqlLiteral.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBXSQLVAR.h"
#include "platform/db/TransactionScope.h"

#include <QFile>

TempDatabase::TempDatabase(bool connect, const QString& source)
    : m_database(std::make_unique<TIBDatabase>()), m_transaction(std::make_unique<TIBTransaction>()) {
    if (!m_folder.isValid())
        throw Exception(QStringLiteral("Cannot create a temporary folder: %1").arg(m_folder.errorString()));
    m_path = m_folder.filePath(QStringLiteral("dbdef.gdb"));
    if (!QFile::copy(source, m_path))
        throw Exception(
            QStringLiteral("Cannot copy the database %1 (build the target 'database' first).").arg(source));
    // Copies keep the source's mode; the tests write to theirs.
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    m_database->SetName(QStringLiteral("ibDBDef"));
    m_transaction->SetName(QStringLiteral("ibtTemp"));
    m_database->SetDatabaseName(m_path);
    m_transaction->SetDefaultDatabase(m_database.get());
    m_database->SetDefaultTransaction(m_transaction.get());
    if (connect)
        m_database->Open();
}

TempDatabase::~TempDatabase() {
    // Transaction first: it rolls back if still active.
    m_transaction.reset();
    m_database.reset();
}

namespace {

// Runs `work` with a statement on a connection of its own, committed at once.
template <typename Work> void OnOwnConnection(const QString& path, Work work) {
    TIBDatabase database;
    database.SetDatabaseName(path);
    database.SetLoginPrompt(false);
    TIBTransaction transaction;
    transaction.SetDefaultDatabase(&database);
    transaction.SetParams(
        {QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait")});
    database.Open();
    {
        TransactionScope scope(transaction);
        TIBSQL statement;
        statement.SetDatabase(&database);
        statement.SetTransaction(&transaction);
        work(statement);
        statement.Close();
        scope.Commit();
    }
    database.Close();
}

} // namespace

std::vector<QVariantList> TempDatabase::Rows(const QString& sql) const {
    std::vector<QVariantList> rows;
    OnOwnConnection(m_path, [&](TIBSQL& statement) {
        statement.SetSQLText(sql);
        statement.ExecQuery();
        while (!statement.Eof()) {
            QVariantList row;
            for (int i = 0; i < statement.FieldCount(); ++i) {
                const TIBXSQLVAR& field = statement.Fields(i);
                row.append(field.IsNull() ? QVariant() : field.AsVariant());
            }
            rows.push_back(row);
            statement.Next();
        }
    });
    return rows;
}

QVariant TempDatabase::Value(const QString& sql) const {
    const std::vector<QVariantList> rows = Rows(sql);
    if (rows.empty() || rows.front().isEmpty())
        return {};
    return rows.front().front();
}

void TempDatabase::Execute(const QString& sql) const {
    OnOwnConnection(m_path, [&](TIBSQL& statement) {
        statement.SetSQLText(sql);
        statement.ExecQuery();
    });
}

QStringList TempDatabase::Columns(const QString& relation) const {
    QStringList names;
    for (const QVariantList& row :
         Rows(QStringLiteral("SELECT TRIM(RDB$FIELD_NAME) FROM RDB$RELATION_FIELDS "
                             "WHERE RDB$RELATION_NAME = %1 ORDER BY RDB$FIELD_POSITION")
                  .arg(SqlQuoted(relation))))
        names.append(row.front().toString());
    return names;
}

QString TempDatabase::BuiltDatabase() {
    return QStringLiteral(ZEB_BUILT_DATABASE);
}

QString TempDatabase::OldestDatabase() {
    return QStringLiteral(ZEB_BUILD_DIR "/database/dbdef-0.3.2.4.gdb");
}
