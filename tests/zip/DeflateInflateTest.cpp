// The deflate decoder against streams of zlib (python's), and hand-made
// streams it must refuse; the encoder's decisions and its output read back by
// both decoders.
#include "tests/zip/ZipTestSupport.h"

#include "platform/base/Crc32.h"
#include "zip/CipherSink.h"
#include "zip/CipherSource.h"
#include "zip/CrcSink.h"
#include "zip/CrcSource.h"
#include "zip/TDeflater.h"
#include "zip/TInflater.h"
#include "zip/ZipExceptions.h"
#include "zip/ZipFormat.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace ZipTest;

namespace {

class PieceSource : public TByteSource {
public:
    PieceSource(const QByteArray& data, std::size_t piece) : m_data(data), m_piece(piece) {}
    std::size_t Fill(std::uint8_t* buffer, std::size_t capacity) override {
        const std::size_t n =
            std::min({capacity, m_piece, static_cast<std::size_t>(m_data.size()) - m_position});
        std::memcpy(buffer, m_data.constData() + m_position, n);
        m_position += n;
        return n;
    }

private:
    QByteArray m_data;
    std::size_t m_piece;
    std::size_t m_position = 0;
};

class BytesSink : public TByteSink {
public:
    void Write(const std::uint8_t* data, std::size_t size) override {
        bytes.append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    }
    QByteArray bytes;
};

QByteArray Inflate(const QByteArray& stream, std::size_t piece = 32768) {
    TInflater inflater;
    PieceSource source(stream, piece);
    BytesSink sink;
    inflater.Decode(source, sink);
    return sink.bytes;
}

struct Deflated {
    QByteArray stream;
    TDeflater::Result result;
};

Deflated Deflate(const QByteArray& data, int level) {
    TDeflater deflater;
    PieceSource source(data, 32768);
    BytesSink sink;
    Deflated d;
    d.result = deflater.Deflate(source, sink, level);
    d.stream = sink.bytes;
    return d;
}

// Bits least-significant first; Huffman codes most-significant first.
class BitWriter {
public:
    void Bits(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i)
            Bit((value >> i) & 1);
    }
    void Code(std::uint32_t code, int length) {
        for (int i = length - 1; i >= 0; --i)
            Bit((code >> i) & 1);
    }
    QByteArray Bytes() const { return m_bytes; }

private:
    void Bit(std::uint32_t bit) {
        if (m_count % 8 == 0)
            m_bytes.append('\0');
        if (bit)
            m_bytes[m_bytes.size() - 1] = static_cast<char>(m_bytes.back() | (1 << (m_count % 8)));
        ++m_count;
    }
    QByteArray m_bytes;
    int m_count = 0;
};

TEST(DeflateInflateTest, DecodesZlibStreamsOfEveryKind) {
    QByteArray data =
        TextData(200000, 4) + RandomData(40000, 5) + QByteArray(70000, 'z') + TextData(50000, 6);
    const std::vector<int> levels{0, 1, 6, 9};
    const std::vector<QByteArray> streams = ZlibDeflate(data, levels);
    for (std::size_t i = 0; i < levels.size(); ++i) {
        ASSERT_FALSE(streams[i].isEmpty());
        EXPECT_EQ(Inflate(streams[i]), data) << levels[i];
        EXPECT_EQ(Inflate(streams[i], 1), data) << levels[i]; // input a byte at a time
    }
    EXPECT_EQ(Inflate(ZlibDeflate(QByteArray(), {6}).front()), QByteArray());
    EXPECT_EQ(Inflate(ZlibDeflate("x", {6}).front()), QByteArray("x"));
}

TEST(DeflateInflateTest, RefusesInvalidStreams) {
    const auto refused = [](const QByteArray& stream) {
        try {
            Inflate(stream);
        } catch (const EZipDataError&) {
            return true;
        }
        return false;
    };
    // Reserved block type 3.
    EXPECT_TRUE(refused(QByteArray(1, '\x07')));
    // A stored block whose length's complement is wrong.
    EXPECT_TRUE(refused(QByteArray("\x01\x05\x00\x00\x00hello", 10)));
    {
        // Fixed codes: a match (length 3, distance 1) before any output.
        BitWriter bits;
        bits.Bits(1, 1);
        bits.Bits(1, 2);
        bits.Code(1, 7); // symbol 257
        bits.Code(0, 5); // distance code 0
        bits.Code(0, 7); // end of block
        EXPECT_TRUE(refused(bits.Bytes()));
    }
    {
        // Fixed codes: symbol 286 does not exist.
        BitWriter bits;
        bits.Bits(1, 1);
        bits.Bits(1, 2);
        bits.Code(0xC6, 8);
        EXPECT_TRUE(refused(bits.Bytes()));
    }
    {
        // Fixed codes: distance code 30 does not exist.
        BitWriter bits;
        bits.Bits(1, 1);
        bits.Bits(1, 2);
        bits.Code(0x30 + 'a', 8);
        bits.Code(1, 7);
        bits.Code(30, 5);
        EXPECT_TRUE(refused(bits.Bytes()));
    }
    {
        // Dynamic: 287 literal/length codes.
        BitWriter bits;
        bits.Bits(1, 1);
        bits.Bits(2, 2);
        bits.Bits(30, 5);
        bits.Bits(0, 5);
        bits.Bits(0, 4);
        EXPECT_TRUE(refused(bits.Bytes() + QByteArray(8, '\0')));
    }
    {
        // Dynamic: an impossible code-length code (four codes of one bit).
        BitWriter bits;
        bits.Bits(1, 1);
        bits.Bits(2, 2);
        bits.Bits(0, 5);
        bits.Bits(0, 5);
        bits.Bits(0, 4);
        for (int i = 0; i < 4; ++i)
            bits.Bits(1, 3);
        EXPECT_TRUE(refused(bits.Bytes() + QByteArray(8, '\0')));
    }
    {
        // Dynamic: a repeat of the previous length with none before it.
        BitWriter bits;
        bits.Bits(1, 1);
        bits.Bits(2, 2);
        bits.Bits(0, 5);
        bits.Bits(0, 5);
        bits.Bits(0, 4);
        bits.Bits(1, 3); // symbol 16: one bit
        bits.Bits(0, 3); // 17
        bits.Bits(0, 3); // 18
        bits.Bits(1, 3); // 0: one bit
        bits.Code(1, 1); // 16 first
        EXPECT_TRUE(refused(bits.Bytes() + QByteArray(8, '\0')));
    }
    // A stream cut short.
    const QByteArray stream = ZlibDeflate(TextData(20000), {6}).front();
    EXPECT_TRUE(refused(stream.left(stream.size() / 2)));
    EXPECT_TRUE(refused(QByteArray()));
}

