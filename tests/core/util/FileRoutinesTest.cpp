#include "core/util/FileRoutines.h"

#include "platform/os/RemovableDrives.h"
#include "tests/support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FileRoutinesTest, JuntaCaminhoExactlyOneSeparatorBetween) {
    EXPECT_EQ(JuntaCaminho(QStringLiteral("/a/b/"), QStringLiteral("/c.txt")), QStringLiteral("/a/b/c.txt"));
    EXPECT_EQ(JuntaCaminho(QStringLiteral("/a/b"), QStringLiteral("c.txt")), QStringLiteral("/a/b/c.txt"));
    EXPECT_EQ(JuntaCaminho(QStringLiteral("/a/b\\"), QStringLiteral("\\Dados\\dbdef.gdb")),
              QStringLiteral("/a/b/Dados/dbdef.gdb"));
}

TEST(FileRoutinesTest, JuntaCaminhoEmptyPartsLeaveTheOther) {
    EXPECT_EQ(JuntaCaminho(QStringLiteral("/a/b/"), QString()), QStringLiteral("/a/b"));
    EXPECT_EQ(JuntaCaminho(QString(), QStringLiteral("dbdef.gbk")), QStringLiteral("dbdef.gbk"));
    EXPECT_EQ(JuntaCaminho(QStringLiteral("/"), QStringLiteral("x")), QStringLiteral("/x"));
    EXPECT_EQ(JuntaCaminho(QStringLiteral("/"), QString()), QStringLiteral("/"));
}

TEST(FileRoutinesTest, JuntaCaminhoWindowsDefaultFolderBecomesHome) {
    EXPECT_EQ(JuntaCaminho(QStringLiteral("C:\\"), QStringLiteral("BkpZeb.zip")),
              QDir::homePath() + QStringLiteral("/BkpZeb.zip"));
}

TEST(FileRoutinesTest, PastaTemporariaEndsWithASeparator) {
    const QString folder = PastaTemporaria();
    EXPECT_TRUE(folder.endsWith(QLatin1Char('/')));
    EXPECT_TRUE(QDir(folder).exists());
}

TEST(FileRoutinesTest, RemovePastaRemovesATreeWithWindowsSeparators) {
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    const QString tree = base.filePath(QStringLiteral("nubvo"));
    ASSERT_TRUE(QDir().mkpath(tree + QStringLiteral("/sub")));
    QFile(tree + QStringLiteral("/sub/dbdef.gbk")).open(QIODevice::WriteOnly);
    QString windowsStyle = tree;
    windowsStyle.replace(QLatin1Char('/'), QLatin1Char('\\'));
    EXPECT_TRUE(RemovePasta(windowsStyle, false, true));
    EXPECT_FALSE(QFileInfo::exists(tree));
}

TEST(FileRoutinesTest, RemovePastaMissingFolderIsReportedOnlyWhenAsked) {
    QTemporaryDir base;
    const QString missing = base.filePath(QStringLiteral("missing"));
    EXPECT_FALSE(RemovePasta(missing, false, false));
    EXPECT_ANY_THROW(RemovePasta(missing, false, true));
}

TEST(FileRoutinesTest, DiskRoutinesTemporaryFolderIsAPresentWritableFixedDisk) {
    QTemporaryDir dir;
    EXPECT_TRUE(DiscoPresente(dir.path()));
    EXPECT_FALSE(ProtegidoContraGravacao(dir.path()));
    EXPECT_TRUE(QDir(dir.path()).isEmpty()); // the probe file is gone
    EXPECT_TRUE(ProtegidoContraGravacao(dir.filePath(QStringLiteral("no-such-folder"))));
}

