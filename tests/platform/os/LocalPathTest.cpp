#include "platform/os/LocalPath.h"
#include "platform/os/AppFolders.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

TEST(LocalPathTest, WindowsPathsBecomeLocal) {
    const QString home = QDir::homePath();
    EXPECT_EQ(LocalPath::FromWindows(QStringLiteral("C:\\")), home + QLatin1Char('/'));
    EXPECT_EQ(LocalPath::FromWindows(QStringLiteral("c:\\BkpZeb2024.zip")),
              home + QStringLiteral("/BkpZeb2024.zip"));
    EXPECT_EQ(LocalPath::FromWindows(QStringLiteral("C:")), home + QLatin1Char('/'));
    EXPECT_EQ(LocalPath::FromWindows(QStringLiteral("Dados\\dbdef.gdb")), QStringLiteral("Dados/dbdef.gdb"));
    EXPECT_EQ(LocalPath::FromWindows(QStringLiteral("/srv/C:/x")), QStringLiteral("/srv/C:/x"));
    EXPECT_EQ(LocalPath::FromWindows(QStringLiteral("Cx:\\y")), QStringLiteral("Cx:/y"));
}

TEST(LocalPathTest, AppFoldersFoldersBesideTheExecutable) {
    // The test programs are built into the build's test folder.
    const QString folder = QFileInfo(QStringLiteral(ZEB_BUILD_DIR "/tests")).canonicalFilePath();
    EXPECT_EQ(AppFolders::ExecutableFolder(), folder);
    EXPECT_EQ(AppFolders::InstallationFolder(), folder);
    EXPECT_EQ(AppFolders::DataFolder(), folder + QStringLiteral("/Dados"));
    EXPECT_EQ(AppFolders::BackupFolder(), folder + QStringLiteral("/Backup"));
}
