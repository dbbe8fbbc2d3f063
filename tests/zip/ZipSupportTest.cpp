// The support units: wildcards, the folder walker, DOS dates, buffered
// streams, sorted directories and the header records.
#include "tests/zip/ZipTestSupport.h"

#include "zip/DosDateTime.h"
#include "zip/TBufferedStream.h"
#include "zip/TDirSearch.h"
#include "zip/TEndCentral.h"
#include "zip/TMemoryStream.h"
#include "zip/TObjectList.h"
#include "zip/TSearchData.h"
#include "zip/TSortedObjectList.h"
#include "zip/TSortedZip.h"
#include "zip/TZipHeaderInfo.h"
#include "zip/Wildcard.h"
#include "zip/ZipExceptions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace ZipTest;

namespace {

TEST(ZipSupportTest, WildcardMatchesAsTheFileListsUseIt) {
    EXPECT_TRUE(Wildcard::Matches("a<b-d>?.txt", "ACX.TXT"));
    EXPECT_FALSE(Wildcard::Matches("a<b-d>?.txt", "aex.txt"));
    EXPECT_TRUE(Wildcard::Matches("a<^b-d>x", "aex"));
    EXPECT_FALSE(Wildcard::Matches("a<^b-d>x", "acx"));
    EXPECT_TRUE(Wildcard::Matches("a<!b-d>x", "aex"));
    EXPECT_TRUE(Wildcard::Matches("*.txt", ".txt"));
    EXPECT_FALSE(Wildcard::Matches("a*", "b"));
    EXPECT_FALSE(Wildcard::Matches("abc", "abcd"));
    EXPECT_TRUE(Wildcard::Matches("*", ""));
    EXPECT_TRUE(Wildcard::Matches("*.txt", "docs\\a.txt"));
    EXPECT_FALSE(Wildcard::Matches("a.txt", "docs\\a.txt"));
    EXPECT_TRUE(Wildcard::Matches("*a*b*c", "xxaxxbxxbxc"));
    EXPECT_TRUE(Wildcard::Matches("?*?", "ab"));
    EXPECT_FALSE(Wildcard::Matches("?*?", "a"));
    EXPECT_FALSE(Wildcard::Matches("a<bc", "ab")); // a set without its end never matches
    EXPECT_TRUE(Wildcard::Matches("<xyz>", "Y"));
    EXPECT_TRUE(Wildcard::IsPattern("a|b") && Wildcard::IsPattern("<a>") &&
                !Wildcard::IsPattern("plain.txt"));
}

TEST(ZipSupportTest, DirSearchWalksInNameOrderAndNeverThroughLinks) {
    QTemporaryDir dir;
    const QString root = dir.path();
    WriteFile(root + "/b.txt", "b");
    WriteFile(root + "/a/inner.txt", "i");
    WriteFile(root + "/a/inner.doc", "d");
    WriteFile(root + "/c.txt", "c");
    WriteFile(root + "/noext", "n");
    ASSERT_EQ(symlink(root.toLocal8Bit().constData(), (root + "/loop").toLocal8Bit().constData()), 0);
    ASSERT_EQ(
        symlink((root + "/c.txt").toLocal8Bit().constData(), (root + "/link.txt").toLocal8Bit().constData()),
        0);
    const auto walk = [](TDirSearch search) {
        QStringList names;
        for (QString name = search.Next(); !name.isEmpty(); name = search.Next())
            names.append(name);
        return names;
    };
    EXPECT_EQ(walk(TDirSearch(root, "*.txt", true)),
              (QStringList{root + "/a/", root + "/a/inner.txt", root + "/b.txt", root + "/c.txt",
                           root + "/link.txt"}));
    EXPECT_EQ(walk(TDirSearch(root, "*.txt", false)),
              (QStringList{root + "/b.txt", root + "/c.txt", root + "/link.txt"}));
    // "*." finds the names without an extension.
    EXPECT_EQ(walk(TDirSearch(root, "*.", false)), QStringList{root + "/noext"});
    // Folder patterns are descended without being returned.
    EXPECT_EQ(walk(TDirSearch(root + "/<a-b>/", "*", false)),
              (QStringList{root + "/a/inner.doc", root + "/a/inner.txt"}));
}

TEST(ZipSupportTest, DosDateTimeNormalisesEachFieldOnItsOwn) {
    const auto dos = [](int y, int mo, int d, int h, int mi, int s2) {
        return static_cast<std::uint32_t>((y - 1980) << 25 | mo << 21 | d << 16 | h << 11 | mi << 5 | s2);
    };
    EXPECT_EQ(DosDateTime::ToDateTime(0), QDateTime(QDate(1980, 1, 1), QTime(0, 0), Qt::LocalTime));
    EXPECT_EQ(DosDateTime::Normalise(dos(2000, 1, 15, 10, 30, 10)), dos(2000, 1, 15, 10, 30, 10));
    EXPECT_EQ(DosDateTime::Normalise(dos(2001, 13, 0, 24, 60, 30)), dos(2001, 12, 1, 23, 59, 29));
    EXPECT_EQ(DosDateTime::Normalise(dos(2100, 5, 5, 5, 5, 5)), dos(2099, 5, 5, 5, 5, 5));
    // A day past the month's end is its last day.
    EXPECT_EQ(DosDateTime::Normalise(dos(2000, 2, 31, 0, 0, 0)), dos(2000, 2, 29, 0, 0, 0));
    EXPECT_EQ(DosDateTime::Normalise(dos(2001, 4, 31, 0, 0, 0)), dos(2001, 4, 30, 0, 0, 0));
    const QDateTime when(QDate(2019, 7, 4), QTime(13, 45, 31), Qt::LocalTime);
    EXPECT_EQ(DosDateTime::ToDateTime(DosDateTime::FromDateTime(when)), when.addSecs(-1));
    EXPECT_EQ(DosDateTime::FromDateTime(QDateTime(QDate(1970, 1, 1), QTime(0, 0))), dos(1980, 1, 1, 0, 0, 0));
}

TEST(ZipSupportTest, BufferedStreamSeeksReadsAndWritesThroughItsBuffer) {
    TMemoryStream memory(RandomData(100000, 3));
    const QByteArray expected = memory.Data();
    TBufferedStream stream(memory, 8192);
    char block[300];
    ASSERT_EQ(stream.Read(block, 300), 300);
    EXPECT_EQ(QByteArray(block, 300), expected.left(300));
    EXPECT_EQ(stream.Position(), 300);
    // From the end the offset is a distance back, whatever its sign.
    EXPECT_EQ(stream.Seek(10, TSeekOrigin::soEnd), 100000 - 10);
    EXPECT_EQ(stream.Seek(-10, TSeekOrigin::soEnd), 100000 - 10);
    ASSERT_EQ(stream.Read(block, 20), 10);
    EXPECT_EQ(QByteArray(block, 10), expected.right(10));
    stream.SetPosition(50);
    ASSERT_EQ(stream.Read(block, 40000 > 300 ? 300 : 0), 300);
    EXPECT_EQ(QByteArray(block, 300), expected.mid(50, 300));
    // Writing after a seek, then reading it back.
    stream.SetPosition(99990);
    ASSERT_EQ(stream.Write("0123456789ABCDEF", 16), 16);
    EXPECT_EQ(stream.Size(), 100006);
    ASSERT_TRUE(stream.FlushBuffer());
    EXPECT_EQ(memory.Data().right(16), QByteArray("0123456789ABCDEF"));
    // Large reads and writes pass the buffer.
    TMemoryStream target;
    {
        TBufferedStream out(target, 8192);
        const QByteArray big = RandomData(50000, 4);
        ASSERT_EQ(out.Write("x", 1), 1);
        ASSERT_EQ(out.Write(big.constData(), big.size()), big.size());
    }
    EXPECT_EQ(target.Data().size(), 50001);
    EXPECT_EQ(target.Data().mid(1), RandomData(50000, 4));
    // A byte goes back before the read position while that is in the buffer.
    stream.SetPosition(0);
    ASSERT_EQ(stream.Read(block, 2), 2);
    stream.PutBack('Z');
    EXPECT_EQ(stream.Position(), 1);
    ASSERT_EQ(stream.Read(block, 2), 2);
    EXPECT_EQ(QByteArray(block, 2), "Z" + expected.mid(2, 1));
    stream.SetPosition(0);
    EXPECT_THROW(stream.PutBack('Z'), EStreamError);
}

struct Keyed {
    int key;
    int id;
};

class KeyedList : public TSortedObjectList<Keyed> {
public:
    explicit KeyedList(TDuplicates duplicates) : TSortedObjectList(true, duplicates) {}
    QList<int> Ids() const {
        QList<int> ids;
        for (const Keyed* item : Entries())
            ids.append(item->id);
        return ids;
    }

protected:
    int Compare(const Keyed& item, const Keyed& key) const override { return item.key - key.key; }
};

TEST(ZipSupportTest, ObjectListGrowsFindsNeighboursAndRefusesBadIndexes) {
    TObjectList<Keyed> list;
    QList<int> capacities;
    for (int i = 0; i < 12; ++i) {
        list.Add(new Keyed{i, i});
        capacities.append(list.Capacity());
    }
    EXPECT_EQ(capacities, (QList<int>{4, 4, 4, 4, 8, 8, 8, 8, 16, 16, 16, 16}));
    EXPECT_EQ(list.First()->id, 0);
    EXPECT_EQ(list.Last()->id, 11);
    EXPECT_EQ(list.Neighbour(list.Items(3), true)->id, 4);
    EXPECT_EQ(list.Neighbour(list.Items(3), false)->id, 2);
    EXPECT_EQ(list.Neighbour(list.Last(), true), nullptr);
    EXPECT_EQ(list.Neighbour(nullptr, false)->id, 11);
    Keyed stranger{0, 99};
    EXPECT_THROW(list.Neighbour(&stranger, true), EListError);
    list.Insert(0, new Keyed{-1, -1});
    EXPECT_EQ(list.IndexOf(list.Items(5)), 5);
    EXPECT_EQ(list.IndexOf(&stranger), -1);
    for (int bad : {-1, 13})
        EXPECT_THROW(list.Items(bad), EListError) << bad;
    EXPECT_THROW(list.Insert(14, nullptr), EListError);
    list.SetCount(15);
    EXPECT_EQ(list.Items(14), nullptr);
    list.SetCount(2);
    EXPECT_EQ(list.Count(), 2);
    list.Clear();
    EXPECT_EQ(list.Capacity(), 0);
}

TEST(ZipSupportTest, ObjectListSortedListsPlaceEqualItemsByTheirMode) {
    struct Case {
        TDuplicates mode;
        QList<int> ids;
    };
    const Case cases[] = {{TDuplicates::dupAccept, {3, 2, 1, 4}}, {TDuplicates::dupIgnore, {1, 4}}};
    for (const Case& c : cases) {
        KeyedList list(c.mode);
        for (const Keyed& item : {Keyed{5, 1}, Keyed{7, 4}, Keyed{5, 2}, Keyed{5, 3}})
            list.Insert(99, new Keyed(item));
        EXPECT_EQ(list.Ids(), c.ids);
        EXPECT_EQ(list.IndexOf(list.Last()), list.Count() - 1);
        Keyed refused{1, 1}; // a sorted list takes nothing put in place
        EXPECT_THROW(list.Put(0, &refused), EListError);
    }
    KeyedList refusing(TDuplicates::dupError);
    refusing.Add(new Keyed{5, 1});
    EXPECT_THROW(refusing.Add(new Keyed{5, 2}), EListError);
    EXPECT_EQ(refusing.Ids(), QList<int>{1});
}

TEST(ZipSupportTest, SearchDataListsAFolderInNameOrder) {
    QTemporaryDir dir;
    WriteFile(dir.filePath("b.txt"), "b");
    WriteFile(dir.filePath("a/inner.txt"), "a");
    TSearchData search(dir.path() + "/");
    QStringList found;
    while (!search.End()) {
        const TSearchData::Found& entry = search.Next();
        found.append(entry.name + (entry.folder ? "/" : ""));
    }
    EXPECT_EQ(found, (QStringList{"a/", "b.txt"}));
    EXPECT_TRUE(TSearchData(dir.filePath("missing/")).End());
}

std::unique_ptr<TZipHeaderInfo> Entry(const QString& path, const QString& name, std::uint32_t date,
                                      std::uint32_t compressed, std::uint32_t size, std::uint32_t offset) {
    auto entry = std::make_unique<TZipHeaderInfo>();
    entry->SetDirectory(path);
    entry->SetFileName(name);
    entry->LastModFileDate = date;
    entry->CompressedSize = compressed;
    entry->UncompressedSize = size;
    entry->RelativeOffset = offset;
    return entry;
}

QStringList Order(const TSortedZip& list) {
    QStringList names;
    for (const TZipHeaderInfo* entry : list.Entries())
        names.append(entry->FullName());
    return names;
}

TEST(ZipSupportTest, SortedZipKeepsEveryOrder) {
    TSortedZip directory(TZipSortMode::ByNone, true);
    directory.Add(Entry("b\\", "z.txt", 0x28210000, 50, 100, 300));
    directory.Add(Entry("", "A.txt", 0x30210000, 10, 100, 0));
    directory.Add(Entry("a\\", "m.txt", 0x29210000, 90, 100, 100));
    EXPECT_EQ(Order(directory), (QStringList{"A.txt", "a\\m.txt", "b\\z.txt"}));
    EXPECT_THROW(directory.Add(Entry("", "dup", 0, 0, 0, 100)), EListError);
    EXPECT_EQ(directory.FindByPosition(0, 100)->FileName(), "m.txt");
    EXPECT_EQ(directory.FindByPosition(0, 101), nullptr);

    const auto view = [&](TZipSortMode mode) {
        TSortedZip sorted(mode, false);
        for (TZipHeaderInfo* entry : directory.Entries())
            sorted.AddShared(entry);
        return Order(sorted);
    };
    EXPECT_EQ(view(TZipSortMode::ByName), (QStringList{"A.txt", "a\\m.txt", "b\\z.txt"}));
    EXPECT_EQ(view(TZipSortMode::ByFileName), (QStringList{"A.txt", "a\\m.txt", "b\\z.txt"}));
    EXPECT_EQ(view(TZipSortMode::ByDate), (QStringList{"A.txt", "a\\m.txt", "b\\z.txt"}));
    EXPECT_EQ(view(TZipSortMode::ByCompressedSize), (QStringList{"a\\m.txt", "b\\z.txt", "A.txt"}));
    EXPECT_EQ(view(TZipSortMode::ByRate), (QStringList{"a\\m.txt", "b\\z.txt", "A.txt"}));
    TSortedZip names(TZipSortMode::ByName, false);
    for (TZipHeaderInfo* entry : directory.Entries())
        names.AddShared(entry);
    EXPECT_EQ(names.FindByName("B\\Z.TXT")->FileName(), "z.txt");
    EXPECT_EQ(names.FindByName("b\\y.txt"), nullptr);
}

TEST(ZipSupportTest, SortedZipEqualEntriesGoBeforeOrAfterByOrder) {
    TSortedZip owner(TZipSortMode::ByNone, true);
    TZipHeaderInfo* first = owner.Items(owner.Add(Entry("", "same.txt", 1 << 21 | 1 << 16, 5, 5, 0)));
    TZipHeaderInfo* second = owner.Items(owner.Add(Entry("", "same.txt", 1 << 21 | 1 << 16, 5, 5, 40)));
    // Accepting duplicates, the newer equal entry comes first...
    TSortedZip byName(TZipSortMode::ByName, false);
    byName.AddShared(first);
    byName.AddShared(second);
    EXPECT_EQ(byName.Items(0), second);
    // ...except by date and size, where it goes after its equals.
    TSortedZip byDate(TZipSortMode::ByDate, false);
    byDate.AddShared(first);
    byDate.AddShared(second);
    EXPECT_EQ(byDate.Items(0), first);
    EXPECT_EQ(TSortedZip::Rate(*Entry("", "e", 0, 0, 0, 0)), 0);
    EXPECT_EQ(TSortedZip::Rate(*Entry("", "e", 0, 150, 100, 0)), 100);
    EXPECT_EQ(TSortedZip::Rate(*Entry("", "e", 0, 1, 3, 0)), 33);
}

TEST(ZipSupportTest, HeaderRecordNamesAndCodePages) {
    TZipHeaderInfo entry;
    entry.SetDirectory("dir/sub");
    entry.SetFileName("relatório.txt");
    EXPECT_EQ(entry.Directory(), "dir\\sub\\");
    EXPECT_EQ(entry.StoredName(), QByteArray("dir/sub/relat\xA2rio.txt")); // 850: ó is 0xA2
    EXPECT_FALSE(entry.Flag & ZipFormat::FlagUtf8);
    entry.SetFileName("€uro.txt"); // not in code page 850: UTF-8 with bit 11
    EXPECT_EQ(entry.StoredName(), QString("dir/sub/€uro.txt").toUtf8());
    EXPECT_TRUE(entry.Flag & ZipFormat::FlagUtf8);
    EXPECT_EQ(entry.FileNameLength(), entry.StoredName().size());
    EXPECT_EQ(entry.LocalHeaderLength(), 30 + entry.StoredName().size());

    // A local header read back; a name written by another tool with slashes.
    TMemoryStream stream(QByteArray("junk") + entry.LocalHeader());
    stream.SetPosition(4);
    const std::optional<TZipHeaderInfo> local = TZipHeaderInfo::ReadLocal(stream, true);
    ASSERT_TRUE(local);
    EXPECT_EQ(local->Directory(), "dir\\sub\\");
    EXPECT_EQ(local->FileName(), "€uro.txt");
    EXPECT_EQ(local->RelativeOffset, 4u);
    stream.SetPosition(0);
    EXPECT_FALSE(TZipHeaderInfo::ReadLocal(stream, true));
    EXPECT_EQ(stream.Position(), 0);
}

TEST(ZipSupportTest, EndRecordFoundBehindTheLongestCommentAndNotInsideOne) {
    TEndCentral record;
    record.Comment = QByteArray(65535, 'c');
    record.TotalEntries = record.EntriesThisDisk = 0;
    TMemoryStream longest(QByteArray("prefix") + record.Record());
    TEndCentral found;
    EXPECT_EQ(found.Locate(longest), 6);
    EXPECT_EQ(found.Comment.size(), 65535);

    // A record inside the comment of the real one does not win.
    TEndCentral fake;
    fake.TotalEntries = fake.EntriesThisDisk = 7;
    TEndCentral real;
    real.Comment = fake.Record() + "tail";
    TMemoryStream stream(real.Record());
    EXPECT_EQ(found.Locate(stream), 0);
    EXPECT_EQ(found.TotalEntries, 0);

    TMemoryStream empty;
    EXPECT_EQ(found.Locate(empty), 0);
    TMemoryStream tiny(QByteArray("PK\x05\x06", 4));
    EXPECT_EQ(found.Locate(tiny), -1);
}

// As unzip and python read them: bytes after the record, a comment length
// that disagrees with the bytes there; the last valid record wins.
TEST(ZipSupportTest, EndRecordFoundWithBytesAfterItOrAWrongCommentLength) {
    const QByteArray archive = BuildArchive({Stored("a.txt", "alpha"), Stored("b.txt", "beta")}, "note");
    const qint64 end = archive.size() - ZipFormat::EndCentralSize - 4;
    QByteArray longer = archive;
    longer[end + 20] = 40; // the comment length says 40, 4 bytes follow
    QByteArray shorter = archive;
    shorter[end + 20] = 2;
    TEndCentral bogus; // its directory is not where it says
    bogus.TotalEntries = bogus.EntriesThisDisk = 3;
    bogus.CentralSize = 46;
    struct Case {
        const char* name;
        QByteArray bytes;
        qint64 position;
        QByteArray comment;
    };
    const Case cases[] = {
        {"trailing bytes", archive + QByteArray(300, 'x'), end, "note"},
        {"comment length too long", longer, end, "note"},
        {"comment length too short", shorter, end, "no"},
        {"an invalid record after it", archive + "junk" + bogus.Record() + "!", end, "note"},
        {"a later archive wins", archive + archive, archive.size() + end, "note"},
    };
    for (const Case& c : cases) {
        TMemoryStream stream(c.bytes);
        TEndCentral found;
        EXPECT_EQ(found.Locate(stream), c.position) << c.name;
        EXPECT_EQ(found.TotalEntries, 2) << c.name;
        EXPECT_EQ(found.Comment, c.comment) << c.name;
    }
}

template <typename E> class ZipExceptionTest : public ::testing::Test {};
using ZipExceptionTypes =
    ::testing::Types<EBadZipFile, EIncompleteZip, ENotAZipFile, EFatalUnzipError, EUserCanceled,
                     EBiggerThanUncompressed, ENotEnoughRoom, ECantWriteUCF, EListError, EStreamError,
                     EZipDataError, EZipTooLarge, EZipError>;
TYPED_TEST_SUITE(ZipExceptionTest, ZipExceptionTypes);

TYPED_TEST(ZipExceptionTest, IsCaughtAsAZipExceptionWithItsMessage) {
    try {
        throw TypeParam(QStringLiteral("disk 2 missing"));
    } catch (const EZipException& error) {
        EXPECT_EQ(error.Message(), "disk 2 missing");
    }
}

} // namespace
