// Archives over several pieces (name.001, name.002, ...) or removable disks:
// writing, reading back, and the limits and requests on the way.
#include "tests/zip/ZipTestSupport.h"

#include "platform/base/ByteReader.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/zip/FakeVolumeLabels.h"
#include "zip/TZipMedia.h"
#include "zip/TZipWriter.h"
#include "zip/ZipExceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ZipTest;

namespace {

// Disks that are removable, with a fixed room, and labels kept in memory.
class FakeMedia : public TZipMedia {
public:
    FakeMedia(VolumeLabels& labels, qint64 room) : TZipMedia(labels), m_room(room) {}
    bool IsRemovable(const QString&) const override { return true; }
    std::optional<qint64> FreeBytes(const QString&) const override { return m_room; }

private:
    qint64 m_room;
};

struct EndRecord {
    int thisDisk, centralDisk, entriesThisDisk, totalEntries;
};

EndRecord ReadEnd(const QString& file) {
    const QByteArray tail = ReadFile(file).right(22);
    ByteReader reader(tail);
    reader.Skip(4);
    EndRecord end{};
    end.thisDisk = reader.U16();
    end.centralDisk = reader.U16();
    end.entriesThisDisk = reader.U16();
    end.totalEntries = reader.U16();
    return end;
}

class ZipSpanTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QString MakeFile(const QString& name, const QByteArray& data) {
        WriteFile(Path(name), data);
        return Path(name);
    }
    void UsePieces(qint64 first, qint64 next) {
        m_writer.MultiZipInfo().MultiMode = TMultiMode::mmBlocks;
        m_writer.MultiZipInfo().FirstBlockSize = first;
        m_writer.MultiZipInfo().BlockSize = next;
    }
    int Extract(TZipReader& reader, const QString& archive, const QString& folder) {
        reader.SetZipName(archive);
        reader.SetDestDir(folder);
        reader.SetDoAll(true);
        reader.SetOverwriteMode(TUZOverwriteMode::Always);
        return reader.UnZip();
    }

    QTemporaryDir m_dir;
    TZipWriter m_writer;
};

TEST_F(ZipSpanTest, ASetThatFitsOnePieceIsAPlainArchive) {
    UsePieces(1 << 20, 1 << 20);
    m_writer.SetZipName(Path("small.zip"));
    m_writer.FilesList() = QStringList{MakeFile("a.txt", TextData(10000))};
    EXPECT_EQ(m_writer.Zip(), 1);
    EXPECT_EQ(m_writer.ZipName(), Path("small.zip"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QStringList{"small.*"}), QStringList{"small.zip"});
    EXPECT_EQ(ZipTest::Run("unzip", {"-tq", Path("small.zip")}).exitCode, 0);
}

