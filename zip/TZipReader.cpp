#include "zip/TZipReader.h"

#include "platform/base/TPrompter.h"
#include "platform/os/LocalPath.h"
#include "zip/DosDateTime.h"
#include "zip/TBufferedFileStream.h"
#include "zip/TZipDirectoryReader.h"
#include "zip/TZipExtractor.h"
#include "zip/ZipExceptions.h"
#include "zip/ZipFiles.h"
#include "zip/ZipNameCodec.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A disk is accepted when the last three of the first eleven characters of
// its label are its number.
constexpr int kLabelLength = 11;

QString DiskNumberText(int disk) {
    return QStringLiteral("%1").arg(disk, 3, 10, QLatin1Char('0'));
}

} // namespace

TZipReader::TZipReader(TComponent* owner)
    : TComponent(owner), m_systemMedia(std::make_unique<TZipMedia>()), m_media(m_systemMedia.get()) {
    OnGetNextDisk = TGetNextDisk(this, &TZipReader::DefaultGetNextDisk);
}

TZipReader::~TZipReader() = default;

void TZipReader::SetMedia(TZipMedia* media) {
    m_media = media ? media : m_systemMedia.get();
}

void TZipReader::Assign(const TZipReader& source) {
    if (&source == this)
        return;
    SetZipName(source.m_zipName);
    m_destDir = source.m_destDir;
    m_rootDir = source.m_rootDir;
    Sort(source.m_sortMode);
    m_recreateDirs = source.m_recreateDirs;
    m_overwriteMode = source.m_overwriteMode;
    m_filesList = source.m_filesList;
    m_doAll = source.m_doAll;
    m_incompleteZipMode = source.m_incompleteZipMode;
    m_keepZipOpen = source.m_keepZipOpen;
    m_doProcessMessages = source.m_doProcessMessages;
    m_retainAttributes = source.m_retainAttributes;
    m_replaceReadOnly = source.m_replaceReadOnly;
    OnStartUnZipInfo = source.OnStartUnZipInfo;
    OnFilePercentDone = source.OnFilePercentDone;
    OnTotalPercentDone = source.OnTotalPercentDone;
    OnStartUnZip = source.OnStartUnZip;
    OnEndUnZip = source.OnEndUnZip;
    OnPromptForOverwrite = source.OnPromptForOverwrite;
    OnSkippingFile = source.OnSkippingFile;
    OnBadPassword = source.OnBadPassword;
    OnBadCRC = source.OnBadCRC;
    OnInCompleteZip = source.OnInCompleteZip;
    // The source's own default handler asks on the source's behalf: this
    // component keeps its own default instead.
    const bool defaultNextDisk = source.OnGetNextDisk == TGetNextDisk(const_cast<TZipReader*>(&source),
                                                                      &TZipReader::DefaultGetNextDisk);
    OnGetNextDisk =
        defaultNextDisk ? TGetNextDisk(this, &TZipReader::DefaultGetNextDisk) : source.OnGetNextDisk;
    OnUnZipComplete = source.OnUnZipComplete;
    OnGetNextBuffer = source.OnGetNextBuffer;
}

// ---- properties -------------------------------------------------------------------

void TZipReader::SetZipName(const QString& value) {
    if (value.compare(m_zipName, Qt::CaseInsensitive) == 0)
        return;
    QString name = value;
    if (name.endsWith(u'?')) {
        TPromptRequest request;
        request.Kind = TPromptKind::pkOpenFile;
        request.Caption = QStringLiteral("Open a Zip File");
        request.Filter = QStringLiteral(
            "Zip Files (*.ZIP)|*.zip|SFX Files (*.EXE)|*.exe|Jar Files (*.JAR)|*.jar|All Files (*.*)|*.*");
        const QString folder = ZipFiles::FolderOf(name.chopped(1));
        request.InitialDir = !folder.isEmpty() && ZipFiles::FolderExists(folder)
                                 ? folder
                                 : LocalPath::FromWindows(QStringLiteral("C:\\"));
        const TPromptResult answer = TPrompter::Current().Prompt(request);
        if (answer.Path.isEmpty())
            throw EUserCanceled(QStringLiteral("User canceled setting zip file name."));
        name = answer.Path;
    }
    m_zipName = name;
    m_directory.Clear();
    m_view.reset();
    m_endCentral.Reset();
    m_haveDirectory = false;
    CloseArchive();
}

void TZipReader::SetDestDir(const QString& value) {
    QString folder = value;
    if (folder == QStringLiteral("?")) {
        TPromptRequest request;
        request.Kind = TPromptKind::pkFolder;
        request.InitialDir = ZipFiles::FolderExists(m_destDir) ? m_destDir : QDir::currentPath();
        const TPromptResult answer = TPrompter::Current().Prompt(request);
        if (answer.Path.isEmpty())
            throw EUserCanceled(QStringLiteral("User canceled Set Desination Directory"));
        folder = answer.Path;
    }
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    m_destDir = folder;
}

void TZipReader::SetRootDir(const QString& value) {
    m_rootDir = value.isEmpty() || value.endsWith(u'/') ? value : value + u'/';
}

// ---- archive ---------------------------------------------------------------------------

void TZipReader::CloseArchive() {
    m_archive.reset();
}

void TZipReader::CloseZip() {
    if (!m_keepZipOpen)
        CloseArchive();
}

void TZipReader::ClearZip() {
    CloseArchive();
    m_directory.Clear();
    m_view.reset();
    m_endCentral.Reset();
    m_haveDirectory = false;
    m_currentDisk = 0;
    m_diskCount = 0;
    m_multiMode = TMultiMode::mmNone;
    m_zipName.clear();
}

