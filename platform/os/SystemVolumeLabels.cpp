#include "platform/os/SystemVolumeLabels.h"

QString SystemVolumeLabels::ReadLabel(const QString& /*path*/) const {
    return QString();
}

bool SystemVolumeLabels::WriteLabel(const QString& /*path*/, const QString& /*label*/) {
    return false;
}
