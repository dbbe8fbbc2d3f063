// The embedded engine's place among other processes: its lock files in a
// folder of the user's own, one database file open in one process only, and
// SIGINT and SIGTERM left to the program. The other processes are copies of
// this test program (each with a lock folder of its own, as another user's
// copy of the program would have) and isql-fb.

#include "platform/base/Exceptions.h"
#include "platform/db/TIBDatabase.h"
#include "platform/os/PrivateFolder.h"
#include "tests/support/database/TempDatabase.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* DatabaseVariable = "ZEB_ENGINE_TEST_DATABASE";
constexpr int PatienceMs = 30000;

QCoreApplication& application() {
    static int argc = 1;
    static char name[] = "test_platform_db";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    return app ? *app : *QCoreApplication::instance();
}

// Runs one of the DISABLED_ tests below in a copy of this program, with the
// given environment, and returns what it wrote.
QByteArray RunChild(const char* test, const QProcessEnvironment& env) {
    application();
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QStringLiteral("/proc/self/exe"),
                {QStringLiteral("--gtest_also_run_disabled_tests"),
                 QStringLiteral("--gtest_filter=EngineAccessTest.") + QLatin1String(test)});
    EXPECT_TRUE(child.waitForFinished(PatienceMs)) << test;
    return child.readAll();
}

// The environment of another user's copy: a runtime folder of its own.
QProcessEnvironment OtherCopy(const QString& runtime, const QString& database) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("FIREBIRD_LOCK"));
    env.remove(QStringLiteral("FIREBIRD_TMP"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QString::fromLatin1(DatabaseVariable), database);
    return env;
}

// The copy's answer to opening the database: "aberto" or the error.
QByteArray Answer(const QByteArray& output) {
    const qsizetype start = output.indexOf("resposta:");
    return start < 0 ? output : output.mid(start + 9, output.indexOf('\n', start) - start - 9);
}

} // namespace

TEST(EngineAccessTest, TheLockFolderIsTheUsersOwn) {
    TempDatabase db; // loads the engine and opens a database
    const QString expected = PrivateFolder::UserRuntimeFolder() + QStringLiteral("/firebird");
    const QString lock = qEnvironmentVariable("FIREBIRD_LOCK");
    ASSERT_FALSE(lock.isEmpty());
    if (lock != expected)
        GTEST_SKIP() << "the environment chose the engine's lock folder: " << lock.toStdString();
    EXPECT_EQ(qEnvironmentVariable("FIREBIRD_TMP"), expected);
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(expected).constData(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_uid, geteuid());
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_FALSE(QDir(expected).entryList(QDir::Files).isEmpty()) << "the engine keeps its lock files there";
}

TEST(EngineAccessTest, APlantedLockFolderIsRefusedWithTheReason) {
    TempDatabase db(false);
    QTemporaryDir runtime;
    // Another user made the program's folder a link to one of theirs.
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QFile::link(elsewhere.path(), runtime.filePath(QStringLiteral("zeb-icms"))));
    const QByteArray linked =
        Answer(RunChild("DISABLED_OpensTheDatabase", OtherCopy(runtime.path(), db.Path())));
    EXPECT_TRUE(linked.contains("link simb")) << linked.constData();
    EXPECT_TRUE(QDir(elsewhere.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());

    // A folder of the right name but open to everybody.
    ASSERT_TRUE(QFile::remove(runtime.filePath(QStringLiteral("zeb-icms"))));
    const QString open = runtime.filePath(QStringLiteral("zeb-icms"));
    ASSERT_TRUE(QDir().mkdir(open));
    ASSERT_EQ(::chmod(QFile::encodeName(open).constData(), 0777), 0);
    const QByteArray shared =
        Answer(RunChild("DISABLED_OpensTheDatabase", OtherCopy(runtime.path(), db.Path())));
    EXPECT_TRUE(shared.contains("permiss")) << shared.constData();
    EXPECT_TRUE(QDir(open).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST(EngineAccessTest, ASecondProcessOnTheSameDatabaseIsRefused) {
    TempDatabase db; // this process holds the file
    QTemporaryDir runtime;
    const QByteArray other =
        Answer(RunChild("DISABLED_OpensTheDatabase", OtherCopy(runtime.path(), db.Path())));
    EXPECT_NE(other, QByteArray("aberto")) << "two processes on one file, each with its own lock folder";
    EXPECT_TRUE(other.contains("já está aberto por outro programa")) << other.constData();

    // isql-fb, with the engine's default lock folder, is refused as well.
    QProcess isql;
    isql.setProcessChannelMode(QProcess::MergedChannels);
    isql.start(QStringLiteral("isql-fb"),
               {QStringLiteral("-q"), QStringLiteral("-user"), QStringLiteral("SYSDBA"), db.Path()});
    ASSERT_TRUE(isql.waitForStarted());
    isql.write("select count(*) from rdb$database;\nexit;\n");
    isql.closeWriteChannel();
    ASSERT_TRUE(isql.waitForFinished(PatienceMs));
    const QByteArray isqlOutput = isql.readAll();
    EXPECT_TRUE(isqlOutput.contains("lock")) << isqlOutput.constData();

    // Once this process lets go, the other one gets in.
    db.Database().Close();
    EXPECT_EQ(Answer(RunChild("DISABLED_OpensTheDatabase", OtherCopy(runtime.path(), db.Path()))),
              QByteArray("aberto"));
}

TEST(EngineAccessTest, AProcessIsRefusedWhileIsqlHoldsTheDatabase) {
    TempDatabase db(false);
    application();
    QProcess isql;
    isql.setProcessChannelMode(QProcess::MergedChannels);
    isql.start(QStringLiteral("isql-fb"), {QStringLiteral("-user"), QStringLiteral("SYSDBA"), db.Path()});
    ASSERT_TRUE(isql.waitForStarted());
    isql.write("select 'conectado' from rdb$database;\n");
    QByteArray seen;
    const QDeadlineTimer deadline(PatienceMs);
    while (!seen.contains("conectado\n") && !seen.contains("conectado \n") && !deadline.hasExpired() &&
           isql.state() == QProcess::Running) {
        isql.waitForReadyRead(100);
        seen += isql.readAll();
    }
    ASSERT_TRUE(seen.contains("conectado")) << seen.constData();
    try {
        db.Database().Open();
        ADD_FAILURE() << "opened beside isql";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("já está aberto por outro programa")))
            << e.Message().toStdString();
    }
    isql.write("exit;\n");
    isql.closeWriteChannel();
    ASSERT_TRUE(isql.waitForFinished(PatienceMs));
    EXPECT_NO_THROW(db.Database().Open());
}

