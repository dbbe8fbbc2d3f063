#include "platform/os/MountTable.h"
#include "platform/os/RemovableDrives.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QByteArray Mounts = "/dev/sda2 / ext4 rw,relatime 0 0\n"
                          "proc /proc proc rw 0 0\n"
                          "/dev/sda3 /home ext4 rw 0 0\n"
                          "/dev/sdb1 /media/u/PEN\\040DRIVE vfat rw 0 0\n"
                          "/dev/sdc /media/u/whole vfat rw 0 0\n"
                          "broken-line\n";

void write(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

} // namespace

TEST(MountTableTest, ParsesLinesAndEscapes) {
    const MountTable table = MountTable::Parse(Mounts);
    ASSERT_EQ(table.Entries().size(), 5);
    EXPECT_EQ(table.Entries()[3].mountPoint, QStringLiteral("/media/u/PEN DRIVE"));
    EXPECT_EQ(table.Entries()[3].device, QStringLiteral("/dev/sdb1"));
    EXPECT_EQ(table.Entries()[3].type, QStringLiteral("vfat"));
    EXPECT_TRUE(table.IsMountPoint(QStringLiteral("/home/")));
    EXPECT_TRUE(table.IsMountPoint(QStringLiteral("/media/u/PEN DRIVE")));
    EXPECT_FALSE(table.IsMountPoint(QStringLiteral("/home/u")));
}

TEST(MountTableTest, FindsTheLongestMountAbove) {
    const MountTable table = MountTable::Parse(Mounts);
    EXPECT_EQ(table.MountOf(QStringLiteral("/home/u/x"))->device, QStringLiteral("/dev/sda3"));
    EXPECT_EQ(table.MountOf(QStringLiteral("/homework"))->device, QStringLiteral("/dev/sda2"));
    EXPECT_EQ(table.MountOf(QStringLiteral("/"))->device, QStringLiteral("/dev/sda2"));
    EXPECT_FALSE(MountTable::Parse("").MountOf(QStringLiteral("/x")));
}

TEST(MountTableTest, RemovableDrivesReadsTheRemovableFlagOfDisksAndTheirPartitions) {
    QTemporaryDir sys;
    write(sys.filePath(QStringLiteral("sda/removable")), "0\n");
    write(sys.filePath(QStringLiteral("sda/sda2/partition")), "2\n");
    write(sys.filePath(QStringLiteral("sda/sda3/partition")), "3\n");
    write(sys.filePath(QStringLiteral("sdb/removable")), "1\n");
    write(sys.filePath(QStringLiteral("sdb/sdb1/partition")), "1\n");
    write(sys.filePath(QStringLiteral("sdc/removable")), "1\n");
    const RemovableDrives drives(sys.path(), MountTable::Parse(Mounts));

    EXPECT_TRUE(drives.IsRemovableDevice(QStringLiteral("sdb1")));
    EXPECT_TRUE(drives.IsRemovableDevice(QStringLiteral("/dev/sdc")));
    EXPECT_FALSE(drives.IsRemovableDevice(QStringLiteral("/dev/sda2")));
    EXPECT_FALSE(drives.IsRemovableDevice(QStringLiteral("proc")));
    EXPECT_FALSE(drives.IsRemovableDevice(QString()));

    EXPECT_TRUE(drives.IsRemovable(QStringLiteral("/media/u/PEN DRIVE/backup.zip")));
    EXPECT_FALSE(drives.IsRemovable(QStringLiteral("/home/u/backup.zip")));
    EXPECT_EQ(drives.MountPoints(),
              QStringList({QStringLiteral("/media/u/PEN DRIVE"), QStringLiteral("/media/u/whole")}));
}
