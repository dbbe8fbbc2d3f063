#include "platform/os/TreeRemover.h"

#include "platform/base/Exceptions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("x");
}

// A tree: a.txt, sub/b.txt, sub/deeper/c.txt.
QString makeTree(const QTemporaryDir& base, const QString& name) {
    const QString root = base.filePath(name);
    touch(root + QStringLiteral("/a.txt"));
    touch(root + QStringLiteral("/sub/b.txt"));
    touch(root + QStringLiteral("/sub/deeper/c.txt"));
    return root;
}

// Points HOME somewhere else for one test and back afterwards.
class FakeHome {
public:
    explicit FakeHome(const QString& home) : m_old(qgetenv("HOME")) { qputenv("HOME", home.toLocal8Bit()); }
    ~FakeHome() { qputenv("HOME", m_old); }

private:
    QByteArray m_old;
};

const MountTable NoMounts;

} // namespace

TEST(TreeRemoverTest, RemovesTheWholeTree) {
    QTemporaryDir base;
    const QString root = makeTree(base, QStringLiteral("t"));
    EXPECT_TRUE(TreeRemover::Remove(root, false, true, NoMounts));
    EXPECT_FALSE(QFileInfo::exists(root));
    EXPECT_TRUE(QDir(base.path()).exists());
}

TEST(TreeRemoverTest, OnlyFilesKeepsTheFolders) {
    QTemporaryDir base;
    const QString root = makeTree(base, QStringLiteral("t"));
    EXPECT_TRUE(TreeRemover::Remove(root, true, true, NoMounts));
    EXPECT_TRUE(QDir(root + QStringLiteral("/sub/deeper")).exists());
    EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("/a.txt")));
    EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("/sub/deeper/c.txt")));
}

TEST(TreeRemoverTest, LinksAreRemovedNotFollowed) {
    QTemporaryDir base;
    const QString root = makeTree(base, QStringLiteral("t"));
    const QString outside = makeTree(base, QStringLiteral("outside"));
    ASSERT_TRUE(QFile::link(outside, root + QStringLiteral("/sub/to-outside")));
    ASSERT_TRUE(QFile::link(outside + QStringLiteral("/a.txt"), root + QStringLiteral("/file-link")));
    ASSERT_TRUE(QFile::link(base.filePath(QStringLiteral("nowhere")), root + QStringLiteral("/dangling")));

    EXPECT_TRUE(TreeRemover::Remove(root, false, true, NoMounts));
    EXPECT_FALSE(QFileInfo::exists(root));
    EXPECT_TRUE(QFileInfo::exists(outside + QStringLiteral("/a.txt")));
    EXPECT_TRUE(QFileInfo::exists(outside + QStringLiteral("/sub/deeper/c.txt")));
}

TEST(TreeRemoverTest, RefusesAFolderThatIsALink) {
    QTemporaryDir base;
    const QString target = makeTree(base, QStringLiteral("target"));
    const QString link = base.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_FALSE(TreeRemover::Remove(link, false, false, NoMounts));
    EXPECT_THROW(TreeRemover::Remove(link, false, true, NoMounts), Exception);
    EXPECT_TRUE(QFileInfo::exists(target + QStringLiteral("/sub/b.txt")));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
}

TEST(TreeRemoverTest, RefusesRootAndTheHomeFolder) {
    EXPECT_FALSE(TreeRemover::Refusal(QStringLiteral("/"), NoMounts).isEmpty());
    EXPECT_FALSE(TreeRemover::Refusal(QStringLiteral("/tmp/.."), NoMounts).isEmpty());
    EXPECT_FALSE(TreeRemover::Refusal(QString(), NoMounts).isEmpty());

    QTemporaryDir base;
    const QString home = makeTree(base, QStringLiteral("home/user"));
    const FakeHome fake(home);
    EXPECT_FALSE(TreeRemover::Remove(home, false, false, NoMounts));
    EXPECT_THROW(TreeRemover::Remove(home + QStringLiteral("/"), false, true, NoMounts), Exception);
    // Nor a folder that holds the home folder.
    EXPECT_FALSE(TreeRemover::Remove(base.filePath(QStringLiteral("home")), false, false, NoMounts));
    EXPECT_TRUE(QFileInfo::exists(home + QStringLiteral("/sub/deeper/c.txt")));
    // A folder inside home may go.
    EXPECT_TRUE(TreeRemover::Remove(home + QStringLiteral("/sub"), false, true, NoMounts));
}

TEST(TreeRemoverTest, RefusesAMountPoint) {
    QTemporaryDir base;
    const QString root = makeTree(base, QStringLiteral("mnt"));
    const MountTable mounts =
        MountTable::Parse(QFile::encodeName(QStringLiteral("/dev/sdb1 %1 vfat rw 0 0\n").arg(root)));
    EXPECT_FALSE(TreeRemover::Remove(root, false, false, mounts));
    EXPECT_TRUE(QFileInfo::exists(root + QStringLiteral("/a.txt")));
}

TEST(TreeRemoverTest, DoesNotDescendIntoAMountInsideTheTree) {
    QTemporaryDir base;
    const QString root = makeTree(base, QStringLiteral("t"));
    const QString mounted = root + QStringLiteral("/sub");
    const MountTable mounts =
        MountTable::Parse(QFile::encodeName(QStringLiteral("/dev/sdb1 %1 vfat rw 0 0\n").arg(mounted)));
    EXPECT_FALSE(TreeRemover::Remove(root, false, false, mounts));
    EXPECT_TRUE(QFileInfo::exists(mounted + QStringLiteral("/deeper/c.txt")));
    EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("/a.txt")));
    EXPECT_THROW(TreeRemover::Remove(root, false, true, mounts), Exception);
}

TEST(TreeRemoverTest, RealMountPointsOfTheSystemAreRefused) {
    const MountTable mounts = MountTable::Read();
    for (const MountEntry& e : mounts.Entries()) {
        if (e.mountPoint != QLatin1String("/") && QFileInfo(e.mountPoint).isDir()) {
            EXPECT_FALSE(TreeRemover::Refusal(e.mountPoint, mounts).isEmpty()) << e.mountPoint.toStdString();
        }
    }
}
