#pragma once
// The mounted file systems, as the kernel lists them in /proc/self/mounts
// (one line each: device, mount point, type, options, two numbers; blanks and
// backslashes inside names written as octal escapes like \040).

#include <QList>
#include <QString>
#include <optional>

struct MountEntry {
    QString device;
    QString mountPoint;
    QString type;
};

class MountTable {
public:
    // Reads the table of the given file; an unreadable file gives an empty table.
    static MountTable Read(const QString& mountsFile = QStringLiteral("/proc/self/mounts"));
    static MountTable Parse(const QByteArray& contents);

    const QList<MountEntry>& Entries() const { return m_entries; }
    // True when absolutePath (cleaned, not resolved) is where a file system is mounted.
    bool IsMountPoint(const QString& absolutePath) const;
    // The mount holding absolutePath: the one with the longest mount point above it.
    std::optional<MountEntry> MountOf(const QString& absolutePath) const;

private:
    QList<MountEntry> m_entries;
};
