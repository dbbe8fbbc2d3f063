// The reader: selection, destination folders, overwrite decisions, CRC and
// passwords, and every kind of damaged or hostile archive.
#include "tests/zip/ZipTestSupport.h"

#include "platform/base/ByteWriter.h"
#include "platform/base/Crc32.h"
#include "tests/support/ScriptedPrompter.h"
#include "zip/DosDateTime.h"
#include "zip/TZipCrypt.h"
#include "zip/TZipDirectoryReader.h"
#include "zip/TZipWriter.h"
#include "zip/ZipExceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace ZipTest;

namespace {

// The DOS date BuildArchive gives every entry.
const QDateTime kEntryDate(QDate(2000, 1, 1), QTime(0, 0), Qt::LocalTime);

void PatchU32(QByteArray& bytes, qsizetype at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(value >> (8 * i));
}

void PatchU16(QByteArray& bytes, qsizetype at, std::uint16_t value) {
    bytes[at] = static_cast<char>(value);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

void SetDate(const QString& path, const QDateTime& when) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
}

class ZipReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_reader.SetDestDir(Dest());
        m_reader.OnSkippingFile = TSkippingFile::fromFunction(
            [this](TObject*, TSkipReason reason, const QString& name, int, bool&) {
                m_skipped.append(
                    QStringLiteral("%1 %2").arg(static_cast<int>(reason)).arg(QFileInfo(name).fileName()));
            });
        m_reader.OnBadCRC = TBadCRC::fromFunction([this](TObject*, quint32 calc, quint32 stored, int index) {
            m_badCrc.append(QStringLiteral("%1 %2 %3").arg(index).arg(calc, 8, 16).arg(stored, 8, 16));
        });
    }

    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QString Dest() const { return m_dir.filePath(QStringLiteral("dest")); }
    QString Archive(const QByteArray& bytes, const QString& name = QStringLiteral("test.zip")) {
        WriteFile(Path(name), bytes);
        m_reader.SetZipName(Path(name));
        return Path(name);
    }
    // Files (and folders, with a trailing "/") below dest, hidden ones too.
    QStringList Extracted() const {
        QStringList found;
        const QDir root(Dest());
        std::function<void(const QString&)> walk = [&](const QString& folder) {
            const QDir dir(folder);
            for (const QFileInfo& info : dir.entryInfoList(
                     QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name)) {
                found.append(root.relativeFilePath(info.filePath()) + (info.isDir() ? "/" : ""));
                if (info.isDir() && !info.isSymLink())
                    walk(info.filePath());
            }
        };
        walk(Dest());
        return found;
    }
    static std::vector<RawEntry> Tree() {
        return {Stored("docs/a.txt", "alpha"), Stored("docs/sub/b.txt", "beta"), Stored("c.txt", "gamma"),
                Stored("docs/", "")};
    }

    QTemporaryDir m_dir;
    TZipReader m_reader;
    QStringList m_skipped;
    QStringList m_badCrc;
};

TEST_F(ZipReaderTest, SelectsByPatternsOverFolderAndName) {
    Archive(BuildArchive(Tree()));
    int announced = -1;
    m_reader.OnStartUnZipInfo =
        TStartUnzipInfo::fromFunction([&](TObject*, int files, qint64, bool&) { announced = files; });
    m_reader.FilesList() = QStringList{"*.txt"};
    EXPECT_EQ(m_reader.UnZip(), 3);
    EXPECT_EQ(announced, 3);
    EXPECT_EQ(Extracted(), (QStringList{"a.txt", "b.txt", "c.txt"}));
    EXPECT_TRUE(m_reader.FilesList().isEmpty());
    // "a.txt" is not "docs\a.txt"; an empty list extracts nothing, and says so.
    m_reader.FilesList() = QStringList{"a.txt"};
    EXPECT_EQ(m_reader.UnZip(), 0);
    EXPECT_EQ(announced, 0);
    announced = -1;
    EXPECT_EQ(m_reader.UnZip(), 0);
    EXPECT_EQ(announced, 0);
    m_reader.FilesList() = QStringList{"docs\\sub\\*"};
    m_reader.SetOverwriteMode(TUZOverwriteMode::Always);
    EXPECT_EQ(m_reader.UnZip(), 1);
}

