#include "platform/os/PrivateFolder.h"
#include "platform/base/Exceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The uid of a user other than the one running the tests, for the folders
// such a user could have made; only the superuser can make them.
constexpr uid_t OtherUser = 65534;

mode_t ModeOf(const QString& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &info), 0);
    return info.st_mode & 07777;
}

// The reason Ensure gives for refusing folder; empty when it accepts it.
QString Refusal(const QString& folder) {
    try {
        PrivateFolder::Ensure(folder);
        return QString();
    } catch (const Exception& e) {
        EXPECT_TRUE(e.Message().contains(folder)) << e.Message().toStdString();
        return e.Message();
    }
}

class PrivateFolderTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return base.filePath(name); }
    QTemporaryDir base;
};

} // namespace

TEST_F(PrivateFolderTest, AMissingFolderIsMadeForTheUserAlone) {
    const QString folder = Path(QStringLiteral("novo"));
    EXPECT_EQ(PrivateFolder::Ensure(folder), folder);
    EXPECT_EQ(ModeOf(folder), 0700u);
    // Found again as it was left: accepted as it is.
    EXPECT_EQ(PrivateFolder::Ensure(folder), folder);
}

TEST_F(PrivateFolderTest, AFolderOpenToOthersIsRefused) {
    const QString folder = Path(QStringLiteral("aberta"));
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
    const QString motivo = Refusal(folder);
    EXPECT_TRUE(motivo.contains(QStringLiteral("outros usuários têm acesso a ela (permissões 0755)")))
        << motivo.toStdString();
    EXPECT_EQ(ModeOf(folder), 0755u); // refused, not repaired behind the user's back
}

TEST_F(PrivateFolderTest, ALinkIsRefusedEvenToAGoodFolder) {
    const QString target = PrivateFolder::Ensure(Path(QStringLiteral("alvo")));
    const QString link = Path(QStringLiteral("atalho"));
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_TRUE(Refusal(link).contains(QStringLiteral("é um link simbólico")));
}

TEST_F(PrivateFolderTest, AFileInPlaceOfTheFolderIsRefused) {
    const QString file = Path(QStringLiteral("arquivo"));
    QFile(file).open(QIODevice::WriteOnly);
    EXPECT_TRUE(Refusal(file).contains(QStringLiteral("não é uma pasta")));
}

TEST_F(PrivateFolderTest, AnotherUsersFolderIsRefused) {
    if (geteuid() != 0)
        GTEST_SKIP() << "only the superuser can give a folder to another user";
    const QString folder = Path(QStringLiteral("alheia"));
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0700), 0);
    ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), OtherUser, OtherUser), 0);
    EXPECT_TRUE(Refusal(folder).contains(QStringLiteral("pertence a outro usuário")));
}

TEST_F(PrivateFolderTest, AFolderThatCannotBeMadeSaysWhy) {
    const QString folder = Path(QStringLiteral("nao/existe"));
    EXPECT_TRUE(Refusal(folder).contains(QStringLiteral("não foi possível criá-la")));
}

TEST_F(PrivateFolderTest, TheRuntimeFolderIsTheUsersOwnElseOneInTheHomeFolder) {
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(base.path()));
    EXPECT_EQ(PrivateFolder::UserRuntimeFolder(), Path(QStringLiteral("zeb-icms")));
    // Without one, nothing in the shared temporary folder, where another user
    // could make it first, but a folder in the home folder only the user writes.
    qunsetenv("XDG_RUNTIME_DIR");
    const QString home = PrivateFolder::Ensure(Path(QStringLiteral("casa")));
    qputenv("HOME", QFile::encodeName(home));
    const QString runtime = PrivateFolder::UserRuntimeFolder();
    EXPECT_EQ(QFileInfo(runtime).absolutePath(), home);
    EXPECT_EQ(PrivateFolder::Ensure(runtime), runtime);
    EXPECT_EQ(ModeOf(runtime), 0700u);
    qputenv("HOME", savedHome);
    if (!saved.isEmpty())
        qputenv("XDG_RUNTIME_DIR", saved);
}
