// Icon and cursor files: images with palettes, masks and alpha, cursor hot
// spots, and directories that point outside the file.

#include "platform/graphics/IconFile.h"
#include "platform/graphics/GraphicsErrors.h"
#include "platform/graphics/TIcon.h"

#include <QBuffer>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

void Put16(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(QByteArray& out, quint32 value) {
    Put16(out, static_cast<int>(value & 0xFFFF));
    Put16(out, static_cast<int>(value >> 16));
}

// An 8 x 8 image: 1-bit (black left half, white right half) or 32-bit
// (blue, with alpha 128 in the first row); the top-left pixel masked out.
QByteArray Image(int bits) {
    QByteArray out;
    Put32(out, 40);
    Put32(out, 8);
    Put32(out, 16);
    Put16(out, 1);
    Put16(out, bits);
    out.append(QByteArray(24, '\0'));
    if (bits == 1)
        out.append(QByteArray("\0\0\0\0\xFF\xFF\xFF\0", 8));
    for (int y = 7; y >= 0; --y) {
        if (bits == 1) {
            out.append(QByteArray("\x0F\0\0\0", 4));
        } else {
            for (int x = 0; x < 8; ++x)
                out.append(QByteArray("\xFF\0\0", 3))
                    .append(static_cast<char>(y == 0 && bits == 32 ? 128 : 0));
        }
    }
    for (int y = 7; y >= 0; --y)
        out.append(y == 0 ? QByteArray("\x80\0\0\0", 4) : QByteArray(4, '\0'));
    return out;
}

QByteArray File(int type, const QList<QByteArray>& images, QPoint hot = {}) {
    QByteArray out;
    Put16(out, 0);
    Put16(out, type);
    Put16(out, static_cast<int>(images.size()));
    quint32 offset = static_cast<quint32>(6 + 16 * images.size());
    for (const QByteArray& image : images) {
        out.append("\x08\x08\x00\x00", 4);
        Put16(out, type == 2 ? hot.x() : 1);
        Put16(out, type == 2 ? hot.y() : 32);
        Put32(out, static_cast<quint32>(image.size()));
        Put32(out, offset);
        offset += static_cast<quint32>(image.size());
    }
    for (const QByteArray& image : images)
        out.append(image);
    return out;
}

TEST(IconFileTest, PalettesMasksAndAlpha) {
    const IconFile file(File(1, {Image(1), Image(32)}));
    ASSERT_EQ(file.Entries().size(), 2u);
    EXPECT_EQ(file.ImageBitCount(0), 1);
    EXPECT_EQ(file.ImageBitCount(1), 32);
    const QImage mono = file.Decode(0);
    EXPECT_EQ(mono.pixel(0, 0), 0u);
    EXPECT_EQ(mono.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(mono.pixel(7, 3), qRgb(255, 255, 255));
    // With any alpha in the image, alpha counts and the mask does not.
    const QImage alpha = file.Decode(1);
    EXPECT_EQ(qAlpha(alpha.pixel(0, 0)), 128);
    EXPECT_EQ(qAlpha(alpha.pixel(0, 1)), 0);
    EXPECT_EQ(file.BestIndex(), 1u);
}

TEST(IconFileTest, CursorsCarryTheirHotSpot) {
    const IconFile file(File(2, {Image(1)}, {3, 6}));
    EXPECT_EQ(file.Type(), IconFile::kTypeCursor);
    EXPECT_EQ(file.Entries()[0].PlanesOrHotX, 3);
    EXPECT_EQ(file.Entries()[0].BitCountOrHotY, 6);
    TIcon icon;
    EXPECT_THROW(icon.LoadFromData(File(2, {Image(1)})), EInvalidGraphic);
}

TEST(IconFileTest, DirectoriesOutsideTheFileAreRefused) {
    const QByteArray good = File(1, {Image(1)});
    QByteArray outside = good;
    outside.replace(18, 4, QByteArray("\x00\x00\x01\x00", 4));
    EXPECT_THROW(IconFile{outside}, EInvalidGraphic);
    QByteArray tooMany = good;
    tooMany[4] = '\x40';
    EXPECT_THROW(IconFile{tooMany}, EInvalidGraphic);
    QByteArray sized = good;
    sized.replace(14, 4, QByteArray("\xFF\xFF\xFF\xFF", 4));
    EXPECT_THROW(IconFile{sized}, EInvalidGraphic);
    for (qsizetype length = 0; length < good.size(); length += 5) {
        try {
            const IconFile file(good.left(length));
            file.Decode(0);
        } catch (const EInvalidGraphic&) {
        }
    }
}

TEST(IconFileTest, AnIconKeepsItsFileAndRefusesResizing) {
    const QByteArray data = File(1, {Image(1)});
    TIcon icon;
    icon.LoadFromData(data);
    EXPECT_EQ(icon.Width(), 8);
    EXPECT_TRUE(icon.Transparent());
    EXPECT_EQ(icon.SaveToData(), data);
    EXPECT_THROW(icon.SetWidth(16), EInvalidGraphicOperation);
    TIcon copy;
    copy.Assign(&icon);
    EXPECT_TRUE(copy.Equals(&icon));
    EXPECT_THROW(icon.LoadFromData(QByteArray("junk")), EInvalidGraphic);
    EXPECT_EQ(icon.Width(), 8);
}

} // namespace
