#pragma once
// The zip writer component: a reader that also builds and updates archives.
// Zip expands FilesList (files, folder entries ending in "/", wildcard
// patterns) into files, adds each one deflated or stored, keeps, replaces or
// drops the entries of an existing archive, and writes the central directory
// and end record, optionally over several disks or numbered pieces. A failed
// run leaves an existing archive as it was.

#include "zip/TMultiZipInfo.h"
#include "zip/TZipReader.h"

using TStartZipEvent =
    TEvent<TObject*, const QString& /*FName*/, TZipHeaderInfo& /*ZipHeader*/, bool& /*Skip*/>;
using TStartZipInfo = TEvent<TObject*, int /*NumFiles*/, qint64 /*TotalBytes*/,
                             TEndCentral& /*EndCentralRecord*/, bool& /*StopNow*/>;
using TEndZipFileEvent = TEvent<TObject*, const QString& /*FName*/, qint64 /*UncompressedSize*/,
                                qint64 /*CompressedSize*/, qint64 /*CurrentZipSize*/>;
using TDisposeEvent = TEvent<TObject*, const QString& /*FName*/, bool& /*Skip*/>;
using TNoSuchFileEvent = TEvent<TObject*, const QString& /*FName*/>;
using TZipComplete = TEvent<TObject*, int /*FileCount*/>;
using TUpdateEvent = TEvent<TObject*, TUpdateAction /*UDAction*/, int /*FileIndex*/>;
using TPrepareNextDisk = TEvent<TObject*, int /*DiskNum*/>;
using TOnRecursingFile = TEvent<TObject*, const QString& /*FName*/>;
using TDeleteEvent = TEvent<TObject*, const QString& /*FName*/, bool& /*Skip*/>;
using TEncryptEvent = TEvent<TObject*, std::uint8_t* /*buffer*/, int /*length*/, const QString& /*Password*/>;

class TZipWriter : public TZipReader {
public:
    explicit TZipWriter(TComponent* owner = nullptr);
    ~TZipWriter() override;

    // Properties ------------------------------------------------------------------
    // Deflate level 1 to 9; 0 stores every file.
    int PackLevel() const { return m_packLevel; }
    void SetPackLevel(int value) { m_packLevel = value; }
    // Wildcard patterns also search sub-folders.
    bool Recurse() const { return m_recurse; }
    void SetRecurse(bool value) { m_recurse = value; }
    // Delete the source files after a successful Zip.
    bool Dispose() const { return m_dispose; }
    void SetDispose(bool value) { m_dispose = value; }
    // Store each file's folder with its name; RelativePaths stores it below
    // RootDir; StoreVolumes keeps it from the root. Setting StoreVolumes sets
    // StorePaths; clearing StorePaths clears both others; setting
    // RelativePaths sets StorePaths and Recurse.
    bool StorePaths() const { return m_storePaths; }
    void SetStorePaths(bool value);
    bool RelativePaths() const { return m_relativePaths; }
    void SetRelativePaths(bool value);
    bool StoreVolumes() const { return m_storeVolumes; }
    void SetStoreVolumes(bool value);
    TZipAction ZipAction() const { return m_zipAction; }
    void SetZipAction(TZipAction value) { m_zipAction = value; }
    TMultiZipInfo& MultiZipInfo() { return m_multiZipInfo; }
    void SetMultiZipInfo(const TMultiZipInfo& value) { m_multiZipInfo = value; }
    // Folder of the temporary files of multi-disk runs; empty or missing:
    // the system's temporary folder.
    const QString& TempPath() const { return m_tempPath; }
    void SetTempPath(const QString& value) { m_tempPath = value; }
    // Patterns of files never added, and of files stored without compression.
    QStringList& ExcludeList() { return m_excludeList; }
    void SetExcludeList(const QStringList& value) { m_excludeList = value; }
    QStringList& NoCompressList() { return m_noCompressList; }
    void SetNoCompressList(const QStringList& value) { m_noCompressList = value; }
    bool AddDirEntriesOnRecurse() const { return m_addDirEntriesOnRecurse; }
    void SetAddDirEntriesOnRecurse(bool value) { m_addDirEntriesOnRecurse = value; }
    // Store short (8.3) names. Files on Linux have no short names: names are
    // stored as they are either way.
    bool Store83Names() const { return m_store83Names; }
    void SetStore83Names(bool value) { m_store83Names = value; }
    // Take only files with the archive attribute, which every file carries here.
    bool SkipIfArchiveBitNotSet() const { return m_skipIfArchiveBitNotSet; }
    void SetSkipIfArchiveBitNotSet(bool value) { m_skipIfArchiveBitNotSet = value; }
    // Clear the archive attribute of each file added. Linux files have no
    // attribute to clear: the files stay as they are.
    bool ResetArchiveBitOnZip() const { return m_resetArchiveBitOnZip; }
    void SetResetArchiveBitOnZip(bool value) { m_resetArchiveBitOnZip = value; }

    TMultiMode MultiMode() const override { return m_multiZipInfo.MultiMode; }
    void SetMultiMode(TMultiMode value) override;
    bool CheckDiskLabels() const override { return m_multiZipInfo.CheckDiskLabels; }
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

    // Events ------------------------------------------------------------------------------
    TStartZipEvent OnStartZip;
    TStartZipInfo OnStartZipInfo;
    TEndZipFileEvent OnEndZip;
    TDisposeEvent OnDisposeFile;
    TNoSuchFileEvent OnNoSuchFile;
    TZipComplete OnZipComplete;
    TUpdateEvent OnUpdate;
    TPrepareNextDisk OnPrepareNextDisk;
    TOnRecursingFile OnRecursingFile;
    // Deleting entries from an archive: no operation of the program does it,
    // and the event is never raised.
    TDeleteEvent OnDeleteEntry;
    // When assigned, encrypts every block written of an entry with a
    // password (its 12-byte header first) in place of the built-in encryption.
    TEncryptEvent OnEncrypt;

    // Bytes reserved on the first disk per file for a directory copy (with
    // and without stored folders), and in all.
    static constexpr qint64 DirectoryCopyPerFile = 83;
    static constexpr qint64 DirectoryCopyPerFileWithoutPaths = 58;
    static constexpr qint64 DirectoryCopyReserve = 2048;

private:
    friend class TZipRun;
    friend class TZipFileCollector;

    int m_packLevel = 6;
    bool m_recurse = false;
    bool m_dispose = false;
    bool m_storePaths = false;
    bool m_relativePaths = false;
    bool m_storeVolumes = false;
    TZipAction m_zipAction = TZipAction::zaUpdate;
    TMultiZipInfo m_multiZipInfo;
    QString m_tempPath;
    QStringList m_excludeList;
    QStringList m_noCompressList;
    bool m_addDirEntriesOnRecurse = false;
    bool m_store83Names = false;
    bool m_skipIfArchiveBitNotSet = false;
    bool m_resetArchiveBitOnZip = false;
};
