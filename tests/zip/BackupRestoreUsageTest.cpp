// The engine as backup and restore drive it: one writer packs the database
// backup into one archive (or numbered pieces), one reader unpacks it into a
// work folder, each with progress, a next-disk handler, and an Abort button
// that calls CancelOperation in the middle of the work.
#include "tests/zip/ZipTestSupport.h"

#include "tests/support/FileSizeLimit.h"
#include "zip/TZipWriter.h"
#include "zip/ZipExceptions.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ZipTest;

namespace {

class BackupRestoreUsageTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_backup = m_dir.filePath("dbdef.bkp");
        WriteFile(m_backup, TextData(3000000, 61) + RandomData(200000, 62));
        // The backup window's writer.
        m_writer.SetOverwriteMode(TUZOverwriteMode::Always);
        m_writer.SetZipAction(TZipAction::zaReplace);
        m_writer.MultiZipInfo().CheckDiskLabels = false;
        m_writer.MultiZipInfo().WriteDiskLabels = false;
        m_writer.OnStartZip =
            TStartZipEvent::fromFunction([this](TObject*, const QString& name, TZipHeaderInfo&, bool&) {
                m_events.append("start " + name);
            });
        m_writer.OnEndZip = TEndZipFileEvent::fromFunction(
            [this](TObject*, const QString&, qint64, qint64, qint64) { m_events.append("end"); });
        m_writer.OnTotalPercentDone = TTotalPercentDone::fromFunction([this](TObject*, int percent) {
            m_percents.append(percent);
            if (m_abortAt >= 0 && percent >= m_abortAt)
                m_writer.CancelOperation();
        });
        m_writer.OnNoSuchFile = TNoSuchFileEvent::fromFunction(
            [this](TObject*, const QString& name) { m_events.append("missing " + name); });
        // Restore names the next piece after the current one.
        m_writer.OnGetNextDisk = TGetNextDisk::fromFunction([](TObject*, int disk, QString& name) {
            name =
                name.left(name.lastIndexOf('.')) + QStringLiteral(".%1").arg(disk, 3, 10, QLatin1Char('0'));
        });
    }

    int Backup(const QString& archive) {
        m_writer.SetZipName(archive);
        m_writer.FilesList().clear();
        m_writer.FilesList().append(m_backup);
        return m_writer.Zip();
    }

    // Unpacks with DoAll into the work folder; returns the last extracted name.
    QString Restore(const QString& archive) {
        QString last;
        m_writer.SetZipName(archive);
        m_writer.SetDoAll(true);
        m_writer.SetDestDir(m_dir.filePath("nubvo"));
        m_writer.OnEndUnZip =
            TEndUnZipEvent::fromFunction([&](TObject*, int, const QString& name) { last = name; });
        const int extracted = m_writer.UnZip();
        m_writer.OnEndUnZip = nullptr;
        return extracted > 0 ? last : QString();
    }

    QTemporaryDir m_dir;
    QString m_backup;
    TZipWriter m_writer;
    QStringList m_events;
    QList<int> m_percents;
    int m_abortAt = -1;
};

TEST_F(BackupRestoreUsageTest, PacksAndRestoresOneFile) {
    const QString archive = m_dir.filePath("BkpZeb20240131235959.zip");
    EXPECT_EQ(Backup(archive), 1);
    EXPECT_EQ(m_events, (QStringList{"start " + m_backup, "end"}));
    EXPECT_EQ(m_percents.last(), 100);
    EXPECT_TRUE(std::is_sorted(m_percents.begin(), m_percents.end()));
    const QString restored = Restore(archive);
    EXPECT_EQ(restored, m_dir.filePath("nubvo/dbdef.bkp"));
    EXPECT_EQ(ReadFile(restored), ReadFile(m_backup));
    // A second backup over the same name replaces the archive.
    WriteFile(m_backup, TextData(1000, 63));
    EXPECT_EQ(Backup(archive), 1);
    QDir(m_dir.filePath("nubvo")).removeRecursively();
    EXPECT_EQ(ReadFile(Restore(archive)), TextData(1000, 63));
    // A backup file that went away is reported, and nothing is added.
    m_events.clear();
    QFile::remove(m_backup);
    EXPECT_EQ(Backup(m_dir.filePath("other.zip")), 0);
    EXPECT_EQ(m_events, QStringList{"missing " + m_backup});
}

TEST_F(BackupRestoreUsageTest, RestoresAnArchiveInPieces) {
    m_writer.MultiZipInfo().MultiMode = TMultiMode::mmBlocks;
    m_writer.MultiZipInfo().FirstBlockSize = 400000;
    m_writer.MultiZipInfo().BlockSize = 300000;
    ASSERT_EQ(Backup(m_dir.filePath("set.zip")), 1);
    const QString last = m_writer.ZipName();
    const QStringList pieces = QDir(m_dir.path()).entryList(QStringList{"set.0*"}, QDir::Files, QDir::Name);
    ASSERT_GE(pieces.size(), 2);
    EXPECT_EQ(last, m_dir.filePath(pieces.last()));
    m_writer.MultiZipInfo().MultiMode = TMultiMode::mmNone;
    EXPECT_EQ(ReadFile(Restore(last)), ReadFile(m_backup));
}

TEST_F(BackupRestoreUsageTest, AbortStopsBothDirectionsCleanly) {
    const QString archive = m_dir.filePath("aborted.zip");
    m_abortAt = 30;
    EXPECT_THROW(Backup(archive), EUserCanceled);
    EXPECT_FALSE(QFileInfo::exists(archive));
    EXPECT_FALSE(m_writer.Busy());
    m_abortAt = -1;
    ASSERT_EQ(Backup(archive), 1);
    // Abort in the middle of unpacking: no partial file is left behind.
    m_writer.OnTotalPercentDone = TTotalPercentDone::fromFunction([this](TObject*, int percent) {
        if (percent >= 50)
            m_writer.CancelOperation();
    });
    EXPECT_THROW(Restore(archive), EUserCanceled);
    EXPECT_EQ(QDir(m_dir.filePath("nubvo")).entryList(QDir::Files | QDir::Hidden), QStringList{});
    EXPECT_FALSE(m_writer.Busy());
    // The next run goes through.
    m_writer.OnTotalPercentDone = nullptr;
    EXPECT_EQ(ReadFile(Restore(archive)), ReadFile(m_backup));
}

} // namespace

TEST_F(BackupRestoreUsageTest, AFullDiskFailsBothDirectionsAndLeavesNoPartialFile) {
    const QString archive = m_dir.filePath("full.zip");
    {
        FileSizeLimit full(100 * 1024);
        EXPECT_THROW(Backup(archive), Exception);
    }
    EXPECT_FALSE(QFileInfo::exists(archive)) << "no archive cut short";
    EXPECT_FALSE(m_writer.Busy());

    ASSERT_EQ(Backup(archive), 1);
    {
        FileSizeLimit full(1024 * 1024);
        EXPECT_THROW(Restore(archive), Exception);
    }
    EXPECT_EQ(QDir(m_dir.filePath("nubvo")).entryList(QDir::Files | QDir::Hidden), QStringList{})
        << "no file cut short";
    EXPECT_FALSE(m_writer.Busy());
    EXPECT_EQ(ReadFile(Restore(archive)), ReadFile(m_backup)) << "with room again it goes through";
}
