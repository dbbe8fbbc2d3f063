#pragma once
// Volume labels of the running system. Labels are not supported on Linux:
// every disk reads as unlabelled and writing a label does nothing.

#include "platform/os/VolumeLabels.h"

class SystemVolumeLabels : public VolumeLabels {
public:
    QString ReadLabel(const QString& path) const override;
    bool WriteLabel(const QString& path, const QString& label) override;
};
