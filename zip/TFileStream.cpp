#include "zip/TFileStream.h"

#include "platform/os/PrivateFile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int OpenFlags(TFileMode mode) {
    switch (mode) {
    case TFileMode::fmOpenRead:
        return O_RDONLY;
    case TFileMode::fmOpenReadWrite:
        return O_RDWR;
    case TFileMode::fmCreate:
    case TFileMode::fmCreatePrivate:
        return O_RDWR | O_CREAT | O_TRUNC;
    }
    return O_RDONLY;
}

QString SystemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

TFileStream::TFileStream(const QString& fileName, TFileMode mode) : m_fileName(fileName) {
    const QByteArray name = QFile::encodeName(fileName);
    if (mode == TFileMode::fmCreatePrivate)
        m_handle = PrivateFile::Open(name, OpenFlags(mode));
    else
        do
            m_handle = ::open(name.constData(), OpenFlags(mode) | O_CLOEXEC, 0666);
        while (m_handle < 0 && errno == EINTR);
    if (m_handle < 0) {
        const int error = errno;
        const QString verb = mode == TFileMode::fmOpenRead || mode == TFileMode::fmOpenReadWrite
                                 ? QStringLiteral("open")
                                 : QStringLiteral("create");
        throw EFOpenError(QStringLiteral("Cannot %1 file \"%2\". %3").arg(verb, fileName, SystemError(error)),
                          error);
    }
}

TFileStream::TFileStream(int handle, const QString& fileName) : m_handle(handle), m_fileName(fileName) {}

TFileStream::~TFileStream() {
    if (m_handle >= 0)
        ::close(m_handle);
}

qint64 TFileStream::Read(void* buffer, qint64 count) {
    for (;;) {
        const ssize_t got = ::read(m_handle, buffer, static_cast<std::size_t>(count));
        if (got >= 0)
            return got;
        if (errno != EINTR)
            return 0;
    }
}

qint64 TFileStream::Write(const void* buffer, qint64 count) {
    const auto* data = static_cast<const char*>(buffer);
    qint64 done = 0;
    while (done < count) {
        const ssize_t put = ::write(m_handle, data + done, static_cast<std::size_t>(count - done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            break;
        done += put;
    }
    return done;
}

qint64 TFileStream::Seek(qint64 offset, TSeekOrigin origin) {
    const int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET
                       : origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                          : SEEK_END;
    const off_t position = ::lseek(m_handle, offset, whence);
    if (position < 0)
        Fail("seek in", errno);
    return position;
}

qint64 TFileStream::Size() {
    struct stat info {};
    if (::fstat(m_handle, &info) != 0)
        Fail("read the size of", errno);
    return info.st_size;
}

void TFileStream::Flush() {
    if (::fsync(m_handle) != 0 && errno != EINVAL)
        Fail("flush", errno);
}

void TFileStream::Close() {
    if (m_handle < 0)
        return;
    const int handle = m_handle;
    m_handle = -1;
    if (::close(handle) != 0 && errno != EINTR)
        Fail("close", errno);
}

void TFileStream::Fail(const char* what, int error) const {
    throw EStreamError(
        QStringLiteral("Cannot %1 file \"%2\". %3").arg(QLatin1String(what), m_fileName, SystemError(error)));
}
