// Colour reduction of bitmaps to palettes by each mapping method, and bitmap
// files of a requested depth.

#include "imaging/BmpGraph.h"
#include "imaging/BmpUtils.h"
#include "platform/graphics/BitmapFile.h"
#include "platform/graphics/GraphicsErrors.h"
#include "tests/support/ScriptedPrompter.h"

#include <QSet>

#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<TBitmap> TrueColour(const QImage& image) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetImage(image.convertToFormat(QImage::Format_RGB888), TPixelFormat::pf24bit);
    return bitmap;
}

struct Reduced {
    QImage Image;
    BitmapFile::Info Info;
};

Reduced Reduce(const TBitmap& bitmap, TColorMappingMethod method,
               TPixelFormat format = TPixelFormat::pf8bit) {
    Reduced reduced;
    reduced.Image = BitmapFile::Read(BitmapToDIBStream(bitmap, format, method), &reduced.Info);
    return reduced;
}

QRgb At(const Reduced& reduced, int x, int y) {
    return reduced.Image.color(reduced.Image.pixelIndex(x, y));
}

TEST(ColorReductionTest, HistogramKeepsTheMostFrequentColoursAndMapsTheRestToTheNearest) {
    QImage image(300, 2, QImage::Format_RGB888);
    for (int x = 0; x < 300; ++x) {
        image.setPixel(x, 0, qRgb(x % 256, x < 256 ? 10 : 12, 50));
        image.setPixel(x, 1, x < 256 ? qRgb(x, 10, 50) : qRgb(0, 10, 50));
    }
    const Reduced reduced = Reduce(*TrueColour(image), TColorMappingMethod::Histogram);
    EXPECT_EQ(reduced.Info.BitCount, 8);
    for (int x = 0; x < 256; ++x)
        EXPECT_EQ(At(reduced, x, 1), qRgb(x, 10, 50)) << x;
    // (43, 12, 50) occurs once; its nearest chosen colour is (43, 10, 50).
    EXPECT_EQ(At(reduced, 299, 0), qRgb(43, 10, 50));
}

TEST(ColorReductionTest, TooManyColoursAreCountedAgainWithFewerBitsBlueFirstThenRed) {
    // 8192 colours: red 0..7, green 0..255, blue 0..3. Dropping blue's low
    // bit leaves 4096, dropping red's too leaves 2048, which fit.
    QImage image(256, 32, QImage::Format_RGB888);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 256; ++x)
            image.setPixel(x, y, qRgb(y / 4, x, y % 4));
    const Reduced reduced = Reduce(*TrueColour(image), TColorMappingMethod::Histogram);
    for (int i = 0; i < 256; ++i) {
        const QRgb entry = reduced.Image.color(i);
        EXPECT_EQ(qRed(entry) % 2, 0) << i;
        EXPECT_EQ(qBlue(entry) % 2, 0) << i;
    }
    // Every pixel's masked colour that was chosen maps to itself.
    const QRgb first = At(reduced, 0, 0);
    EXPECT_EQ(first, qRgb(0, 0, 0));
}

TEST(ColorReductionTest, TwoColoursGiveTheirPaletteAndGreyAfterIt) {
    QImage image(4, 4, QImage::Format_RGB888);
    image.fill(qRgb(200, 10, 10));
    image.setPixel(0, 0, qRgb(1, 2, 3));
    const Reduced reduced = Reduce(*TrueColour(image), TColorMappingMethod::Histogram);
    EXPECT_EQ(reduced.Image.color(0), qRgb(200, 10, 10));
    EXPECT_EQ(reduced.Image.color(1), qRgb(1, 2, 3));
    for (int i = 2; i < 256; ++i)
        EXPECT_EQ(reduced.Image.color(i), qRgb(128, 128, 128)) << i;
    EXPECT_EQ(At(reduced, 0, 0), qRgb(1, 2, 3));
    EXPECT_EQ(At(reduced, 3, 3), qRgb(200, 10, 10));
}

TEST(ColorReductionTest, ABitmapOfTheRequestedDepthSavesItself) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(TPixelFormat::pf4bit);
    bitmap.SetSize(7, 3);
    EXPECT_EQ(BitmapToDIBStream(bitmap, TPixelFormat::pf4bit, TColorMappingMethod::Histogram),
              bitmap.SaveToBitmapFile());
}

TEST(ColorReductionTest, MedianCutGivesOneBoxPerColourAndCountsThem) {
    QImage image(3, 2, QImage::Format_RGB888);
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    for (int x = 0; x < 3; ++x) {
        image.setPixel(x, 0, colours[x]);
        image.setPixel(x, 1, colours[x]);
    }
    const Reduced reduced = Reduce(*TrueColour(image), TColorMappingMethod::MedianCut);
    EXPECT_EQ(reduced.Info.ColorsImportant, 3u);
    EXPECT_EQ(At(reduced, 0, 0), qRgb(255, 15, 15));
    EXPECT_EQ(At(reduced, 1, 1), qRgb(15, 255, 15));
    EXPECT_EQ(At(reduced, 2, 0), qRgb(15, 15, 255));
    const QSet<int> indices = {reduced.Image.pixelIndex(0, 0), reduced.Image.pixelIndex(1, 0),
                               reduced.Image.pixelIndex(2, 0)};
    EXPECT_EQ(indices.size(), 3);
}

