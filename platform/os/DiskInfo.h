#pragma once
// Questions about the disk holding a path: its free room, whether it is there
// at all and whether it can be written.

#include <QString>
#include <optional>

class DiskInfo {
public:
    // Bytes free for this user on the file system of path; empty when it cannot be read.
    static std::optional<qint64> FreeBytes(const QString& path);
    // True when a file system holding path is mounted, ready and reports a size.
    static bool IsPresent(const QString& path);
    // True when a file cannot be created (and removed again) in folder. The
    // probe file gets a unique name, so nothing already there is touched.
    static bool IsWriteProtected(const QString& folder);
};