TEST_F(ZipSpanTest, PiecesAreNumberedAndReadBack) {
    const QByteArray noise = RandomData(150000, 21);
    const QByteArray text = TextData(400000, 22);
    UsePieces(65536, 80000);
    m_writer.SetZipName(Path("set.zip"));
    m_writer.FilesList() = QStringList{MakeFile("noise.bin", noise), MakeFile("text.txt", text)};
    EXPECT_EQ(m_writer.Zip(), 2);
    const QStringList pieces = QDir(m_dir.path()).entryList(QStringList{"set.*"}, QDir::Files, QDir::Name);
    ASSERT_GE(pieces.size(), 3);
    EXPECT_EQ(pieces.first(), "set.001");
    EXPECT_EQ(m_writer.ZipName(), Path(pieces.last()));
    EXPECT_LE(QFileInfo(Path("set.001")).size(), 65536);
    for (int i = 1; i < pieces.size(); ++i)
        EXPECT_LE(QFileInfo(Path(pieces[i])).size(), 80000) << pieces[i].toStdString();
    for (const QString& piece : pieces)
        EXPECT_TRUE(OwnerOnly(Path(piece))) << piece.toStdString();
    // The noise does not fit its piece: its data go on, its header stays on disk 0.
    EXPECT_EQ(m_writer.Entry(0).DiskNumberStart, 0);
    EXPECT_GT(m_writer.Entry(1).DiskNumberStart, 0);
    // The end record counts the central headers of its own disk.
    const EndRecord end = ReadEnd(m_writer.ZipName());
    EXPECT_EQ(end.thisDisk, pieces.size() - 1);
    EXPECT_EQ(end.totalEntries, 2);
    EXPECT_EQ(end.entriesThisDisk, end.centralDisk == end.thisDisk ? 2 : 0);
    // Read back from the last piece, asking for the others by number.
    TZipReader reader;
    QList<int> asked;
    reader.OnGetNextDisk = TGetNextDisk::fromFunction([&](TObject*, int disk, QString& name) {
        asked.append(disk);
        name = Path(QStringLiteral("set.%1").arg(disk, 3, 10, QLatin1Char('0')));
    });
    EXPECT_EQ(Extract(reader, m_writer.ZipName(), Path("out")), 2);
    EXPECT_EQ(ReadFile(Path("out/noise.bin")), noise);
    EXPECT_EQ(ReadFile(Path("out/text.txt")), text);
    EXPECT_EQ(reader.MultiMode(), TMultiMode::mmBlocks);
    EXPECT_EQ(asked.first(), 1);
    // The default handler names the pieces the same way.
    TZipReader plain;
    EXPECT_EQ(Extract(plain, Path(pieces.last()), Path("out2")), 2);
    EXPECT_EQ(ReadFile(Path("out2/text.txt")), text);
}

TEST_F(ZipSpanTest, PieceLimits) {
    m_writer.SetZipName(Path("limits.zip"));
    UsePieces(65535, 65536);
    m_writer.FilesList() = QStringList{MakeFile("a.txt", "a")};
    EXPECT_THROW(m_writer.Zip(), EZipError);
    // At most 999 pieces: 70 MB stored in 64 KiB pieces would need more.
    UsePieces(65536, 65536);
    m_writer.SetPackLevel(0);
    const QString big = MakeFile("big.bin", QByteArray(70 << 20, 'x'));
    m_writer.FilesList() = QStringList{big};
    EXPECT_THROW(m_writer.Zip(), EZipError);
    // The pieces of the failed run are gone.
    EXPECT_EQ(QDir(m_dir.path()).entryList(QStringList{"limits.*"}), QStringList{});
}

TEST_F(ZipSpanTest, AMissingPieceIsAskedForABoundedNumberOfTimes) {
    UsePieces(65536, 65536);
    m_writer.SetZipName(Path("gap.zip"));
    m_writer.FilesList() = QStringList{MakeFile("noise.bin", RandomData(200000, 5))};
    ASSERT_EQ(m_writer.Zip(), 1);
    const QString last = m_writer.ZipName();
    QFile::remove(Path("gap.002"));
    {
        TZipReader reader;
        int asked = 0;
        reader.OnGetNextDisk = TGetNextDisk::fromFunction([&](TObject*, int disk, QString& name) {
            ++asked;
            name = Path(QStringLiteral("gap.%1").arg(disk, 3, 10, QLatin1Char('0')));
        });
        EXPECT_THROW(Extract(reader, last, Path("out")), EZipError);
        EXPECT_EQ(asked, 1 + TZipReader::MaxDiskRequests);
        EXPECT_FALSE(QFileInfo::exists(Path("out/noise.bin")));
    }
    {
        // The handler refuses, or cancels the operation.
        TZipReader reader;
        reader.OnGetNextDisk = TGetNextDisk::fromFunction([](TObject*, int, QString& name) { name.clear(); });
        EXPECT_THROW(Extract(reader, last, Path("out")), EUserCanceled);
        TZipReader cancelling;
        cancelling.OnGetNextDisk =
            TGetNextDisk::fromFunction([&](TObject*, int, QString&) { cancelling.CancelOperation(); });
        EXPECT_THROW(Extract(cancelling, last, Path("out")), EUserCanceled);
        EXPECT_FALSE(cancelling.Busy());
    }
}

