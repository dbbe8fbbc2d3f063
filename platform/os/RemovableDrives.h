#pragma once
// Removable drives: a mounted file system whose block device the kernel marks
// removable (/sys/block/<disk>/removable is "1"; a partition is found as a
// sub-folder of its disk there).

#include "platform/os/MountTable.h"

#include <QString>
#include <QStringList>

class RemovableDrives {
public:
    // The running system's devices and mounts.
    RemovableDrives();
    // Another sysfs block folder and mount table (tests).
    RemovableDrives(QString sysBlockFolder, MountTable mounts);

    // True when the block device (a /dev path or a bare name such as "sdb1") is removable.
    bool IsRemovableDevice(const QString& device) const;
    // True when path lies on a mounted removable device.
    bool IsRemovable(const QString& path) const;
    // Mount points of all mounted removable devices, in mount order.
    QStringList MountPoints() const;

private:
    QString m_sysBlock;
    MountTable m_mounts;
};
