#include "support/TempDatabase.h"

#include "platform/base/Exceptions.h"

#include <QFile>

TempDatabase::TempDatabase(bool connect)
    : m_database(std::make_unique<TIBDatabase>()), m_transaction(std::make_unique<TIBTransaction>()) {
    if (!m_folder.isValid())
        throw Exception(QStringLiteral("Cannot create a temporary folder: %1").arg(m_folder.errorString()));
    m_path = m_folder.filePath(QStringLiteral("dbdef.gdb"));
    if (!QFile::copy(BuiltDatabase(), m_path))
        throw Exception(
            QStringLiteral("Cannot copy the built database %1 (build the target 'database' first).")
                .arg(BuiltDatabase()));
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

QString TempDatabase::BuiltDatabase() {
    return QStringLiteral(ZEB_BUILT_DATABASE);
}
