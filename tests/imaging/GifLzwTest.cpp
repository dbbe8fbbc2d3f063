// The LZW coder on its own: round trips at every depth, the code stream's
// shape (code sizes, the clear code after the last table entry), interlace
// order, and damaged streams with and without tolerance.

#include "imaging/GifLzwDecoder.h"
#include "imaging/GifLzwEncoder.h"
#include "platform/graphics/GraphicsErrors.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>
#include <vector>

namespace {

// Packs codes of given sizes least significant bit first, in sub-blocks.
QByteArray Pack(int minimumCodeSize, const std::vector<std::pair<int, int>>& codes, bool terminate = true) {
    QByteArray bytes;
    quint64 buffer = 0;
    int count = 0;
    for (const auto& [code, size] : codes) {
        buffer |= static_cast<quint64>(code) << count;
        count += size;
        while (count >= 8) {
            bytes.append(static_cast<char>(buffer & 0xFF));
            buffer >>= 8;
            count -= 8;
        }
    }
    if (count > 0)
        bytes.append(static_cast<char>(buffer & 0xFF));
    QByteArray out(1, static_cast<char>(minimumCodeSize));
    for (qsizetype i = 0; i < bytes.size(); i += 255) {
        const QByteArray part = bytes.mid(i, 255);
        out.append(static_cast<char>(part.size()));
        out.append(part);
    }
    if (terminate)
        out.append('\0');
    return out;
}

std::span<const std::uint8_t> Span(const QByteArray& data) {
    return {reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size())};
}

struct Picture {
    int Width;
    int Height;
    int Bits;
    std::vector<std::uint8_t> Rows;
    std::ptrdiff_t Stride() const { return (Width * Bits + 31) / 32 * 4; }
    GifLzwRows Target() { return {Rows.data(), Stride(), Width, Height, Bits}; }
};

Picture Blank(int width, int height, int bits) {
    Picture picture{width, height, bits, {}};
    picture.Rows.assign(static_cast<std::size_t>(picture.Stride() * height), 0);
    return picture;
}

int Get(const Picture& picture, int x, int y) {
    const std::uint8_t* row = picture.Rows.data() + y * picture.Stride();
    switch (picture.Bits) {
    case 1:
        return (row[x / 8] >> (7 - x % 8)) & 1;
    case 4:
        return (x & 1) ? row[x / 2] & 0x0F : row[x / 2] >> 4;
    default:
        return row[x];
    }
}

void Set(Picture& picture, int x, int y, int value) {
    std::uint8_t* row = picture.Rows.data() + y * picture.Stride();
    switch (picture.Bits) {
    case 1:
        if (value)
            row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        break;
    case 4:
        row[x / 2] |= static_cast<std::uint8_t>((x & 1) ? value : value << 4);
        break;
    default:
        row[x] = static_cast<std::uint8_t>(value);
    }
}

Picture Noise(int width, int height, int bits, quint32 seed, int colours) {
    Picture picture = Blank(width, height, bits);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            Set(picture, x, y, static_cast<int>(random.bounded(colours)));
    return picture;
}

// The codes of a stream, read as a decoder reads them.
struct CodeScan {
    std::vector<int> Codes;
    std::vector<int> Sizes;
};

CodeScan Scan(const QByteArray& data) {
    const int minimum = static_cast<std::uint8_t>(data[0]);
    QByteArray bytes;
    for (qsizetype i = 1; i < data.size();) {
        const int length = static_cast<std::uint8_t>(data[i++]);
        if (length == 0)
            break;
        bytes.append(data.mid(i, length));
        i += length;
    }
    CodeScan scan;
    const int clear = 1 << minimum;
    int size = minimum + 1;
    int nextFree = clear + 2;
    bool first = true;
    quint64 buffer = 0;
    int count = 0;
    qsizetype position = 0;
    for (;;) {
        while (count < size && position < bytes.size()) {
            buffer |= static_cast<quint64>(static_cast<std::uint8_t>(bytes[position++])) << count;
            count += 8;
        }
        if (count < size)
            break;
        const int code = static_cast<int>(buffer & ((1u << size) - 1));
        buffer >>= size;
        count -= size;
        scan.Codes.push_back(code);
        scan.Sizes.push_back(size);
        if (code == clear + 1)
            break;
        if (code == clear) {
            size = minimum + 1;
            nextFree = clear + 2;
            first = true;
            continue;
        }
        if (!first && nextFree < 4096) {
            ++nextFree;
            if (nextFree >= (1 << size) && size < 12)
                ++size;
        }
        first = false;
    }
    return scan;
}

