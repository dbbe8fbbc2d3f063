#pragma once
// One Zip of a writer: expands its file list, keeps or replaces the entries
// of an existing archive, adds the new files, writes the directory and the
// end record, and on success hands the new directory to the archive.

#include "zip/TDeflater.h"
#include "zip/TEndCentral.h"
#include "zip/TSortedZip.h"
#include "zip/TZipFileCollector.h"
#include "zip/ZipReaderEvents.h"
#include "zip/ZipReaderOptions.h"
#include "zip/ZipWriterEvents.h"
#include "zip/ZipWriterOptions.h"

#include <QStringList>
#include <memory>

class TStream;
class TZipCrypt;
class TZipOutput;
class ZipArchive;
class ZipEventSink;

class TZipRun {
public:
    // A run over `archive` as the reader's and the writer's options say; it
    // empties FilesList.
    TZipRun(ZipArchive& archive, ZipReaderOptions& reading, ZipWriterOptions writing,
            ZipReaderEvents readerEvents, ZipWriterEvents events, ZipEventSink& sink);
    ~TZipRun();
    TZipRun(const TZipRun&) = delete;
    TZipRun& operator=(const TZipRun&) = delete;

    // Returns the number of files added.
    int Run();

private:
    class Reading;
    class Writing;

    int Build();
    void ProcessExistingEntries();
    // Adds one file or folder entry; false when it was not added.
    bool AddFile(const QString& line);
    bool AddFolder(const QString& line);
    void Compress(const QString& line, TStream& source, TZipHeaderInfo& header, TStream* temporary);
    void KeepEntry(const TZipHeaderInfo& old);
    void Enter(std::unique_ptr<TZipHeaderInfo> header);
    void CopyIntoDisks(TStream& temporary, TZipHeaderInfo& header);
    void WriteDirectory();
    void WriteDirectoryCopy();
    void Adopt(const QString& finalName);
    void DisposeFiles();
    QString TemporaryFolder() const;
    void FireTotalPercent();

    ZipArchive& m_archive;
    ZipReaderOptions& m_reading;
    const ZipWriterOptions m_writing;
    const ZipReaderEvents m_readerEvents;
    const ZipWriterEvents m_events;
    ZipEventSink& m_sink;
    TObject* m_sender;
    TZipFileCollector m_collector;
    std::unique_ptr<TZipOutput> m_output;
    std::unique_ptr<TDeflater> m_deflater;
    TSortedZip m_byName{TZipSortMode::ByName, false};
    TSortedZip m_byOrder{TZipSortMode::ByNone, true};
    TEndCentral m_end;
    QStringList m_disposeList;
    int m_added = 0;
    bool m_multiDisk = false;
    int m_entriesOnDisk = 0;
    qint64 m_directoryCopyReserve = 0;
    qint64 m_totalBytes = 0;
    qint64 m_bytesDone = 0;
};
