// The older methods: shrunk and imploded archives written by the old tools,
// reduced entries from the test encoder, and data each decoder must refuse.
#include "tests/zip/ReduceTestEncoder.h"
#include "tests/zip/ZipTestSupport.h"

#include "platform/base/Crc32.h"
#include "zip/TExploder.h"
#include "zip/TUnreducer.h"
#include "zip/TUnshrinker.h"
#include "zip/TZipReader.h"
#include "zip/ZipExceptions.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>

using namespace ZipTest;

namespace {

class MemorySource : public TByteSource {
public:
    explicit MemorySource(const QByteArray& data) : m_data(data) {}
    std::size_t Fill(std::uint8_t* buffer, std::size_t capacity) override {
        const std::size_t n =
            std::min<std::size_t>(capacity, static_cast<std::size_t>(m_data.size()) - m_position);
        std::memcpy(buffer, m_data.constData() + m_position, n);
        m_position += n;
        return n;
    }

private:
    QByteArray m_data;
    std::size_t m_position = 0;
};

class MemorySink : public TByteSink {
public:
    void Write(const std::uint8_t* data, std::size_t size) override {
        bytes.append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    }
    QByteArray bytes;
};

struct Extraction {
    int extracted = 0;
    QStringList skipped;
    QStringList badCrc;
};

Extraction ExtractAll(const QString& archive, const QString& folder) {
    Extraction result;
    TZipReader reader;
    reader.SetZipName(archive);
    reader.SetDestDir(folder);
    reader.SetDoAll(true);
    reader.OnSkippingFile =
        TSkippingFile::fromFunction([&](TObject*, TSkipReason reason, const QString& name, int, bool&) {
            result.skipped.append(QStringLiteral("%1:%2").arg(static_cast<int>(reason)).arg(name));
        });
    reader.OnBadCRC = TBadCRC::fromFunction(
        [&](TObject*, quint32, quint32, int index) { result.badCrc.append(QString::number(index)); });
    result.extracted = reader.UnZip();
    return result;
}

TEST(OldMethodsTest, ShrunkEntriesExtract) {
    QTemporaryDir dir;
    const Extraction result = ExtractAll(DataFile(QStringLiteral("SHRUNK.ZIP")), dir.path());
    EXPECT_EQ(result.extracted, 2);
    EXPECT_TRUE(result.skipped.isEmpty()) << result.skipped.join(u' ').toStdString();
    EXPECT_EQ(ReadFile(dir.filePath(QStringLiteral("TEST1.XML"))).size(), 76);
    EXPECT_EQ(ReadFile(dir.filePath(QStringLiteral("TEST2.XML"))).size(), 81);
}

TEST(OldMethodsTest, ImplodedEntriesOfEveryKindExtract) {
    // 4 KiB dictionary with two trees, 8 KiB with three (a literal tree), a
    // larger entry, and a set of 134 imploded and one shrunk entry.
    const struct {
        const char* archive;
        int entries;
    } cases[] = {{"imploding-4Kdict-2trees.zip", 1},
                 {"imploding-8Kdict-3trees.zip", 1},
                 {"lorem-ipsum-implode.zip", 1},
                 {"moby-imploded.zip", 135}};
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const Extraction result = ExtractAll(DataFile(QLatin1String(c.archive)), dir.path());
        EXPECT_EQ(result.extracted, c.entries) << c.archive;
        EXPECT_TRUE(result.skipped.isEmpty() && result.badCrc.isEmpty()) << c.archive;
    }
    QTemporaryDir dir;
    ExtractAll(DataFile(QStringLiteral("lorem-ipsum-implode.zip")), dir.path());
    EXPECT_EQ(ReadFile(dir.filePath(QStringLiteral("LOREM.TXT"))).size(), 144060);
}

