#include "core/maintenance/BackupToArchive.h"

#include "core/maintenance/WorkFolder.h"
#include "platform/db/TIBBackupService.h"
#include "platform/db/TIBDatabase.h"
#include "platform/os/DurableFile.h"
#include "zip/TZipWriter.h"
#include "zip/ZipExceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

const QString BackupToArchive::StagingPrefix = QStringLiteral(".BkpZeb-");

namespace {

const QString WorkPrefix = QStringLiteral("zeb-backup-");

// Puts back the connection's state and the zip component's settings and
// handlers that a step changes, whatever happens.
struct ConnectionState {
    TIBDatabase& database;
    bool connected;
    ~ConnectionState() {
        try {
            if (connected && !database.Connected())
                database.Open();
        } catch (const Exception&) {
            // The caller connects again and reports a failure then.
        }
    }
};

struct ReaderSettings {
    TZipWriter& zip;
    TMultiMode multiMode = zip.MultiZipInfo().MultiMode;
    TBadCRC badCrc = zip.OnBadCRC;
    TSkippingFile skipping = zip.OnSkippingFile;
    TEndUnZipEvent endUnZip = zip.OnEndUnZip;
    ~ReaderSettings() {
        zip.MultiZipInfo().MultiMode = multiMode;
        zip.OnBadCRC = badCrc;
        zip.OnSkippingFile = skipping;
        zip.OnEndUnZip = endUnZip;
        zip.ClearZip();
    }
};

} // namespace

BackupToArchive::BackupToArchive(TIBDatabase& database, TZipWriter& zip) : m_database(database), m_zip(zip) {}

QString BackupToArchive::BackupFileName(const QString& databaseName) {
    return QFileInfo(databaseName).completeBaseName() + QStringLiteral(".bkp");
}

void BackupToArchive::Say(const QString& text) const {
    if (Status)
        Status(text);
}

QStringList BackupToArchive::Run(const QString& target) {
    const QFileInfo targetInfo(target);
    WorkFolder work(WorkPrefix);
    const QString backupFile = work.FilePath(BackupFileName(m_database.DatabaseName()));
    RunBackupService(backupFile);
    const qint64 backupSize = QFileInfo(backupFile).size();

    WorkFolder staging(StagingPrefix, targetInfo.absolutePath());
    const QStringList staged = Pack(backupFile, staging.FilePath(targetInfo.fileName()));
    // The backup is no longer needed; the check reads the archive back into
    // the work folder.
    QFile::remove(backupFile);
    Verify(staged.last(), backupSize, work.Path());

    QStringList written;
    for (const QString& file : staged) {
        const QString finalName = targetInfo.absoluteDir().filePath(QFileInfo(file).fileName());
        DurableFile::Replace(file, finalName);
        written << finalName;
    }
    return written;
}

void BackupToArchive::RunBackupService(const QString& backupFile) {
    TIBBackupService service;
    service.SetName(QStringLiteral("ibBkp"));
    service.SetParams(m_database.Params().filter(QStringLiteral("user_name"), Qt::CaseInsensitive) +
                      m_database.Params().filter(QStringLiteral("password"), Qt::CaseInsensitive));
    service.SetServerName(QString());
    service.SetLoginPrompt(false);
    service.Attach();
    ConnectionState state{m_database, m_database.Connected()};
    if (m_database.Connected())
        m_database.Close();
    // The service's lines (one per table and batch of rows) show the work
    // going on and give the Abort button its moments.
    service.SetVerbose(true);
    service.SetOptions(TIBBackupService::IgnoreLimbo | TIBBackupService::NonTransportable);
    service.SetDatabaseName(m_database.DatabaseName());
    service.SetBackupFile({backupFile});
    service.ServiceStart();
    while (!service.Eof()) {
        const QString line = service.GetNextLine();
        if (!line.isEmpty())
            Say(line);
        if (Cancelled && Cancelled())
            throw EUserCanceled(QStringLiteral("Backup cancelado pelo usuário."));
    }
    DurableFile::Sync(backupFile);
}

QStringList BackupToArchive::Pack(const QString& backupFile, const QString& stagedArchive) {
    const TMultiZipInfo before = m_zip.MultiZipInfo();
    struct Restore {
        TZipWriter& zip;
        TMultiZipInfo info;
        ~Restore() { zip.SetMultiZipInfo(info); }
    } restore{m_zip, before};
    if (PieceSize > 0) {
        m_zip.MultiZipInfo().MultiMode = TMultiMode::mmBlocks;
        m_zip.MultiZipInfo().FirstBlockSize = std::max(PieceSize, TMultiZipInfo::MinBlockSize);
        m_zip.MultiZipInfo().BlockSize = std::max(PieceSize, TMultiZipInfo::MinBlockSize);
    } else {
        m_zip.MultiZipInfo().MultiMode = TMultiMode::mmNone;
    }
    m_zip.SetZipName(stagedArchive);
    m_zip.FilesList().clear();
    m_zip.FilesList().append(backupFile);
    const int added = m_zip.Zip();
    const QString last = m_zip.ZipName();
    m_zip.ClearZip();
    if (added != 1)
        throw Exception(QStringLiteral("Não foi possível compactar o arquivo de backup %1.").arg(backupFile));
    // An archive that fits in one piece keeps its name.
    if (PieceSize <= 0 || last == stagedArchive)
        return {stagedArchive};
    const QFileInfo lastInfo(last);
    const QStringList pieces =
        lastInfo.absoluteDir().entryList({lastInfo.completeBaseName() + QStringLiteral(".[0-9][0-9][0-9]")},
                                         QDir::Files | QDir::Hidden, QDir::Name);
    QStringList paths;
    for (const QString& piece : pieces)
        paths << lastInfo.absoluteDir().filePath(piece);
    if (paths.isEmpty() || paths.last() != lastInfo.absoluteFilePath())
        throw Exception(QStringLiteral("Não foi possível compactar o arquivo de backup %1.").arg(backupFile));
    return paths;
}

void BackupToArchive::Verify(const QString& archive, qint64 expectedSize, const QString& scratch) {
    Say(QStringLiteral("Verificando o arquivo gerado..."));
    ReaderSettings settings{m_zip};
    bool damaged = false;
    QString extracted;
    m_zip.OnBadCRC = TBadCRC::fromFunction([&](TObject*, quint32, quint32, int) { damaged = true; });
    m_zip.OnSkippingFile =
        TSkippingFile::fromFunction([&](TObject*, TSkipReason, const QString&, int, bool& retry) {
            damaged = true;
            retry = false;
        });
    m_zip.OnEndUnZip =
        TEndUnZipEvent::fromFunction([&](TObject*, int, const QString& name) { extracted = name; });
    m_zip.MultiZipInfo().MultiMode = TMultiMode::mmNone;
    m_zip.SetZipName(archive);
    m_zip.SetDestDir(scratch);
    m_zip.SetDoAll(true);
    m_zip.FilesList().clear();
    const int count = m_zip.UnZip();
    const qint64 size = extracted.isEmpty() ? -1 : QFileInfo(extracted).size();
    if (!extracted.isEmpty())
        QFile::remove(extracted);
    if (damaged || count != 1 || size != expectedSize)
        throw Exception(
            QStringLiteral("O arquivo gerado não pôde ser lido de volta corretamente: %1").arg(archive));
}
