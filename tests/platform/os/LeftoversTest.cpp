#include "platform/os/Leftovers.h"
#include "platform/os/HeldPath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <unistd.h>

namespace {

constexpr uid_t OtherUser = 65534;
const QString Pattern = QStringLiteral("zeb-work-[A-Za-z0-9]{6}");

class LeftoversTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return base.filePath(name); }
    void File(const QString& name) {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }
    void Folder(const QString& name) {
        ASSERT_TRUE(QDir().mkpath(Path(name + QStringLiteral("/sub"))));
        File(name + QStringLiteral("/sub/backup.bkp"));
    }
    QTemporaryDir base;
};

TEST_F(LeftoversTest, OnlyTheUsersOwnUnheldNamesOfTheKindGo) {
    Folder(QStringLiteral("zeb-work-Abc123"));
    File(QStringLiteral("zeb-work-Xyz789"));
    Folder(QStringLiteral("zeb-work-Held00"));
    File(QStringLiteral("zeb-work-Held01"));
    File(QStringLiteral("zeb-work-Abc1234")); // not a name the program gives
    File(QStringLiteral("zzeb-work-Abc123"));
    File(QStringLiteral("dados.gdb"));
    ASSERT_TRUE(QFile::link(Path(QStringLiteral("dados.gdb")), Path(QStringLiteral("zeb-work-Link00"))));
    bool otherUser = false;
    if (geteuid() == 0) {
        File(QStringLiteral("zeb-work-Other0"));
        ASSERT_EQ(::chown(QFile::encodeName(Path(QStringLiteral("zeb-work-Other0"))).constData(), OtherUser,
                          OtherUser),
                  0);
        otherUser = true;
    }
    const auto heldFolder = std::make_unique<HeldPath>(Path(QStringLiteral("zeb-work-Held00")));
    const auto heldFile = std::make_unique<HeldPath>(Path(QStringLiteral("zeb-work-Held01")));

    QStringList removed = Leftovers::Remove(base.path(), Pattern);
    removed.sort();
    EXPECT_EQ(removed, (QStringList{QStringLiteral("zeb-work-Abc123"), QStringLiteral("zeb-work-Xyz789")}));
    QStringList kept{QStringLiteral("dados.gdb"),       QStringLiteral("zeb-work-Abc1234"),
                     QStringLiteral("zeb-work-Held00"), QStringLiteral("zeb-work-Held01"),
                     QStringLiteral("zeb-work-Link00"), QStringLiteral("zzeb-work-Abc123")};
    if (otherUser)
        kept << QStringLiteral("zeb-work-Other0");
    kept.sort();
    EXPECT_EQ(QDir(base.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name),
              kept);
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("dados.gdb"))));
}

} // namespace