TEST_F(ZipReaderTest, RecreatesFoldersBelowTheDestination) {
    Archive(BuildArchive(Tree()));
    m_reader.SetDoAll(true);
    m_reader.SetRecreateDirs(true);
    EXPECT_EQ(m_reader.UnZip(), 4);
    EXPECT_EQ(Extracted(), (QStringList{"c.txt", "docs/", "docs/a.txt", "docs/sub/", "docs/sub/b.txt"}));
    EXPECT_EQ(ReadFile(Dest() + "/docs/sub/b.txt"), "beta");
    // Without recreating, folder entries are visited and counted all the same.
    QDir(Dest()).removeRecursively();
    m_reader.SetRecreateDirs(false);
    EXPECT_EQ(m_reader.UnZip(), 4);
    EXPECT_EQ(Extracted(), (QStringList{"a.txt", "b.txt", "c.txt"}));
    // RootDir is taken off the stored folders.
    QDir(Dest()).removeRecursively();
    m_reader.SetRecreateDirs(true);
    m_reader.SetRootDir("docs");
    EXPECT_EQ(m_reader.RootDir(), "docs/");
    EXPECT_EQ(m_reader.UnZip(), 4);
    EXPECT_EQ(Extracted(), (QStringList{"a.txt", "c.txt", "sub/", "sub/b.txt"}));
}

TEST_F(ZipReaderTest, DestinationFolderRules) {
    m_reader.SetDestDir(Dest() + "/");
    EXPECT_EQ(m_reader.DestDir(), Dest());
    // An empty destination is the current folder.
    Archive(BuildArchive({Stored("here.txt", "here")}));
    const QString previous = QDir::currentPath();
    QDir().mkpath(Path("cwd"));
    ASSERT_TRUE(QDir::setCurrent(Path("cwd")));
    m_reader.SetDestDir(QString());
    m_reader.SetDoAll(true);
    const int extracted = m_reader.UnZip();
    QDir::setCurrent(previous);
    EXPECT_EQ(extracted, 1);
    EXPECT_EQ(ReadFile(Path("cwd/here.txt")), "here");
    // "?" asks for the folder; cancelling raises.
    ScriptedPrompter prompter;
    prompter.AnswerPath(Path("chosen")).Answer(mrCancel);
    m_reader.SetDestDir("?");
    EXPECT_EQ(m_reader.DestDir(), Path("chosen"));
    EXPECT_THROW(m_reader.SetDestDir("?"), EUserCanceled);
}

TEST_F(ZipReaderTest, ExtractedFilesGetTheEntrysDateAndAttributes) {
    auto readOnly = Stored("ro.txt", "read only");
    Archive(BuildArchive({readOnly}));
    // Mark the entry read-only in its central header (external attributes).
    QByteArray bytes = ReadFile(m_reader.ZipName());
    const qsizetype central = bytes.indexOf("PK\x01\x02");
    PatchU32(bytes, central + 38, 0x21);
    Archive(bytes);
    m_reader.SetDoAll(true);
    EXPECT_EQ(m_reader.UnZip(), 1);
    const QFileInfo info(Dest() + "/ro.txt");
    EXPECT_EQ(info.lastModified(), kEntryDate);
    EXPECT_FALSE(info.permissions() & QFileDevice::WriteOwner);
    EXPECT_EQ(m_reader.DateTime(0), kEntryDate);
}

TEST_F(ZipReaderTest, OverwriteModes) {
    Archive(BuildArchive({Stored("a.txt", "new")}));
    m_reader.SetDoAll(true);
    const QString target = Dest() + "/a.txt";
    const auto reset = [&](const QDateTime& when) {
        WriteFile(target, "old");
        SetDate(target, when);
    };
    reset(kEntryDate);
    m_reader.SetOverwriteMode(TUZOverwriteMode::Never);
    EXPECT_EQ(m_reader.UnZip(), 0);
    EXPECT_EQ(ReadFile(target), "old");
    EXPECT_EQ(m_skipped, QStringList{"1 a.txt"});
    // Equal dates: neither newer nor older.
    m_reader.SetOverwriteMode(TUZOverwriteMode::ifNewer);
    EXPECT_EQ(m_reader.UnZip(), 0);
    m_reader.SetOverwriteMode(TUZOverwriteMode::ifOlder);
    EXPECT_EQ(m_reader.UnZip(), 0);
    EXPECT_EQ(ReadFile(target), "old");
    reset(kEntryDate.addYears(10));
    EXPECT_EQ(m_reader.UnZip(), 1);
    EXPECT_EQ(ReadFile(target), "new");
    reset(kEntryDate.addYears(-10));
    m_reader.SetOverwriteMode(TUZOverwriteMode::ifNewer);
    EXPECT_EQ(m_reader.UnZip(), 1);
    EXPECT_EQ(ReadFile(target), "new");
    reset(kEntryDate);
    m_reader.SetOverwriteMode(TUZOverwriteMode::Always);
    EXPECT_EQ(m_reader.UnZip(), 1);
    EXPECT_EQ(ReadFile(target), "new");
}

