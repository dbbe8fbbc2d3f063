#pragma once
// The zip reader component: opens an archive, reads its central directory
// and extracts the chosen entries into a destination folder. It decodes the
// stored, shrunk, reduced, imploded and deflated methods, checks each
// entry's CRC, handles the traditional password encryption, follows an
// archive over several disks or numbered pieces, and reports progress and
// every decision through events. Per-entry problems never raise: they fire
// OnSkippingFile or OnBadCRC and the run goes on.
//
// Paths are this system's ("/"); entries hold their folders with
// backslashes. Extraction never writes outside the destination folder.

#include "platform/base/TComponent.h"
#include "platform/base/TEvent.h"
#include "zip/TEndCentral.h"
#include "zip/TSortedZip.h"
#include "zip/TZipHeaderInfo.h"
#include "zip/TZipMedia.h"
#include "zip/ZipTypes.h"

#include <QDateTime>
#include <QStringList>
#include <functional>
#include <memory>

class TBufferedFileStream;

using TStartUnzipInfo = TEvent<TObject*, int /*NumFiles*/, qint64 /*TotalBytes*/, bool& /*StopNow*/>;
using TFilePercentDone = TEvent<TObject*, int /*Percent*/>;
using TTotalPercentDone = TEvent<TObject*, int /*Percent*/>;
using TStartUnZipEvent = TEvent<TObject*, int /*FileIndex*/, QString& /*FName*/, bool& /*Skip*/>;
using TEndUnZipEvent = TEvent<TObject*, int /*FileIndex*/, const QString& /*FName*/>;
using TPromptForOverwrite = TEvent<TObject*, bool& /*OverWriteIt*/, int /*FileIndex*/, QString& /*FName*/>;
using TSkippingFile =
    TEvent<TObject*, TSkipReason /*Reason*/, const QString& /*FName*/, int /*FileIndex*/, bool& /*Retry*/>;
using TBadPassword = TEvent<TObject*, int /*FileIndex*/, QString& /*NewPassword*/>;
using TBadCRC = TEvent<TObject*, quint32 /*CalcCRC*/, quint32 /*StoredCRC*/, int /*FileIndex*/>;
using TIncompleteZip = TEvent<TObject*, TIncompleteZipMode& /*IncompleteMode*/>;
using TGetNextDisk = TEvent<TObject*, int /*NextDisk*/, QString& /*FName*/>;
using TUnZipComplete = TEvent<TObject*, int /*FileCount*/>;
using TGetNextBuffer = TEvent<TObject*, char*& /*Buffer*/, const QString& /*FName*/, int /*AmountUsed*/,
                              int /*BufferNum*/, bool& /*Quit*/>;
using TDecryptEvent = TEvent<TObject*, std::uint8_t* /*buffer*/, int /*length*/, const QString& /*Password*/>;

class TZipReader : public TComponent {
public:
    explicit TZipReader(TComponent* owner = nullptr);
    ~TZipReader() override;

