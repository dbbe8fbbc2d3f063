// The writer: new archives, updates, stored paths, lists and the faults a
// run must survive (a missing file, a failed run over an existing archive,
// a file too large for the format).
#include "tests/zip/ZipTestSupport.h"

#include "platform/base/SystemClock.h"
#include "zip/TZipCrypt.h"
#include "zip/TZipWriter.h"
#include "zip/ZipExceptions.h"
#include "zip/ZipFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

using namespace ZipTest;

namespace {

void SetDate(const QString& path, const QDateTime& when) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
}

class ZipWriterTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QString MakeFile(const QString& name, const QByteArray& data) {
        WriteFile(Path(name), data);
        return Path(name);
    }
    // Names of the entries of the writer's directory (folder + name, backslashes).
    QStringList Names(const TZipReader& reader) const {
        QStringList names;
        for (int i = 0; i < reader.Count(); ++i)
            names.append(reader.Entry(i).FullName());
        return names;
    }
    // Extracts all of archive into folder with a fresh reader; returns the count.
    int ExtractAll(const QString& archive, const QString& folder) {
        TZipReader reader;
        reader.SetZipName(archive);
        reader.SetDestDir(folder);
        reader.SetDoAll(true);
        reader.SetRecreateDirs(true);
        reader.SetOverwriteMode(TUZOverwriteMode::Always);
        return reader.UnZip();
    }

    QTemporaryDir m_dir;
    TZipWriter m_writer;
};

TEST_F(ZipWriterTest, NewArchiveRoundTripsEveryLevel) {
    const QByteArray text = TextData(300000);
    const QByteArray noise = RandomData(70000);
    const QString a = MakeFile(QStringLiteral("in/a.txt"), text);
    const QString b = MakeFile(QStringLiteral("in/b.bin"), noise);
    const QString empty = MakeFile(QStringLiteral("in/empty"), QByteArray());
    for (int level : {0, 1, 6, 9}) {
        const QString archive = Path(QStringLiteral("out%1.zip").arg(level));
        m_writer.SetZipName(archive);
        m_writer.SetPackLevel(level);
        m_writer.FilesList() = QStringList{a, b, empty};
        EXPECT_EQ(m_writer.Zip(), 3);
        EXPECT_TRUE(OwnerOnly(archive));
        EXPECT_TRUE(m_writer.FilesList().isEmpty());
        EXPECT_EQ(Names(m_writer), (QStringList{"a.txt", "b.bin", "empty"}));
        const QString out = Path(QStringLiteral("x%1").arg(level));
        EXPECT_EQ(ExtractAll(archive, out), 3);
        EXPECT_EQ(ReadFile(out + "/a.txt"), text);
        EXPECT_EQ(ReadFile(out + "/b.bin"), noise);
        EXPECT_TRUE(QFileInfo::exists(out + "/empty"));
        EXPECT_EQ(ReadFile(out + "/empty"), QByteArray());
    }
}

QStringList Entries(const TZipReader& reader) {
    QStringList names;
    for (int i = 0; i < reader.Count(); ++i)
        names.append(reader.Entry(i).FullName());
    return names;
}