TEST_F(ZipReaderTest, OverwritePromptAsksTheHandlerOrTheUser) {
    Archive(BuildArchive({Stored("a.txt", "new")}));
    m_reader.SetDoAll(true);
    const QString target = Dest() + "/a.txt";
    WriteFile(target, "old");
    {
        ScriptedPrompter prompter;
        prompter.Answer(mrNo).Answer(mrYes);
        EXPECT_EQ(m_reader.UnZip(), 0);
        EXPECT_EQ(prompter.Last().Text, "Replace existing file a.txt?");
        EXPECT_EQ(prompter.Last().Caption, "File Exists Alert");
        EXPECT_EQ(ReadFile(target), "old");
        EXPECT_EQ(m_reader.UnZip(), 1);
        EXPECT_EQ(ReadFile(target), "new");
    }
    WriteFile(target, "old");
    m_reader.OnPromptForOverwrite =
        TPromptForOverwrite::fromFunction([&](TObject*, bool& overwrite, int index, QString& name) {
            EXPECT_EQ(index, 0);
            overwrite = true;
            name = Dest() + "/renamed.txt";
        });
    EXPECT_EQ(m_reader.UnZip(), 1);
    EXPECT_EQ(ReadFile(target), "old");
    EXPECT_EQ(ReadFile(Dest() + "/renamed.txt"), "new");
}

TEST_F(ZipReaderTest, WrongCrcIsReportedAndLeavesNoFile) {
    RawEntry bad = Stored("bad.txt", "bad data");
    bad.crc ^= 1;
    Archive(BuildArchive({bad, Stored("good.txt", "good")}));
    WriteFile(Dest() + "/bad.txt", "previous");
    m_reader.SetDoAll(true);
    m_reader.SetOverwriteMode(TUZOverwriteMode::Always);
    EXPECT_EQ(m_reader.UnZip(), 1);
    ASSERT_EQ(m_badCrc.size(), 1);
    EXPECT_TRUE(m_badCrc.front().startsWith("0 "));
    EXPECT_EQ(ReadFile(Dest() + "/bad.txt"), "previous");
    EXPECT_EQ(Extracted(), (QStringList{"bad.txt", "good.txt"}));
}

TEST_F(ZipReaderTest, PasswordsFromThePropertyOrTheHandler) {
    const QString source = Path("secret.txt");
    WriteFile(source, TextData(20000));
    TZipWriter writer;
    writer.SetZipName(Path("enc.zip"));
    writer.SetPassword("s3cret");
    writer.FilesList() = QStringList{source};
    ASSERT_EQ(writer.Zip(), 1);
    EXPECT_TRUE(writer.Entry(0).Encrypted());
    m_reader.SetZipName(Path("enc.zip"));
    m_reader.SetDoAll(true);
    m_reader.SetOverwriteMode(TUZOverwriteMode::Always);
    // No password, no handler: skipped.
    EXPECT_EQ(m_reader.UnZip(), 0);
    EXPECT_EQ(m_skipped, QStringList{"0 secret.txt"});
    // The handler gives the right one.
    int asked = 0;
    m_reader.OnBadPassword = TBadPassword::fromFunction([&](TObject*, int index, QString& password) {
        EXPECT_EQ(index, 0);
        ++asked;
        password = "s3cret";
    });
    // A wrong password that passes the header's one-byte check (one in 256
    // does) is found out by the data and asked for again all the same.
    const QByteArray header = ReadFile(Path("enc.zip")).mid(30 + 10, 12);
    QString wrong;
    for (int i = 0; wrong.isEmpty(); ++i) {
        QByteArray bytes = header;
        TZipCrypt(TZipCrypt::PasswordBytes(QStringLiteral("wrong%1").arg(i)))
            .Decrypt(reinterpret_cast<std::uint8_t*>(bytes.data()), 12);
        if (static_cast<std::uint8_t>(bytes[11]) == writer.Entry(0).CRC32 >> 24)
            wrong = QStringLiteral("wrong%1").arg(i);
    }
    m_reader.SetPassword(wrong);
    EXPECT_EQ(m_reader.UnZip(), 1);
    EXPECT_GE(asked, 1);
    EXPECT_EQ(ReadFile(Dest() + "/secret.txt"), TextData(20000));
    EXPECT_EQ(m_reader.Password(), "s3cret");
}

