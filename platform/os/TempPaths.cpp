#include "platform/os/TempPaths.h"

#include "platform/base/Exceptions.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

QString templateIn(const QString& folder, const QString& prefix) {
    const QString base = folder.isEmpty() ? TempPaths::TempFolder() : folder;
    return QDir(base).filePath(prefix + QStringLiteral("XXXXXX"));
}

Exception creationError(const QString& what, const QString& path, int error) {
    return Exception(QStringLiteral("Não foi possível criar %1 \"%2\": %3")
                         .arg(what, path, QString::fromLocal8Bit(strerror(error))));
}

} // namespace

QString TempPaths::TempFolder() {
    return QDir::cleanPath(QDir::tempPath());
}

QString TempPaths::CreateFile(const QString& prefix, const QString& suffix, const QString& folder) {
    const QString pattern = templateIn(folder, prefix) + suffix;
    QByteArray name = QFile::encodeName(pattern);
    const int fd = mkstemps(name.data(), static_cast<int>(QFile::encodeName(suffix).size()));
    if (fd < 0)
        throw creationError(QStringLiteral("o arquivo temporário"), pattern, errno);
    close(fd);
    return QFile::decodeName(name);
}

QString TempPaths::CreateFolder(const QString& prefix, const QString& folder) {
    const QString pattern = templateIn(folder, prefix);
    QByteArray name = QFile::encodeName(pattern);
    if (!mkdtemp(name.data()))
        throw creationError(QStringLiteral("a pasta temporária"), pattern, errno);
    return QFile::decodeName(name);
}
