// Drawing a bitmap stretched with one colour transparent.

#include "imaging/BmpUtils.h"
#include "platform/graphics/TCanvas.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class StretchTransparentTest : public ::testing::Test {
protected:
    StretchTransparentTest() : target(8, 4, QImage::Format_RGB32), canvas(&target) {
        target.fill(qRgb(9, 9, 9));
    }

    // 2 x 2: red top-left, green elsewhere, blue bottom-left.
    static std::unique_ptr<TBitmap> Source() {
        QImage image(2, 2, QImage::Format_RGB32);
        image.fill(qRgb(0, 255, 0));
        image.setPixel(0, 0, qRgb(255, 0, 0));
        image.setPixel(0, 1, qRgb(0, 0, 255));
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetImage(image, TPixelFormat::pf32bit);
        return bitmap;
    }

    QImage target;
    TCanvas canvas;
};

TEST_F(StretchTransparentTest, NoTransparentColourCopiesStretched) {
    StretchTransparent(canvas, *Source(), clNone, 0, 0, 4, 4, 0, 0, 0, 0);
    EXPECT_EQ(target.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(target.pixel(1, 3), qRgb(0, 0, 255));
    EXPECT_EQ(target.pixel(3, 3), qRgb(0, 255, 0));
    EXPECT_EQ(target.pixel(5, 1), qRgb(9, 9, 9));
}

TEST_F(StretchTransparentTest, TheDefaultColourIsTheBottomLeftPixel) {
    StretchTransparent(canvas, *Source(), clDefault, 4, 0, 4, 4, 0, 0, 0, 0);
    EXPECT_EQ(target.pixel(4, 0), qRgb(255, 0, 0));
    EXPECT_EQ(target.pixel(4, 3), qRgb(9, 9, 9));
    EXPECT_EQ(target.pixel(7, 3), qRgb(0, 255, 0));
}

TEST_F(StretchTransparentTest, APartOfTheSourceAndAGivenColour) {
    StretchRectTransparent(canvas, 0, 0, 2, 2, QRect(0, 0, 1, 2), *Source(), RGBColor(255, 0, 0));
    EXPECT_EQ(target.pixel(0, 0), qRgb(9, 9, 9));
    EXPECT_EQ(target.pixel(1, 0), qRgb(9, 9, 9));
    EXPECT_EQ(target.pixel(0, 1), qRgb(0, 0, 255));
    // A destination size below 1 takes the bitmap's.
    StretchTransparent(canvas, *Source(), clNone, 6, 2, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(target.pixel(7, 3), qRgb(0, 255, 0));
}

TEST_F(StretchTransparentTest, AMonochromeBitmapIsTransparentInWhite) {
    TBitmap bitmap;
    bitmap.SetMonochrome(true);
    bitmap.SetSize(2, 2);
    QImage pixels = bitmap.Image();
    pixels.setPixel(0, 0, 0);
    bitmap.SetImage(pixels, TPixelFormat::pf1bit);
    StretchTransparent(canvas, bitmap, clDefault, 0, 0, 2, 2, 0, 0, 0, 0);
    EXPECT_EQ(target.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(target.pixel(1, 1), qRgb(9, 9, 9));
}

} // namespace