TEST_F(ZipWriterTest, UpdateKeepsReplacesAndAppends) {
    const QString a = MakeFile("a.txt", "a1");
    const QString b = MakeFile("b.txt", "b1");
    const QString archive = Path("up.zip");
    m_writer.SetZipName(archive);
    m_writer.FilesList() = QStringList{a, b};
    ASSERT_EQ(m_writer.Zip(), 2);
    QList<QPair<int, int>> updates;
    m_writer.OnUpdate = TUpdateEvent::fromFunction([&](TObject*, TUpdateAction action, int index) {
        updates.append({static_cast<int>(action), index});
    });
    // b is as new as its entry: kept; a is newer: replaced in its place; c is added after.
    WriteFile(a, "a2");
    SetDate(a, QDateTime::currentDateTime().addDays(1));
    const QString c = MakeFile("c.txt", "c1");
    m_writer.FilesList() = QStringList{b, a, c};
    EXPECT_EQ(m_writer.Zip(), 2);
    EXPECT_EQ(updates, (QList<QPair<int, int>>{{0, 0}, {1, 1}}));
    EXPECT_EQ(Entries(m_writer), (QStringList{"a.txt", "b.txt", "c.txt"}));
    ASSERT_EQ(ExtractAll(archive, Path("x1")), 3);
    EXPECT_EQ(ReadFile(Path("x1/a.txt")), "a2");
    // zaReplace replaces whatever the dates.
    WriteFile(b, "b2");
    SetDate(b, QDateTime(QDate(1999, 1, 1), QTime(0, 0)));
    m_writer.SetZipAction(TZipAction::zaReplace);
    m_writer.FilesList() = QStringList{b};
    EXPECT_EQ(m_writer.Zip(), 1);
    ASSERT_EQ(ExtractAll(archive, Path("x2")), 3);
    EXPECT_EQ(ReadFile(Path("x2/b.txt")), "b2");
    // zaFreshen takes only files that have an entry.
    const QString d = MakeFile("d.txt", "d1");
    m_writer.SetZipAction(TZipAction::zaFreshen);
    m_writer.FilesList() = QStringList{d, c};
    EXPECT_EQ(m_writer.Zip(), 0); // c's entry is as new as c
    EXPECT_EQ(Entries(m_writer), (QStringList{"a.txt", "b.txt", "c.txt"}));
    // An empty list rewrites the archive with all its entries.
    EXPECT_EQ(m_writer.Zip(), 0);
    EXPECT_EQ(Entries(m_writer), (QStringList{"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QStringList{"zeb*"}, QDir::Files | QDir::Hidden), QStringList{});
}

TEST_F(ZipWriterTest, KeptEntriesKeepTheirDataDescriptors) {
    // Written by python to a stream that cannot seek: sizes and CRC after the
    // data, in 4 bytes each, or in 8 after a local ZIP64 field.
    for (const char* zip64 : {"False", "True"}) {
        const QString archive = Path(QStringLiteral("streamed-%1.zip").arg(zip64));
        const QString source =
            QStringLiteral("import sys, io, zipfile\n") + PythonPipe +
            QStringLiteral(
                "pipe = Pipe()\n"
                "with zipfile.ZipFile(pipe, 'w', zipfile.ZIP_DEFLATED) as z:\n"
                "    for name in ('one.txt', 'two.txt'):\n"
                "        with z.open(name, 'w', force_zip64=%1) as f: f.write(name.encode() * 500)\n"
                "open(sys.argv[1], 'wb').write(pipe.data)\n")
                .arg(zip64);
        ASSERT_EQ(Python(source, {archive}).exitCode, 0);
        const QByteArray before = ReadFile(archive);
        m_writer.SetZipName(archive);
        m_writer.FilesList() = QStringList{MakeFile("three.txt", "three")};
        EXPECT_EQ(m_writer.Zip(), 1);
        EXPECT_TRUE(m_writer.Entry(0).HasDataDescriptor());
        // The kept entries are copied whole, their descriptors with them.
        EXPECT_TRUE(ReadFile(archive).startsWith(before.left(before.indexOf("PK\x01\x02")))) << zip64;
        const ProcessResult check = Python(QStringLiteral("import sys, zipfile\n"
                                                          "z = zipfile.ZipFile(sys.argv[1])\n"
                                                          "assert z.testzip() is None\n"
                                                          "print(z.read('two.txt').decode()[:14])\n"),
                                           {archive});
        EXPECT_EQ(check.exitCode, 0) << zip64 << check.errors.toStdString();
        EXPECT_EQ(check.output.trimmed(), "two.txttwo.txt") << zip64;
        EXPECT_EQ(ZipTest::Run("unzip", {"-tq", archive}).exitCode, 0) << zip64;
    }
}

TEST_F(ZipWriterTest, ListsPatternsAndStoredNames) {
    MakeFile("tree/a.txt", "a");
    MakeFile("tree/b.log", "b");
    MakeFile("tree/sub/c.txt", "c");
    MakeFile("tree/sub/deep/d.txt", "d");
    MakeFile("tree/skip/e.txt", "e");
    QStringList missing;
    m_writer.OnNoSuchFile =
        TNoSuchFileEvent::fromFunction([&](TObject*, const QString& name) { missing.append(name); });
    m_writer.SetZipName(Path("tree/self.zip"));
    m_writer.SetRelativePaths(true);
    EXPECT_TRUE(m_writer.StorePaths() && m_writer.Recurse());
    m_writer.SetRootDir(Path("tree"));
    m_writer.ExcludeList() = QStringList{"*.log", "*/skip/*"};
    m_writer.NoCompressList() = QStringList{"c.txt"};
    m_writer.SetAddDirEntriesOnRecurse(true);
    m_writer.FilesList() = QStringList{Path("tree/*.*"), Path("tree/nothere.txt")};
    EXPECT_EQ(m_writer.Zip(), 6);
    EXPECT_EQ(missing, QStringList{Path("tree/nothere.txt")});
    EXPECT_EQ(Entries(m_writer),
              (QStringList{"a.txt", "skip\\", "sub\\", "sub\\c.txt", "sub\\deep\\", "sub\\deep\\d.txt"}));
    EXPECT_EQ(m_writer.Entry(3).CompressionMethod, ZipFormat::MethodStored);
    EXPECT_EQ(m_writer.Entry(1).CompressionMethod, ZipFormat::MethodStored);
    // "|" searches its own folder only; without StorePaths no folder is kept.
    m_writer.SetStorePaths(false);
    EXPECT_FALSE(m_writer.RelativePaths() || m_writer.StoreVolumes());
    m_writer.SetZipName(Path("flat.zip"));
    m_writer.ExcludeList().clear();
    m_writer.FilesList() = QStringList{"|" + Path("tree/sub/*.txt"), ">" + Path("tree/sub/deep/*")};
    EXPECT_EQ(m_writer.Zip(), 2);
    EXPECT_EQ(Entries(m_writer), (QStringList{"c.txt", "d.txt"}));
    // Folders from the root, or without the leading separator.
    m_writer.SetStoreVolumes(true);
    EXPECT_TRUE(m_writer.StorePaths());
    m_writer.SetZipName(Path("volumes.zip"));
    m_writer.FilesList() = QStringList{Path("tree/a.txt")};
    EXPECT_EQ(m_writer.Zip(), 1);
    QString rooted = ZipFiles::FolderOf(Path("tree/a.txt"));
    EXPECT_EQ(m_writer.Entry(0).Directory(), rooted.replace('/', '\\'));
    m_writer.SetStoreVolumes(false);
    m_writer.SetZipName(Path("paths.zip"));
    m_writer.FilesList() = QStringList{Path("tree/a.txt")};
    EXPECT_EQ(m_writer.Zip(), 1);
    EXPECT_EQ(m_writer.Entry(0).Directory(), rooted.mid(1));
}

TEST_F(ZipWriterTest, DuplicateStoredNamesAreSkipped) {
    const QString one = MakeFile("one/x.txt", "1");
    const QString two = MakeFile("two/x.txt", "2");
    QStringList skipped;
    m_writer.OnSkippingFile =
        TSkippingFile::fromFunction([&](TObject*, TSkipReason reason, const QString& name, int index, bool&) {
            EXPECT_EQ(reason, TSkipReason::srNoOverwrite);
            EXPECT_EQ(index, -1);
            skipped.append(name);
        });
    m_writer.SetZipName(Path("dup.zip"));
    m_writer.FilesList() = QStringList{one, two};
    EXPECT_EQ(m_writer.Zip(), 1);
    EXPECT_EQ(skipped, QStringList{two});
}

TEST_F(ZipWriterTest, StoredFoldersCommentsAndDisposal) {
    const QString kept = MakeFile("keep.txt", TextData(3000));
    const QString gone = MakeFile("gone.txt", TextData(3000, 2));
    QDir().mkpath(Path("folder"));
    m_writer.SetZipName(Path("misc.zip"));
    m_writer.SetPackLevel(0);
    m_writer.SetDispose(true);
    m_writer.SetStorePaths(true);
    m_writer.SetRootDir(m_dir.path());
    m_writer.SetRelativePaths(true);
    m_writer.SetZipComment("backup comment");
    m_writer.OnDisposeFile =
        TDisposeEvent::fromFunction([&](TObject*, const QString& name, bool& skip) { skip = name == kept; });
    m_writer.FilesList() = QStringList{kept, gone, Path("folder") + "/"};
    EXPECT_EQ(m_writer.Zip(), 3);
    EXPECT_TRUE(QFileInfo::exists(kept));
    EXPECT_FALSE(QFileInfo::exists(gone));
    EXPECT_EQ(m_writer.Entry(0).CompressionMethod, ZipFormat::MethodStored);
    EXPECT_EQ(m_writer.Entry(0).InternalFileAttributes, ZipFormat::InternalBinary);
    EXPECT_EQ(m_writer.Entry(0).CompressedSize, 3000u);
    EXPECT_EQ(m_writer.Entry(2).FullName(), "folder\\");
    TZipReader reader;
    reader.SetZipName(Path("misc.zip"));
    reader.ReadZip();
    EXPECT_EQ(reader.ZipComment(), "backup comment");
    EXPECT_EQ(ZipTest::Run("unzip", {"-tq", Path("misc.zip")}).exitCode, 0);
}

TEST_F(ZipWriterTest, AFolderEntryWithoutAFolderIsStampedByTheProgramClock) {
    const QDateTime moment(QDate(2011, 5, 17), QTime(13, 42, 10));
    SystemClock::Fix([&] { return moment; });
    const auto restore = qScopeGuard([] { SystemClock::Fix({}); });
    m_writer.SetZipName(Path("clock.zip"));
    m_writer.SetRootDir(m_dir.path());
    m_writer.SetRelativePaths(true);
    m_writer.FilesList() = QStringList{Path("absent") + "/"};
    ASSERT_EQ(m_writer.Zip(), 1);
    EXPECT_EQ(m_writer.DateTime(0), moment);
}

TEST_F(ZipWriterTest, AFailedRunLeavesTheOldArchive) {
    const QString archive = Path("old.zip");
    m_writer.SetZipName(archive);
    m_writer.FilesList() = QStringList{MakeFile("a.txt", TextData(5000))};
    ASSERT_EQ(m_writer.Zip(), 1);
    const QByteArray before = ReadFile(archive);
    const auto untouched = [&] {
        EXPECT_EQ(ReadFile(archive), before);
        EXPECT_EQ(QDir(m_dir.path()).entryList(QStringList{"zeb*"}, QDir::Files | QDir::Hidden),
                  QStringList{});
    };
    // Stopped before it starts.
    m_writer.OnStartZipInfo =
        TStartZipInfo::fromFunction([](TObject*, int files, qint64, TEndCentral&, bool& stop) {
            EXPECT_EQ(files, 1);
            stop = true;
        });
    m_writer.FilesList() = QStringList{MakeFile("b.txt", "b")};
    try {
        m_writer.Zip();
        ADD_FAILURE();
    } catch (const EUserCanceled& e) {
        EXPECT_EQ(e.Message(), "User canceled Zip operation");
    }
    untouched();
    m_writer.OnStartZipInfo = nullptr;
    // Cancelled in the middle.
    m_writer.SetMessagePump([&] { m_writer.CancelOperation(); });
    m_writer.FilesList() = QStringList{MakeFile("big.txt", TextData(2000000))};
    EXPECT_THROW(m_writer.Zip(), EUserCanceled);
    untouched();
    EXPECT_FALSE(m_writer.Busy());
    m_writer.SetMessagePump(nullptr);
    // A file past 4 GiB (sparse, so nothing is really written).
    const QString huge = Path("huge.bin");
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64{1} << 32 | 1));
    }
    m_writer.FilesList() = QStringList{huge};
    EXPECT_THROW(m_writer.Zip(), EZipTooLarge);
    untouched();
    // The archive still reads.
    EXPECT_EQ(ExtractAll(archive, Path("x")), 1);
}

