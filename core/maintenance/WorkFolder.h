#pragma once
// A private folder with an unforeseeable name (mkdtemp), removed with
// everything in it when the object goes; the removal never follows links.
// The folder is held open while the object lives, so that the next work
// folder of the same prefix, made in the same place, takes for leftovers of
// a killed run only the ones no running copy holds, and removes them.

#include "platform/os/HeldPath.h"

#include <QString>

class WorkFolder {
public:
    // Creates prefix + six random characters in parent (the system's
    // temporary folder when empty). Raises Exception when it cannot.
    explicit WorkFolder(const QString& prefix, const QString& parent = QString());
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    const QString& Path() const { return m_path; }
    QString FilePath(const QString& name) const;

private:
    QString m_path;
    HeldPath m_held;
};