TEST(DeflateInflateTest, EncoderOutputReadsBackAtEveryLevel) {
    const QByteArray data =
        TextData(150000, 8) + RandomData(30000, 9) + QByteArray(100000, '\0') + TextData(90000, 10);
    std::vector<QByteArray> streams;
    for (int level = 1; level <= 9; ++level) {
        const Deflated d = Deflate(data, level);
        ASSERT_FALSE(d.result.stored);
        EXPECT_EQ(d.result.compressedSize, static_cast<std::uint64_t>(d.stream.size()));
        EXPECT_EQ(Inflate(d.stream), data) << level;
        streams.push_back(d.stream);
    }
    const std::vector<QByteArray> byZlib = ZlibInflate(streams);
    for (std::size_t i = 0; i < byZlib.size(); ++i)
        EXPECT_EQ(byZlib[i], data) << "level " << i + 1;
}

TEST(DeflateInflateTest, OutputSizeStaysCloseToZlibs) {
    const QByteArray data = TextData(1000000, 11);
    const std::vector<int> levels{1, 6, 9};
    const std::vector<QByteArray> zlib = ZlibDeflate(data, levels);
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const double ours = static_cast<double>(Deflate(data, levels[i]).stream.size());
        EXPECT_LT(ours, static_cast<double>(zlib[i].size()) * 1.01) << levels[i];
    }
}

// The stages stacked around the coders as the writer and the reader stack
// them: file, CRC, encoder, cipher, archive; archive, cipher, decoder, CRC, file.
TEST(DeflateInflateTest, StackedStagesCipherAndCheckWhatPasses) {
    const auto flip = [](std::uint8_t* block, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i)
            block[i] ^= 0x5A;
    };
    const QByteArray flipped = QByteArray(8, '\x5A');
    for (const qsizetype length : {5000, 70000, 200000}) {
        const QByteArray plain = TextData(length);
        const std::uint32_t crc = Crc32(plain.constData(), static_cast<std::size_t>(plain.size()));
        PieceSource file(plain, 777);
        CrcSource counted(file);
        BytesSink archive;
        CipherSink enciphered(archive, flip);
        enciphered.Write(reinterpret_cast<const std::uint8_t*>(flipped.constData()), 8);
        ASSERT_FALSE(TDeflater().Deflate(counted, enciphered, 6).stored);
        EXPECT_EQ(counted.Crc(), crc) << length;
        EXPECT_EQ(counted.Count(), static_cast<std::uint64_t>(length));
        EXPECT_EQ(flipped, QByteArray(8, '\x5A')) << "the writer's block is left as it was";
        ASSERT_EQ(archive.bytes.left(8), QByteArray(8, '\0'));

        PieceSource stored(archive.bytes.mid(8), 1000);
        CipherSource deciphered(stored, flip);
        BytesSink extracted;
        CrcSink checked(extracted);
        TInflater().Decode(deciphered, checked);
        EXPECT_EQ(extracted.bytes, plain) << length;
        EXPECT_EQ(checked.Crc(), crc) << length;
    }
}

TEST(DeflateInflateTest, EncoderDecisions) {
    // A small file that does not shrink is kept plain, even at level 9.
    const QByteArray noise = RandomData(100, 12);
    const Deflated plain = Deflate(noise, 9);
    EXPECT_TRUE(plain.result.stored);
    EXPECT_EQ(plain.stream, noise);
    // An empty file is one final block: small, not empty.
    const Deflated empty = Deflate(QByteArray(), 6);
    EXPECT_FALSE(empty.result.stored);
    EXPECT_GT(empty.stream.size(), 0);
    EXPECT_LE(empty.stream.size(), 2);
    EXPECT_EQ(Inflate(empty.stream), QByteArray());
    // Text and binary.
    EXPECT_EQ(Deflate(TextData(5000, 2), 6).result.internalAttributes, ZipFormat::InternalText);
    EXPECT_EQ(Deflate(RandomData(5000, 2) + TextData(100), 6).result.internalAttributes,
              ZipFormat::InternalBinary);
    // The level's general-purpose bits.
    EXPECT_EQ(Deflate(TextData(5000), 1).result.flags, ZipFormat::FlagFast);
    EXPECT_EQ(Deflate(TextData(5000), 2).result.flags, ZipFormat::FlagFast);
    EXPECT_EQ(Deflate(TextData(5000), 6).result.flags, 0);
    EXPECT_EQ(Deflate(TextData(5000), 8).result.flags, ZipFormat::FlagMaximum);
    EXPECT_EQ(Deflate(TextData(5000), 9).result.flags, ZipFormat::FlagMaximum);
}

} // namespace
