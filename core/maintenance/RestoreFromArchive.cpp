#include "core/maintenance/RestoreFromArchive.h"

#include "core/maintenance/WorkFolder.h"
#include "platform/db/EIBError.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBRestoreService.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"
#include "platform/os/DurableFile.h"
#include "platform/os/TempPaths.h"
#include "zip/TZipWriter.h"
#include "zip/ZipExceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

const QString RestoreFromArchive::RestoredPrefix = QStringLiteral(".dbdef-restauracao-");
const QString RestoreFromArchive::RestoredSuffix = QStringLiteral(".tmp");

namespace {

const QString WorkPrefix = QStringLiteral("zeb-restore-");
constexpr qint64 CopyBlock = 1 << 20;
constexpr int RestorePageSize = 4096;
constexpr int RestorePageBuffers = 100;

QString NaoRestaurado(const QString& archive, const QString& reason) {
    return QStringLiteral("Não foi possível restaurar o arquivo de backup %1:\r\r%2").arg(archive, reason);
}

struct UnzipSettings {
    TZipWriter& zip;
    TBadCRC badCrc = zip.OnBadCRC;
    TSkippingFile skipping = zip.OnSkippingFile;
    TEndUnZipEvent endUnZip = zip.OnEndUnZip;
    ~UnzipSettings() {
        zip.OnBadCRC = badCrc;
        zip.OnSkippingFile = skipping;
        zip.OnEndUnZip = endUnZip;
        zip.ClearZip();
    }
};

} // namespace

RestoreFromArchive::RestoreFromArchive(TIBDatabase& database, TZipWriter& zip)
    : m_database(database), m_zip(zip) {}

void RestoreFromArchive::Say(const QString& text) const {
    if (Status)
        Status(text);
}

void RestoreFromArchive::Run(const QString& archive) {
    const QString live = m_database.DatabaseName();
    const QString liveFolder = QFileInfo(live).absolutePath();
    if (m_database.Connected())
        m_database.Close();
    WorkFolder work(WorkPrefix);
    Say(QStringLiteral("Descompactando o arquivo de backup..."));
    const QString extracted = Unpack(archive, work.Path());
    if (!QFileInfo(extracted).isFile())
        throw Exception(QStringLiteral("Não foi possível encontrar o arquivo para restauração:\r") +
                        extracted);

    Say(QStringLiteral("Reconstruindo banco de dados... Por favor aguarde..."));
    RemoveLeftovers(liveFolder);
    const QString restored = TempPaths::CreateFile(RestoredPrefix, RestoredSuffix, liveFolder);
    try {
        if (OpensAsDatabase(extracted)) {
            CopyFile(extracted, restored);
        } else {
            try {
                RunRestoreService(extracted, restored);
            } catch (const EIBError& e) {
                throw Exception(NaoRestaurado(
                    archive,
                    QStringLiteral("o arquivo %1 contido nele não é um banco de dados nem uma cópia de "
                                   "segurança que possa ser restaurada.\r\r%2")
                        .arg(QFileInfo(extracted).fileName(), e.Message())));
            }
        }
        DataVersionOf(restored, m_database.Params());
        if (Refuse && Refuse(restored))
            throw Exception(QStringLiteral("Restauração cancelada."));
        // The restored file takes the live file's permissions.
        if (QFileInfo::exists(live))
            QFile::setPermissions(restored, QFile::permissions(live));
        DurableFile::Replace(restored, live);
    } catch (...) {
        QFile::remove(restored);
        throw;
    }
}

QString RestoreFromArchive::Unpack(const QString& archive, const QString& folder) {
    UnzipSettings settings{m_zip};
    bool damaged = false;
    QString last;
    m_zip.OnBadCRC = TBadCRC::fromFunction([&](TObject*, quint32, quint32, int) { damaged = true; });
    m_zip.OnSkippingFile =
        TSkippingFile::fromFunction([&](TObject*, TSkipReason, const QString&, int, bool& retry) {
            damaged = true;
            retry = false;
        });
    m_zip.OnEndUnZip = TEndUnZipEvent::fromFunction([&](TObject*, int, const QString& name) { last = name; });
    int count = 0;
    try {
        m_zip.SetZipName(archive);
        m_zip.SetDestDir(folder);
        m_zip.SetDoAll(true);
        m_zip.FilesList().clear();
        count = m_zip.UnZip();
    } catch (const EUserCanceled&) {
        throw;
    } catch (const Exception& e) {
        throw Exception(NaoRestaurado(
            archive, QStringLiteral("o arquivo não é um arquivo zip legível (%1).").arg(e.Message())));
    }
    if (damaged)
        throw Exception(NaoRestaurado(archive, QStringLiteral("o conteúdo do arquivo zip está danificado.")));
    if (count <= 0 || last.isEmpty())
        throw Exception(QStringLiteral("Não foi possível restaurar o arquivo de backup."));
    return last;
}

