#include "platform/os/MemoryStatus.h"

#include <QFile>
#include <QTextStream>

MemoryStatus MemoryStatus::Current() {
    MemoryStatus status;
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return status;
    QTextStream in(&file);
    // Lines read "MemTotal:  16314232 kB"; the figures are in KiB.
    for (int line = 0; line < 64 && !in.atEnd(); ++line) {
        const QStringList parts = in.readLine().simplified().split(QLatin1Char(' '));
        if (parts.size() < 2)
            continue;
        const std::uint64_t bytes = parts[1].toULongLong() * 1024;
        if (parts[0] == QLatin1String("MemTotal:"))
            status.TotalPhysical = bytes;
        else if (parts[0] == QLatin1String("MemAvailable:"))
            status.AvailablePhysical = bytes;
    }
    return status;
}
