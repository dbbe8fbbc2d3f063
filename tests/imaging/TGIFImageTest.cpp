// GIF pictures: reading, writing, the module's edge cases, the faults mended
// in writing, damaged input, and the picture's place among graphics.

#include "imaging/TGIFImage.h"
#include "platform/graphics/GraphicsErrors.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TPicture.h"
#include "tests/imaging/GifBuilder.h"

#include <QBuffer>
#include <QtEndian>

#include <gtest/gtest.h>
#include <memory>

namespace {

std::vector<int> Ramp(int count, int colours) {
    std::vector<int> pixels;
    for (int i = 0; i < count; ++i)
        pixels.push_back(i % colours);
    return pixels;
}

std::unique_ptr<TGIFImage> Load(const QByteArray& file) {
    auto image = std::make_unique<TGIFImage>();
    image->LoadFromData(file);
    return image;
}

QString LoadError(const QByteArray& file) {
    try {
        Load(file);
    } catch (const Exception& error) {
        return error.Message();
    }
    return {};
}

// A 4 x 2 grey frame on a 4 x 2 screen.
GifBuilder Simple(const char* signature = "GIF89a") {
    GifBuilder gif;
    gif.Header(signature).Screen(4, 2, GifBuilder::Grey(4)).Image(0, 0, 4, 2, Ramp(8, 4), 2);
    return gif;
}

QImage Pixels(TBitmap& bitmap) {
    return bitmap.Image().convertToFormat(QImage::Format_RGB32);
}

class FlagOff {
public:
    FlagOff() { TGIFImage::IgnoreCorruptData = false; }
    ~FlagOff() { TGIFImage::IgnoreCorruptData = true; }
};

TEST(TGIFImageTest, SignatureAndVersionCompareWithoutRegardToCase) {
    auto image = Load(Simple("gif89A").Trailer().Data());
    EXPECT_EQ(image->Version(), 2);
    ASSERT_EQ(image->Count(), 1);
    EXPECT_EQ(image->Width(), 4);
    EXPECT_EQ(image->Height(), 2);
    EXPECT_EQ(Load(Simple("GIF87a").Trailer().Data())->Version(), 1);
    EXPECT_EQ(LoadError(Simple("GIF88a").Trailer().Data()), QStringLiteral("Unknown GIF version"));
    EXPECT_EQ(LoadError("JPEG89a"), QStringLiteral("Unknown GIF version"));
}

TEST(TGIFImageTest, DecodesPixelsThroughTheColourTable) {
    auto image = Load(Simple().Trailer().Data());
    TBitmap& bitmap = image->CurrentBitmap();
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf4bit);
    const QImage pixels = Pixels(bitmap);
    EXPECT_EQ(pixels.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(pixels.pixel(1, 0), qRgb(85, 85, 85));
    EXPECT_EQ(pixels.pixel(3, 1), qRgb(255, 255, 255));
}

TEST(TGIFImageTest, LoopExtensionCountsAreCappedAt30000) {
    GifBuilder gif;
    gif.Header().Screen(4, 2, GifBuilder::Grey(4)).Loop(65535).Image(0, 0, 4, 2, Ramp(8, 4), 2).Trailer();
    auto image = Load(gif.Data());
    EXPECT_TRUE(image->Looping());
    EXPECT_EQ(image->RepeatCount(), 30000);

    GifBuilder zero;
    zero.Header()
        .Screen(4, 2, GifBuilder::Grey(4))
        .Loop(0, "ANIMEXTS1.0")
        .Image(0, 0, 4, 2, Ramp(8, 4), 2)
        .Trailer();
    auto endless = Load(zero.Data());
    EXPECT_TRUE(endless->Looping());
    EXPECT_EQ(endless->RepeatCount(), 0);
}

TEST(TGIFImageTest, ADelayOf7Gives70MillisecondsAndIsWrittenBackAs7) {
    GifBuilder gif;
    gif.Header()
        .Screen(4, 2, GifBuilder::Grey(4))
        .GraphicControl(7, 2, 1)
        .Image(0, 0, 4, 2, Ramp(8, 4), 2)
        .Trailer();
    auto image = Load(gif.Data());
    TGIFFrame& frame = image->Frames(0);
    EXPECT_EQ(frame.AnimateInterval(), 70u);
    EXPECT_EQ(frame.DisposalMethod(), 2);
    EXPECT_EQ(frame.TransparentColor(), RGBColor(85, 85, 85));
    EXPECT_TRUE(image->Transparent());

    auto again = Load(image->SaveToData());
    EXPECT_EQ(again->Frames(0).AnimateInterval(), 70u);
    const TExtension* control = again->Frames(0).GraphicControl();
    ASSERT_TRUE(control);
    EXPECT_EQ(control->Delay(), 7);
    EXPECT_EQ(control->TransparentIndex(), 1);
    EXPECT_EQ(again->Frames(0).DisposalMethod(), 2);
}

TEST(TGIFImageTest, AFileCutShortShowsWhatWasDecoded) {
    // 64 x 4 of 8-bit noise: the cut falls in the last rows.
    std::vector<int> noise;
    for (int i = 0; i < 256; ++i)
        noise.push_back((i * 37 + i / 7) % 256);
    GifBuilder gif;
    gif.Header().Screen(64, 4, GifBuilder::Grey(256)).Image(0, 0, 64, 4, noise, 8);
    const QByteArray whole = gif.Data();
    gif.Raw(QByteArray(",\0\0\0\0\4\0", 7)); // a second frame cut in its descriptor
    struct Case {
        const char* Name;
        QByteArray File;
        bool Corrupted;
        int RowsDecoded;
    };
    const QList<Case> cases = {
        {"in a sub-block", whole.left(whole.size() - 20), true, 3},
        {"after a whole sub-block", whole.left(6 + 7 + 256 * 3 + 10 + 2 + 255), true, 3},
        {"in the next frame", gif.Data(), false, 4},
    };
    for (const Case& c : cases) {
        auto image = Load(c.File);
        ASSERT_EQ(image->Count(), 1) << c.Name;
        EXPECT_EQ(image->Frames(0).Corrupted(), c.Corrupted) << c.Name;
        const QImage pixels = Pixels(image->CurrentBitmap());
        for (int y = 0; y < c.RowsDecoded; ++y)
            for (int x = 0; x < 64; ++x) {
                const int grey = noise[static_cast<std::size_t>(y * 64 + x)];
                ASSERT_EQ(pixels.pixel(x, y), qRgb(grey, grey, grey)) << c.Name << " " << x << "," << y;
            }
        FlagOff strict;
        EXPECT_EQ(LoadError(c.File), QStringLiteral("Stream read error")) << c.Name;
    }
}

TEST(TGIFImageTest, LoadingAFirstFrameThatCannotBeDecodedFailsAndDropsIt) {
    GifBuilder gif;
    gif.Header()
        .Screen(2, 1, GifBuilder::Grey(4))
        .Raw(QByteArray(",\0\0\0\0\2\0\1\0\0\x0C\x03\x00\x02\x00\x00;", 17));
    FlagOff strict;
    auto image = std::make_unique<TGIFImage>();
    EXPECT_THROW(image->LoadFromData(gif.Data()), EInvalidGraphicOperation);
    EXPECT_EQ(image->Count(), 0);
    EXPECT_TRUE(image->Empty());
}

TEST(TGIFImageTest, ASingleFrameWritesNoLoopExtension) {
    auto image = Load(Simple().Trailer().Data());
    image->SetLooping(true);
    EXPECT_FALSE(image->SaveToData().contains("NETSCAPE2.0"));
    image->AppendFrame(&image->CurrentBitmap());
    const QByteArray two = image->SaveToData();
    EXPECT_TRUE(two.contains("NETSCAPE2.0"));
    EXPECT_EQ(Load(two)->RepeatCount(), 1);
}

TEST(TGIFImageTest, APlainBitmapIsWrittenAs87aAndARead89aStays89a) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(TPixelFormat::pf8bit);
    bitmap.SetSize(5, 3);
    auto image = std::make_unique<TGIFImage>();
    image->Assign(&bitmap);
    EXPECT_EQ(image->SaveToData().left(6), QByteArray("GIF87a"));
    EXPECT_EQ(Load(Simple().Trailer().Data())->SaveToData().left(6), QByteArray("GIF89a"));

