#pragma once
// Expands a writer's FilesList into the files to add: plain names are
// checked (a missing file fires OnNoSuchFile), wildcard patterns are searched
// ("|pattern" in its own folder only, ">pattern" through sub-folders too,
// otherwise as Recurse says), ExcludeList drops files, and with zaFreshen only
// files that already have an entry stay. Also gives the folder and name a
// file is stored under.

#include <QString>
#include <QStringList>

class TZipWriter;

class TZipFileCollector {
public:
    explicit TZipFileCollector(TZipWriter& writer);

    // Replaces FilesList by the files (and folder entries) to add and returns
    // their total size.
    qint64 Expand();

    struct StoredName {
        QString folder; // with backslashes and a trailing backslash, or empty
        QString name;
    };
    // The folder and name a file (or a folder entry, ending in "/") is stored
    // under: the folder only with StorePaths; below RootDir with
    // RelativePaths; without StoreVolumes never from the root.
    StoredName StoredFormOf(const QString& file) const;

    // A pattern with a "/" matches the whole path, any other the name alone.
    static bool MatchesList(const QStringList& patterns, const QString& path);

private:
    bool Fresh(const QString& file) const;

    TZipWriter& m_writer;
};
