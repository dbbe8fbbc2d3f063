#include "platform/os/Windows1252LineWriter.h"

#include "platform/base/Exceptions.h"
#include "platform/os/CodePage1252.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Bytes gathered before they go to the file.
constexpr qsizetype BufferSize = 1 << 16;
constexpr char LineEnd[] = "\r\n";
constexpr qsizetype LineEndSize = 2;

} // namespace

Windows1252LineWriter::Windows1252LineWriter(const QString& path) : m_path(path) {
    const QByteArray name = QFile::encodeName(path);
    m_fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (m_fd < 0)
        throw Exception(
            QStringLiteral("Cannot create %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    m_buffer.reserve(BufferSize + 1024);
}

Windows1252LineWriter::~Windows1252LineWriter() {
    if (m_closed)
        return;
    if (m_fd >= 0)
        ::close(m_fd);
    ::unlink(QFile::encodeName(m_path).constData());
}

void Windows1252LineWriter::WriteLine(QStringView line) {
    if (m_closed || m_fd < 0)
        throw Exception(QStringLiteral("%1 is closed").arg(m_path));
    if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
        throw Exception(QStringLiteral("A line for %1 holds a line break").arg(m_path));
    m_buffer += CodePage1252::Encode(line, '?');
    m_buffer.append(LineEnd, LineEndSize);
    ++m_lines;
    if (m_buffer.size() >= BufferSize)
        Flush();
}

void Windows1252LineWriter::Flush() {
    const char* data = m_buffer.constData();
    qsizetype left = m_buffer.size();
    while (left > 0) {
        const ssize_t written = ::write(m_fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            Fail("write", errno);
        }
        if (written == 0)
            Fail("write", ENOSPC);
        data += written;
        left -= written;
        m_size += written;
    }
    m_buffer.clear();
}

void Windows1252LineWriter::Close() {
    if (m_closed)
        return;
    if (m_fd < 0)
        throw Exception(QStringLiteral("%1 is not open").arg(m_path));
    Flush();
    if (::fsync(m_fd) != 0)
        Fail("sync", errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        Fail("close", errno);
    m_closed = true;
}

void Windows1252LineWriter::Fail(const char* what, int error) {
    throw Exception(
        QStringLiteral("Cannot %1 %2: %3")
            .arg(QString::fromLatin1(what), m_path, QString::fromLocal8Bit(std::strerror(error))));
}
