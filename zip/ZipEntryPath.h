#pragma once
// Where an entry of an archive goes below the destination folder, worked out
// once from the entry's name: the folders to make (empty unless folders are
// recreated), each one a single name, and the file name. The entry's folder
// loses the root folder given to the reader, a drive, separators at its
// start and "." steps; a ".." step, a NUL character or a file name "." or
// ".." makes the path unsafe, and an unsafe path never reaches the disk.

#include <QString>
#include <QStringList>

class TZipHeaderInfo;

class ZipEntryPath {
public:
    // rootDir as the reader keeps it ("/" separators, a trailing "/", or empty).
    static ZipEntryPath Of(const TZipHeaderInfo& entry, const QString& rootDir, bool withFolders);

    bool IsSafe() const { return m_safe; }
    const QStringList& Folders() const { return m_folders; }
    const QString& Name() const { return m_name; }
    // The path below `destination` with "/" separators, as events show it
    // (an unsafe path too, without its ".." steps).
    QString Shown(const QString& destination) const;

private:
    QStringList m_folders;
    QString m_name;
    bool m_safe = true;
};