TEST_F(ZipReaderTest, NamesNeverLeaveTheDestination) {
    Archive(BuildArchive({Stored("../evil.txt", "1"), Stored("a/../../evil2.txt", "2"),
                          Stored("/abs/x.txt", "3"), Stored("C:/win/y.txt", "4"),
                          Stored(QByteArray("nul\0l.txt", 9), "5"), Stored("ok/./z.txt", "6")}));
    m_reader.SetDoAll(true);
    m_reader.SetRecreateDirs(true);
    EXPECT_EQ(m_reader.UnZip(), 3);
    EXPECT_EQ(Extracted(), (QStringList{"abs/", "abs/x.txt", "ok/", "ok/z.txt", "win/", "win/y.txt"}));
    EXPECT_EQ(m_skipped.size(), 3);
    for (const QString& skip : m_skipped)
        EXPECT_TRUE(skip.startsWith("5 ")) << skip.toStdString();
    EXPECT_FALSE(QFileInfo::exists(Path("evil.txt")));
    EXPECT_FALSE(QFileInfo::exists(Path("evil2.txt")));
    // Without recreating folders only the name counts, which is safe.
    QDir(Dest()).removeRecursively();
    m_reader.SetRecreateDirs(false);
    m_reader.FilesList() = QStringList{"..\\evil.txt"};
    m_reader.SetDoAll(false);
    EXPECT_EQ(m_reader.UnZip(), 1);
    EXPECT_EQ(Extracted(), QStringList{"evil.txt"});
}

// A path that fails deep inside the destination (here a folder name longer
// than the file system takes, 450 levels and more than a path's longest
// length down) leaves none of the folders made for it; those that were
// there stay.
TEST_F(ZipReaderTest, AFailedDeepPathLeavesNoFoldersOfItsOwn) {
    const QByteArray deep =
        "kept/" + QByteArray("dddddddddd/").repeated(450) + QByteArray(300, 'n') + "/f.txt";
    Archive(BuildArchive({Stored("kept/x.txt", "x"), Stored(deep, "deep")}));
    m_reader.SetDoAll(true);
    m_reader.SetRecreateDirs(true);
    EXPECT_EQ(m_reader.UnZip(), 1);
    EXPECT_EQ(m_skipped, QStringList{"3 f.txt"});
    EXPECT_EQ(Extracted(), (QStringList{"kept/", "kept/x.txt"}));
}

TEST_F(ZipReaderTest, LinksInTheDestinationAreNotFollowed) {
    QDir().mkpath(Path("outside"));
    QDir().mkpath(Dest());
    WriteFile(Path("outside/t.txt"), "keep");
    ASSERT_EQ(symlink(Path("outside").toLocal8Bit().constData(), (Dest() + "/sub").toLocal8Bit().constData()),
              0);
    ASSERT_EQ(symlink(Path("outside/t.txt").toLocal8Bit().constData(),
                      (Dest() + "/t.txt").toLocal8Bit().constData()),
              0);
    Archive(BuildArchive({Stored("sub/x.txt", "x"), Stored("t.txt", "t"), Stored("sub/deeper/y.txt", "y")}));
    m_reader.SetDoAll(true);
    m_reader.SetRecreateDirs(true);
    m_reader.SetOverwriteMode(TUZOverwriteMode::Always);
    EXPECT_EQ(m_reader.UnZip(), 0);
    EXPECT_EQ(m_skipped, (QStringList{"5 x.txt", "5 t.txt", "5 y.txt"}));
    EXPECT_EQ(QDir(Path("outside")).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"t.txt"});
    EXPECT_EQ(ReadFile(Path("outside/t.txt")), "keep");
}

