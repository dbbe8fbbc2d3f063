#include "tests/support/FakeVolumeLabels.h"

QString FakeVolumeLabels::ReadLabel(const QString& path) const {
    return m_labels.value(path);
}

bool FakeVolumeLabels::WriteLabel(const QString& path, const QString& label) {
    if (m_refuseWrites)
        return false;
    m_labels.insert(path, label);
    m_written.append(label);
    return true;
}
