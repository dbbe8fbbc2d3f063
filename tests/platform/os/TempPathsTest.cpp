#include "platform/os/TempPaths.h"
#include "platform/os/DiskInfo.h"

#include "platform/base/Exceptions.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(TempPathsTest, FilesAndFoldersGetUniqueNames) {
    QTemporaryDir base;
    const QString a = TempPaths::CreateFile(QStringLiteral("dbdef"), QStringLiteral(".bkp"), base.path());
    const QString b = TempPaths::CreateFile(QStringLiteral("dbdef"), QStringLiteral(".bkp"), base.path());
    EXPECT_NE(a, b);
    EXPECT_TRUE(QFileInfo(a).isFile());
    EXPECT_EQ(QFileInfo(a).size(), 0);
    EXPECT_TRUE(QFileInfo(a).fileName().startsWith(QStringLiteral("dbdef")));
    EXPECT_TRUE(a.endsWith(QStringLiteral(".bkp")));
    EXPECT_EQ(QFileInfo(a).absolutePath(), QFileInfo(base.path()).absoluteFilePath());

    const QString folder = TempPaths::CreateFolder(QStringLiteral("nubvo"), base.path());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(QFileInfo(folder).permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup),
              QFile::Permissions());
    EXPECT_NE(folder, TempPaths::CreateFolder(QStringLiteral("nubvo"), base.path()));
}

TEST(TempPathsTest, DefaultsToTheSystemTemporaryFolder) {
    const QString file = TempPaths::CreateFile(QStringLiteral("zeb"));
    EXPECT_EQ(QFileInfo(file).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
    QFile::remove(file);
    EXPECT_FALSE(TempPaths::TempFolder().endsWith(QLatin1Char('/')));
}

TEST(TempPathsTest, FailureRaises) {
    QTemporaryDir base;
    EXPECT_THROW(
        TempPaths::CreateFile(QStringLiteral("x"), QString(), base.filePath(QStringLiteral("missing"))),
        Exception);
    EXPECT_THROW(TempPaths::CreateFolder(QStringLiteral("x"), base.filePath(QStringLiteral("missing"))),
                 Exception);
}

TEST(TempPathsTest, DiskInfoFreeSpaceAndPresence) {
    QTemporaryDir base;
    const auto free = DiskInfo::FreeBytes(base.path());
    ASSERT_TRUE(free);
    EXPECT_GT(*free, 0);
    EXPECT_TRUE(DiskInfo::IsPresent(base.path()));
    EXPECT_FALSE(DiskInfo::FreeBytes(base.filePath(QStringLiteral("missing/deeper"))));
    EXPECT_FALSE(DiskInfo::IsPresent(base.filePath(QStringLiteral("missing"))));
}

TEST(TempPathsTest, DiskInfoWriteProtectionProbeLeavesNothingBehind) {
    QTemporaryDir base;
    // A file of the old probe's fixed name is not touched.
    QFile existing(base.filePath(QStringLiteral("_$.$$$")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("keep");
    existing.close();
    EXPECT_FALSE(DiskInfo::IsWriteProtected(base.path()));
    EXPECT_EQ(QDir(base.path()).entryList(QDir::Files), QStringList{QStringLiteral("_$.$$$")});
    EXPECT_EQ(existing.size(), 4);
    EXPECT_TRUE(DiskInfo::IsWriteProtected(base.filePath(QStringLiteral("missing"))));
}
