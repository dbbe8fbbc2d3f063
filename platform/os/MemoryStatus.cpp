#include "platform/os/MemoryStatus.h"

#include <QByteArray>
#include <QList>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// /proc/meminfo is some 1.5 KB; what lies beyond this is never read.
constexpr qsizetype MeminfoLimit = 64 * 1024;
constexpr qsizetype ReadBlock = 4096;
constexpr std::uint64_t BytesPerKiB = 1024;

// The whole of a file of /proc. Such files report a size of 0, so they are
// read until the end, not up to their size.
QByteArray ReadProcFile(const char* path) {
    QByteArray contents;
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return contents;
    while (contents.size() < MeminfoLimit) {
        char buffer[ReadBlock];
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        contents.append(buffer, count);
    }
    ::close(fd);
    return contents;
}

} // namespace

MemoryStatus MemoryStatus::Current() {
    MemoryStatus status;
    // Lines read "MemTotal:       16314232 kB"; the figures are in KiB.
    for (const QByteArray& line : ReadProcFile("/proc/meminfo").split('\n')) {
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() < 2)
            continue;
        const std::uint64_t bytes = parts[1].toULongLong() * BytesPerKiB;
        if (parts[0] == "MemTotal:")
            status.TotalPhysical = bytes;
        else if (parts[0] == "MemAvailable:")
            status.AvailablePhysical = bytes;
    }
    return status;
}
