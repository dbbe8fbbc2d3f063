#include "platform/os/DiskInfo.h"

#include <QFile>
#include <QStorageInfo>

#include <cstdlib>
#include <unistd.h>

std::optional<qint64> DiskInfo::FreeBytes(const QString& path) {
    const QStorageInfo storage(path);
    if (!storage.isValid() || !storage.isReady())
        return std::nullopt;
    return storage.bytesAvailable();
}

bool DiskInfo::IsPresent(const QString& path) {
    const QStorageInfo storage(path);
    return storage.isValid() && storage.isReady() && storage.bytesTotal() > 0;
}

bool DiskInfo::IsWriteProtected(const QString& folder) {
    QByteArray name = QFile::encodeName(folder + QStringLiteral("/_$XXXXXX"));
    const int fd = mkstemp(name.data());
    if (fd < 0)
        return true;
    const bool closed = close(fd) == 0;
    const bool removed = unlink(name.constData()) == 0;
    return !(closed && removed);
}
