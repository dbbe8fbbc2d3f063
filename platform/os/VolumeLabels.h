#pragma once
// Volume labels of disks. The zip engine reads and writes them on spanned
// archives; a test double stands in where a label must be seen.

#include <QString>

class VolumeLabels {
public:
    VolumeLabels() = default;
    VolumeLabels(const VolumeLabels&) = delete;
    VolumeLabels& operator=(const VolumeLabels&) = delete;
    virtual ~VolumeLabels() = default;

    // The label of the disk holding path; empty when it has none.
    virtual QString ReadLabel(const QString& path) const = 0;
    // Gives the disk holding path the label (removing its old one); false when it cannot.
    virtual bool WriteLabel(const QString& path, const QString& label) = 0;
};