TEST_F(ZipReaderTest, ArchivesWithoutAnEndRecord) {
    const QByteArray whole = BuildArchive({Stored("one.txt", "first"), Stored("two.txt", "second")});
    Archive(whole.left(whole.size() - 10));
    m_reader.SetDoAll(true);
    EXPECT_THROW(m_reader.UnZip(), EIncompleteZip);
    m_reader.SetIncompleteZipMode(TIncompleteZipMode::izAssumeNotAZip);
    EXPECT_THROW(m_reader.UnZip(), ENotAZipFile);
    // Rebuilt from the local headers.
    m_reader.SetZipName(Path("test.zip"));
    m_reader.SetIncompleteZipMode(TIncompleteZipMode::izAssumeBad);
    EXPECT_EQ(m_reader.UnZip(), 2);
    EXPECT_EQ(ReadFile(Dest() + "/two.txt"), "second");
    // The handler may change the mode.
    QDir(Dest()).removeRecursively();
    TZipReader other;
    other.SetZipName(Path("test.zip"));
    other.SetDestDir(Dest());
    other.SetDoAll(true);
    other.OnInCompleteZip = TIncompleteZip::fromFunction(
        [](TObject*, TIncompleteZipMode& mode) { mode = TIncompleteZipMode::izAssumeBad; });
    EXPECT_EQ(other.UnZip(), 2);
    // Nothing to rebuild from.
    Archive(RandomData(5000, 9), "noise.zip");
    m_reader.SetIncompleteZipMode(TIncompleteZipMode::izAssumeBad);
    EXPECT_THROW(m_reader.UnZip(), EBadZipFile);
    EXPECT_TRUE(m_reader.ZipName().isEmpty());
    // Empty is an empty archive; shorter than an end record is not one.
    Archive(QByteArray(), "empty.zip");
    EXPECT_EQ(m_reader.UnZip(), 0);
    EXPECT_EQ(m_reader.Count(), 0);
    Archive("PK\x05\x06", "tiny.zip");
    m_reader.SetIncompleteZipMode(TIncompleteZipMode::izAssumeMulti);
    EXPECT_THROW(m_reader.UnZip(), EIncompleteZip);
}

