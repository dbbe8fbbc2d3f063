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
#include <QScopeGuard>

#include <utility>

namespace {

// A disk is accepted when the last three of the first eleven characters of
// its label are its number.
constexpr int kLabelLength = 11;

QString DiskNumberText(int disk) {
    return QStringLiteral("%1").arg(disk, 3, 10, QLatin1Char('0'));
}

} // namespace

TZipReader::TZipReader(TComponent* owner) : TComponent(owner) {
    OnGetNextDisk = TGetNextDisk(this, &TZipReader::DefaultGetNextDisk);
}

TZipReader::~TZipReader() = default;

void TZipReader::Assign(const TZipReader& source) {
    if (&source == this)
        return;
    SetZipName(source.ZipName());
    const ZipReaderOptions& from = source.m_options;
    m_options.DestDir = from.DestDir;
    m_options.RootDir = from.RootDir;
    Sort(source.SortMode());
    m_options.RecreateDirs = from.RecreateDirs;
    m_options.OverwriteMode = from.OverwriteMode;
    m_options.FilesList = from.FilesList;
    m_options.DoAll = from.DoAll;
    m_options.IncompleteZipMode = from.IncompleteZipMode;
    m_options.KeepZipOpen = from.KeepZipOpen;
    m_options.DoProcessMessages = from.DoProcessMessages;
    m_options.RetainAttributes = from.RetainAttributes;
    m_options.ReplaceReadOnly = from.ReplaceReadOnly;
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
    if (value.compare(m_archive.Name(), Qt::CaseInsensitive) == 0)
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
    m_archive.Rename(name);
}

void TZipReader::SetDestDir(const QString& value) {
    QString folder = value;
    if (folder == QStringLiteral("?")) {
        TPromptRequest request;
        request.Kind = TPromptKind::pkFolder;
        request.InitialDir =
            ZipFiles::FolderExists(m_options.DestDir) ? m_options.DestDir : QDir::currentPath();
        const TPromptResult answer = TPrompter::Current().Prompt(request);
        if (answer.Path.isEmpty())
            throw EUserCanceled(QStringLiteral("User canceled Set Desination Directory"));
        folder = answer.Path;
    }
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    m_options.DestDir = folder;
}

void TZipReader::SetRootDir(const QString& value) {
    m_options.RootDir = value.isEmpty() || value.endsWith(u'/') ? value : value + u'/';
}

// ---- archive ---------------------------------------------------------------------------

void TZipReader::CloseZip() {
    if (!m_options.KeepZipOpen)
        m_archive.Close();
}

void TZipReader::ClearZip() {
    m_archive.Clear();
}

void TZipReader::OpenZip() {
    m_archive.Open(m_options.FlushFilesOnClose);
    if (!m_archive.DirectoryIsCurrent())
        TZipDirectoryReader(m_archive, m_options, Events(), *this).Read();
}

void TZipReader::ReadZip() {
    for (int attempt = 1;; ++attempt) {
        try {
            OpenZip();
            return;
        } catch (const EIncompleteZip&) {
            if (!OnInCompleteZip)
                return; // raised again by the next OpenZip
            m_archive.Close();
            if (attempt >= MaxDiskRequests)
                throw;
        } catch (...) {
            ClearZip();
            throw;
        }
    }
}

void TZipReader::Sort(TZipSortMode mode) {
    m_archive.Sort(mode);
}

// ---- disks --------------------------------------------------------------------------------

void TZipReader::AskForNewDisk(int diskNumber) {
    m_archive.Close();
    for (int request = 0;; ++request) {
        if (request >= MaxDiskRequests)
            throw EZipError(QStringLiteral("Disk %1 of the archive was not found").arg(diskNumber));
        QString name = m_archive.Name();
        OnGetNextDisk(this, diskNumber, name);
        if (TakeCancel() || name.isEmpty())
            throw EUserCanceled(QStringLiteral("User canceled loading new disk."));
        if (CheckDiskLabels() && m_archive.MultiMode() == TMultiMode::mmSpan) {
            const QString label = m_archive.Media().Labels().ReadLabel(name).left(kLabelLength);
            if (label.right(3) != DiskNumberText(diskNumber))
                continue;
        }
        if (!ZipFiles::FileExists(name))
            continue;
        m_archive.OpenDisk(name, diskNumber, m_options.FlushFilesOnClose);
        return;
    }
}

void TZipReader::DefaultGetNextDisk(TObject*, int nextDisk, QString& fileName) {
    if (m_archive.MultiMode() != TMultiMode::mmSpan) {
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
    if (!m_options.DoProcessMessages)
        return;
    if (m_messagePump)
        m_messagePump();
    if (TakeCancel())
        throw EUserCanceled(QStringLiteral("User Aborted Operation"));
}

bool TZipReader::TakeCancel() {
    return std::exchange(m_cancel, false);
}

void TZipReader::BeginOperation() {
    m_busy = true;
    m_cancel = false;
}

void TZipReader::EndOperation(bool forgetCancel) {
    m_busy = false;
    if (forgetCancel)
        m_cancel = false;
}

int TZipReader::Percent(qint64 part, qint64 whole) {
    if (whole <= 0)
        return 0;
    const qint64 percent = (part * 100 + whole / 2) / whole;
    return static_cast<int>(std::clamp<qint64>(percent, 0, 100));
}

int TZipReader::UnZip() {
    BeginOperation();
    const auto end = qScopeGuard([this] { EndOperation(true); });
    return TZipExtractor(m_archive, m_options, Events(), *this).Run();
}

// ---- directory ------------------------------------------------------------------------------------

int TZipReader::Count() const {
    return m_archive.Count();
}

const TZipHeaderInfo& TZipReader::Entry(int index) const {
    return m_archive.Entry(index);
}

QDateTime TZipReader::DateTime(int index) const {
    return DosDateTime::ToDateTime(Entry(index).LastModFileDate);
}

QString TZipReader::FileComment(int index) const {
    const TZipHeaderInfo& entry = Entry(index);
    return ZipNameCodec::Decode(entry.FileComment(), entry.Flag, entry.HostSystem(), m_options.OEMConvert);
}

void TZipReader::SetFileComment(int index, const QString& comment) {
    TZipHeaderInfo& entry = m_archive.Entry(index);
    entry.SetFileComment(
        ZipNameCodec::EncodeAs(comment, entry.Flag & ZipFormat::FlagUtf8, m_options.OEMConvert));
    m_archive.EndCentral().Modified = true;
}

QString TZipReader::ZipComment() const {
    return ZipNameCodec::Decode(m_archive.EndCentral().Comment, 0, ZipFormat::HostMsDos,
                                m_options.OEMConvert);
}

void TZipReader::SetZipComment(const QString& comment) {
    m_archive.EndCentral().Comment = ZipNameCodec::EncodeAs(comment, false, m_options.OEMConvert);
    m_archive.EndCentral().Modified = true;
}