TEST(ColorReductionTest, MedianCutOfDarkColoursGivesBlack) {
    QImage image(2, 1, QImage::Format_RGB888);
    image.setPixel(0, 0, qRgb(10, 0, 0));
    image.setPixel(1, 0, qRgb(0, 12, 0));
    const Reduced reduced = Reduce(*TrueColour(image), TColorMappingMethod::MedianCut);
    EXPECT_EQ(At(reduced, 0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(reduced.Image.color(255), qRgb(0, 0, 0));
}

TEST(ColorReductionTest, FixedPalettesTakeTheNearestLevelPerChannel) {
    QImage image(3, 1, QImage::Format_RGB888);
    image.setPixel(0, 0, qRgb(255, 255, 255));
    image.setPixel(1, 0, qRgb(128, 128, 128));
    image.setPixel(2, 0, qRgb(255, 0, 0));
    const Reduced seven = Reduce(*TrueColour(image), TColorMappingMethod::Fixed784);
    EXPECT_EQ(seven.Info.ColorsImportant, 224u);
    EXPECT_EQ(seven.Image.pixelIndex(0, 0), 223);
    EXPECT_EQ(seven.Image.pixelIndex(1, 0), 3 * 32 + 4 * 4 + 2);
    EXPECT_EQ(At(seven, 1, 0), qRgb(128, 146, 170));
    EXPECT_EQ(seven.Image.color(224), qRgb(128, 128, 128));

    const Reduced six = Reduce(*TrueColour(image), TColorMappingMethod::Fixed666);
    EXPECT_EQ(six.Info.ColorsImportant, 216u);
    EXPECT_EQ(six.Image.pixelIndex(2, 0), 180);
    EXPECT_EQ(At(six, 2, 0), qRgb(255, 0, 0));
    EXPECT_EQ(six.Image.color(255), qRgb(128, 128, 128));
}

TEST(ColorReductionTest, LevelTablesPreferTheLowerLevelOnATie) {
    const ColorMapping::LevelTables& levels = ColorMapping::Levels();
    EXPECT_EQ(levels.Nearest8[18], 0);
    EXPECT_EQ(levels.Nearest8[19], 1);
    EXPECT_EQ(levels.Nearest4[42], 0);
    EXPECT_EQ(levels.Nearest4[43], 1);
    EXPECT_EQ(levels.Nearest6[255], 5);
    EXPECT_EQ(levels.Nearest7[64], 1);
    EXPECT_EQ(levels.Nearest7[65], 2);
}

TEST(ColorReductionTest, ThreeWayAndGreyMethods) {
    QImage image(3, 1, QImage::Format_RGB888);
    image.fill(qRgb(200, 100, 40));
    const Reduced three = Reduce(*TrueColour(image), TColorMappingMethod::ThreeWay);
    EXPECT_EQ(three.Image.pixelIndex(0, 0), 200 >> 2);
    EXPECT_EQ(three.Image.pixelIndex(1, 0), 64 + (100 >> 2));
    EXPECT_EQ(three.Image.pixelIndex(2, 0), 128 + (40 >> 2));
    EXPECT_EQ(three.Image.color(64 + 25), qRgb(0, 100, 0));
    EXPECT_EQ(three.Image.color(200), qRgb(0, 0, 0));

    const Reduced grey = Reduce(*TrueColour(image), TColorMappingMethod::Grey);
    const int level = (77 * 200 + 150 * 100 + 29 * 40) >> 8;
    EXPECT_EQ(grey.Image.pixelIndex(1, 0), level);
    EXPECT_EQ(grey.Image.color(level), qRgb(level, level, level));

    // The grey method also applies to bitmaps that are 8-bit already.
    TBitmap eight;
    eight.SetImage(Reduce(*TrueColour(image), TColorMappingMethod::Fixed666).Image, TPixelFormat::pf8bit);
    EXPECT_EQ(Reduce(eight, TColorMappingMethod::Grey).Image.color(0), qRgb(0, 0, 0));
}

TEST(ColorReductionTest, ColourCountsChooseTheDepth) {
    QImage image(5, 5, QImage::Format_RGB888);
    image.fill(qRgb(255, 0, 0));
    const auto source = TrueColour(image);
    const TBitmap& bitmap = *source;
    BitmapFile::Info info;
    BitmapFile::Read(BitmapToColors(bitmap, 2), &info);
    EXPECT_EQ(info.BitCount, 1);
    BitmapFile::Read(BitmapToColors(bitmap, 16), &info);
    EXPECT_EQ(info.BitCount, 4);
    const QImage sixteen = BitmapFile::Read(BitmapToColors(bitmap, 16), &info);
    EXPECT_EQ(sixteen.pixel(2, 2), qRgb(255, 0, 0));
    BitmapFile::Read(BitmapToColors(bitmap, 256), &info);
    EXPECT_EQ(info.BitCount, 8);
    BitmapFile::Read(BitmapToColors(bitmap, 257), &info);
    EXPECT_EQ(info.BitCount, 24);
}

TEST(ColorReductionTest, BitmapsWithoutPixelsOrOfOtherDepthsAreRefused) {
    TBitmap empty;
    try {
        BitmapToDIBStream(empty, TPixelFormat::pf8bit, TColorMappingMethod::Histogram);
        FAIL() << "converted";
    } catch (const EInvalidGraphic& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Bitmap image is not valid"));
    }
    QImage image(2, 2, QImage::Format_RGB888);
    image.fill(Qt::red);
    ScriptedPrompter prompter;
    prompter.Answer(mrOk);
    EXPECT_THROW(BitmapToDIBStream(*TrueColour(image), TPixelFormat::pf16bit, TColorMappingMethod::Histogram),
                 EAbort);
    EXPECT_EQ(prompter.Last().Text, QStringLiteral("Function not yet implemented"));
    EXPECT_EQ(prompter.Last().Icon, TMsgDlgType::mtInformation);
}

} // namespace