    // Properties ------------------------------------------------------------------
    // The component's version, always 100: the setter stores 100 whatever it is given.
    int ComponentVersion() const { return m_componentVersion; }
    void SetComponentVersion(int) { m_componentVersion = Version; }
    const QString& ZipName() const { return m_zipName; }
    // A new name (compared case-insensitively) drops the directory read and
    // closes the archive. A name ending in "?" asks for the archive with a
    // file dialog (EUserCanceled when cancelled).
    virtual void SetZipName(const QString& value);
    // Kept without a trailing "/"; "?" asks for a folder (EUserCanceled when
    // cancelled). Empty: the current folder.
    const QString& DestDir() const { return m_destDir; }
    void SetDestDir(const QString& value);
    // A leading folder removed from stored paths on extraction (and the base
    // of relative paths in the writer); kept with a trailing "/".
    const QString& RootDir() const { return m_rootDir; }
    void SetRootDir(const QString& value);
    TZipSortMode SortMode() const { return m_sortMode; }
    void SetSortMode(TZipSortMode mode) { Sort(mode); }
    bool RecreateDirs() const { return m_recreateDirs; }
    void SetRecreateDirs(bool value) { m_recreateDirs = value; }
    TUZOverwriteMode OverwriteMode() const { return m_overwriteMode; }
    void SetOverwriteMode(TUZOverwriteMode value) { m_overwriteMode = value; }
    // Wildcard patterns of the entries to extract (or, for the writer, files to add).
    QStringList& FilesList() { return m_filesList; }
    void SetFilesList(const QStringList& value) { m_filesList = value; }
    bool DoAll() const { return m_doAll; }
    void SetDoAll(bool value) { m_doAll = value; }
    TIncompleteZipMode IncompleteZipMode() const { return m_incompleteZipMode; }
    void SetIncompleteZipMode(TIncompleteZipMode value) { m_incompleteZipMode = value; }
    bool KeepZipOpen() const { return m_keepZipOpen; }
    void SetKeepZipOpen(bool value) { m_keepZipOpen = value; }
    bool DoProcessMessages() const { return m_doProcessMessages; }
    void SetDoProcessMessages(bool value) { m_doProcessMessages = value; }
    bool RetainAttributes() const { return m_retainAttributes; }
    void SetRetainAttributes(bool value) { m_retainAttributes = value; }
    bool ReplaceReadOnly() const { return m_replaceReadOnly; }
    void SetReplaceReadOnly(bool value) { m_replaceReadOnly = value; }
    bool FlushFilesOnClose() const { return m_flushFilesOnClose; }
    void SetFlushFilesOnClose(bool value) { m_flushFilesOnClose = value; }
    // Names in archives are in the OEM code page (850), else the ANSI page (1252).
    bool OEMConvert() const { return m_oemConvert; }
    void SetOEMConvert(bool value) { m_oemConvert = value; }
    const QString& Password() const { return m_password; }
    void SetPassword(const QString& value) { m_password = value; }

    virtual TMultiMode MultiMode() const { return m_multiMode; }
    virtual void SetMultiMode(TMultiMode value) { m_multiMode = value; }
    virtual bool CheckDiskLabels() const { return m_checkDiskLabels; }
    virtual void SetCheckDiskLabels(bool value) { m_checkDiskLabels = value; }

    // The platform's message pump, called between blocks of long operations
    // while DoProcessMessages is set (a handler may call CancelOperation).
    void SetMessagePump(std::function<void()> pump) { m_messagePump = std::move(pump); }
    // The drives and labels to use instead of the running system's; it must
    // outlive the component (nullptr: the system's again).
    void SetMedia(TZipMedia* media);
    TZipMedia& Media() { return *m_media; }

    // Operations --------------------------------------------------------------------
    // Copies the settings and the event handlers (but OnDecrypt) of another
    // reader; the archive and its directory stay this component's own.
    virtual void Assign(const TZipReader& source);
    // Extracts the selected entries; returns how many were extracted.
    int UnZip();
    // Stops UnZip or Zip at the next message pump.
    void CancelOperation() { m_cancel = true; }
    bool Busy() const { return m_busy; }
    // Reads the directory of ZipName without extracting.
    void ReadZip();
    // Closes the archive, drops the directory and empties ZipName.
    void ClearZip();
    // Rebuilds the sorted view (ByNone: the archive's own order).
    void Sort(TZipSortMode mode);
    // Opens disk or piece diskNumber (1-based) through OnGetNextDisk.
    void AskForNewDisk(int diskNumber);

    // Directory -----------------------------------------------------------------------
    int Count() const;
    // The entry at index of the sorted view; EListError "Index %d is out of range".
    const TZipHeaderInfo& Entry(int index) const;
    QString Filename(int index) const { return Entry(index).FileName(); }
    QDateTime DateTime(int index) const;
    QString FileComment(int index) const;
    void SetFileComment(int index, const QString& comment);
    QString ZipComment() const;
    void SetZipComment(const QString& comment);
    // Disks of the archive read (1 for a single file).
    int DiskCount() const { return m_diskCount; }