void TZipReader::OpenZip() {
    if (!m_archive)
        m_archive = std::make_unique<TBufferedFileStream>(m_zipName, TFileMode::fmOpenRead,
                                                          ZipFormat::StreamBufferSize, m_flushFilesOnClose);
    const QFileInfo info(m_zipName);
    if (m_haveDirectory && info.lastModified() == m_archiveDate && info.size() == m_archiveSize)
        return;
    TZipDirectoryReader(*this).Read();
}

void TZipReader::ReadZip() {
    for (int attempt = 1;; ++attempt) {
        try {
            OpenZip();
            return;
        } catch (const EIncompleteZip&) {
            if (!OnInCompleteZip)
                return; // raised again by the next OpenZip
            CloseArchive();
            if (attempt >= MaxDiskRequests)
                throw;
        } catch (...) {
            ClearZip();
            throw;
        }
    }
}

void TZipReader::Sort(TZipSortMode mode) {
    m_sortMode = mode;
    RebuildView();
}

void TZipReader::RebuildView() {
    m_view.reset();
    if (m_sortMode == TZipSortMode::ByNone)
        return;
    m_view = std::make_unique<TSortedZip>(m_sortMode, false);
    for (TZipHeaderInfo* entry : m_directory.Entries())
        m_view->AddShared(entry);
}

// ---- disks --------------------------------------------------------------------------------

void TZipReader::AskForNewDisk(int diskNumber) {
    CloseArchive();
    for (int request = 0;; ++request) {
        if (request >= MaxDiskRequests)
            throw EZipError(QStringLiteral("Disk %1 of the archive was not found").arg(diskNumber));
        QString name = m_zipName;
        OnGetNextDisk(this, diskNumber, name);
        if (name.isEmpty() || m_cancel) {
            m_cancel = false;
            throw EUserCanceled(QStringLiteral("User canceled loading new disk."));
        }
        if (CheckDiskLabels() && m_multiMode == TMultiMode::mmSpan) {
            const QString label = m_media->Labels().ReadLabel(name).left(kLabelLength);
            if (label.right(3) != DiskNumberText(diskNumber))
                continue;
        }
        if (!ZipFiles::FileExists(name))
            continue;
        m_archive = std::make_unique<TBufferedFileStream>(name, TFileMode::fmOpenRead,
                                                          ZipFormat::StreamBufferSize, m_flushFilesOnClose);
        m_currentDisk = diskNumber - 1;
        const QFileInfo info(name);
        m_archiveDate = info.lastModified();
        m_archiveSize = info.size();
        m_zipName = name;
        return;
    }
}

void TZipReader::DefaultGetNextDisk(TObject*, int nextDisk, QString& fileName) {
    if (m_multiMode != TMultiMode::mmSpan) {
        fileName = ZipFiles::ReplaceExtension(fileName, u'.' + DiskNumberText(nextDisk));
        return;
    }
    TPromptRequest request;
    request.Text = QStringLiteral("Please insert disk %1 of the multi-disk set.").arg(nextDisk);
    request.Buttons = {TMsgDlgBtn::mbOK, TMsgDlgBtn::mbCancel};
    if (TPrompter::Current().Prompt(request).Button != mrOk)
        fileName.clear();
}

// ---- run-time helpers -------------------------------------------------------------------------

void TZipReader::ProcessMessages() {
    if (!m_doProcessMessages)
        return;
    if (m_messagePump)
        m_messagePump();
    if (m_cancel) {
        m_cancel = false;
        throw EUserCanceled(QStringLiteral("User Aborted Operation"));
    }
}

int TZipReader::Percent(qint64 part, qint64 whole) {
    if (whole <= 0)
        return 0;
    const qint64 percent = (part * 100 + whole / 2) / whole;
    return static_cast<int>(std::clamp<qint64>(percent, 0, 100));
}

void TZipReader::FireTotalPercent() {
    OnTotalPercentDone(this, Percent(m_bytesDone, m_totalBytes));
}

int TZipReader::UnZip() {
    return TZipExtractor(*this).Run();
}

// ---- directory ------------------------------------------------------------------------------------

int TZipReader::Count() const {
    return m_directory.Count();
}

const TZipHeaderInfo& TZipReader::Entry(int index) const {
    if (index < 0 || index >= Count())
        throw EListError(QStringLiteral("Index %1 is out of range").arg(index));
    return m_view ? *m_view->Items(index) : *m_directory.Items(index);
}

QDateTime TZipReader::DateTime(int index) const {
    return DosDateTime::ToDateTime(Entry(index).LastModFileDate);
}

QString TZipReader::FileComment(int index) const {
    const TZipHeaderInfo& entry = Entry(index);
    return ZipNameCodec::Decode(entry.FileComment(), entry.Flag, entry.HostSystem(), m_oemConvert);
}

void TZipReader::SetFileComment(int index, const QString& comment) {
    Entry(index);
    TZipHeaderInfo& entry = m_view ? *m_view->Items(index) : *m_directory.Items(index);
    entry.SetFileComment(ZipNameCodec::EncodeAs(comment, entry.Flag & ZipFormat::FlagUtf8, m_oemConvert));
    m_endCentral.Modified = true;
}

QString TZipReader::ZipComment() const {
    return ZipNameCodec::Decode(m_endCentral.Comment, 0, ZipFormat::HostMsDos, m_oemConvert);
}

void TZipReader::SetZipComment(const QString& comment) {
    m_endCentral.Comment = ZipNameCodec::EncodeAs(comment, false, m_oemConvert);
    m_endCentral.Modified = true;
}
