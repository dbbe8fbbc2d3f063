#include "platform/os/SingleInstanceGuard.h"
#include "platform/base/Exceptions.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

namespace {

const QString ClassName = QStringLiteral("TfrmDef");
constexpr const char* ChildFolderVariable = "ZEB_SINGLE_INSTANCE_CHILD_FOLDER";
constexpr int PatienceMs = 10000;

QCoreApplication& application() {
    static int argc = 1;
    static char name[] = "test_platform_os";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    return app ? *app : *QCoreApplication::instance();
}

// Runs the event loop until done() holds or the patience runs out.
template <typename Done> bool pumpUntil(Done done) {
    const QDeadlineTimer deadline(PatienceMs);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    return done();
}

// A copy of this test program started as a stand-in for a second program
// instance: it takes the guard, says "first" or "second" on its output, and
// the first one waits to be asked to come forward ("activated").
int runAsChild(const QString& folder) {
    int argc = 1;
    char name[] = "child";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    SingleInstanceGuard guard(ClassName, folder);
    if (!guard.TryAcquire()) {
        std::printf("second\n");
        return 0;
    }
    std::printf("first\n");
    std::fflush(stdout);
    QObject::connect(&guard, &SingleInstanceGuard::ActivationRequested, &app, [] {
        std::printf("activated\n");
        QCoreApplication::exit(0);
    });
    QTimer::singleShot(PatienceMs, &app, [] { QCoreApplication::exit(3); });
    return app.exec();
}

// Runs before the test framework when this program was started as a child.
const bool childRan = [] {
    const QByteArray folder = qgetenv(ChildFolderVariable);
    if (!folder.isEmpty())
        std::exit(runAsChild(QString::fromLocal8Bit(folder)));
    return false;
}();

std::unique_ptr<QProcess> startChild(const QString& folder) {
    auto child = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(ChildFolderVariable), folder);
    child->setProcessEnvironment(env);
    child->start(QStringLiteral("/proc/self/exe"), {});
    return child;
}

} // namespace

TEST(SingleInstanceGuardTest, SecondGuardFailsAndBringsTheFirstForward) {
    application();
    QTemporaryDir base;
    // A folder as deep as a network home's makes a socket path past the
    // hundred-odd bytes a local socket's address holds.
    const QString deep = base.filePath(QString(120, QLatin1Char('p')));
    ASSERT_EQ(::mkdir(QFile::encodeName(deep).constData(), 0700), 0);
    for (const QString& folder : {base.path(), deep}) {
        SCOPED_TRACE(folder.toStdString());
        SingleInstanceGuard first(ClassName, folder);
        int activations = 0;
        QObject::connect(&first, &SingleInstanceGuard::ActivationRequested, [&] { ++activations; });
        ASSERT_TRUE(first.TryAcquire());
        EXPECT_TRUE(first.IsFirst());

        SingleInstanceGuard second(ClassName, folder);
        EXPECT_FALSE(second.TryAcquire());
        EXPECT_FALSE(second.IsFirst());
        EXPECT_TRUE(pumpUntil([&] { return activations == 1; }));
    }
}

TEST(SingleInstanceGuardTest, NamesCarryTheClassAndTheUser) {
    QTemporaryDir folder;
    SingleInstanceGuard guard(ClassName, folder.path());
    EXPECT_TRUE(guard.ServerName().startsWith(folder.path() + QStringLiteral("/TfrmDef-")));
    EXPECT_TRUE(guard.LockFileName().startsWith(folder.path() + QStringLiteral("/TfrmDef-")));
    // Another window class is another program.
    SingleInstanceGuard other(QStringLiteral("TfrmOutro"), folder.path());
    ASSERT_TRUE(guard.TryAcquire());
    EXPECT_TRUE(other.TryAcquire());
}

TEST(SingleInstanceGuardTest, ReleasedWhenTheFirstCopyEnds) {
    application();
    QTemporaryDir folder;
    {
        SingleInstanceGuard first(ClassName, folder.path());
        ASSERT_TRUE(first.TryAcquire());
    }
    SingleInstanceGuard next(ClassName, folder.path());
    EXPECT_TRUE(next.TryAcquire());
}

TEST(SingleInstanceGuardTest, TheFirstCopyClearsTheEngineTraceFilesNoProcessHolds) {
    application();
    QTemporaryDir folder;
    QTemporaryDir engine;
    const QByteArray saved = qgetenv("FIREBIRD_LOCK");
    qputenv("FIREBIRD_LOCK", QFile::encodeName(engine.path()));
    for (const char* name : {"fb_trace_Dead01", "fb_trace_Live01", "fb12_trace", "fb_init"})
        QFile(QDir(engine.path()).filePath(QLatin1String(name))).open(QIODevice::WriteOnly);
    QFile held(QDir(engine.path()).filePath(QStringLiteral("fb_trace_Live01")));
    ASSERT_TRUE(held.open(QIODevice::ReadOnly));
    SingleInstanceGuard guard(ClassName, folder.path());
    ASSERT_TRUE(guard.TryAcquire());
    EXPECT_EQ(QDir(engine.path()).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("fb12_trace"), QStringLiteral("fb_init"),
                           QStringLiteral("fb_trace_Live01")}));
    if (saved.isEmpty())
        qunsetenv("FIREBIRD_LOCK");
    else
        qputenv("FIREBIRD_LOCK", saved);
}

