// Bitmap files read and written at every depth, and damaged headers.

#include "platform/graphics/BitmapFile.h"
#include "platform/graphics/GraphicsErrors.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

QImage Pattern(int bitCount) {
    QImage image(13, 5, BitmapFile::FormatFor(bitCount));
    if (bitCount <= 8) {
        QList<QRgb> table;
        for (int i = 0; i < (1 << bitCount); ++i)
            table.append(qRgb(i * 3 % 256, 255 - i % 256, 17));
        image.setColorTable(table);
    }
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 13; ++x) {
            if (bitCount <= 8)
                image.setPixel(x, y, static_cast<uint>((x * 7 + y) % (1 << bitCount)));
            else
                image.setPixel(x, y, qRgb(x * 19, y * 40, (x + y) * 9));
        }
    return image;
}

TEST(BitmapFileTest, EveryDepthComesBackPixelForPixel) {
    for (int bits : {1, 4, 8, 24, 32}) {
        const QImage image = Pattern(bits);
        const QByteArray file = BitmapFile::Write(image, bits);
        EXPECT_EQ(file.left(2), QByteArray("BM"));
        EXPECT_EQ(file.size(), 14 + 40 + (bits <= 8 ? 4 << bits : 0) + BitmapFile::RowBytes(13, bits) * 5);
        BitmapFile::Info info;
        const QImage back = BitmapFile::Read(file, &info);
        EXPECT_EQ(info.BitCount, bits);
        EXPECT_EQ(back.format(), BitmapFile::FormatFor(bits));
        EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), image.convertToFormat(QImage::Format_RGB32))
            << bits;
    }
}

TEST(BitmapFileTest, QtReadsWhatWeWrite) {
    for (int bits : {1, 4, 8, 24}) {
        const QImage image = Pattern(bits);
        const QImage qt = QImage::fromData(BitmapFile::Write(image, bits), "BMP");
        EXPECT_EQ(qt.convertToFormat(QImage::Format_RGB32), image.convertToFormat(QImage::Format_RGB32))
            << bits;
    }
}

TEST(BitmapFileTest, DamagedFilesAreNotValidBitmaps) {
    const QByteArray good = BitmapFile::Write(Pattern(8), 8);
    auto expectInvalid = [](const QByteArray& file, const char* what) {
        try {
            BitmapFile::Read(file);
            ADD_FAILURE() << what;
        } catch (const EInvalidGraphic& error) {
            EXPECT_EQ(error.Message(), QStringLiteral("Bitmap image is not valid")) << what;
        }
    };
    for (qsizetype length = 0; length < good.size(); length += 97)
        expectInvalid(good.left(length), "truncated");
    QByteArray huge = good;
    huge.replace(18, 8, QByteArray("\xFF\xFF\x00\x00\xFF\xFF\x00\x00", 8));
    expectInvalid(huge, "huge");
    QByteArray colours = good;
    colours.replace(46, 4, QByteArray("\x00\x02\x00\x00", 4));
    expectInvalid(colours, "palette larger than the depth");
    QByteArray compressed = good;
    compressed[30] = 1;
    expectInvalid(compressed, "run-length compressed");
    QByteArray depth = good;
    depth[28] = 7;
    expectInvalid(depth, "7 bits");
}

TEST(BitmapFileTest, TopDownRowsAreRead) {
    QByteArray file = BitmapFile::Write(Pattern(24), 24);
    const QImage bottomUp = BitmapFile::Read(file);
    file.replace(22, 4, QByteArray("\xFB\xFF\xFF\xFF", 4)); // height -5
    const QImage topDown = BitmapFile::Read(file);
    EXPECT_EQ(topDown.pixel(0, 0), bottomUp.pixel(0, 4));
}

} // namespace
