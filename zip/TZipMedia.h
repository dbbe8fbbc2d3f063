#pragma once
// The disks an archive lives on: whether a path is on a removable drive,
// the free room there, and the volume labels of spanned sets. The default
// answers for the running system; tests put in their own.

#include "platform/os/VolumeLabels.h"

#include <QString>
#include <memory>
#include <optional>

class TZipMedia {
public:
    // The running system's drives and its labels (none on Linux).
    TZipMedia();
    // Another source of labels, which must outlive this object.
    explicit TZipMedia(VolumeLabels& labels);
    virtual ~TZipMedia();
    TZipMedia(const TZipMedia&) = delete;
    TZipMedia& operator=(const TZipMedia&) = delete;

    virtual bool IsRemovable(const QString& path) const;
    // Bytes free on the disk holding path; empty when unknown.
    virtual std::optional<qint64> FreeBytes(const QString& path) const;
    VolumeLabels& Labels() { return *m_labels; }

private:
    std::unique_ptr<VolumeLabels> m_ownLabels;
    VolumeLabels* m_labels;
};