TEST_F(ZipReaderTest, ArchivesPast4GiBAreTooLarge) {
    // Sparse: nothing is really written.
    QFile file(Path("huge.zip"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(qint64{1} << 32));
    ASSERT_TRUE(file.seek(file.size()));
    file.write(BuildArchive({}));
    file.close();
    m_reader.SetZipName(Path("huge.zip"));
    EXPECT_THROW(m_reader.ReadZip(), EZipTooLarge);
    // An entry whose ZIP64 size is past 4 GiB: nothing of it is unpacked.
    RawEntry entry = Stored("huge.txt", "zeros");
    entry.size = 0xFFFFFFFF;
    entry.centralExtra = QByteArray("\x01\x00\x08\x00\x00\x00\x00\x00\x01\x00\x00\x00", 12);
    Archive(BuildArchive({entry}));
    m_reader.SetDoAll(true);
    EXPECT_THROW(m_reader.UnZip(), EZipTooLarge);
    EXPECT_EQ(Extracted(), QStringList{});
}

TEST_F(ZipReaderTest, DirectoryPointingOutsideTheFileIsRebuilt) {
    QByteArray bytes = BuildArchive({Stored("one.txt", "first"), Stored("two.txt", "second")});
    PatchU32(bytes, bytes.size() - 6, 0x7FFFFFF0); // central directory offset
    Archive(bytes);
    m_reader.SetDoAll(true);
    EXPECT_EQ(m_reader.UnZip(), 2);
    // A name length past the end of the file.
    bytes = BuildArchive({Stored("one.txt", "first"), Stored("two.txt", "second")});
    PatchU16(bytes, bytes.indexOf("PK\x01\x02") + 28, 0xFFFF);
    Archive(bytes, "long-name.zip");
    QDir(Dest()).removeRecursively();
    EXPECT_EQ(m_reader.UnZip(), 2);
    EXPECT_EQ(ReadFile(Dest() + "/one.txt"), "first");
}

TEST_F(ZipReaderTest, EntriesSharingDataAreRefused) {
    // The second entry's local header and data lie inside the first entry's data.
    const RawEntry inner = Stored("inner.txt", "inner data");
    ByteWriter local;
    local.U32(0x04034B50);
    local.U16(20);
    local.U16(0);
    local.U16(0);
    local.U32(0x28210000);
    local.U32(inner.crc);
    local.U32(inner.size);
    local.U32(inner.size);
    local.U16(static_cast<std::uint16_t>(inner.name.size()));
    local.U16(0);
    local.Bytes(inner.name);
    local.Bytes(inner.data);
    RawEntry outer = Stored("outer.txt", QByteArray("head") + local.Data() + "tail");
    QByteArray bytes = BuildArchive({outer, inner});
    // Point the second central record at the copy inside the first entry.
    const qsizetype second = bytes.indexOf("PK\x01\x02", bytes.indexOf("PK\x01\x02") + 4);
    PatchU32(bytes, second + 42, 30 + 9 + 4);
    Archive(bytes);
    m_reader.SetDoAll(true);
    EXPECT_EQ(m_reader.UnZip(), 1);
    EXPECT_EQ(Extracted(), QStringList{"inner.txt"});
    EXPECT_EQ(m_skipped, QStringList{"4 outer.txt"});
    // Two records of one local header: rebuilt from the local headers.
    bytes = BuildArchive({Stored("a.txt", "a"), Stored("b.txt", "b")});
    const qsizetype first = bytes.indexOf("PK\x01\x02");
    PatchU32(bytes, bytes.indexOf("PK\x01\x02", first + 4) + 42, 0);
    Archive(bytes, "twice.zip");
    m_skipped.clear();
    QDir(Dest()).removeRecursively();
    EXPECT_EQ(m_reader.UnZip(), 2);
    EXPECT_EQ(m_reader.Count(), 2);
    EXPECT_EQ(m_skipped, QStringList{});
}

TEST_F(ZipReaderTest, LocalHeadersThatDisagreeAreSkipped) {
    RawEntry renamed = Stored("a.txt", "a");
    renamed.localName = "b.txt";
    RawEntry method = Stored("m.txt", "m");
    method.localMethod = 8;
    Archive(BuildArchive({renamed, method, Stored("ok.txt", "ok")}));
    m_reader.SetDoAll(true);
    EXPECT_EQ(m_reader.UnZip(), 1);
    EXPECT_EQ(m_skipped, (QStringList{"4 a.txt", "4 m.txt"}));
}

TEST_F(ZipReaderTest, UndecodableDataAreDataErrorsNotCrcErrors) {
    RawEntry garbage = Stored("garbage.txt", "x");
    garbage.method = 8;
    garbage.data = QByteArray("\xFF\xFF\xFF\xFF", 4);
    RawEntry longer = Stored("longer.txt", TextData(1000));
    longer.method = 8;
    longer.data = ZlibDeflate(TextData(1000), {6}).front();
    longer.size = 500;
    RawEntry unknown = Stored("bzip.txt", "z");
    unknown.method = 12;
    RawEntry stored = Stored("short.txt", "abc");
    stored.size = 10;
    Archive(BuildArchive({garbage, longer, unknown, stored, Stored("fine.txt", "fine")}));
    m_reader.SetDoAll(true);
    EXPECT_EQ(m_reader.UnZip(), 1);
    EXPECT_EQ(m_skipped, (QStringList{"4 garbage.txt", "4 longer.txt", "6 bzip.txt", "4 short.txt"}));
    EXPECT_TRUE(m_badCrc.isEmpty());
    EXPECT_EQ(Extracted(), QStringList{"fine.txt"});
}

TEST_F(ZipReaderTest, CancelStopsTheRunAndLeavesNoPartialFile) {
    RawEntry big = Stored("big.txt", TextData(3000000));
    Archive(BuildArchive({big}));
    m_reader.SetDoAll(true);
    int pumps = 0;
    int completed = -1;
    m_reader.SetMessagePump([&] {
        if (++pumps == 20)
            m_reader.CancelOperation();
    });
    m_reader.OnUnZipComplete = TUnZipComplete::fromFunction([&](TObject*, int count) { completed = count; });
    EXPECT_THROW(m_reader.UnZip(), EUserCanceled);
    EXPECT_EQ(completed, 0);
    EXPECT_FALSE(m_reader.Busy());
    EXPECT_EQ(Extracted(), QStringList{});
    // Without message processing nothing is pumped or cancelled.
    pumps = 0;
    m_reader.SetDoProcessMessages(false);
    EXPECT_EQ(m_reader.UnZip(), 1);
    EXPECT_EQ(pumps, 0);
}

TEST_F(ZipReaderTest, ProgressReachesAHundred) {
    Archive(BuildArchive({Stored("a.txt", TextData(100000)), Stored("b.txt", TextData(50000))}));
    m_reader.SetDoAll(true);
    QList<int> files;
    QList<int> totals;
    m_reader.OnFilePercentDone = TFilePercentDone::fromFunction([&](TObject*, int p) { files.append(p); });
    m_reader.OnTotalPercentDone = TTotalPercentDone::fromFunction([&](TObject*, int p) { totals.append(p); });
    QStringList ended;
    m_reader.OnEndUnZip =
        TEndUnZipEvent::fromFunction([&](TObject*, int, const QString& name) { ended.append(name); });
    EXPECT_EQ(m_reader.UnZip(), 2);
    EXPECT_EQ(totals.last(), 100);
    EXPECT_TRUE(std::is_sorted(totals.begin(), totals.end()));
    EXPECT_EQ(files.last(), 100);
    EXPECT_EQ(ended, (QStringList{Dest() + "/a.txt", Dest() + "/b.txt"}));
}

TEST_F(ZipReaderTest, SortedViewsAndIndexes) {
    Archive(BuildArchive({Stored("b/z.txt", "1"), Stored("a.txt", "22"), Stored("c.txt", "333")}));
    m_reader.ReadZip();
    EXPECT_EQ(m_reader.Count(), 3);
    EXPECT_EQ(m_reader.Filename(0), "z.txt");
    EXPECT_EQ(m_reader.Entry(0).Directory(), "b\\");
    m_reader.Sort(TZipSortMode::ByName);
    EXPECT_EQ(m_reader.Filename(0), "a.txt");
    m_reader.Sort(TZipSortMode::ByUnCompressedSize);
    EXPECT_EQ(m_reader.Filename(0), "c.txt");
    try {
        m_reader.Filename(5);
        ADD_FAILURE();
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "Index 5 is out of range");
    }
    // Extraction follows the view.
    m_reader.SetDoAll(true);
    QList<int> order;
    m_reader.OnEndUnZip =
        TEndUnZipEvent::fromFunction([&](TObject*, int index, const QString&) { order.append(index); });
    EXPECT_EQ(m_reader.UnZip(), 3);
    EXPECT_EQ(order, (QList<int>{0, 1, 2}));
    EXPECT_EQ(ReadFile(Dest() + "/c.txt"), "333");
}