TEST(GifLzwTest, RoundTripsEveryDepthAndWritesTheMinimumCodeSizeOfTheDepth) {
    for (const auto& [bits, minimum] : {std::pair{1, 2}, std::pair{4, 4}, std::pair{8, 8}}) {
        Picture source = Noise(37, 23, bits, 7u + static_cast<quint32>(bits), 1 << bits);
        QByteArray data;
        GifLzwEncoder::Encode(data, source.Target(), false);
        EXPECT_EQ(static_cast<std::uint8_t>(data[0]), minimum) << bits;
        EXPECT_EQ(data.back(), '\0');
        Picture decoded = Blank(37, 23, bits);
        EXPECT_FALSE(GifLzwDecoder::Decode(Span(data), decoded.Target(), bits, false, false));
        EXPECT_EQ(decoded.Rows, source.Rows) << bits;
    }
}

TEST(GifLzwTest, SubBlocksHoldAtMost255BytesAndTheStreamEndsWithTheEndCode) {
    Picture source = Noise(200, 200, 8, 3, 256);
    QByteArray data;
    GifLzwEncoder::Encode(data, source.Target(), false);
    qsizetype i = 1;
    int blocks = 0;
    while (static_cast<std::uint8_t>(data[i]) != 0) {
        const int length = static_cast<std::uint8_t>(data[i]);
        EXPECT_LE(length, 255);
        i += length + 1;
        ++blocks;
    }
    EXPECT_EQ(i, data.size() - 1);
    EXPECT_GT(blocks, 100);
    const CodeScan scan = Scan(data);
    EXPECT_EQ(scan.Codes.front(), 256);
    EXPECT_EQ(scan.Codes.back(), 257);
}

TEST(GifLzwTest, AClearCodeFollowsTheLastTableEntryAndCodesStartAgainAtTheInitialSize) {
    Picture source = Noise(300, 300, 8, 11, 256);
    QByteArray data;
    GifLzwEncoder::Encode(data, source.Target(), false);
    const CodeScan scan = Scan(data);
    // After the first clear, codes 258..4094 are given out (3837 entries),
    // then the current string and a clear code are written.
    ASSERT_GT(scan.Codes.size(), 3840u);
    const std::size_t clear = 1 + 3837 + 1;
    EXPECT_EQ(scan.Codes[clear], 256);
    EXPECT_EQ(scan.Sizes[clear], 12);
    EXPECT_EQ(scan.Sizes[clear + 1], 9);
    for (std::size_t i = 1; i < clear; ++i)
        ASSERT_NE(scan.Codes[i], 256) << i;
    Picture decoded = Blank(300, 300, 8);
    GifLzwDecoder::Decode(Span(data), decoded.Target(), 8, false, false);
    EXPECT_EQ(decoded.Rows, source.Rows);
}

TEST(GifLzwTest, InterlacedRowsOfTenFollowTheFourPasses) {
    Picture source = Blank(1, 10, 8);
    for (int y = 0; y < 10; ++y)
        Set(source, 0, y, y);
    QByteArray data;
    GifLzwEncoder::Encode(data, source.Target(), false);
    Picture decoded = Blank(1, 10, 8);
    GifLzwDecoder::Decode(Span(data), decoded.Target(), 8, true, false);
    const int order[] = {0, 8, 4, 2, 6, 1, 3, 5, 7, 9};
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(Get(decoded, 0, order[k]), k) << k;

    // The encoder writes interlaced rows in the same order.
    QByteArray interlaced;
    GifLzwEncoder::Encode(interlaced, source.Target(), true);
    Picture back = Blank(1, 10, 8);
    GifLzwDecoder::Decode(Span(interlaced), back.Target(), 8, true, false);
    EXPECT_EQ(back.Rows, source.Rows);
}

TEST(GifLzwTest, InterlacedFramesOfEveryHeightStopAtTheLastRow) {
    for (int height = 1; height <= 17; ++height) {
        Picture source = Noise(5, height, 8, static_cast<quint32>(height), 16);
        QByteArray data;
        GifLzwEncoder::Encode(data, source.Target(), true);
        Picture decoded = Blank(5, height, 8);
        EXPECT_FALSE(GifLzwDecoder::Decode(Span(data), decoded.Target(), 8, true, false));
        EXPECT_EQ(decoded.Rows, source.Rows) << height;
    }
}

TEST(GifLzwTest, EveryPixelIsMaskedToTheFrameDepth) {
    Picture source = Noise(16, 4, 8, 5, 256);
    QByteArray data;
    GifLzwEncoder::Encode(data, source.Target(), false);
    Picture decoded = Blank(16, 4, 8);
    GifLzwDecoder::Decode(Span(data), decoded.Target(), 1, false, false);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(Get(decoded, x, y), Get(source, x, y) & 1);

    // Values of an 8-bit stream decoded into 4-bit rows never spill into
    // the neighbouring pixel.
    Picture nibbles = Blank(16, 4, 4);
    GifLzwDecoder::Decode(Span(data), nibbles.Target(), 8, false, false);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(Get(nibbles, x, y), Get(source, x, y) & 0x0F);
}

