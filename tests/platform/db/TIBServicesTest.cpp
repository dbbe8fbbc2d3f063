#include "platform/db/EIBError.h"
#include "platform/db/TIBBackupService.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBRestoreService.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"
#include "platform/db/TIBValidationService.h"
#include "tests/support/database/TempDatabase.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

const std::int64_t Marker = 12345; // 1.2345

// Leaves a recognisable row in the copy and closes it.
void PutMarker(TempDatabase& db) {
    TIBSQL sql;
    sql.SetDatabase(&db.Database());
    db.Transaction().StartTransaction();
    sql.SetSQLText(QStringLiteral("create table MARCA (V numeric(18,4))"));
    sql.ExecQuery();
    db.Transaction().Commit();
    db.Transaction().StartTransaction();
    sql.SetSQLText(QStringLiteral("insert into MARCA values (:V)"));
    sql.ParamByName(QStringLiteral("V")).SetCurrency(Currency::fromRaw(Marker));
    sql.ExecQuery();
    db.Transaction().Commit();
    db.Database().Close();
}

std::int64_t ReadMarker(const QString& path) {
    TIBDatabase database;
    database.SetDatabaseName(path);
    database.Open();
    TIBTransaction transaction;
    transaction.SetDefaultDatabase(&database);
    transaction.StartTransaction();
    TIBSQL sql;
    sql.SetTransaction(&transaction);
    sql.SetSQLText(QStringLiteral("select V from MARCA"));
    sql.ExecQuery();
    return sql.Eof() ? -1 : sql.Fields(0).AsCurrency().raw();
}

int RunGbak(const QStringList& arguments, QString* output = nullptr) {
    QProcess gbak;
    gbak.setProcessChannelMode(QProcess::MergedChannels);
    gbak.start(QStringLiteral("gbak"), arguments + QStringList{"-user", "SYSDBA"});
    if (!gbak.waitForFinished(120000))
        return -1;
    if (output)
        *output = QString::fromLocal8Bit(gbak.readAll());
    return gbak.exitStatus() == QProcess::NormalExit ? gbak.exitCode() : -1;
}

} // namespace

TEST(TIBServicesTest, TIBBackupServiceBackupRestoresWithGbak) {
    TempDatabase db;
    PutMarker(db);
    const QString backup = db.FilePath(QStringLiteral("dbdef.gbk"));
    {
        TIBBackupService service;
        service.SetParams({QStringLiteral("user_name=SYSDBA")});
        service.Attach();
        service.SetOptions(TIBBackupService::IgnoreLimbo | TIBBackupService::NonTransportable);
        service.SetDatabaseName(db.Path());
        service.BackupFile() << backup;
        service.ServiceStart();
        EXPECT_TRUE(service.ReadAllOutput().isEmpty()) << "not verbose";
        service.Detach();
    }
    ASSERT_TRUE(QFile::exists(backup));

    const QString restored = db.FilePath(QStringLiteral("restaurado.gdb"));
    QString output;
    ASSERT_EQ(RunGbak({"-c", backup, restored}, &output), 0) << output.toStdString();
    EXPECT_EQ(ReadMarker(restored), Marker);
}