    image->Frames(0).SetAnimateInterval(100);
    EXPECT_EQ(image->SaveToData().left(6), QByteArray("GIF89a"));
}

TEST(TGIFImageTest, AStreamAtItsEndGivesAnEmptyImage) {
    QByteArray data = Simple().Trailer().Data();
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    buffer.seek(data.size());
    auto image = std::make_unique<TGIFImage>();
    image->LoadFromStream(buffer);
    EXPECT_TRUE(image->Empty());
    EXPECT_EQ(image->Count(), 0);
    EXPECT_EQ(image->Width(), 0);
    try {
        image->SaveToData();
        FAIL() << "written";
    } catch (const EInvalidGraphicOperation& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("No GIF Data to write"));
    }
}

TEST(TGIFImageTest, A24BitBitmapIsWrittenWithItsMostFrequentColours) {
    // 300 colours: 256 of them twice, 44 once.
    QImage pixels(300, 3, QImage::Format_RGB888);
    for (int x = 0; x < 300; ++x) {
        const QRgb colour = qRgb(x % 256, x / 256 * 100, 7);
        pixels.setPixel(x, 0, colour);
        pixels.setPixel(x, 1, x < 256 ? colour : qRgb(0, 0, 7));
        pixels.setPixel(x, 2, qRgb(0, 0, 7));
    }
    TBitmap bitmap;
    bitmap.SetImage(pixels, TPixelFormat::pf24bit);
    auto image = std::make_unique<TGIFImage>();
    image->Assign(&bitmap);
    auto again = Load(image->SaveToData());
    EXPECT_EQ(again->Data()->ColorTable.Count(), 256u);
    const QImage back = Pixels(again->CurrentBitmap());
    for (int x = 1; x < 256; ++x)
        EXPECT_EQ(back.pixel(x, 1), pixels.pixel(x, 1)) << x;
    // A colour that was not chosen takes its nearest entry.
    EXPECT_EQ(back.pixel(299, 0), qRgb(43, 0, 7));
}

