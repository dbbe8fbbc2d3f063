#include "platform/os/RemovableDrives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

RemovableDrives::RemovableDrives() : RemovableDrives(QStringLiteral("/sys/block"), MountTable::Read()) {}

RemovableDrives::RemovableDrives(QString sysBlockFolder, MountTable mounts)
    : m_sysBlock(std::move(sysBlockFolder)), m_mounts(std::move(mounts)) {}

bool RemovableDrives::IsRemovableDevice(const QString& device) const {
    if (device.isEmpty())
        return false;
    // /dev/disk/by-label/... and /dev/mapper/... are links to the device node.
    const QFileInfo node(device);
    const QString name = node.exists() ? QFileInfo(node.canonicalFilePath()).fileName() : node.fileName();
    if (name.isEmpty())
        return false;
    const QDir block(m_sysBlock);
    const QStringList disks = block.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    for (const QString& disk : disks) {
        if (disk != name && !QFileInfo::exists(block.filePath(disk + QLatin1Char('/') + name)))
            continue;
        QFile flag(block.filePath(disk + QStringLiteral("/removable")));
        return flag.open(QIODevice::ReadOnly) && flag.readAll().trimmed() == "1";
    }
    return false;
}

bool RemovableDrives::IsRemovable(const QString& path) const {
    const auto mount = m_mounts.MountOf(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
    return mount && IsRemovableDevice(mount->device);
}

QStringList RemovableDrives::MountPoints() const {
    QStringList points;
    for (const MountEntry& e : m_mounts.Entries()) {
        if (IsRemovableDevice(e.device) && !points.contains(e.mountPoint))
            points.append(e.mountPoint);
    }
    return points;
}
