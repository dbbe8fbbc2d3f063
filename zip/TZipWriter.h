#pragma once
// The zip writer component: a reader that also builds and updates archives.
// Zip expands FilesList (files, folder entries ending in "/", wildcard
// patterns) into files, adds each one deflated or stored, keeps, replaces or
// drops the entries of an existing archive, and writes the central directory
// and end record, optionally over several disks or numbered pieces. A failed
// run leaves an existing archive as it was.

#include "zip/TZipReader.h"
#include "zip/ZipWriterEvents.h"
#include "zip/ZipWriterOptions.h"

// The events a writer adds are those of ZipWriterEvents, members of the component.
class TZipWriter : public TZipReader, public ZipWriterEvents {
public:
    explicit TZipWriter(TComponent* owner = nullptr);
    ~TZipWriter() override;

    // Properties ------------------------------------------------------------------
    // Deflate level 1 to 9; 0 stores every file.
    int PackLevel() const { return m_writing.PackLevel; }
    void SetPackLevel(int value) { m_writing.PackLevel = value; }
    // Wildcard patterns also search sub-folders.
    bool Recurse() const { return m_writing.Recurse; }
    void SetRecurse(bool value) { m_writing.Recurse = value; }
    // Delete the source files after a successful Zip.
    bool Dispose() const { return m_writing.Dispose; }
    void SetDispose(bool value) { m_writing.Dispose = value; }
    // Store each file's folder with its name; RelativePaths stores it below
    // RootDir; StoreVolumes keeps it from the root. Setting StoreVolumes sets
    // StorePaths; clearing StorePaths clears both others; setting
    // RelativePaths sets StorePaths and Recurse.
    bool StorePaths() const { return m_writing.StorePaths; }
    void SetStorePaths(bool value);
    bool RelativePaths() const { return m_writing.RelativePaths; }
    void SetRelativePaths(bool value);
    bool StoreVolumes() const { return m_writing.StoreVolumes; }
    void SetStoreVolumes(bool value);
    TZipAction ZipAction() const { return m_writing.ZipAction; }
    void SetZipAction(TZipAction value) { m_writing.ZipAction = value; }
    TMultiZipInfo& MultiZipInfo() { return m_writing.MultiZipInfo; }
    void SetMultiZipInfo(const TMultiZipInfo& value) { m_writing.MultiZipInfo = value; }
    // Folder of the temporary files of multi-disk runs; empty or missing:
    // the system's temporary folder.
    const QString& TempPath() const { return m_writing.TempPath; }
    void SetTempPath(const QString& value) { m_writing.TempPath = value; }
    // Patterns of files never added, and of files stored without compression.
    QStringList& ExcludeList() { return m_writing.ExcludeList; }
    void SetExcludeList(const QStringList& value) { m_writing.ExcludeList = value; }
    QStringList& NoCompressList() { return m_writing.NoCompressList; }
    void SetNoCompressList(const QStringList& value) { m_writing.NoCompressList = value; }
    bool AddDirEntriesOnRecurse() const { return m_writing.AddDirEntriesOnRecurse; }
    void SetAddDirEntriesOnRecurse(bool value) { m_writing.AddDirEntriesOnRecurse = value; }
    // Store short (8.3) names. Files on Linux have no short names: names are
    // stored as they are either way.
    bool Store83Names() const { return m_writing.Store83Names; }
    void SetStore83Names(bool value) { m_writing.Store83Names = value; }
    // Take only files with the archive attribute, which every file carries here.
    bool SkipIfArchiveBitNotSet() const { return m_writing.SkipIfArchiveBitNotSet; }
    void SetSkipIfArchiveBitNotSet(bool value) { m_writing.SkipIfArchiveBitNotSet = value; }
    // Clear the archive attribute of each file added. Linux files have no
    // attribute to clear: the files stay as they are.
    bool ResetArchiveBitOnZip() const { return m_writing.ResetArchiveBitOnZip; }
    void SetResetArchiveBitOnZip(bool value) { m_writing.ResetArchiveBitOnZip = value; }

    TMultiMode MultiMode() const override { return m_writing.MultiZipInfo.MultiMode; }
    void SetMultiMode(TMultiMode value) override;
    bool CheckDiskLabels() const override { return m_writing.MultiZipInfo.CheckDiskLabels; }
    void SetCheckDiskLabels(bool value) override;

    // Operations --------------------------------------------------------------------
    // The reader's copy, and from another writer also its settings, the
    // multi-disk settings by value and its handlers but OnPrepareNextDisk,
    // OnRecursingFile and OnEncrypt.
    void Assign(const TZipReader& source) override;
    // Adds or replaces the files of FilesList; returns how many (then fires
    // OnZipComplete). FilesList is empty afterwards, and the component holds
    // the new archive's directory.
    int Zip();

    // Bytes reserved on the first disk per file for a directory copy (with
    // and without stored folders), and in all.
    static constexpr qint64 DirectoryCopyPerFile = 83;
    static constexpr qint64 DirectoryCopyPerFileWithoutPaths = 58;
    static constexpr qint64 DirectoryCopyReserve = 2048;

private:
    ZipWriterOptions m_writing;
};
