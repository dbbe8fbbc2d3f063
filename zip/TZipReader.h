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
#include "zip/TZipHeaderInfo.h"
#include "zip/TZipMedia.h"
#include "zip/ZipArchive.h"
#include "zip/ZipEventSink.h"
#include "zip/ZipReaderEvents.h"
#include "zip/ZipReaderOptions.h"

#include <QDateTime>
#include <QStringList>
#include <functional>

// The events are those of ZipReaderEvents, members of the component.
class TZipReader : public TComponent, public ZipReaderEvents, private ZipEventSink {
public:
    explicit TZipReader(TComponent* owner = nullptr);
    ~TZipReader() override;

    // Properties ------------------------------------------------------------------
    // The component's version, always 100: the setter stores 100 whatever it is given.
    int ComponentVersion() const { return m_componentVersion; }
    void SetComponentVersion(int) { m_componentVersion = Version; }
    const QString& ZipName() const { return m_archive.Name(); }
    // A new name (compared case-insensitively) drops the directory read and
    // closes the archive. A name ending in "?" asks for the archive with a
    // file dialog (EUserCanceled when cancelled).
    virtual void SetZipName(const QString& value);
    // Kept without a trailing "/"; "?" asks for a folder (EUserCanceled when
    // cancelled). Empty: the current folder.
    const QString& DestDir() const { return m_options.DestDir; }
    void SetDestDir(const QString& value);
    // A leading folder removed from stored paths on extraction (and the base
    // of relative paths in the writer); kept with a trailing "/".
    const QString& RootDir() const { return m_options.RootDir; }
    void SetRootDir(const QString& value);
    TZipSortMode SortMode() const { return m_archive.SortMode(); }
    void SetSortMode(TZipSortMode mode) { Sort(mode); }
    bool RecreateDirs() const { return m_options.RecreateDirs; }
    void SetRecreateDirs(bool value) { m_options.RecreateDirs = value; }
    TUZOverwriteMode OverwriteMode() const { return m_options.OverwriteMode; }
    void SetOverwriteMode(TUZOverwriteMode value) { m_options.OverwriteMode = value; }
    // Wildcard patterns of the entries to extract (or, for the writer, files to add).
    QStringList& FilesList() { return m_options.FilesList; }
    void SetFilesList(const QStringList& value) { m_options.FilesList = value; }
    bool DoAll() const { return m_options.DoAll; }
    void SetDoAll(bool value) { m_options.DoAll = value; }
    TIncompleteZipMode IncompleteZipMode() const { return m_options.IncompleteZipMode; }
    void SetIncompleteZipMode(TIncompleteZipMode value) { m_options.IncompleteZipMode = value; }
    bool KeepZipOpen() const { return m_options.KeepZipOpen; }
    void SetKeepZipOpen(bool value) { m_options.KeepZipOpen = value; }
    bool DoProcessMessages() const { return m_options.DoProcessMessages; }
    void SetDoProcessMessages(bool value) { m_options.DoProcessMessages = value; }
    bool RetainAttributes() const { return m_options.RetainAttributes; }
    void SetRetainAttributes(bool value) { m_options.RetainAttributes = value; }
    bool ReplaceReadOnly() const { return m_options.ReplaceReadOnly; }
    void SetReplaceReadOnly(bool value) { m_options.ReplaceReadOnly = value; }
    bool FlushFilesOnClose() const { return m_options.FlushFilesOnClose; }
    void SetFlushFilesOnClose(bool value) { m_options.FlushFilesOnClose = value; }
    // Names in archives are in the OEM code page (850), else the ANSI page (1252).
    bool OEMConvert() const { return m_options.OEMConvert; }
    void SetOEMConvert(bool value) { m_options.OEMConvert = value; }
    const QString& Password() const { return m_options.Password; }
    void SetPassword(const QString& value) { m_options.Password = value; }

    virtual TMultiMode MultiMode() const { return m_archive.MultiMode(); }
    virtual void SetMultiMode(TMultiMode value) { m_archive.SetMultiMode(value); }
    virtual bool CheckDiskLabels() const { return m_options.CheckDiskLabels; }
    virtual void SetCheckDiskLabels(bool value) { m_options.CheckDiskLabels = value; }

    // The platform's message pump, called between blocks of long operations
    // while DoProcessMessages is set (a handler may call CancelOperation).
    void SetMessagePump(std::function<void()> pump) { m_messagePump = std::move(pump); }
    // The drives and labels to use instead of the running system's; it must
    // outlive the component (nullptr: the system's again).
    void SetMedia(TZipMedia* media) { m_archive.SetMedia(media); }
    TZipMedia& Media() { return m_archive.Media(); }

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
    void AskForNewDisk(int diskNumber) override;

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
    int DiskCount() const { return m_archive.DiskCount(); }

    static constexpr int Version = 100;

    // Percent of part in whole: rounded, at most 100, 0 for an empty whole.
    static int Percent(qint64 part, qint64 whole);

    // Disk requests that may fail before AskForNewDisk gives up.
    static constexpr int MaxDiskRequests = 10;

protected:
    // The handlers as one value.
    const ZipReaderEvents& Events() const { return *this; }
    ZipArchive& Archive() { return m_archive; }
    ZipReaderOptions& Options() { return m_options; }
    ZipEventSink& Sink() { return *this; }

    // ZipEventSink
    TObject* Sender() override { return this; }
    void ProcessMessages() override;
    bool TakeCancel() override;
    void ReadDirectory() override { ReadZip(); }
    void OpenZip() override;
    void CloseZip() override;
    // Starts an operation: busy, with no cancel pending.
    void BeginOperation();
    void EndOperation(bool forgetCancel);

private:
    void DefaultGetNextDisk(TObject* sender, int nextDisk, QString& fileName);

    int m_componentVersion = Version;
    ZipReaderOptions m_options;
    ZipArchive m_archive;
    std::function<void()> m_messagePump;
    bool m_cancel = false;
    bool m_busy = false;
};
