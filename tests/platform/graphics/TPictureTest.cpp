// The picture holder and registry, and bitmaps among pictures.

#include "platform/graphics/TPicture.h"
#include "platform/graphics/GraphicsErrors.h"
#include "platform/graphics/TBitmap.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(TPictureTest, BuiltInFormatsAndUnknownExtensions) {
    EXPECT_EQ(TPicture::FileFormatDescription(QStringLiteral("BMP")), QStringLiteral("Bitmaps"));
    EXPECT_EQ(TPicture::FileFormat(QStringLiteral("jpeg"))->Name, QStringLiteral("TJPEGImage"));
    EXPECT_TRUE(TPicture::SupportsClipboardFormat(CF_BITMAP));
    EXPECT_TRUE(TPicture::GraphicFilter().startsWith(QStringLiteral("All (")));
    TPicture picture;
    try {
        picture.LoadFromFile(QStringLiteral("x.xyz"));
        FAIL() << "loaded";
    } catch (const EInvalidGraphic& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Unknown picture file extension (.xyz)"));
    }
}

TEST(TPictureTest, RegisteredFormatsLoadByExtensionUntilUnregistered) {
    struct TGreyBitmap : TBitmap {
        QString ClassName() const override { return QStringLiteral("TGreyBitmap"); }
    };
    TPicture::RegisterFileFormat(QStringLiteral("grey"), QStringLiteral("Grey bitmaps"),
                                 TGraphicClass::Of<TGreyBitmap>(QStringLiteral("TGreyBitmap")));
    QTemporaryDir dir;
    TBitmap bitmap;
    bitmap.SetSize(3, 2);
    const QString file = dir.filePath(QStringLiteral("a.grey"));
    bitmap.SaveToFile(file);
    TPicture picture;
    int changes = 0;
    picture.OnChange = TNotifyEvent::fromFunction([&](TObject*) { ++changes; });
    picture.LoadFromFile(file);
    EXPECT_EQ(picture.Graphic()->ClassName(), QStringLiteral("TGreyBitmap"));
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(changes, 1);
    picture.Graphic()->SetTransparent(true);
    EXPECT_EQ(changes, 2);
    TPicture::UnregisterGraphicClass(QStringLiteral("TGreyBitmap"));
    EXPECT_FALSE(TPicture::FileFormat(QStringLiteral("grey")));
}

TEST(TPictureTest, FormDataNameTheClassBeforeTheGraphicsData) {
    TPicture picture;
    picture.Bitmap().SetSize(5, 4);
    QByteArray stored;
    QBuffer out(&stored);
    out.open(QIODevice::WriteOnly);
    picture.WriteData(out);
    EXPECT_EQ(stored.left(8), QByteArray("\x07TBitmap"));
    TPicture back;
    QBuffer in(&stored);
    in.open(QIODevice::ReadOnly);
    back.ReadData(in);
    EXPECT_EQ(back.Height(), 4);
    QByteArray unknown("\x03"
                       "Foo",
                       4);
    QBuffer bad(&unknown);
    bad.open(QIODevice::ReadOnly);
    EXPECT_THROW(back.ReadData(bad), EInvalidGraphic);
}

TEST(TPictureTest, BitmapsKeepTheirPixelFormatAndTransparentColour) {
    TBitmap bitmap;
    EXPECT_FALSE(bitmap.HandleAllocated());
    bitmap.SetPixelFormat(TPixelFormat::pf8bit);
    bitmap.SetSize(4, 3);
    QImage pixels = bitmap.Image();
    pixels.setColor(1, qRgb(10, 20, 30));
    pixels.fill(1);
    bitmap.SetImage(pixels, TPixelFormat::pf8bit);
    EXPECT_EQ(bitmap.TransparentColor(), RGBColor(10, 20, 30));
    EXPECT_EQ(bitmap.NearestColor(RGBColor(12, 20, 30)), RGBColor(10, 20, 30));
    TBitmap copy;
    copy.LoadFromData(bitmap.SaveToData());
    EXPECT_EQ(copy.PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_EQ(copy.GetPalette().size(), 256);
    // Drawing needs the device format.
    copy.Canvas().SetPixel(0, 0, clWhite);
    EXPECT_EQ(copy.PixelFormat(), TPixelFormat::pfDevice);
    EXPECT_EQ(copy.Image().pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(copy.Image().pixel(1, 0), qRgb(10, 20, 30));
    copy.SetMonochrome(true);
    EXPECT_TRUE(copy.Monochrome());
    EXPECT_EQ(copy.TransparentColor(), clWhite);
}

} // namespace
