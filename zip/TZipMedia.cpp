#include "zip/TZipMedia.h"

#include "platform/os/DiskInfo.h"
#include "platform/os/RemovableDrives.h"
#include "platform/os/SystemVolumeLabels.h"

#include <QFileInfo>

TZipMedia::TZipMedia() : m_ownLabels(std::make_unique<SystemVolumeLabels>()), m_labels(m_ownLabels.get()) {}

TZipMedia::TZipMedia(VolumeLabels& labels) : m_labels(&labels) {}

TZipMedia::~TZipMedia() = default;

bool TZipMedia::IsRemovable(const QString& path) const {
    return RemovableDrives().IsRemovable(QFileInfo(path).absoluteFilePath());
}

std::optional<qint64> TZipMedia::FreeBytes(const QString& path) const {
    return DiskInfo::FreeBytes(QFileInfo(path).absolutePath());
}
