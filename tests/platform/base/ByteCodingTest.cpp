#include "platform/base/ByteReader.h"
#include "platform/base/ByteWriter.h"
#include "platform/base/Crc32.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {

// The plain bit-by-bit definition, to hold the table-driven one against.
std::uint32_t BitwiseCrc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        c ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    }
    return ~c;
}

} // namespace

TEST(ByteCodingTest, Crc32MatchesTheCheckValueAndTheBitwiseDefinitionAtEveryLengthAndAlignment) {
    EXPECT_EQ(Crc32("123456789", 9), 0xCBF43926u);
    EXPECT_EQ(Crc32(nullptr, 0), 0u);
    std::mt19937 random(7);
    std::vector<std::uint8_t> data(300);
    for (auto& byte : data)
        byte = static_cast<std::uint8_t>(random());
    for (std::size_t offset = 0; offset < 17; ++offset)
        for (std::size_t size = 0; size + offset <= data.size(); size += 7)
            ASSERT_EQ(Crc32(data.data() + offset, size), BitwiseCrc32(data.data() + offset, size))
                << "offset " << offset << " size " << size;
}

TEST(ByteCodingTest, Crc32ContinuesAFinishedValueBlockByBlock) {
    const QByteArray text =
        QByteArrayLiteral("The quick brown fox jumps over the lazy dog, twice over and again.");
    const std::uint32_t whole = Crc32(text.constData(), static_cast<std::size_t>(text.size()));
    for (qsizetype cut = 0; cut <= text.size(); ++cut) {
        const std::uint32_t first = Crc32(text.constData(), static_cast<std::size_t>(cut));
        EXPECT_EQ(Crc32Update(first, text.constData() + cut, static_cast<std::size_t>(text.size() - cut)),
                  whole);
    }
}

TEST(ByteCodingTest, Crc32TheRawByteStepIsTheUnconditionedRegisterUpdate) {
    std::uint32_t reg = 0xFFFFFFFFu;
    for (char c : QByteArrayLiteral("123456789"))
        reg = Crc32Byte(reg, static_cast<std::uint8_t>(c));
    EXPECT_EQ(~reg, 0xCBF43926u);
}

TEST(ByteCodingTest, ByteReaderReadsLittleAndBigEndianValuesInOrder) {
    const QByteArray bytes = QByteArray::fromHex("0102030405060708090a0b0c0d0e0f101112131415");
    ByteReader reader(bytes);
    EXPECT_EQ(reader.U8(), 0x01);
    EXPECT_EQ(reader.U16(), 0x0302);
    EXPECT_EQ(reader.U32(), 0x07060504u);
    EXPECT_EQ(reader.U16BE(), 0x0809);
    EXPECT_EQ(reader.U32BE(), 0x0a0b0c0du);
    EXPECT_EQ(reader.U64(), 0x1514131211100f0eull);
    EXPECT_TRUE(reader.AtEnd());
}

TEST(ByteCodingTest, ByteReaderRefusesEveryReadPastTheEndAndSaysWhere) {
    const QByteArray bytes = QByteArray::fromHex("010203");
    ByteReader reader(bytes);
    reader.U16();
    try {
        reader.U16();
        FAIL() << "read past the end";
    } catch (const EByteReadError& error) {
        EXPECT_EQ(error.Position(), 2u);
        EXPECT_TRUE(error.Message().contains(QStringLiteral("no byte 2"))) << error.Message().toStdString();
    }
    EXPECT_EQ(reader.Position(), 2u) << "a failed read moves nothing";
    EXPECT_THROW(reader.Skip(2), EByteReadError);
    EXPECT_THROW(reader.Seek(4), EByteReadError);
    EXPECT_THROW(reader.Bytes(SIZE_MAX), EByteReadError);
    reader.Seek(3);
    EXPECT_THROW(reader.U8(), EByteReadError);
}

TEST(ByteCodingTest, ByteReaderASubReaderStaysInsideItsChunk) {
    const QByteArray bytes = QByteArray::fromHex("aabbccdd");
    ByteReader reader(bytes);
    ByteReader chunk = reader.Sub(2);
    EXPECT_EQ(chunk.U16(), 0xbbaa);
    EXPECT_THROW(chunk.U8(), EByteReadError);
    EXPECT_EQ(reader.U16(), 0xddcc);
    EXPECT_THROW(reader.Sub(1), EByteReadError);
}

TEST(ByteCodingTest, ByteReaderChecksCountsAgainstWhatTheRestCouldHold) {
    const QByteArray bytes(100, '\0');
    ByteReader reader(bytes);
    EXPECT_NO_THROW(reader.CheckCount(25, 1000, 4, "record"));
    EXPECT_THROW(reader.CheckCount(26, 1000, 4, "record"), EByteReadError);
    EXPECT_THROW(reader.CheckCount(11, 10, 1, "record"), EByteReadError);
    EXPECT_THROW(reader.CheckCount(UINT64_MAX, UINT64_MAX, 2, "record"), EByteReadError);
}

TEST(ByteCodingTest, ByteWriterWritesWhatTheReaderReadsAndPatchesSizesLater) {
    ByteWriter writer;
    writer.U32(0);
    writer.U16(0xBEEF);
    writer.U32BE(0x01020304u);
    writer.U64(0x1122334455667788ull);
    writer.Zeros(2);
    writer.PatchU32(0, static_cast<std::uint32_t>(writer.Size()));
    EXPECT_THROW(writer.PatchU32(writer.Size() - 3, 1), std::out_of_range);

    const QByteArray data = writer.Take();
    ByteReader reader(data);
    EXPECT_EQ(reader.U32(), 20u);
    EXPECT_EQ(reader.U16(), 0xBEEF);
    EXPECT_EQ(reader.U32BE(), 0x01020304u);
    EXPECT_EQ(reader.U64(), 0x1122334455667788ull);
    EXPECT_EQ(reader.U16(), 0);
    EXPECT_TRUE(reader.AtEnd());
}