TEST_F(ZipWriterTest, AFileThatChangesBetweenItsTwoReadsIsRefused) {
    const QString archive = Path("enc.zip");
    const QString source = MakeFile("moving.txt", TextData(50000));
    m_writer.SetZipName(archive);
    m_writer.SetPassword("pw");
    bool changed = false;
    // The first pump comes after the CRC pass and the encryption header.
    m_writer.SetMessagePump([&] {
        if (!changed) {
            WriteFile(source, TextData(50000, 99));
            changed = true;
        }
    });
    m_writer.FilesList() = QStringList{source};
    EXPECT_THROW(m_writer.Zip(), EZipError);
    EXPECT_TRUE(changed);
    EXPECT_FALSE(QFileInfo::exists(archive));
}

TEST_F(ZipWriterTest, EncryptedEntriesCarryTheirHeader) {
    const QString archive = Path("enc.zip");
    m_writer.SetZipName(archive);
    m_writer.SetPassword("pw");
    m_writer.SetPackLevel(0);
    m_writer.FilesList() = QStringList{MakeFile("p.txt", "plain text")};
    ASSERT_EQ(m_writer.Zip(), 1);
    const TZipHeaderInfo& entry = m_writer.Entry(0);
    EXPECT_TRUE(entry.Encrypted());
    EXPECT_EQ(entry.CompressedSize, entry.UncompressedSize + 12);
    EXPECT_FALSE(ReadFile(archive).contains("plain text"));
    // Two runs never write the same header.
    const QByteArray first = ReadFile(archive);
    m_writer.SetZipAction(TZipAction::zaReplace);
    m_writer.FilesList() = QStringList{Path("p.txt")};
    ASSERT_EQ(m_writer.Zip(), 1);
    EXPECT_NE(ReadFile(archive), first);
}