TEST(OldMethodsTest, ReducedEntriesOfEveryFactorExtract) {
    QByteArray data = TextData(6000, 7);
    data += QByteArray(300, '\x90'); // DLE bytes, alone and in runs
    data += RandomData(500, 3);
    data += TextData(3000, 9);
    std::vector<RawEntry> entries;
    for (int method = 2; method <= 5; ++method) {
        RawEntry entry = Stored(QStringLiteral("reduced%1.txt").arg(method).toLatin1(), data);
        entry.method = static_cast<std::uint16_t>(method);
        entry.data = ReduceTestEncoder::Encode(data, method - 1, method == 3 ? 5 : 32);
        entries.push_back(entry);
    }
    QTemporaryDir dir;
    WriteFile(dir.filePath(QStringLiteral("reduced.zip")), BuildArchive(entries));
    const Extraction result =
        ExtractAll(dir.filePath(QStringLiteral("reduced.zip")), dir.filePath(QStringLiteral("out")));
    EXPECT_EQ(result.extracted, 4);
    for (int method = 2; method <= 5; ++method)
        EXPECT_EQ(ReadFile(dir.filePath(QStringLiteral("out/reduced%1.txt").arg(method))), data) << method;
}

TEST(OldMethodsTest, ReduceBitsAndRunsAsTheFormatDefines) {
    // Empty follower sets (256 six-bit zero counts), then plain bytes:
    // "AB", DLE 0 (a literal 144), and DLE V D with factor 1: V = 0x81 is
    // length 1 + 3 with distance (1 * 256) + D + 1, reaching before the start
    // where the output counts as zeros, then "C".
    QByteArray stream(192, '\0');
    stream += QByteArray("AB\x90\x00\x90\x81\x01"
                         "C",
                         8);
    MemorySource source(stream);
    MemorySink sink;
    TUnreducer::Decode(source, sink, 8, 1);
    EXPECT_EQ(sink.bytes, QByteArray("AB\x90\0\0\0\0C", 8));
}

TEST(OldMethodsTest, DecodersRefuseImpossibleData) {
    // Unshrink: the first code is a byte, then a code beyond the next free entry (257).
    {
        QByteArray codes(4, '\0');
        codes[0] = 'A';                     // 9 bits: 'A'
        codes[1] = static_cast<char>(0x04); // next 9 bits: 258 = 0x102 -> bits 9..17
        codes[2] = static_cast<char>(0x02);
        MemorySource source(codes);
        MemorySink sink;
        EXPECT_THROW(TUnshrinker::Decode(source, sink, 10), EZipDataError);
    }
    // Reduce: a follower set of 33.
    {
        QByteArray sets(40, '\0');
        sets[0] = 33;
        MemorySource source(sets);
        MemorySink sink;
        EXPECT_THROW(TUnreducer::Decode(source, sink, 10, 2), EZipDataError);
    }
    // Explode: a length tree of 64 codes of one bit each is over-full.
    {
        QByteArray trees;
        trees.append(static_cast<char>(3));                   // four bytes follow
        trees.append(QByteArray(4, static_cast<char>(0xF0))); // 16 values of length 1, four times
        MemorySource source(trees + QByteArray(64, '\0'));
        MemorySink sink;
        EXPECT_THROW(TExploder::Decode(source, sink, 10, 0, 100), EZipDataError);
    }
    // Explode: a tree that describes more values than the alphabet has.
    {
        QByteArray trees;
        trees.append(static_cast<char>(4));
        trees.append(QByteArray(5, static_cast<char>(0xF5)));
        MemorySource source(trees);
        MemorySink sink;
        EXPECT_THROW(TExploder::Decode(source, sink, 10, 0, 100), EZipDataError);
    }
    // Data that end before the stated size.
    {
        QByteArray sets(192, '\0');
        MemorySource source(sets + "AB");
        MemorySink sink;
        EXPECT_THROW(TUnreducer::Decode(source, sink, 10, 1), EZipDataError);
    }
}

} // namespace
