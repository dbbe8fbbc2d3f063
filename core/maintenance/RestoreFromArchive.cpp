#include "core/maintenance/RestoreFromArchive.h"

#include "core/data/DataVersion.h"
#include "core/maintenance/WorkFolder.h"
#include "platform/db/EIBError.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBRestoreService.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"
#include "platform/os/DiskInfo.h"
#include "platform/os/DurableFile.h"
#include "platform/os/HeldPath.h"
#include "platform/os/Leftovers.h"
#include "platform/os/SystemError.h"
#include "platform/os/TempPaths.h"
#include "zip/TEndCentral.h"
#include "zip/TFileStream.h"
#include "zip/TZipWriter.h"
#include "zip/ZipExceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <climits>

const QString RestoreFromArchive::RestoredPrefix = QStringLiteral(".dbdef-restauracao-");
const QString RestoreFromArchive::RestoredSuffix = QStringLiteral(".tmp");

namespace {

const QString WorkPrefix = QStringLiteral("zeb-restore-");
constexpr qint64 CopyBlock = 1 << 20;
constexpr int RestorePageSize = 4096;
constexpr int RestorePageBuffers = 100;
// A backup holds one file, which the zip format limits to 4 GiB: an archive
// that claims to unpack to more is no backup of this program.
constexpr qint64 LargestContent = ZipFormat::MaxSize32;
constexpr qint64 Kilobyte = 1024;
constexpr qint64 Megabyte = 1024 * Kilobyte;
// The engine's code of an input or output error on a file.
constexpr std::int64_t EngineIoError = 335544344;

QString NotRestored(const QString& archive, const QString& reason) {
    return QStringLiteral("Não foi possível restaurar o arquivo de backup %1:\r\r%2").arg(archive, reason);
}

// A size for the user: whole kilobytes below a megabyte, else whole megabytes (rounded up).
QString Size(qint64 bytes) {
    const qint64 unit = bytes < Megabyte ? Kilobyte : Megabyte;
    return QStringLiteral("%1 %2").arg((bytes + unit - 1) / unit).arg(unit == Kilobyte ? "KB" : "MB");
}

// The file an engine I/O error names when it is another file than `file`:
// one that the database defines, a shadow or a continuation; else empty.
QString OtherFileNamed(const EIBError& error, const QString& file) {
    static const QRegularExpression named(QStringLiteral("for file \"([^\"]+)\""));
    if (!error.HasErrorCode(EngineIoError))
        return {};
    const QString name = named.match(error.Message()).captured(1);
    return name.isEmpty() || QFileInfo(name) == QFileInfo(file) ? QString() : name;
}

// True when file ends with an end-of-central-directory record: the one file
// of an archive, or the last piece of a set.
bool HoldsDirectory(const QString& file) {
    try {
        TFileStream stream(file, TFileMode::fmOpenRead);
        return TEndCentral().Locate(stream) >= 0;
    } catch (const Exception&) {
        return false;
    }
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
    Leftovers::Remove(liveFolder, QRegularExpression::escape(RestoredPrefix) +
                                      QStringLiteral("[A-Za-z0-9]{6}") +
                                      QRegularExpression::escape(RestoredSuffix));
    const QString restored = TempPaths::CreateFile(RestoredPrefix, RestoredSuffix, liveFolder);
    const HeldPath held(restored);
    try {
        if (OpensAsDatabase(extracted, archive)) {
            CopyFile(extracted, restored);
        } else {
            try {
                RunRestoreService(extracted, restored);
            } catch (const EIBError& e) {
                throw Exception(NotRestored(
                    archive,
                    QStringLiteral("o arquivo %1 contido nele não é um banco de dados nem uma cópia de "
                                   "segurança que possa ser restaurada.\r\r%2")
                        .arg(QFileInfo(extracted).fileName(), e.Message())));
            }
        }
        const QString version = DataVersionOf(restored, m_database.Params());
        if (version < OldestDataVersion)
            throw Exception(NotRestored(
                archive,
                QStringLiteral("os dados contidos nele estão na versão %1, que esta versão do sistema "
                               "(%2) não pode usar nem atualizar; a versão mais antiga que ela "
                               "atualiza é a %3.")
                    .arg(version, VersaoSistema(), OldestDataVersion)));
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
    QString damage;
    QString last;
    m_zip.OnBadCRC = TBadCRC::fromFunction([&](TObject*, quint32, quint32, int) {
        damage = QStringLiteral("o conteúdo do arquivo zip está danificado.");
    });
    m_zip.OnSkippingFile =
        TSkippingFile::fromFunction([&](TObject*, TSkipReason reason, const QString& name, int, bool& retry) {
            retry = false;
            if (reason == TSkipReason::srUnsafeName)
                damage = QStringLiteral("o nome de um arquivo contido nele não pode ser usado como nome de "
                                        "arquivo (%1).")
                             .arg(QFileInfo(name).fileName());
            else if (reason == TSkipReason::srCreateError)
                damage = QStringLiteral("não foi possível criar o arquivo %1 contido nele na pasta %2.")
                             .arg(QFileInfo(name).fileName(), folder);
            else
                damage = QStringLiteral("o conteúdo do arquivo zip está danificado.");
        });
    m_zip.OnEndUnZip = TEndUnZipEvent::fromFunction([&](TObject*, int, const QString& name) { last = name; });
    const auto unreadable = [&](const Exception& e) {
        if (dynamic_cast<const EZipTooLarge*>(&e))
            return Exception(NotRestored(
                archive, QStringLiteral("o arquivo zip, ou um arquivo contido nele, passa de %1, o maior "
                                        "tamanho que uma cópia de segurança pode ter (%2).")
                             .arg(Size(LargestContent), e.Message())));
        return Exception(NotRestored(
            archive, QStringLiteral("o arquivo não é um arquivo zip legível (%1).").arg(e.Message())));
    };
    const QString directory = LastPiece(archive);
    try {
        m_zip.SetZipName(directory);
        m_zip.ReadZip();
    } catch (const EUserCanceled&) {
        throw;
    } catch (const Exception& e) {
        throw unreadable(e);
    }
    CheckContent(archive, folder);
    int count = 0;
    try {
        m_zip.SetDestDir(folder);
        m_zip.SetDoAll(true);
        m_zip.FilesList().clear();
        count = m_zip.UnZip();
    } catch (const EUserCanceled&) {
        throw;
    } catch (const Exception& e) {
        throw unreadable(e);
    }
    if (!damage.isEmpty())
        throw Exception(NotRestored(archive, damage));
    // A readable archive that gave nothing, and no entry was skipped: it holds no file.
    if (count <= 0 || last.isEmpty())
        throw Exception(
            NotRestored(archive, QFileInfo(archive).size() == 0
                                     ? QStringLiteral("o arquivo está vazio (0 bytes).")
                                     : QStringLiteral("o arquivo zip não contém nenhum arquivo.")));
    return last;
}

QString RestoreFromArchive::LastPiece(const QString& archive) {
    static const QRegularExpression piece(QStringLiteral("\\.(\\d{3})$"));
    const QRegularExpressionMatch match = piece.match(archive);
    if (!match.hasMatch())
        return archive;
    QString name = archive;
    for (int disk = match.captured(1).toInt(); !HoldsDirectory(name); ++disk) {
        QString next = name;
        m_zip.OnGetNextDisk(&m_zip, disk + 1, next);
        if (next.isEmpty())
            throw EUserCanceled(QStringLiteral("Restauração cancelada pelo usuário."));
        if (!QFileInfo(next).isFile())
            throw Exception(NotRestored(
                archive, QStringLiteral("falta a parte %1 do backup (%2).").arg(disk + 1).arg(next)));
        name = next;
    }
    return name;
}

void RestoreFromArchive::CheckContent(const QString& archive, const QString& folder) const {
    qint64 total = 0;
    for (int i = 0; i < m_zip.Count(); ++i) {
        const TZipHeaderInfo& entry = m_zip.Entry(i);
        if (entry.Encrypted())
            throw Exception(
                NotRestored(archive, QStringLiteral("o arquivo zip está protegido por senha, e as "
                                                    "cópias de segurança deste sistema nunca têm "
                                                    "senha.")));
        // Entries are unpacked without their folders: the file name is the whole name on disk.
        if (QFile::encodeName(entry.FileName()).size() > NAME_MAX)
            throw Exception(NotRestored(archive, QStringLiteral("o nome de um arquivo contido nele tem %1 "
                                                                "caracteres, mais do que cabe num nome de "
                                                                "arquivo.")
                                                     .arg(entry.FileName().size())));
        total += entry.UncompressedSize;
    }
    if (total > LargestContent)
        throw Exception(NotRestored(archive, QStringLiteral("o conteúdo do arquivo zip ocuparia %1 "
                                                            "descompactado, mais do que cabe numa cópia de "
                                                            "segurança (%2).")
                                                 .arg(Size(total), Size(LargestContent))));
    const std::optional<qint64> free = DiskInfo::FreeBytes(folder);
    if (free && total > *free)
        throw Exception(
            NotRestored(archive, QStringLiteral("o conteúdo do arquivo zip ocuparia %1 "
                                                "descompactado, e há apenas %2 livres em %3.")
                                     .arg(Size(total), Size(*free), QFileInfo(folder).absolutePath())));
}

bool RestoreFromArchive::OpensAsDatabase(const QString& file, const QString& archive) const {
    TIBDatabase probe;
    probe.SetDatabaseName(file);
    probe.SetParams(m_database.Params());
    probe.SetLoginPrompt(false);
    try {
        probe.Open();
    } catch (const EIBError& e) {
        const QString other = OtherFileNamed(e, file);
        if (other.isEmpty())
            return false;
        throw Exception(NotRestored(
            archive, QStringLiteral("o banco de dados contido nele define uma sombra (shadow) ou uma "
                                    "continuação em outro arquivo, %1, que não veio com ele; um banco "
                                    "restaurado não pode depender de arquivos de fora da cópia de "
                                    "segurança.")
                         .arg(other)));
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
            throw Exception(failure + QStringLiteral("\r\r") + SystemErrorText(target));
        copied += block.size();
        if (Cancelled && Cancelled())
            throw EUserCanceled(QStringLiteral("Restauração cancelada pelo usuário."));
    }
    if (!target.flush())
        throw Exception(failure + QStringLiteral("\r\r") + SystemErrorText(target));
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
    // NoShadow: a shadow file the backup names is never made, wherever it points.
    service.SetOptions(TIBRestoreService::Replace | TIBRestoreService::UseAllSpace |
                       TIBRestoreService::NoShadow);
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