TEST(SingleInstanceGuardTest, TwoProcessesStartedTogetherOnlyOnePasses) {
    QTemporaryDir folder;
    auto a = startChild(folder.path());
    auto b = startChild(folder.path());
    ASSERT_TRUE(a->waitForFinished(PatienceMs * 2));
    ASSERT_TRUE(b->waitForFinished(PatienceMs * 2));
    const QByteArray outA = a->readAllStandardOutput();
    const QByteArray outB = b->readAllStandardOutput();
    const QByteArray both = outA + outB;
    EXPECT_EQ(both.count("first"), 1) << both.constData();
    EXPECT_EQ(both.count("second"), 1) << both.constData();
    // The first copy heard the second one and ended normally.
    const QByteArray& firstOut = outA.contains("first") ? outA : outB;
    EXPECT_TRUE(firstOut.contains("activated")) << both.constData();
    EXPECT_EQ(a->exitCode(), 0);
    EXPECT_EQ(b->exitCode(), 0);
}

TEST(SingleInstanceGuardTest, ACopyThatDiedLeavesNoLockBehind) {
    application();
    QTemporaryDir folder;
    auto child = startChild(folder.path());
    ASSERT_TRUE(child->waitForReadyRead(PatienceMs));
    ASSERT_TRUE(child->readAllStandardOutput().contains("first"));
    child->kill();
    ASSERT_TRUE(child->waitForFinished(PatienceMs));

    SingleInstanceGuard guard(ClassName, folder.path());
    int activations = 0;
    QObject::connect(&guard, &SingleInstanceGuard::ActivationRequested, [&] { ++activations; });
    ASSERT_TRUE(guard.TryAcquire());
    // The dead copy's socket was replaced: a later copy still reaches this one.
    SingleInstanceGuard later(ClassName, folder.path());
    EXPECT_FALSE(later.TryAcquire());
    EXPECT_TRUE(pumpUntil([&] { return activations == 1; }));
}

TEST(SingleInstanceGuardTest, ALockFileLeftBehindIsTakenOverWhateverItHolds) {
    application();
    for (const QByteArray& contents :
         {QByteArray(), QByteArray("lixo\x01\xff sem sentido"), QByteArray("999999\nzeb-icms\noutra\n")}) {
        QTemporaryDir folder;
        SingleInstanceGuard guard(ClassName, folder.path());
        {
            QFile left(guard.LockFileName());
            ASSERT_TRUE(left.open(QIODevice::WriteOnly));
            left.write(contents);
        }
        EXPECT_TRUE(guard.TryAcquire()) << contents.constData();
        // And it is a lock again: a second copy is refused.
        SingleInstanceGuard second(ClassName, folder.path());
        EXPECT_FALSE(second.TryAcquire());
    }
}

TEST(SingleInstanceGuardTest, ALockThatCannotBeMadeIsReportedAsSuchNotAsAnotherCopy) {
    application();
    QTemporaryDir folder;
    SingleInstanceGuard guard(ClassName, folder.path());
    // Something that no lock can be made in: a folder where the file goes, a
    // link planted to make the program write elsewhere.
    ASSERT_TRUE(QDir().mkdir(guard.LockFileName()));
    try {
        guard.TryAcquire();
        FAIL() << "a folder was taken for a lock";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Não foi possível criar o arquivo de bloqueio")))
            << e.Message().toStdString();
        EXPECT_TRUE(e.Message().contains(guard.LockFileName()));
    }
    EXPECT_FALSE(guard.IsFirst());
    ASSERT_TRUE(QDir().rmdir(guard.LockFileName()));

    const QString victim = folder.filePath(QStringLiteral("arquivo-do-usuario"));
    {
        QFile file(victim);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("dados");
    }
    ASSERT_TRUE(QFile::link(victim, guard.LockFileName()));
    try {
        guard.TryAcquire();
        FAIL() << "a link was followed";
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().endsWith(QStringLiteral("o caminho é um link simbólico.")))
            << e.Message().toStdString();
    }
    QFile file(victim);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("dados"));
}

TEST(SingleInstanceGuardTest, AFolderOthersCanReachIsRefused) {
    application();
    QTemporaryDir base;
    const QString folder = base.filePath(QStringLiteral("aberta"));
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 01777), 0);
    SingleInstanceGuard guard(ClassName, folder);
    EXPECT_THROW(guard.TryAcquire(), Exception);
    EXPECT_FALSE(QFile::exists(guard.LockFileName()));
}

TEST(SingleInstanceGuardTest, WithoutAFolderTheUsersPrivateRuntimeFolderIsUsed) {
    application();
    QTemporaryDir runtime;
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    SingleInstanceGuard guard(QStringLiteral("TfrmTesteRuntime"));
    EXPECT_TRUE(
        guard.LockFileName().startsWith(runtime.filePath(QStringLiteral("zeb-icms/TfrmTesteRuntime-"))));
    EXPECT_TRUE(guard.TryAcquire());
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(runtime.filePath(QStringLiteral("zeb-icms"))).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    if (saved.isEmpty())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", saved);
}
