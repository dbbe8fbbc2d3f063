// What start-up installs: the two cursors, the icon clipboard format and
// the GIF picture format with its clipboard format.

#include "imaging/ImagingRegistrations.h"
#include "imaging/TGIFImage.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TClipboard.h"
#include "platform/graphics/TIcon.h"
#include "platform/graphics/TPicture.h"
#include "platform/graphics/TScreenCursors.h"
#include "tests/imaging/GifBuilder.h"
#include "tests/imaging/ImageFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(ImagingRegistrationsTest, TheHandAndDragCursorsAreInstalled) {
    const std::optional<QCursor> hand = TScreenCursors::Find(14000);
    const std::optional<QCursor> drag = TScreenCursors::Find(14001);
    ASSERT_TRUE(hand);
    ASSERT_TRUE(drag);
    EXPECT_EQ(hand->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(hand->hotSpot(), QPoint(10, 0));
    EXPECT_EQ(drag->hotSpot(), QPoint(0, 0));
    // The finger tip is drawn, the corner is transparent.
    const QImage pixels = hand->pixmap().toImage();
    EXPECT_EQ(qAlpha(pixels.pixel(9, 0)), 255);
    EXPECT_EQ(qAlpha(pixels.pixel(31, 31)), 0);
    EXPECT_FALSE(TScreenCursors::Find(14002));
}

TEST(ImagingRegistrationsTest, AnIconOnTheClipboardPastesIntoAPicture) {
    const unsigned format = ImagingRegistrations::IconClipboardFormat();
    EXPECT_EQ(TClipboard::FormatName(format), QStringLiteral("Quorin Icon"));
    EXPECT_TRUE(TPicture::SupportsClipboardFormat(format));
    const QByteArray icon = ImageFiles::IconFile({{ImageFiles::Square(16, qRgb(0, 0, 255)), 8, {}}});
    TClipboard::Instance().SetAsHandle(format, icon);
    ASSERT_TRUE(TClipboard::Instance().HasFormat(format));
    TPicture picture;
    picture.LoadFromClipboardFormat({format, TClipboard::Instance().GetAsHandle(format), {}});
    auto* pasted = dynamic_cast<TIcon*>(picture.Graphic());
    ASSERT_TRUE(pasted);
    EXPECT_EQ(pasted->Width(), 16);
    EXPECT_EQ(pasted->Data(), icon);
}

TEST(ImagingRegistrationsTest, GifPicturesLoadByExtensionLikeBitmaps) {
    EXPECT_EQ(TPicture::FileFormatDescription(QStringLiteral("GIF")), QStringLiteral("CompuServe GIF Image"));
    EXPECT_TRUE(TPicture::GraphicFilter().contains(QStringLiteral("CompuServe GIF Image (*.gif)|*.gif")));
    EXPECT_EQ(TClipboard::FormatName(TGIFImage::ClipboardFormat), QStringLiteral("GIF Image"));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("picture.gif"));
    GifBuilder gif;
    gif.Header().Screen(3, 2, GifBuilder::Grey(2)).Image(0, 0, 3, 2, {0, 1, 0, 1, 0, 1}, 1).Trailer();
    ImageFiles::WriteFile(file, gif.Data());
    TPicture picture;
    picture.LoadFromFile(file);
    ASSERT_TRUE(dynamic_cast<TGIFImage*>(picture.Graphic()));
    EXPECT_EQ(picture.Width(), 3);
    const QString bitmapFile = dir.filePath(QStringLiteral("picture.bmp"));
    picture.Bitmap().SetSize(4, 4);
    picture.SaveToFile(bitmapFile);
    picture.LoadFromFile(bitmapFile);
    EXPECT_TRUE(dynamic_cast<TBitmap*>(picture.Graphic()));
}

TEST(ImagingRegistrationsTest, AGifPictureGoesOnTheClipboardWithItsBitmapAndComesBack) {
    GifBuilder gif;
    gif.Header()
        .Screen(3, 2, GifBuilder::Grey(4))
        .GraphicControl(9, 1)
        .Image(0, 0, 3, 2, {0, 1, 2, 3, 2, 1}, 2);
    gif.GraphicControl(4, 0).Image(0, 0, 3, 2, {3, 3, 3, 0, 0, 0}, 2).Trailer();
    TGIFImage image;
    image.LoadFromData(gif.Data());
    TClipboard::Instance().Assign(image);
    EXPECT_TRUE(TClipboard::Instance().HasFormat(CF_BITMAP));
    EXPECT_TRUE(TClipboard::Instance().HasFormat(TGIFImage::ClipboardFormat));

    TPicture picture;
    picture.LoadFromClipboardFormat({TGIFImage::ClipboardFormat, {}, {}});
    auto* pasted = dynamic_cast<TGIFImage*>(picture.Graphic());
    ASSERT_TRUE(pasted);
    ASSERT_EQ(pasted->Count(), 2);
    EXPECT_EQ(pasted->FrameIndex(), 0);
    EXPECT_EQ(pasted->Frames(1).AnimateInterval(), 40u);
    EXPECT_EQ(pasted->Frames(0).FrameBitmap().Image().convertToFormat(QImage::Format_RGB32).pixel(1, 0),
              qRgb(85, 85, 85));

    // Only a bitmap on the clipboard: one frame made from it.
    TClipboard::Instance().Assign(image.Frames(1).FrameBitmap());
    TGIFImage fromBitmap;
    fromBitmap.LoadFromClipboardFormat({CF_BITMAP, {}, {}});
    EXPECT_EQ(fromBitmap.Count(), 1);
    EXPECT_EQ(fromBitmap.Width(), 3);
}

TEST(ImagingRegistrationsTest, TheLastRegistrationObjectUnregistersGif) {
    {
        ImagingRegistrations again;
        EXPECT_TRUE(TPicture::FileFormat(QStringLiteral("gif")));
    }
    EXPECT_TRUE(TPicture::FileFormat(QStringLiteral("gif")));
}

} // namespace