bool RestoreFromArchive::OpensAsDatabase(const QString& file) const {
    TIBDatabase probe;
    probe.SetDatabaseName(file);
    probe.SetParams(m_database.Params());
    probe.SetLoginPrompt(false);
    try {
        probe.Open();
    } catch (const Exception&) {
        return false;
    }
    probe.Close();
    return true;
}

QString RestoreFromArchive::DataVersionOf(const QString& file, const QStringList& params) {
    const QString notOurs =
        QStringLiteral("O arquivo restaurado não é um banco de dados deste sistema:\r%1\r\r%2").arg(file);
    TIBDatabase database;
    database.SetDatabaseName(file);
    database.SetParams(params);
    database.SetLoginPrompt(false);
    TIBTransaction transaction;
    transaction.SetDefaultDatabase(&database);
    TIBSQL sql;
    sql.SetDatabase(&database);
    sql.SetTransaction(&transaction);
    QString version;
    try {
        database.Open();
        transaction.StartTransaction();
        sql.SetSQLText(QStringLiteral("SELECT TX_PARAM1 FROM PARAMETROS_DEF WHERE ID_PARAMETRO = 1"));
        sql.ExecQuery();
        if (!sql.Eof())
            version = sql.FieldByName(QStringLiteral("TX_PARAM1")).AsString().trimmed();
        sql.Close();
        transaction.Commit();
        database.Close();
    } catch (const Exception& e) {
        throw Exception(notOurs.arg(e.Message()));
    }
    if (version.isEmpty())
        throw Exception(notOurs.arg(QStringLiteral("Falta a versão dos dados.")));
    return version;
}

void RestoreFromArchive::CopyFile(const QString& from, const QString& to) const {
    const QString failure =
        QStringLiteral("Não foi possível restaurar arquivo:\r\rDe: %1\rPara: %2").arg(from, to);
    QFile source(from);
    QFile target(to);
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw Exception(failure);
    const qint64 size = source.size();
    qint64 copied = 0;
    QByteArray block;
    while (copied < size) {
        block = source.read(std::min(CopyBlock, size - copied));
        if (block.isEmpty() || target.write(block) != block.size())
            throw Exception(failure + QStringLiteral("\r\r") + target.errorString());
        copied += block.size();
        if (Cancelled && Cancelled())
            throw EUserCanceled(QStringLiteral("Restauração cancelada pelo usuário."));
    }
    if (!target.flush())
        throw Exception(failure + QStringLiteral("\r\r") + target.errorString());
}

void RestoreFromArchive::RunRestoreService(const QString& backupFile, const QString& target) {
    TIBRestoreService service;
    service.SetName(QStringLiteral("ibRestore"));
    service.SetParams(m_database.Params().filter(QStringLiteral("user_name"), Qt::CaseInsensitive) +
                      m_database.Params().filter(QStringLiteral("password"), Qt::CaseInsensitive));
    service.SetServerName(QString());
    service.SetLoginPrompt(false);
    service.Attach();
    service.SetVerbose(true);
    // Replace: the target is the empty file made for it, never the live one.
    service.SetOptions(TIBRestoreService::Replace | TIBRestoreService::UseAllSpace);
    service.SetPageBuffers(RestorePageBuffers);
    service.SetPageSize(RestorePageSize);
    service.SetDatabaseName({target});
    service.SetBackupFile({backupFile});
    service.ServiceStart();
    while (!service.Eof()) {
        const QString line = service.GetNextLine();
        if (!line.isEmpty())
            Say(line);
        if (Cancelled && Cancelled())
            throw EUserCanceled(QStringLiteral("Restauração cancelada pelo usuário."));
    }
}

void RestoreFromArchive::RemoveLeftovers(const QString& folder) const {
    const QString pattern = RestoredPrefix + QStringLiteral("??????") + RestoredSuffix;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(dir.filePath(name));
}