TEST_F(ZipReaderTest, SelfExtractingArchivesAreRebuiltPastTheirProgram) {
    QByteArray stub(TZipDirectoryReader::ExeStubSize, 'x');
    stub.replace(100, 4, "PK\x03\x04"); // a signature in the program is not an entry
    QByteArray bytes = BuildArchive({Stored("payload.txt", "payload")});
    bytes.chop(5); // no end record
    Archive(stub + bytes, "setup.EXE");
    m_reader.SetIncompleteZipMode(TIncompleteZipMode::izAssumeBad);
    m_reader.SetDoAll(true);
    EXPECT_EQ(m_reader.UnZip(), 1);
    EXPECT_EQ(ReadFile(Dest() + "/payload.txt"), "payload");
}

TEST_F(ZipReaderTest, CommentsAndNamesOfOtherTools) {
    const QString source = QStringLiteral("import sys, zipfile\n"
                                          "with zipfile.ZipFile(sys.argv[1], 'w') as z:\n"
                                          "    z.writestr('dir/sub/f.txt', b'f')\n"
                                          "    z.writestr('ação/€.txt', b'utf8')\n"
                                          "    info = zipfile.ZipInfo('commented.txt')\n"
                                          "    info.comment = b'entry comment'\n"
                                          "    z.writestr(info, b'c')\n"
                                          "    z.comment = b'archive comment'\n");
    ASSERT_EQ(Python(source, {Path("py.zip")}).exitCode, 0);
    m_reader.SetZipName(Path("py.zip"));
    m_reader.ReadZip();
    ASSERT_EQ(m_reader.Count(), 3);
    EXPECT_EQ(m_reader.Entry(0).Directory(), "dir\\sub\\");
    EXPECT_EQ(m_reader.Entry(0).FileName(), "f.txt");
    EXPECT_EQ(m_reader.Entry(1).FullName(), "ação\\€.txt");
    EXPECT_EQ(m_reader.FileComment(2), "entry comment");
    EXPECT_EQ(m_reader.ZipComment(), "archive comment");
    m_reader.SetDoAll(true);
    m_reader.SetRecreateDirs(true);
    EXPECT_EQ(m_reader.UnZip(), 3);
    EXPECT_EQ(ReadFile(Dest() + "/ação/€.txt"), "utf8");
}

} // namespace
