#include "platform/os/DurableFile.h"

#include "platform/base/Exceptions.h"
#include "platform/os/SystemError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

void DurableFile::Sync(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        throw Exception(
            QStringLiteral("Não foi possível gravar \"%1\" no disco: %2.").arg(path, SystemErrorText(error)));
    }
    ::close(fd);
}

void DurableFile::Replace(const QString& source, const QString& target) {
    Sync(source);
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) != 0)
        throw Exception(QStringLiteral("Não foi possível pôr \"%1\" no lugar de \"%2\": %3.")
                            .arg(source, target, SystemErrorText(errno)));
    Sync(QFileInfo(target).absolutePath());
}