TEST(TGIFImageTest, TrailingCommentsBecomeThePictureCommentOnlyWithoutOne) {
    GifBuilder gif = Simple();
    gif.Comment({"first"}).Comment({"second", "part"}).Trailer();
    auto image = Load(gif.Data());
    EXPECT_EQ(image->Comment(), (QList<QByteArray>{"first", "\r\n\r\n", "second", "part"}));

    GifBuilder twice = Simple();
    twice.Comment({"one"}).Raw(QByteArray(1, '\0')).Trailer();
    auto kept = Load(twice.Data());
    EXPECT_EQ(kept->Comment(), QList<QByteArray>{"one"});

    // The picture comment is written after the last frame, so it joins any
    // comment that follows it there.
    kept->Comment() = {"mine"};
    QByteArray written = kept->SaveToData();
    written.chop(1);
    written.append("\x21\xFE\x05other\x00;", 10);
    EXPECT_EQ(Load(written)->Comment(), (QList<QByteArray>{"mine", "\r\n\r\n", "other"}));
}

TEST(TGIFImageTest, TheSizeCannotBeChanged) {
    auto image = Load(Simple().Trailer().Data());
    try {
        image->SetWidth(10);
        FAIL() << "changed";
    } catch (const EInvalidGraphicOperation& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Cannot change the Size of a GIF image"));
    }
    EXPECT_THROW(image->SetHeight(10), EInvalidGraphicOperation);
}

