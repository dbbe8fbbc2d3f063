#pragma once
// Expands a writer's FilesList into the files to add: plain names are
// checked (a missing file fires OnNoSuchFile), wildcard patterns are searched
// ("|pattern" in its own folder only, ">pattern" through sub-folders too,
// otherwise as Recurse says), ExcludeList drops files, and with zaFreshen only
// files that already have an entry stay. Also gives the folder and name a
// file is stored under.

#include "zip/ZipWriterEvents.h"

#include <QString>
#include <QStringList>

class ZipArchive;
class ZipEventSink;
struct ZipReaderOptions;
struct ZipWriterOptions;

class TZipFileCollector {
public:
    // `archive` is the one being updated (its entries, for zaFreshen, and
    // its name, never added to itself).
    TZipFileCollector(ZipReaderOptions& reading, const ZipWriterOptions& writing, const ZipArchive& archive,
                      const ZipWriterEvents& events, ZipEventSink& sink);

    // Replaces the reader options' FilesList by the files (and folder
    // entries) to add and returns their total size.
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

    ZipReaderOptions& m_reading;
    const ZipWriterOptions& m_writing;
    const ZipArchive& m_archive;
    const ZipWriterEvents& m_events;
    ZipEventSink& m_sink;
    TObject* m_sender;
};