// Handlers on OnEncrypt and OnDecrypt take the place of the built-in
// encryption: here they run the traditional one themselves, so peers and
// the built-in reader agree with what they made.
TEST_F(ZipWriterTest, EncryptionHandlersTakeTheBuiltInsPlace) {
    const QString archive = Path("handled.zip");
    const QByteArray text = TextData(50000);
    const QByteArray password = TZipCrypt::PasswordBytes("pw");
    TZipCrypt writerKeys(password);
    qint64 encrypted = 0;
    m_writer.OnEncrypt =
        TEncryptEvent::fromFunction([&](TObject*, std::uint8_t* block, int length, const QString& pw) {
            EXPECT_EQ(pw, "pw");
            writerKeys.Encrypt(block, static_cast<std::size_t>(length));
            encrypted += length;
        });
    m_writer.SetZipName(archive);
    m_writer.SetPassword("pw");
    m_writer.FilesList() = QStringList{MakeFile("t.txt", text)};
    ASSERT_EQ(m_writer.Zip(), 1);
    EXPECT_EQ(encrypted, m_writer.Entry(0).CompressedSize); // the 12-byte header too
    EXPECT_EQ(ZipTest::Run("unzip", {"-tq", "-P", "pw", archive}).exitCode, 0);

    // The reader checks the header with its own keys and hands the rest over.
    TZipCrypt readerKeys(password);
    QByteArray header = ReadFile(archive).mid(30 + 5, 12);
    readerKeys.Decrypt(reinterpret_cast<std::uint8_t*>(header.data()), 12);
    qint64 decrypted = 0;
    TZipReader reader;
    reader.OnDecrypt =
        TDecryptEvent::fromFunction([&](TObject*, std::uint8_t* block, int length, const QString&) {
            readerKeys.Decrypt(block, static_cast<std::size_t>(length));
            decrypted += length;
        });
    reader.SetZipName(archive);
    reader.SetPassword("pw");
    reader.SetDoAll(true);
    reader.SetDestDir(Path("out"));
    EXPECT_EQ(reader.UnZip(), 1);
    EXPECT_EQ(ReadFile(Path("out/t.txt")), text);
    EXPECT_EQ(decrypted, m_writer.Entry(0).CompressedSize - 12);
}