TEST(TGIFImageTest, AnUnknownExtensionLabelIsNamedInHex) {
    GifBuilder gif;
    gif.Header()
        .Screen(4, 2, GifBuilder::Grey(4))
        .Raw("\x21\x3A\x00")
        .Image(0, 0, 4, 2, Ramp(8, 4), 2)
        .Trailer();
    EXPECT_EQ(LoadError(gif.Data()), QStringLiteral("Unrecognized extension block: 3a"));
}

TEST(TGIFImageTest, AnUnexpectedIntroducerBeforeAnyFrameIsAReadError) {
    GifBuilder gif;
    gif.Header().Screen(4, 2, GifBuilder::Grey(4)).Raw("x");
    EXPECT_EQ(LoadError(gif.Data()), QStringLiteral("Stream read error"));
}

// --- faults mended in writing -------------------------------------------

TEST(TGIFImageTest, AnInterlacedFrameOnTheGlobalTableKeepsItsInterlaceBit) {
    GifBuilder gif;
    gif.Header().Screen(3, 11, GifBuilder::Grey(4)).Image(0, 0, 3, 11, Ramp(33, 4), 2, {}, true).Trailer();
    auto image = Load(gif.Data());
    const QImage before = Pixels(image->CurrentBitmap());
    const QByteArray written = image->SaveToData();
    auto again = Load(written);
    EXPECT_TRUE(again->Frames(0).Interlaced());
    EXPECT_EQ(Pixels(again->CurrentBitmap()), before);

    // A frame encoded from a bitmap keeps the interlace asked for.
    TGIFImage made;
    made.Assign(&image->CurrentBitmap());
    made.Frames(0).SetInterlaced(true);
    auto reread = Load(made.SaveToData());
    EXPECT_TRUE(reread->Frames(0).Interlaced());
    EXPECT_EQ(Pixels(reread->CurrentBitmap()), before);
}

TEST(TGIFImageTest, FramesWithTheirOwnPaletteAreWrittenWithIt) {
    const QList<QRgb> red = {qRgb(255, 0, 0), qRgb(128, 0, 0)};
    const QList<QRgb> blue = {qRgb(0, 0, 255), qRgb(0, 0, 128)};
    GifBuilder gif;
    gif.Header().Screen(4, 2, GifBuilder::Grey(4));
    gif.Image(0, 0, 4, 2, Ramp(8, 2), 1, red).Image(0, 0, 4, 2, Ramp(8, 2), 1, blue).Trailer();
    auto image = Load(gif.Data());
    EXPECT_TRUE(image->Frames(1).LocalColorTable());
    auto again = Load(image->SaveToData());
    EXPECT_EQ(Pixels(again->Frames(0).FrameBitmap()).pixel(0, 0), red[0]);
    EXPECT_EQ(Pixels(again->Frames(1).FrameBitmap()).pixel(1, 0), blue[1]);
}

TEST(TGIFImageTest, LongDelaysAreNotCutToSixteenBits) {
    GifBuilder gif;
    gif.Header()
        .Screen(4, 2, GifBuilder::Grey(4))
        .GraphicControl(65535, 0)
        .Image(0, 0, 4, 2, Ramp(8, 4), 2)
        .Trailer();
    auto image = Load(gif.Data());
    EXPECT_EQ(image->Frames(0).AnimateInterval(), 655350u);
    image->Frames(0).SetAnimateInterval(1000000);
    auto again = Load(image->SaveToData());
    EXPECT_EQ(again->Frames(0).GraphicControl()->Delay(), 65535);
}

TEST(TGIFImageTest, LongCommentsAreSplitIntoSubBlocks) {
    auto image = Load(Simple().Trailer().Data());
    const QByteArray line(600, 'c');
    image->Comment() = {line, "end"};
    image->Frames(0).CommentLines() = {QByteArray(300, 'f')};
    auto again = Load(image->SaveToData());
    EXPECT_EQ(again->Comment(),
              (QList<QByteArray>{QByteArray(255, 'c'), QByteArray(255, 'c'), QByteArray(90, 'c'), "end"}));
    EXPECT_EQ(again->Frames(0).CommentLines(),
              (QList<QByteArray>{QByteArray(255, 'f'), QByteArray(45, 'f')}));
}

