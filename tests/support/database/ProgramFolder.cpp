#include "tests/support/database/ProgramFolder.h"

#include <QDir>
#include <QFile>

ProgramFolder::ProgramFolder() {
    QDir(m_folder.path()).mkpath(QStringLiteral("Dados"));
}

bool ProgramFolder::CopyDatabase(const QString& source) const {
    if (!QFile::copy(source, Database()))
        return false;
    // Copies keep the source's mode; the program writes to its database.
    QFile::setPermissions(Database(), QFile::ReadOwner | QFile::WriteOwner);
    return true;
}