TEST_F(ZipWriterTest, AssignCopiesSettingsAndHandlers) {
    int started = 0;
    m_writer.SetComponentVersion(7);
    EXPECT_EQ(m_writer.ComponentVersion(), 100);
    m_writer.SetPackLevel(2);
    m_writer.SetStore83Names(true);
    m_writer.SetSkipIfArchiveBitNotSet(true);
    m_writer.SetResetArchiveBitOnZip(true);
    m_writer.ExcludeList() = QStringList{"*.bak"};
    m_writer.SetDoAll(true);
    m_writer.OnStartZip =
        TStartZipEvent::fromFunction([&](TObject*, const QString&, TZipHeaderInfo&, bool&) { ++started; });
    m_writer.OnEncrypt = TEncryptEvent::fromFunction([](TObject*, std::uint8_t*, int, const QString&) {});
    m_writer.OnDecrypt = TDecryptEvent::fromFunction([](TObject*, std::uint8_t*, int, const QString&) {});

    TZipWriter copy;
    copy.Assign(m_writer);
    EXPECT_EQ(copy.PackLevel(), 2);
    EXPECT_TRUE(copy.Store83Names());
    EXPECT_TRUE(copy.SkipIfArchiveBitNotSet());
    EXPECT_TRUE(copy.ResetArchiveBitOnZip());
    EXPECT_EQ(copy.ExcludeList(), QStringList{"*.bak"});
    EXPECT_TRUE(copy.DoAll());
    EXPECT_FALSE(copy.OnEncrypt);
    EXPECT_FALSE(copy.OnDecrypt);
    // Its default disk prompt is its own, not the source's.
    EXPECT_TRUE(copy.OnGetNextDisk);
    EXPECT_FALSE(copy.OnGetNextDisk == m_writer.OnGetNextDisk);
    // Every file here carries the archive attribute: none is left out, and
    // names are stored as they are.
    copy.SetZipName(Path("copy.zip"));
    copy.FilesList() = QStringList{MakeFile("a long name.text", "a"), MakeFile("skip.bak", "b")};
    EXPECT_EQ(copy.Zip(), 1);
    EXPECT_EQ(copy.Entry(0).FileName(), "a long name.text");
    EXPECT_EQ(started, 1);
    // A reader takes only the reader's part.
    TZipReader reader;
    reader.Assign(m_writer);
    EXPECT_TRUE(reader.DoAll());
    copy.Assign(reader);
    EXPECT_EQ(copy.PackLevel(), 2);
}

} // namespace