namespace {

// A fake system where the folder mounted is a removable disk (sdb1) or a fixed one (sda1).
RemovableDrives drivesWith(const QTemporaryDir& sys, const QString& mounted, bool removable) {
    const QString disk = removable ? QStringLiteral("sdb") : QStringLiteral("sda");
    QDir().mkpath(sys.filePath(disk + QStringLiteral("/") + disk + QStringLiteral("1")));
    QFile flag(sys.filePath(disk + QStringLiteral("/removable")));
    flag.open(QIODevice::WriteOnly);
    flag.write(removable ? "1\n" : "0\n");
    flag.close();
    const QString line =
        QStringLiteral("/dev/") + disk + QStringLiteral("1 ") + mounted + QStringLiteral(" vfat rw 0 0\n");
    return RemovableDrives(sys.path(), MountTable::Parse(QFile::encodeName(line)));
}

} // namespace

TEST(FileRoutinesTest, PedeDiscoFixedWritableDriveAsksNothing) {
    QTemporaryDir sys;
    QTemporaryDir disk;
    ScriptedPrompter prompts;
    EXPECT_TRUE(PedeDisco(disk.path(), QString(), true, drivesWith(sys, disk.path(), false)));
    EXPECT_EQ(prompts.Count(), 0);
}

TEST(FileRoutinesTest, PedeDiscoRemovableDriveAsksForTheDiskFirst) {
    QTemporaryDir sys;
    QTemporaryDir disk;
    ScriptedPrompter prompts;
    prompts.Answer(mrOk);
    EXPECT_TRUE(PedeDisco(disk.path(), QStringLiteral("Por favor insira o disco 2:"), true,
                          drivesWith(sys, disk.path(), true)));
    ASSERT_EQ(prompts.Count(), 1);
    EXPECT_EQ(prompts.Last().Text, QStringLiteral("Por favor insira o disco 2:"));
    EXPECT_EQ(prompts.Last().Icon, TMsgDlgType::mtConfirmation);
    EXPECT_EQ(prompts.Last().Buttons, (std::vector<TMsgDlgBtn>{TMsgDlgBtn::mbOK, TMsgDlgBtn::mbCancel}));
}

TEST(FileRoutinesTest, PedeDiscoCancelOnTheDiskPromptGivesFalse) {
    QTemporaryDir sys;
    QTemporaryDir disk;
    ScriptedPrompter prompts;
    prompts.Answer(mrCancel);
    EXPECT_FALSE(PedeDisco(disk.path(), QString(), false, drivesWith(sys, disk.path(), true)));
    EXPECT_EQ(prompts.Last().Text,
              QStringLiteral("Por favor insira um disquete no drive %1:").arg(disk.path()));
}

TEST(FileRoutinesTest, PedeDiscoAbsentDiskIsAskedForAgain) {
    QTemporaryDir sys;
    QTemporaryDir base;
    const QString absent = base.filePath(QStringLiteral("not-mounted"));
    ScriptedPrompter prompts;
    prompts.Answer(mrOk).Answer(mrOk).Answer(mrCancel);
    EXPECT_FALSE(PedeDisco(absent, QString(), false, drivesWith(sys, absent, true)));
    EXPECT_EQ(prompts.Count(), 3);
}

TEST(FileRoutinesTest, PedeDiscoWriteProtectedDiskOffersRetry) {
    QTemporaryDir sys;
    QTemporaryDir base;
    const QString folder = base.filePath(QStringLiteral("later"));
    ScriptedPrompter prompts;
    // The first retry fails; the folder then appears and the second retry passes.
    prompts.Answer(mrRetry).AnswerWith([&](const TPromptRequest&) {
        QDir().mkpath(folder);
        return TPromptResult{mrRetry, {}};
    });
    EXPECT_TRUE(PedeDisco(folder, QString(), true, drivesWith(sys, folder, false)));
    ASSERT_EQ(prompts.Count(), 2);
    EXPECT_EQ(prompts.Last().Text,
              QStringLiteral("Erro: O disco %1: está protegido contra gravação.").arg(folder));
    EXPECT_EQ(prompts.Last().Icon, TMsgDlgType::mtError);

    prompts.Answer(mrCancel);
    EXPECT_FALSE(PedeDisco(base.filePath(QStringLiteral("never")), QString(), true,
                           drivesWith(sys, base.filePath(QStringLiteral("never")), false)));
}
