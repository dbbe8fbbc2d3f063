// A backup or a restore killed at random moments: each time a child process
// (this test program, running the Child test below) backs up or restores the
// live database and is killed with SIGKILL after a random delay. Afterwards
// the live database still opens and holds the data it held before, and the
// next run of the same kind clears what the killed ones left.
#include "core/maintenance/BackupToArchive.h"
#include "core/maintenance/RestoreFromArchive.h"
#include "tests/core/maintenance/MaintenanceFixture.h"
#include "zip/TZipWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

namespace {

const char* const ModeVariable = "ZEB_KILL_CHILD_MODE";
const char* const LiveVariable = "ZEB_KILL_CHILD_LIVE";
const char* const ArchiveVariable = "ZEB_KILL_CHILD_ARCHIVE";
constexpr int Kills = 8;
constexpr int MaxDelayMs = 2500;
const QString Contador = QStringLiteral("SELECT VL_PARAM1 FROM PARAMETROS_DEF WHERE ID_PARAMETRO = 3");
const QString Estados = QStringLiteral("SELECT COUNT(*) FROM UFS");

void Configure(TZipWriter& zip) {
    zip.SetOverwriteMode(TUZOverwriteMode::Always);
    zip.SetZipAction(TZipAction::zaReplace);
    zip.MultiZipInfo().CheckDiskLabels = false;
    zip.MultiZipInfo().WriteDiskLabels = false;
}

// Run by the parent only, in a child process: backs up or restores over and
// over until killed.
TEST(KillChild, RunsUntilKilled) {
    const QString mode = qEnvironmentVariable(ModeVariable);
    if (mode.isEmpty())
        GTEST_SKIP() << "run by KillTest in a child process";
    TIBDatabase database;
    database.SetDatabaseName(qEnvironmentVariable(LiveVariable));
    database.SetParams({QStringLiteral("user_name=SYSDBA"), QStringLiteral("lc_ctype=UTF8")});
    const QString archive = qEnvironmentVariable(ArchiveVariable);
    for (;;) {
        TZipWriter zip;
        Configure(zip);
        if (mode == QLatin1String("backup")) {
            BackupToArchive(database, zip).Run(archive);
        } else {
            RestoreFromArchive(database, zip).Run(archive);
        }
    }
}

class KillTest : public MaintenanceFixture {
protected:
    // The children and the run after them share a temporary folder of the
    // test, where the killed runs leave their work folders.
    KillTest() : m_oldTmp(qgetenv("TMPDIR")) {
        QDir().mkpath(m_tmp);
        qputenv("TMPDIR", QFile::encodeName(m_tmp));
    }
    ~KillTest() override { qputenv("TMPDIR", m_oldTmp); }

    void KillRepeatedly(const QString& mode, const QString& archive) {
        const QString before = Scalar(Live(), Contador);
        const QString states = Scalar(Live(), Estados);
        const quint32 seed = QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        SCOPED_TRACE(QStringLiteral("%1, seed %2").arg(mode).arg(seed).toStdString());
        for (int i = 0; i < Kills; ++i) {
            QProcess child;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QLatin1String(ModeVariable), mode);
            environment.insert(QLatin1String(LiveVariable), Live());
            environment.insert(QLatin1String(ArchiveVariable), archive);
            child.setProcessEnvironment(environment);
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.setStandardOutputFile(QProcess::nullDevice());
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--gtest_filter=KillChild.RunsUntilKilled")});
            ASSERT_TRUE(child.waitForStarted());
            QThread::msleep(random.bounded(MaxDelayMs));
            child.kill();
            ASSERT_TRUE(child.waitForFinished());
            // The child was still working: it never ends by itself.
            EXPECT_EQ(child.exitStatus(), QProcess::CrashExit) << "delay too long for one run";
            EXPECT_EQ(Scalar(Live(), Contador), before);
            EXPECT_EQ(Scalar(Live(), Estados), states);
        }
    }

    const QString m_tmp = Scratch(QStringLiteral("tmp"));
    const QByteArray m_oldTmp;
};

TEST_F(KillTest, KilledBackupsLeaveTheDatabaseAsItWas) {
    const QString archive = Scratch(QStringLiteral("copia.zip"));
    KillRepeatedly(QStringLiteral("backup"), archive);
    // The next backup there clears what the killed ones left beside the archive.
    TZipWriter zip;
    Configure(zip);
    BackupToArchive(live, zip).Run(archive);
    EXPECT_EQ(Leftovers(Scratch(QString()), QStringLiteral(".BkpZeb")), QStringList{});
    EXPECT_EQ(Leftovers(m_tmp, QStringLiteral("zeb-backup-")), QStringList{});
}

TEST_F(KillTest, KilledRestoresLeaveTheDatabaseWhole) {
    // The archive holds the same data, so the database holds them whether a
    // restore went through or not.
    const QString archive = Scratch(QStringLiteral("copia.zip"));
    {
        TZipWriter zip;
        Configure(zip);
        BackupToArchive(live, zip).Run(archive);
    }
    KillRepeatedly(QStringLiteral("restore"), archive);
    // The next restore clears the files the killed ones left beside the database.
    TZipWriter zip;
    Configure(zip);
    RestoreFromArchive(live, zip).Run(archive);
    EXPECT_EQ(Leftovers(QFileInfo(Live()).absolutePath(), QStringLiteral(".")), QStringList{});
    EXPECT_EQ(Leftovers(m_tmp, QStringLiteral("zeb-restore-")), QStringList{});
}

} // namespace
