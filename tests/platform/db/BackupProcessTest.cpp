// A backup run in the worker process: what it writes is a whole backup, what
// the engine refuses comes back as the engine's own error, and a run ended
// part-way leaves no worker behind.
#include "platform/db/BackupProcess.h"
#include "platform/db/EIBError.h"
#include "platform/db/TIBBackupService.h"
#include "tests/support/database/TempDatabase.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>

namespace {

// Runs the whole backup of `database` into `file`; the lines it gave.
int RunBackup(TIBBackupService& settings, const QString& database, const QString& file) {
    settings.SetDatabaseName(database);
    settings.SetBackupFile({file});
    BackupProcess backup(settings);
    int lines = 0;
    while (!backup.Eof())
        lines += backup.WaitForLine(100) ? 1 : 0;
    return lines;
}

} // namespace

TEST(BackupProcessTest, TheWorkersBackupIsWholeAndItsFailureIsTheEnginesOwn) {
    TempDatabase db(false);
    TIBBackupService settings;
    settings.SetParams({QStringLiteral("user_name=SYSDBA")});
    settings.SetVerbose(true);
    settings.SetOptions(TIBBackupService::IgnoreLimbo | TIBBackupService::NonTransportable);
    const QString backup = db.FilePath(QStringLiteral("a.gbk"));
    EXPECT_GT(RunBackup(settings, db.Path(), backup), 10);
    EXPECT_GT(QFileInfo(backup).size(), 10000);

    // The same refusal, in this process and through the worker.
    QFile text(db.FilePath(QStringLiteral("texto.gdb")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray("não é banco\n").repeated(1000));
    text.close();
    QList<std::int64_t> here;
    try {
        TIBBackupService service;
        service.Attach();
        service.SetDatabaseName(text.fileName());
        service.SetBackupFile({db.FilePath(QStringLiteral("b.gbk"))});
        service.ServiceStart();
        service.ReadAllOutput();
    } catch (const EIBError& e) {
        here = e.ErrorCodes();
    }
    ASSERT_FALSE(here.isEmpty());
    try {
        RunBackup(settings, text.fileName(), db.FilePath(QStringLiteral("c.gbk")));
        ADD_FAILURE() << "the worker's backup of a file that is no database ended well";
    } catch (const EIBError& e) {
        EXPECT_EQ(e.ErrorCodes(), here);
        EXPECT_FALSE(e.Message().isEmpty());
    }
}

TEST(BackupProcessTest, EndedPartWayTheWorkerIsGoneAndAMissingOneIsReported) {
    TempDatabase db(false);
    TIBBackupService settings;
    settings.SetVerbose(true);
    settings.SetDatabaseName(db.Path());
    settings.SetBackupFile({db.FilePath(QStringLiteral("a.gbk"))});
    qint64 worker = 0;
    {
        BackupProcess backup(settings);
        ASSERT_TRUE(backup.WaitForLine(5000));
        worker = backup.ProcessId();
        ASSERT_GT(worker, 0);
    }
    EXPECT_NE(::kill(pid_t(worker), 0), 0) << "the worker still runs";

    EXPECT_THROW(BackupProcess(settings, db.FilePath(QStringLiteral("nenhum"))), EDatabaseError);
}