TEST(TGIFImageTest, DrawingOnTheFrameBitmapReplacesTheKeptData) {
    auto image = Load(Simple().Trailer().Data());
    TBitmap& bitmap = image->CurrentBitmap();
    EXPECT_TRUE(image->Frames(0).HasImageData());
    bitmap.Canvas().SetPixel(0, 0, clWhite);
    EXPECT_FALSE(image->Frames(0).HasImageData());
    auto again = Load(image->SaveToData());
    EXPECT_EQ(Pixels(again->CurrentBitmap()).pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(Pixels(again->CurrentBitmap()).pixel(1, 0), qRgb(85, 85, 85));
}

// --- damaged input --------------------------------------------------------

TEST(TGIFImageTest, EveryTruncationFailsCleanlyOrLoads) {
    GifBuilder gif;
    gif.Header().Screen(6, 5, GifBuilder::Grey(16)).Loop(2).Comment({"note"});
    gif.GraphicControl(5, 1, 3).Image(0, 0, 6, 5, Ramp(30, 16), 4);
    gif.GraphicControl(5, 2).Image(1, 1, 3, 3, Ramp(9, 4), 2, GifBuilder::Grey(4), true).Trailer();
    const QByteArray full = gif.Data();
    for (qsizetype length = 0; length < full.size(); ++length) {
        auto image = std::make_unique<TGIFImage>();
        try {
            image->LoadFromData(full.left(length));
            for (int i = 0; i < image->Count(); ++i)
                image->Frames(i).FrameBitmap();
        } catch (const Exception&) {
        }
    }
    EXPECT_EQ(Load(full)->Count(), 2);
}

TEST(TGIFImageTest, ScreensOfNoSizeTakeTheFramesExtentAndHugeOnesAreOnlyDeclared) {
    struct Case {
        int Width, Height;
        QSize Screen;
    };
    const QList<Case> cases = {{0, 0, {5, 4}}, {0, 9, {5, 9}}, {65535, 65535, {65535, 65535}}};
    for (const Case& c : cases) {
        GifBuilder gif;
        gif.Header()
            .Screen(c.Width, c.Height, GifBuilder::Grey(4))
            .Image(1, 2, 4, 2, Ramp(8, 4), 2)
            .Trailer();
        auto image = Load(gif.Data());
        EXPECT_EQ(QSize(image->ScreenWidth(), image->ScreenHeight()), c.Screen);
        EXPECT_EQ(image->Width(), 4);
        auto again = Load(image->SaveToData());
        EXPECT_EQ(QSize(again->ScreenWidth(), again->ScreenHeight()), c.Screen);
    }
}

TEST(TGIFImageTest, AFramePastTheScreenShowsClippedAndIsWrittenBackWhole) {
    GifBuilder gif;
    gif.Header().Screen(4, 2, GifBuilder::Grey(4)).Image(2, 1, 4, 2, Ramp(8, 4), 2);
    gif.Image(4, 0, 2, 2, Ramp(4, 4), 2).Trailer(); // wholly off the screen
    auto image = Load(gif.Data());
    ASSERT_EQ(image->Count(), 2);
    EXPECT_EQ(QSize(image->Width(), image->Height()), QSize(2, 1));
    const QImage pixels = Pixels(image->CurrentBitmap());
    EXPECT_EQ(pixels.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(pixels.pixel(1, 0), qRgb(85, 85, 85));
    EXPECT_TRUE(image->Frames(1).FrameBitmap().Empty());
    EXPECT_EQ(image->SaveToData(), gif.Data());
}

TEST(TGIFImageTest, AFileWithoutAnyColourTableShowsBlackAndWhite) {
    GifBuilder gif;
    gif.Header().Screen(4, 1).Image(0, 0, 4, 1, {0, 1, 2, 3}, 2).Trailer();
    auto image = Load(gif.Data());
    const QImage pixels = Pixels(image->CurrentBitmap());
    EXPECT_EQ(pixels.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(pixels.pixel(1, 0), qRgb(255, 255, 255));
    EXPECT_EQ(pixels.pixel(2, 0), qRgb(0, 0, 0));
    EXPECT_EQ(pixels.pixel(3, 0), qRgb(0, 0, 0));
    // Written back still without a table.
    EXPECT_EQ(image->SaveToData(), gif.Data());
}

TEST(TGIFImageTest, AColourTableLargerThanTheDataIsAReadError) {
    QByteArray file("GIF89a\x04\x00\x02\x00\xF7\x00\x00", 13);
    file.append(QByteArray(100, '\x10'));
    EXPECT_EQ(LoadError(file), QStringLiteral("Stream read error"));
    GifBuilder local;
    local.Header().Screen(4, 2).Raw(QByteArray(",\0\0\0\0\4\0\2\0\x87", 10)).Raw(QByteArray(30, '\1'));
    EXPECT_EQ(LoadError(local.Data()), QStringLiteral("Stream read error"));
}

TEST(TGIFImageTest, AMinimumCodeSizeAbove11IsToleratedAsCorruptOrRefused) {
    GifBuilder gif;
    gif.Header()
        .Screen(2, 1, GifBuilder::Grey(4))
        .Raw(QByteArray(",\0\0\0\0\2\0\1\0\0\x0C\x03\x00\x02\x00\x00;", 17));
    auto image = Load(gif.Data());
    EXPECT_TRUE(image->Frames(0).Corrupted());
    EXPECT_EQ(Pixels(image->CurrentBitmap()).pixel(1, 0), qRgb(0, 0, 0));
    FlagOff strict;
    EXPECT_EQ(LoadError(gif.Data()), QStringLiteral("GIF code size not in range 2 to 9"));
}

TEST(TGIFImageTest, AnEndlessChainOfSubBlocksEndsAtTheData) {
    GifBuilder gif;
    gif.Header().Screen(4, 2, GifBuilder::Grey(4)).Raw("\x21\xFE");
    QByteArray blocks;
    for (int i = 0; i < 200000; ++i)
        blocks.append("\x01x", 2);
    gif.Raw(blocks);
    EXPECT_EQ(LoadError(gif.Data()), QStringLiteral("Stream read error"));
    GifBuilder frame;
    frame.Header()
        .Screen(4, 2, GifBuilder::Grey(4))
        .Raw(QByteArray(",\0\0\0\0\4\0\2\0\0\x02", 11))
        .Raw(blocks);
    // Image data without a terminator end with the input and decode.
    EXPECT_TRUE(LoadError(frame.Data()).isEmpty());
}

// --- among graphics -------------------------------------------------------

TEST(TGIFImageTest, CopiesShareTheirDataAndFrames) {
    auto image = Load(Simple().Trailer().Data());
    TGIFImage copy;
    copy.Assign(image.get());
    EXPECT_TRUE(copy.Equals(image.get()));
    EXPECT_EQ(copy.Frames(0).Item(), image->Frames(0).Item());
    auto fresh = Load(Simple().Trailer().Data());
    EXPECT_FALSE(fresh->Equals(image.get()));

    TGIFImage fromFrame;
    fromFrame.Assign(&image->Frames(0));
    EXPECT_EQ(fromFrame.Count(), 1);
    EXPECT_EQ(fromFrame.Data()->ColorTable, image->Data()->ColorTable);
    EXPECT_EQ(Pixels(fromFrame.CurrentBitmap()), Pixels(image->CurrentBitmap()));

    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
}

TEST(TGIFImageTest, ATransparentFrameGivesATransparentBitmap) {
    GifBuilder gif;
    gif.Header()
        .Screen(4, 2, GifBuilder::Grey(4))
        .GraphicControl(0, 0, 3)
        .Image(0, 0, 4, 2, Ramp(8, 4), 2)
        .Trailer();
    auto image = Load(gif.Data());
    TBitmap bitmap;
    bitmap.Assign(image.get());
    EXPECT_EQ(bitmap.Width(), 4);
    EXPECT_TRUE(bitmap.Transparent());
    EXPECT_EQ(bitmap.TransparentColor(), clWhite);

    // Drawing leaves the transparent pixels of the destination as they were.
    QImage target(8, 4, QImage::Format_RGB32);
    target.fill(qRgb(1, 2, 3));
    TCanvas canvas(&target);
    image->Draw(canvas, QRect(0, 0, 8, 4));
    EXPECT_EQ(target.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(target.pixel(7, 3), qRgb(1, 2, 3));
    image->SetTransparent(false);
    image->Draw(canvas, QRect(0, 0, 8, 4));
    EXPECT_EQ(target.pixel(7, 3), qRgb(255, 255, 255));
}

TEST(TGIFImageTest, OnlyPixelsHoldingTheTransparentIndexAreTransparent) {
    // Black twice: entry 0 opaque, entry 1 transparent.
    GifBuilder gif;
    gif.Header()
        .Screen(4, 1, {qRgb(0, 0, 0), qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 0)})
        .GraphicControl(0, 0, 1)
        .Image(0, 0, 4, 1, {0, 1, 2, 1}, 2)
        .Trailer();
    const auto drawn = [](TGIFImage& picture) {
        QImage target(8, 1, QImage::Format_RGB32);
        target.fill(qRgb(1, 2, 3));
        TCanvas canvas(&target);
        picture.Draw(canvas, target.rect());
        QList<QRgb> row;
        for (int x = 0; x < 8; x += 2)
            row.append(target.pixel(x, 0));
        return row;
    };
    const QList<QRgb> expected = {qRgb(0, 0, 0), qRgb(1, 2, 3), qRgb(255, 255, 255), qRgb(1, 2, 3)};
    auto image = Load(gif.Data());
    EXPECT_EQ(drawn(*image), expected);
    auto again = Load(image->SaveToData());
    ASSERT_TRUE(again->Frames(0).GraphicControl());
    EXPECT_EQ(again->Frames(0).GraphicControl()->TransparentIndex(), 1);
    EXPECT_EQ(drawn(*again), expected);
    // So does a frame built from it through the API, also once its bitmap is replaced.
    TGIFImage built;
    built.AppendFrame(&image->Frames(0));
    TBitmap copy;
    copy.Assign(&built.Frames(0).FrameBitmap());
    built.Frames(0).FrameBitmap().Assign(&copy);
    EXPECT_EQ(drawn(built), expected);
    EXPECT_EQ(drawn(*Load(built.SaveToData())), expected);
    // A transparent colour set anew goes to its first entry.
    again->Frames(0).SetTransparentColor(RGBColor(255, 255, 255));
    EXPECT_EQ(again->Frames(0).TransparentIndex(), 2);
}

TEST(TGIFImageTest, FormDataCarryALengthBeforeTheFile) {
    auto image = Load(Simple().Trailer().Data());
    TPicture picture;
    picture.SetGraphic(image.get());
    QByteArray stored;
    QBuffer out(&stored);
    out.open(QIODevice::WriteOnly);
    picture.WriteData(out);
    EXPECT_EQ(stored.mid(1, 9), QByteArray("TGIFImage"));
    const quint32 length = qFromLittleEndian<quint32>(stored.constData() + 10);
    EXPECT_EQ(length, static_cast<quint32>(stored.size() - 14));

    TPicture back;
    QBuffer in(&stored);
    in.open(QIODevice::ReadOnly);
    back.ReadData(in);
    ASSERT_TRUE(dynamic_cast<TGIFImage*>(back.Graphic()));
    EXPECT_EQ(back.Width(), 4);
}

} // namespace
