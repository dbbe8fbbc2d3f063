#include "platform/os/Windows1252LineWriter.h"

#include "platform/base/Exceptions.h"
#include "platform/os/CodePage1252.h"
#include "platform/os/PrivateFile.h"
#include "platform/os/SystemError.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr char Replacement = '?';
constexpr std::size_t LineEndSize = 2;
// Written bytes handed on to the disk together.
constexpr std::int64_t WritebackChunk = 4 << 20;

} // namespace

Windows1252LineWriter::Windows1252LineWriter(const QString& path) : m_path(path) {
    m_fd = PrivateFile::Open(QFile::encodeName(path), O_WRONLY | O_CREAT | O_EXCL);
    if (m_fd < 0)
        throw Exception(
            QStringLiteral("Não foi possível criar o arquivo \"%1\": %2.").arg(path, SystemErrorText(errno)));
    m_buffer = std::make_unique<char[]>(m_capacity);
}

Windows1252LineWriter::~Windows1252LineWriter() {
    if (m_closed)
        return;
    if (m_fd >= 0)
        ::close(m_fd);
    ::unlink(QFile::encodeName(m_path).constData());
}

namespace {

// Characters narrowed together: a loop of a fixed count the compiler turns
// into vector instructions.
constexpr std::size_t Block = 16;

struct Narrowed {
    bool ascii;
    bool breaks;
};

// Writes the low byte of every character to `out` and tells whether all of
// them were ASCII and whether a line break was among them.
Narrowed Narrow(const char16_t* in, char* out, std::size_t size) {
    char16_t all = 0;
    char16_t breaks = 0;
    std::size_t i = 0;
    for (; i + Block <= size; i += Block) {
        char16_t lanes[Block];
        std::memcpy(lanes, in + i, sizeof lanes);
        char bytes[Block];
        for (std::size_t k = 0; k < Block; ++k) {
            all |= lanes[k];
            breaks |= static_cast<char16_t>((lanes[k] == u'\r') | (lanes[k] == u'\n'));
            bytes[k] = static_cast<char>(lanes[k]);
        }
        std::memcpy(out + i, bytes, Block);
    }
    for (; i < size; ++i) {
        all |= in[i];
        breaks |= static_cast<char16_t>((in[i] == u'\r') | (in[i] == u'\n'));
        out[i] = static_cast<char>(in[i]);
    }
    return {all < 0x80, breaks != 0};
}

} // namespace

void Windows1252LineWriter::WriteLine(QStringView line) {
    if (m_closed || m_fd < 0)
        throw Exception(QStringLiteral("%1 is closed").arg(m_path));
    const std::size_t size = static_cast<std::size_t>(line.size());
    if (m_used + size + LineEndSize > m_capacity)
        Flush();
    if (size + LineEndSize > m_capacity) {
        m_capacity = size + LineEndSize;
        m_buffer = std::make_unique<char[]>(m_capacity);
    }
    const char16_t* in = line.utf16();
    char* out = m_buffer.get() + m_used;
    const Narrowed narrowed = Narrow(in, out, size);
    if (narrowed.breaks)
        throw Exception(QStringLiteral("A line for %1 holds a line break").arg(m_path));
    if (!narrowed.ascii)
        for (std::size_t i = 0; i < size; ++i)
            if (in[i] >= 0x80) {
                const std::optional<unsigned char> byte = CodePage1252::FromUnicode(QChar(in[i]));
                out[i] = byte ? static_cast<char>(*byte) : Replacement;
            }
    out[size] = '\r';
    out[size + 1] = '\n';
    m_used += size + LineEndSize;
    ++m_lines;
}

void Windows1252LineWriter::Flush() {
    const char* data = m_buffer.get();
    std::size_t left = m_used;
    while (left > 0) {
        const ssize_t written = ::write(m_fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            Fail(errno);
        }
        if (written == 0)
            Fail(ENOSPC);
        data += written;
        left -= static_cast<std::size_t>(written);
        m_size += written;
    }
    m_used = 0;
    if (m_size - m_writtenBack >= WritebackChunk) {
        // The disk starts on what is written while the next lines are made,
        // so the sync of Close has little left to wait for. A file system
        // that cannot start it early leaves it all to the sync.
        if (::sync_file_range(m_fd, m_writtenBack, m_size - m_writtenBack, SYNC_FILE_RANGE_WRITE) != 0 &&
            errno != EINVAL && errno != ENOSYS && errno != ESPIPE)
            Fail(errno);
        m_writtenBack = m_size;
    }
}

void Windows1252LineWriter::Close() {
    if (m_closed)
        return;
    if (m_fd < 0)
        throw Exception(QStringLiteral("%1 is not open").arg(m_path));
    Flush();
    if (::fdatasync(m_fd) != 0)
        Fail(errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        Fail(errno);
    m_closed = true;
}

void Windows1252LineWriter::Fail(int error) {
    throw Exception(
        QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2.").arg(m_path, SystemErrorText(error)));
}