TEST_F(ZipSpanTest, DisksAreLabelledAndCheckedByTheirLabels) {
    FakeVolumeLabels labels;
    FakeMedia media(labels, 100000);
    m_writer.SetMedia(&media);
    m_writer.MultiZipInfo().MultiMode = TMultiMode::mmSpan;
    m_writer.MultiZipInfo().SaveOnFirstDisk = 10000;
    m_writer.MultiZipInfo().SaveZipInfoOnFirstDisk = true;
    // Each disk is a folder of its own, holding a file of the same name.
    QDir().mkpath(Path("disk1"));
    m_writer.SetZipName(Path("disk1/backup.zip"));
    QList<int> prepared;
    m_writer.OnGetNextDisk = TGetNextDisk::fromFunction([&](TObject*, int disk, QString& name) {
        QDir().mkpath(Path(QStringLiteral("disk%1").arg(disk)));
        name = Path(QStringLiteral("disk%1/backup.zip").arg(disk));
    });
    m_writer.OnPrepareNextDisk =
        TPrepareNextDisk::fromFunction([&](TObject*, int disk) { prepared.append(disk); });
    const QByteArray noise = RandomData(250000, 31);
    m_writer.FilesList() = QStringList{MakeFile("noise.bin", noise)};
    ASSERT_EQ(m_writer.Zip(), 1);
    EXPECT_EQ(prepared, (QList<int>{2, 3}));
    EXPECT_EQ(labels.Written(), (QStringList{"PKBACK# 001", "PKBACK# 002", "PKBACK# 003"}));
    EXPECT_LE(QFileInfo(Path("disk1/backup.zip")).size(), 100000 - 10000);
    // The reserve for the directory copy is worked out afresh each run.
    EXPECT_EQ(m_writer.MultiZipInfo().SaveOnFirstDisk, 10000);
    EXPECT_TRUE(QFileInfo::exists(Path("disk1/backup.zfc")));

    // Reading: disk 1 must carry a label ending in 001.
    TZipReader reader;
    reader.SetMedia(&media);
    int asked = 0;
    reader.OnGetNextDisk = TGetNextDisk::fromFunction([&](TObject*, int disk, QString& name) {
        ++asked;
        name = Path(QStringLiteral("disk%1/backup.zip").arg(disk));
    });
    labels.SetLabel(Path("disk1/backup.zip"), "PKBACK# 009");
    EXPECT_THROW(Extract(reader, Path("disk3/backup.zip"), Path("out")), EZipError);
    EXPECT_EQ(reader.MultiMode(), TMultiMode::mmSpan);
    labels.SetLabel(Path("disk1/backup.zip"), "PKBACK# 001");
    labels.SetLabel(Path("disk2/backup.zip"), "PKBACK# 002");
    labels.SetLabel(Path("disk3/backup.zip"), "PKBACK# 003");
    EXPECT_EQ(Extract(reader, Path("disk3/backup.zip"), Path("out")), 1);
    EXPECT_EQ(ReadFile(Path("out/noise.bin")), noise);
    // Without the last disk, the directory copy lists the set.
    TZipReader lister;
    lister.SetZipName(Path("disk1/backup.zip"));
    lister.ReadZip();
    EXPECT_EQ(lister.Count(), 1);
    EXPECT_EQ(lister.Filename(0), "noise.bin");
}

TEST_F(ZipSpanTest, DefaultDiskPromptAndRefusal) {
    FakeVolumeLabels labels;
    FakeMedia media(labels, 70000);
    m_writer.SetMedia(&media);
    m_writer.MultiZipInfo().MultiMode = TMultiMode::mmSpan;
    m_writer.MultiZipInfo().WriteDiskLabels = false;
    m_writer.SetZipName(Path("b.zip"));
    m_writer.FilesList() = QStringList{MakeFile("noise.bin", RandomData(100000, 41))};
    ScriptedPrompter prompter;
    prompter.Answer(mrCancel);
    try {
        m_writer.Zip();
        ADD_FAILURE();
    } catch (const EUserCanceled& e) {
        EXPECT_EQ(e.Message(), "User canceled Zip operation");
    }
    EXPECT_EQ(prompter.Last().Text, "Please insert disk 2 of the multi-disk set.");
    EXPECT_TRUE(labels.Written().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(Path("b.zip")));
}

} // namespace
