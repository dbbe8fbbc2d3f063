#pragma once
// Volume labels for the tests of spanned archives: labels kept in memory per
// path, and a record of every label written, so code that labels disks can
// be checked on a system without labels.

#include "platform/os/VolumeLabels.h"

#include <QHash>
#include <QStringList>

class FakeVolumeLabels : public VolumeLabels {
public:
    QString ReadLabel(const QString& path) const override { return m_labels.value(path); }
    bool WriteLabel(const QString& path, const QString& label) override {
        if (m_refuseWrites)
            return false;
        m_labels.insert(path, label);
        m_written.append(label);
        return true;
    }

    // Gives a path a label, as if the disk came labelled.
    void SetLabel(const QString& path, const QString& label) { m_labels.insert(path, label); }
    // Makes every later WriteLabel fail.
    void RefuseWrites() { m_refuseWrites = true; }
    const QStringList& Written() const { return m_written; }

private:
    QHash<QString, QString> m_labels;
    QStringList m_written;
    bool m_refuseWrites = false;
};
