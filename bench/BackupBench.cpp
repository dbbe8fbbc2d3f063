// Backup of a database of about 100 MB into a zip archive and restore from
// it, side by side with the peers on the same file in the same run:
// gbak -b followed by zip -6, and unzip followed by gbak -c. Our backup
// includes reading the archive back; our restore includes the test-open of
// the rebuilt file and putting it in place. Prints the figures.

#include "core/maintenance/BackupToArchive.h"
#include "core/maintenance/RestoreFromArchive.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/database/TempDatabase.h"
#include "zip/TZipWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// Rows of about 200 bytes of text: some 100 MB of pages.
constexpr int Rows = 380000;
constexpr int Runs = 3;

void Fill(const QString& path) {
    TIBDatabase database;
    database.SetDatabaseName(path);
    database.Open();
    TIBTransaction transaction;
    transaction.SetDefaultDatabase(&database);
    TIBSQL sql;
    sql.SetDatabase(&database);
    sql.SetTransaction(&transaction);
    sql.SetParamCheck(false);
    for (const QString& statement :
         {QStringLiteral("CREATE TABLE HISTORICO (ID INTEGER NOT NULL PRIMARY KEY, TEXTO VARCHAR(180), "
                         "VALOR NUMERIC(18,4))"),
          QStringLiteral(
              "EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN WHILE (I < %1) DO BEGIN "
              "INSERT INTO HISTORICO VALUES (:I, UUID_TO_CHAR(GEN_UUID()) || UUID_TO_CHAR(GEN_UUID()) || "
              "UUID_TO_CHAR(GEN_UUID()) || UUID_TO_CHAR(GEN_UUID()) || UUID_TO_CHAR(GEN_UUID()), "
              ":I * 1.5); I = I + 1; END END")
              .arg(Rows)}) {
        transaction.StartTransaction();
        sql.SetSQLText(statement);
        sql.ExecQuery();
        sql.Close();
        transaction.Commit();
    }
    database.Close();
}

// Runs a peer; its time in seconds, or -1 when it failed.
double Peer(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return -1;
    return clock.elapsed() / 1000.0;
}

void Writer(TZipWriter& zip) {
    zip.SetOverwriteMode(TUZOverwriteMode::Always);
    zip.SetZipAction(TZipAction::zaReplace);
    zip.MultiZipInfo().CheckDiskLabels = false;
    zip.MultiZipInfo().WriteDiskLabels = false;
}

double Best(double a, double b) {
    return a < 0 ? b : std::min(a, b);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ScriptedPrompter prompter;
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("Dados"));
    const QString live = folder.filePath(QStringLiteral("Dados/dbdef.gdb"));
    QFile::copy(TempDatabase::BuiltDatabase(), live);
    QFile::setPermissions(live, QFile::ReadOwner | QFile::WriteOwner);
    Fill(live);
    std::printf("database                           %8.1f MB\n",
                static_cast<double>(QFileInfo(live).size()) / (1024 * 1024));

    TIBDatabase database;
    database.SetDatabaseName(live);
    database.SetParams({QStringLiteral("user_name=SYSDBA"), QStringLiteral("lc_ctype=UTF8")});
    const QString archive = folder.filePath(QStringLiteral("copia.zip"));
    const QString peerBackup = folder.filePath(QStringLiteral("peer.gbk"));
    const QString peerArchive = folder.filePath(QStringLiteral("peer.zip"));
    const QString peerFolder = folder.filePath(QStringLiteral("peer"));
    const QString peerRestored = folder.filePath(QStringLiteral("peer.gdb"));

    double ours = -1;
    double gbakB = -1;
    double zip6 = -1;
    double oursRestore = -1;
    double unzip = -1;
    double gbakC = -1;
    for (int run = 0; run < Runs; ++run) {
        {
            TZipWriter zip;
            Writer(zip);
            BackupToArchive backup(database, zip);
            QElapsedTimer clock;
            clock.start();
            backup.Run(archive);
            ours = Best(ours, clock.elapsed() / 1000.0);
        }
        QFile::remove(peerBackup);
        QFile::remove(peerArchive);
        gbakB = Best(gbakB, Peer(QStringLiteral("gbak"),
                                 {QStringLiteral("-b"), QStringLiteral("-nt"), QStringLiteral("-user"),
                                  QStringLiteral("SYSDBA"), live, peerBackup}));
        zip6 = Best(zip6, Peer(QStringLiteral("zip"), {QStringLiteral("-6"), QStringLiteral("-q"),
                                                       QStringLiteral("-j"), peerArchive, peerBackup}));
        {
            TZipWriter zip;
            Writer(zip);
            RestoreFromArchive restore(database, zip);
            QElapsedTimer clock;
            clock.start();
            restore.Run(archive);
            oursRestore = Best(oursRestore, clock.elapsed() / 1000.0);
        }
        QDir(peerFolder).removeRecursively();
        QFile::remove(peerRestored);
        unzip = Best(unzip, Peer(QStringLiteral("unzip"), {QStringLiteral("-q"), QStringLiteral("-o"),
                                                           peerArchive, QStringLiteral("-d"), peerFolder}));
        gbakC = Best(gbakC, Peer(QStringLiteral("gbak"),
                                 {QStringLiteral("-c"), QStringLiteral("-user"), QStringLiteral("SYSDBA"),
                                  QStringLiteral("-page_size"), QStringLiteral("4096"),
                                  peerFolder + QStringLiteral("/peer.gbk"), peerRestored}));
    }
    std::printf("archive (ours)                     %8.1f MB\n",
                static_cast<double>(QFileInfo(archive).size()) / (1024 * 1024));
    std::printf("archive (zip -6)                   %8.1f MB\n",
                static_cast<double>(QFileInfo(peerArchive).size()) / (1024 * 1024));
    std::printf("\nbest of %d runs, seconds\n", Runs);
    std::printf("backup   ours (service+zip+check)  %8.2f\n", ours);
    std::printf("         gbak -b + zip -6          %8.2f  (%.2f + %.2f)\n", gbakB + zip6, gbakB, zip6);
    std::printf("         ratio                     %8.2f\n", ours / (gbakB + zip6));
    std::printf("restore  ours (unzip+service+open) %8.2f\n", oursRestore);
    std::printf("         unzip + gbak -c           %8.2f  (%.2f + %.2f)\n", unzip + gbakC, unzip, gbakC);
    std::printf("         ratio                     %8.2f\n", oursRestore / (unzip + gbakC));
    return 0;
}