TEST(GifLzwTest, DecodingStopsOnceEveryRowIsFilledWithoutAnEndCode) {
    const QByteArray data = Pack(2, {{4, 3}, {1, 3}, {1, 3}, {2, 3}, {3, 4}}, false);
    Picture decoded = Blank(2, 2, 8);
    EXPECT_FALSE(GifLzwDecoder::Decode(Span(data), decoded.Target(), 2, false, false));
    EXPECT_EQ(Get(decoded, 0, 0), 1);
    EXPECT_EQ(Get(decoded, 1, 0), 1);
    EXPECT_EQ(Get(decoded, 0, 1), 2);
    EXPECT_EQ(Get(decoded, 1, 1), 3);
}

TEST(GifLzwTest, DataEndingBeforeTheEndCodeAreDamage) {
    Picture source = Noise(20, 20, 8, 9, 256);
    QByteArray data;
    GifLzwEncoder::Encode(data, source.Target(), false);
    const QByteArray cut = data.left(data.size() / 2);
    Picture tolerated = Blank(20, 20, 8);
    EXPECT_TRUE(GifLzwDecoder::Decode(Span(cut), tolerated.Target(), 8, false, true));
    for (int x = 0; x < 20; ++x)
        EXPECT_EQ(Get(tolerated, x, 0), Get(source, x, 0)) << x;
    Picture decoded = Blank(20, 20, 8);
    QString reported;
    const GifLzwProgress progress = [&](TProgressStage stage, int percent, const QString& message) {
        if (stage == TProgressStage::psEnding) {
            EXPECT_EQ(percent, 0);
            reported = message;
        }
    };
    try {
        GifLzwDecoder::Decode(Span(cut), decoded.Target(), 8, false, false, progress);
        FAIL() << "no error";
    } catch (const EInvalidGraphicOperation& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Stream read error"));
    }
    EXPECT_EQ(reported, QStringLiteral("Stream read error"));
}

TEST(GifLzwTest, ACodeBeyondTheNextFreeEntryIsCorruptData) {
    // clear, literal 1, then 7 while the next free entry is 6.
    const QByteArray data = Pack(2, {{4, 3}, {1, 3}, {7, 3}, {1, 3}, {5, 3}});
    Picture decoded = Blank(4, 1, 8);
    EXPECT_TRUE(GifLzwDecoder::Decode(Span(data), decoded.Target(), 2, false, true));
    EXPECT_EQ(Get(decoded, 0, 0), 1);
    EXPECT_EQ(Get(decoded, 1, 0), 0);
    Picture strict = Blank(4, 1, 8);
    try {
        GifLzwDecoder::Decode(Span(data), strict.Target(), 2, false, false);
        FAIL() << "no error";
    } catch (const EInvalidGraphicOperation& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("GIF encoded data is corrupt"));
    }
}

TEST(GifLzwTest, ACodeSizeOutsideTwoToNineIsClampedWhenToleratedAndStopsAtTheFirstCode) {
    // Code size 12 decodes with 10-bit codes: clear is 512 when clamped to 9.
    const QByteArray data = Pack(12, {{512, 10}, {3, 10}, {3, 10}, {513, 10}});
    Picture decoded = Blank(2, 1, 8);
    EXPECT_TRUE(GifLzwDecoder::Decode(Span(data), decoded.Target(), 8, false, true));
    EXPECT_EQ(Get(decoded, 0, 0), 0);
    EXPECT_EQ(Get(decoded, 1, 0), 0);
    try {
        GifLzwDecoder::Decode(Span(data), decoded.Target(), 8, false, false);
        FAIL() << "no error";
    } catch (const EInvalidGraphicOperation& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("GIF code size not in range 2 to 9"));
    }
}

TEST(GifLzwTest, ProgressRunsFromStartToEnd) {
    Picture source = Noise(10, 10, 8, 1, 4);
    QByteArray data;
    std::vector<TProgressStage> stages;
    int last = -1;
    GifLzwEncoder::Encode(data, source.Target(), false,
                          [&](TProgressStage stage, int percent, const QString&) {
                              stages.push_back(stage);
                              last = percent;
                          });
    EXPECT_EQ(stages.front(), TProgressStage::psStarting);
    EXPECT_EQ(stages.back(), TProgressStage::psEnding);
    EXPECT_EQ(last, 100);
    EXPECT_EQ(std::count(stages.begin(), stages.end(), TProgressStage::psRunning), 10);
}

} // namespace
