#pragma once
// A folder that files are written into without ever leaving it: every path
// below it is walked one folder at a time with openat and O_NOFOLLOW, so a
// link met on the way (a folder replaced by a link to elsewhere, a file that
// is a link) stops the operation instead of being followed.

#include <QDateTime>
#include <QString>
#include <QStringList>

class ConfinedFolder {
public:
    // Opens root, which must exist; raises Exception when it cannot.
    explicit ConfinedFolder(const QString& root);
    ~ConfinedFolder();
    ConfinedFolder(const ConfinedFolder&) = delete;
    ConfinedFolder& operator=(const ConfinedFolder&) = delete;

    enum class Kind { Missing, File, Folder, Link, Other };

    // What stands at folder/name (folder: components below the root), links
    // not followed. Missing also when the folder cannot be reached.
    Kind Lookup(const QStringList& folder, const QString& name) const;
    // Makes the folders of components below the root that are missing.
    // False, with the system's message in *error, when one cannot be made or
    // a link or file is in the way.
    bool MakeFolders(const QStringList& components, QString* error) const;
    // Creates a new, empty file with a unique name beside name in folder and
    // returns its open descriptor (owned by the caller) and its name, or -1
    // with the system's message in *error.
    int CreateUnique(const QStringList& folder, const QString& name, QString* uniqueName,
                     QString* error) const;
    // Renames within folder, replacing an existing file; false on failure.
    bool Rename(const QStringList& folder, const QString& from, const QString& to) const;
    bool Remove(const QStringList& folder, const QString& name) const;
    // Modification time of folder/name (not following a link); invalid when unreadable.
    QDateTime ModificationTime(const QStringList& folder, const QString& name) const;

private:
    // Descriptor of the folder reached through components (owned by the
    // caller), or -1 with errno set.
    int OpenFolder(const QStringList& components) const;

    int m_root;
    QString m_rootPath;
};