    // Events ------------------------------------------------------------------------------
    TStartUnzipInfo OnStartUnZipInfo;
    TFilePercentDone OnFilePercentDone;
    TTotalPercentDone OnTotalPercentDone;
    TStartUnZipEvent OnStartUnZip;
    TEndUnZipEvent OnEndUnZip;
    TPromptForOverwrite OnPromptForOverwrite;
    TSkippingFile OnSkippingFile;
    TBadPassword OnBadPassword;
    TBadCRC OnBadCRC;
    TIncompleteZip OnInCompleteZip;
    // Installed by the constructor: names the next piece (the extension
    // replaced by the disk number, "%3.3d"), or for disks asks the user.
    TGetNextDisk OnGetNextDisk;
    TUnZipComplete OnUnZipComplete;
    // Extraction into a caller's memory buffer: no operation of the program
    // extracts so, and the event is never raised.
    TGetNextBuffer OnGetNextBuffer;
    // When assigned, decrypts the compressed data of encrypted entries (the
    // blocks after the 12-byte header, which the built-in keys check) in
    // place of the built-in decryption; stored data always use the built-in one.
    TDecryptEvent OnDecrypt;

    static constexpr int Version = 100;

    // Percent of part in whole: rounded, at most 100, 0 for an empty whole.
    static int Percent(qint64 part, qint64 whole);

    // Disk requests that may fail before AskForNewDisk gives up.
    static constexpr int MaxDiskRequests = 10;

protected:
    friend class TZipDirectoryReader;
    friend class TZipExtractor;

    // Opens the archive when closed and reads its directory unless the one
    // held is still current.
    void OpenZip();
    // Closes the archive unless KeepZipOpen is set.
    void CloseZip();
    void CloseArchive();
    // Pumps messages when asked to; a pending cancel raises EUserCanceled.
    void ProcessMessages();
    void RebuildView();
    void DefaultGetNextDisk(TObject* sender, int nextDisk, QString& fileName);
    void FireTotalPercent();

    int m_componentVersion = Version;
    QString m_zipName;
    QString m_destDir;
    QString m_rootDir;
    TZipSortMode m_sortMode = TZipSortMode::ByNone;
    bool m_recreateDirs = false;
    TUZOverwriteMode m_overwriteMode = TUZOverwriteMode::Prompt;
    QStringList m_filesList;
    bool m_doAll = false;
    TIncompleteZipMode m_incompleteZipMode = TIncompleteZipMode::izAssumeMulti;
    bool m_keepZipOpen = false;
    bool m_doProcessMessages = true;
    bool m_retainAttributes = true;
    bool m_replaceReadOnly = false;
    bool m_flushFilesOnClose = false;
    bool m_oemConvert = true;
    QString m_password;
    TMultiMode m_multiMode = TMultiMode::mmNone;
    bool m_checkDiskLabels = true;

    std::function<void()> m_messagePump;
    std::unique_ptr<TZipMedia> m_systemMedia;
    TZipMedia* m_media;

    // The open archive (or disk, or piece) and the state of the file when its directory was read.
    std::unique_ptr<TBufferedFileStream> m_archive;
    QDateTime m_archiveDate;
    qint64 m_archiveSize = -1;
    bool m_haveDirectory = false;
    // Entries in the archive's order (owning) and in the sort mode's (sharing).
    TSortedZip m_directory{TZipSortMode::ByNone, true};
    std::unique_ptr<TSortedZip> m_view;
    TEndCentral m_endCentral;
    int m_currentDisk = 0;
    int m_diskCount = 0;
    bool m_cancel = false;
    bool m_busy = false;
    qint64 m_totalBytes = 0;
    qint64 m_bytesDone = 0;
};