TEST(TIBServicesTest, TIBBackupServiceVerboseBackupReportsLinesAndBadSourceRaises) {
    TempDatabase db(false);
    TIBBackupService service;
    service.Attach();
    service.SetVerbose(true);
    service.SetDatabaseName(db.Path());
    service.BackupFile() << db.FilePath(QStringLiteral("a.gbk"));
    service.ServiceStart();
    const QStringList lines = service.ReadAllOutput();
    EXPECT_GT(lines.size(), 10);
    EXPECT_TRUE(service.Eof());
    EXPECT_FALSE(service.IsServiceRunning());

    QFile text(db.FilePath(QStringLiteral("texto.gdb")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray("não é banco\n").repeated(1000));
    text.close();
    service.SetVerbose(false);
    service.SetDatabaseName(text.fileName());
    service.BackupFile() = QStringList{db.FilePath(QStringLiteral("b.gbk"))};
    EXPECT_THROW(
        {
            service.ServiceStart();
            service.ReadAllOutput();
        },
        EIBError);
}

TEST(TIBServicesTest, TIBRestoreServiceRestoresAGbakBackupOverAnExistingFileWhenAskedTo) {
    TempDatabase db;
    PutMarker(db);
    const QString backup = db.FilePath(QStringLiteral("dbdef.gbk"));
    QString output;
    ASSERT_EQ(RunGbak({"-b", db.Path(), backup}, &output), 0) << output.toStdString();

    // Replace the live file, as the program's restore does.
    const QString target = db.FilePath(QStringLiteral("alvo.gdb"));
    TIBDatabase::CreateDatabase(target);
    TIBRestoreService service;
    service.Attach();
    service.SetOptions(TIBRestoreService::Replace | TIBRestoreService::UseAllSpace);
    service.SetPageSize(4096);
    service.SetPageBuffers(100);
    service.SetVerbose(true);
    service.DatabaseName() << target;
    service.BackupFile() << backup;
    service.ServiceStart();
    EXPECT_FALSE(service.ReadAllOutput().isEmpty());
    service.Detach();
    EXPECT_EQ(ReadMarker(target), Marker);
}

TEST(TIBServicesTest, TIBRestoreServiceNeverWritesOverAFileItWasNotAskedToReplace) {
    TempDatabase db(false);
    const QString backup = db.FilePath(QStringLiteral("dbdef.gbk"));
    ASSERT_EQ(RunGbak({"-b", db.Path(), backup}), 0);
    const QString target = db.FilePath(QStringLiteral("existente.txt"));
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("dados do usuário");
    file.close();

    TIBRestoreService service;
    service.Attach();
    service.SetOptions(TIBRestoreService::CreateNewDB | TIBRestoreService::UseAllSpace);
    service.DatabaseName() << target;
    service.BackupFile() << backup;
    EXPECT_THROW(service.ServiceStart(), EDatabaseError);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("dados do usuário"));

    // A new name is restored.
    service.DatabaseName() = QStringList{db.FilePath(QStringLiteral("novo.gdb"))};
    service.ServiceStart();
    service.ReadAllOutput();
    TIBDatabase restored;
    restored.SetDatabaseName(db.FilePath(QStringLiteral("novo.gdb")));
    restored.Open();
    EXPECT_TRUE(restored.Connected());
}

TEST(TIBServicesTest, TIBValidationServiceGoodFilePassesAndStaysUsable) {
    TempDatabase db(false);
    TIBValidationService service;
    service.SetParams({QStringLiteral("user_name=SYSDBA"), QStringLiteral("password=x")});
    service.Attach();
    service.SetDatabaseName(db.Path());
    service.SetOptions(TIBValidationService::CheckDB | TIBValidationService::IgnoreChecksum |
                       TIBValidationService::KillShadows | TIBValidationService::MendDB);
    service.ServiceStart();
    const QStringList lines = service.ReadAllOutput();
    EXPECT_TRUE(lines.filter(QStringLiteral("error"), Qt::CaseInsensitive).isEmpty())
        << lines.join('\n').toStdString();
    EXPECT_FALSE(service.IsServiceRunning());
    service.Detach();
    db.Database().Open();
    EXPECT_TRUE(db.Database().Connected());
}

TEST(TIBServicesTest, TIBValidationServiceNotADatabaseRaises) {
    TempDatabase db(false);
    const QString path = db.FilePath(QStringLiteral("lixo.gdb"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(8192, 'x'));
    file.close();
    TIBValidationService service;
    service.Attach();
    service.SetDatabaseName(path);
    service.SetOptions(TIBValidationService::ValidateDB);
    EXPECT_THROW(
        {
            service.ServiceStart();
            service.ReadAllOutput();
        },
        EIBError);
}

TEST(TIBServicesTest, TIBCustomServiceRefusesARemoteServerAndUseBeforeAttach) {
    TIBBackupService service;
    EXPECT_THROW(service.ServiceStart(), EDatabaseError);
    service.SetServerName(QStringLiteral("outro-host"));
    EXPECT_THROW(service.Attach(), EDatabaseError);
    EXPECT_FALSE(service.Active());
}
