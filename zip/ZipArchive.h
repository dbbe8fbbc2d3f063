#pragma once
// An archive file and its directory, as the reader and the writer hold it:
// the open file (or disk, or piece), the entries in the archive's order and
// in the order of a sort mode, the end record, the disk in use and the
// state of the file when its directory was read. TZipDirectoryReader fills
// it from the file; a Zip run hands it the directory of the archive it has
// just written.

#include "zip/TEndCentral.h"
#include "zip/TSortedZip.h"
#include "zip/TZipMedia.h"
#include "zip/ZipTypes.h"

#include <QDateTime>
#include <QString>
#include <memory>
#include <vector>

class TBufferedFileStream;
class TStream;

class ZipArchive {
public:
    ZipArchive();
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    const QString& Name() const { return m_name; }
    // Takes the name and drops the directory and the open file.
    void Rename(const QString& name);
    // The drives and labels to use (nullptr: the running system's).
    void SetMedia(TZipMedia* media);
    TZipMedia& Media() const { return *m_media; }

    // The open file ----------------------------------------------------------------
    TStream& File() const;
    // Opens Name when no file is open.
    void Open(bool flushOnClose);
    // Opens `name` as disk diskNumber (1-based) of a set; it becomes Name.
    void OpenDisk(const QString& name, int diskNumber, bool flushOnClose);
    void Close();
    // Closes the file and forgets everything, the name too.
    void Clear();

    // The directory ------------------------------------------------------------------
    // A directory was read and the file is still as it was then.
    bool DirectoryIsCurrent() const;
    // Forgets the directory and notes the file's date and size, before reading it.
    void BeginReading();
    // The directory read is complete.
    void FinishReading();
    // Takes the directory of a newly written archive named `name`.
    void Adopt(const QString& name, std::vector<std::unique_ptr<TZipHeaderInfo>> entries,
               const TEndCentral& end, TMultiMode multiMode);
    // Entries in the archive's order, owned here.
    TSortedZip& Entries() { return m_directory; }
    const TSortedZip& Entries() const { return m_directory; }
    int Count() const { return m_directory.Count(); }
    // The entry at index of the sorted view; EListError "Index %d is out of range".
    TZipHeaderInfo& Entry(int index) const;
    TZipSortMode SortMode() const { return m_sortMode; }
    // Rebuilds the sorted view (ByNone: the archive's own order).
    void Sort(TZipSortMode mode);
    TEndCentral& EndCentral() { return m_endCentral; }
    const TEndCentral& EndCentral() const { return m_endCentral; }

    // Disks ----------------------------------------------------------------------------
    int CurrentDisk() const { return m_currentDisk; }
    void SetCurrentDisk(int disk) { m_currentDisk = disk; }
    int DiskCount() const { return m_diskCount; }
    void SetDiskCount(int count) { m_diskCount = count; }
    // How the archive read lies on its disks (mmNone: one file).
    TMultiMode MultiMode() const { return m_multiMode; }
    void SetMultiMode(TMultiMode mode) { m_multiMode = mode; }
    // The archive read spans disks or pieces.
    bool Spans() const { return m_endCentral.ThisDisk != 0; }

private:
    void NoteFileState(const QString& path);

    QString m_name;
    std::unique_ptr<TZipMedia> m_systemMedia;
    TZipMedia* m_media;
    std::unique_ptr<TBufferedFileStream> m_file;
    QDateTime m_fileDate;
    qint64 m_fileSize = -1;
    bool m_haveDirectory = false;
    TSortedZip m_directory{TZipSortMode::ByNone, true};
    TZipSortMode m_sortMode = TZipSortMode::ByNone;
    std::unique_ptr<TSortedZip> m_view;
    TEndCentral m_endCentral;
    int m_currentDisk = 0;
    int m_diskCount = 0;
    TMultiMode m_multiMode = TMultiMode::mmNone;
};