TEST(EngineAccessTest, AnEngineThatSharesItsFilesIsRefused) {
    // The engine's configuration with ServerMode = Classic: it would let any
    // process in, coordinated only through lock folders they may not share.
    const QString installed = QStringLiteral("/usr/lib/x86_64-linux-gnu/firebird/3.0");
    if (!QFileInfo::exists(installed + QStringLiteral("/plugins")))
        GTEST_SKIP() << "no Firebird 3 installation at " << installed.toStdString();
    QTemporaryDir root;
    for (const char* entry : {"firebird.msg", "intl", "plugins", "plugins.conf", "UDF", "lib"})
        QFile::link(installed + QLatin1Char('/') + QLatin1String(entry), root.filePath(QLatin1String(entry)));
    {
        QFile conf(root.filePath(QStringLiteral("firebird.conf")));
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write("ServerMode = Classic\n");
    }
    TempDatabase db(false);
    QTemporaryDir runtime;
    QProcessEnvironment env = OtherCopy(runtime.path(), db.Path());
    env.insert(QStringLiteral("FIREBIRD"), root.path());
    const QByteArray answer = Answer(RunChild("DISABLED_OpensTheDatabase", env));
    EXPECT_TRUE(answer.contains("modo compartilhado")) << answer.constData();
}

TEST(EngineAccessTest, LoadingTheLibraryLeavesTheSignalsAlone) {
    TempDatabase db(false);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(DatabaseVariable), db.Path());
    const QByteArray output = RunChild("DISABLED_KeepsItsSignalHandlers", env);
    EXPECT_TRUE(output.contains("sinais: SIGINT nosso, SIGTERM nosso")) << output.constData();
}

// ---- the other copies ------------------------------------------------------------------

TEST(EngineAccessTest, DISABLED_OpensTheDatabase) {
    TIBDatabase database;
    database.SetDatabaseName(qEnvironmentVariable(DatabaseVariable));
    QByteArray answer = "aberto";
    try {
        database.Open();
        database.Close();
    } catch (const Exception& e) {
        answer = e.Message().toUtf8().replace('\n', ' ');
    }
    std::printf("resposta:%s\n", answer.constData());
}

namespace {
void OurHandler(int) {}
} // namespace

TEST(EngineAccessTest, DISABLED_KeepsItsSignalHandlers) {
    struct sigaction ours {};
    ours.sa_handler = &OurHandler;
    sigemptyset(&ours.sa_mask);
    ::sigaction(SIGINT, &ours, nullptr);
    ::sigaction(SIGTERM, &ours, nullptr);
    TIBDatabase database;
    database.SetDatabaseName(qEnvironmentVariable(DatabaseVariable));
    database.Open(); // the library attaches for the first time here
    database.Close();
    struct sigaction now {};
    ::sigaction(SIGINT, nullptr, &now);
    const bool intOurs = now.sa_handler == &OurHandler;
    ::sigaction(SIGTERM, nullptr, &now);
    const bool termOurs = now.sa_handler == &OurHandler;
    std::printf("sinais: SIGINT %s, SIGTERM %s\n", intOurs ? "nosso" : "alheio",
                termOurs ? "nosso" : "alheio");
}
