#pragma once
// A private folder with an unforeseeable name (mkdtemp), removed with
// everything in it when the object goes; the removal never follows links.

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
};
