// Animated cursors made by the test helper from known pixels: frames,
// rates, sequences, hot spots, the conversions, and damaged files.

#include "imaging/TAnimatedCursorImage.h"
#include "imaging/TGIFImage.h"
#include "imaging/TIconList.h"
#include "platform/graphics/GraphicsErrors.h"
#include "platform/graphics/TBitmap.h"
#include "tests/imaging/ImageFiles.h"
#include "tests/support/ScriptedPrompter.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

QByteArray Icon(QRgb colour, int size = 32, int bits = 32) {
    return ImageFiles::IconFile({{ImageFiles::Square(size, colour), bits, {}}});
}

QByteArray Cursor(QRgb colour, QPoint hotSpot) {
    return ImageFiles::IconFile({{ImageFiles::Square(32, colour), 8, hotSpot}}, 2);
}

QByteArray Frames(const QList<QByteArray>& icons) {
    QList<QByteArray> chunks;
    for (const QByteArray& icon : icons)
        chunks.append(ImageFiles::Chunk("icon", icon));
    return ImageFiles::List("fram", chunks);
}

QByteArray ThreeFrames(const QList<QByteArray>& extra = {}) {
    QList<QByteArray> chunks = {ImageFiles::Chunk("anih", ImageFiles::AniHeader(3, 3, 10, 1))};
    chunks.append(extra);
    chunks.append(
        Frames({Icon(qRgb(255, 0, 0)), Icon(qRgb(0, 255, 0), 32, 4), Cursor(qRgb(0, 0, 255), {5, 9})}));
    return ImageFiles::Ani(chunks);
}

void Load(TAnimatedCursorImage& cursor, QByteArray data) {
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    cursor.LoadFromStream(buffer);
}

QString LoadError(const QByteArray& data) {
    TAnimatedCursorImage cursor;
    try {
        Load(cursor, data);
    } catch (const EReadError& error) {
        return error.Message();
    }
    return {};
}

TEST(TAnimatedCursorImageTest, AnnouncedFramesGetTheirIconsAtTheDefaultRate) {
    TAnimatedCursorImage cursor;
    Load(cursor, ThreeFrames({ImageFiles::List("INFO", {ImageFiles::Chunk("INAM", "Moving\0"),
                                                        ImageFiles::Chunk("IART", "Tester\0")})}));
    ASSERT_EQ(cursor.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(cursor.Frames(i).Rate(), 10u);
        EXPECT_EQ(cursor.Frames(i).Index(), i);
        EXPECT_EQ(cursor.Icons(i).Width(), 32);
    }
    EXPECT_EQ(cursor.Icons(0).Image().pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(cursor.Icons(1).Image().pixel(5, 5), qRgb(0, 255, 0));
    EXPECT_EQ(cursor.Header().Steps, 3u);
    EXPECT_EQ(cursor.Title(), QStringLiteral("Moving"));
    EXPECT_EQ(cursor.Author(), QStringLiteral("Tester"));
    EXPECT_EQ(cursor.ColorCount(), 256);
}

TEST(TAnimatedCursorImageTest, EveryValueOfARateChunkIsReadAndExtraValuesIgnored) {
    TAnimatedCursorImage cursor;
    Load(cursor, ThreeFrames({ImageFiles::Chunk("rate", ImageFiles::Values({4, 5, 6, 7}))}));
    ASSERT_EQ(cursor.Count(), 3);
    EXPECT_EQ(cursor.Frames(0).Rate(), 4u);
    EXPECT_EQ(cursor.Frames(1).Rate(), 5u);
    EXPECT_EQ(cursor.Frames(2).Rate(), 6u);
}

TEST(TAnimatedCursorImageTest, ASequenceGivesEachStepItsIcon) {
    TAnimatedCursorImage cursor;
    Load(cursor, ThreeFrames({ImageFiles::Chunk("seq ", ImageFiles::Values({2, 0, 2, 1, 1}))}));
    // Steps show icons 2, 0, 2; icon 1 belongs to no step and is added at the end.
    ASSERT_EQ(cursor.Count(), 4);
    EXPECT_EQ(cursor.Frames(0).Index(), 2);
    EXPECT_EQ(cursor.Icons(0).Image().pixel(5, 5), qRgb(0, 0, 255));
    EXPECT_EQ(cursor.Icons(1).Image().pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(cursor.Icons(2).Image().pixel(5, 5), qRgb(0, 0, 255));
    EXPECT_NE(&cursor.Icons(0), &cursor.Icons(2));
    EXPECT_EQ(cursor.Frames(3).Index(), -1);
    EXPECT_EQ(cursor.Icons(3).Image().pixel(5, 5), qRgb(0, 255, 0));
    EXPECT_EQ(cursor.Header().Steps, 4u);
}

TEST(TAnimatedCursorImageTest, ACursorKeepsItsHotSpotAndAnIconIsCentred) {
    TAnimatedCursorImage cursor;
    Load(cursor, ThreeFrames());
    EXPECT_TRUE(cursor.Frames(0).IsIcon());
    EXPECT_EQ(cursor.Frames(0).HotSpot(), QPoint(16, 16));
    EXPECT_FALSE(cursor.Frames(2).IsIcon());
    EXPECT_EQ(cursor.Frames(2).HotSpot(), QPoint(5, 9));
    EXPECT_EQ(QByteArray(cursor.Frames(2).ChunkHeader().Id.data(), 4), QByteArray("icon"));
}

TEST(TAnimatedCursorImageTest, AHeaderWithoutTheIconFlagOrStepsIsRefused) {
    const QByteArray frames = Frames({Icon(qRgb(1, 2, 3))});
    EXPECT_EQ(
        LoadError(ImageFiles::Ani({ImageFiles::Chunk("anih", ImageFiles::AniHeader(1, 1, 5, 0)), frames})),
        QStringLiteral("Stream read error"));
    EXPECT_EQ(
        LoadError(ImageFiles::Ani({ImageFiles::Chunk("anih", ImageFiles::AniHeader(1, 0, 5, 1)), frames})),
        QStringLiteral("Stream read error"));
}

TEST(TAnimatedCursorImageTest, EmptyAndShortStreams) {
    TAnimatedCursorImage cursor;
    Load(cursor, ThreeFrames());
    Load(cursor, QByteArray());
    EXPECT_EQ(cursor.Count(), 3);
    for (int length = 1; length <= 7; ++length)
        EXPECT_EQ(LoadError(ThreeFrames().left(length)), QStringLiteral("Stream read error")) << length;
    EXPECT_EQ(LoadError(QByteArray("RIFF\4\0\0\0WAVE", 12)), QStringLiteral("Stream read error"));
}

TEST(TAnimatedCursorImageTest, AFrameListBeforeTheHeaderGivesFramesOfTheirOwn) {
    const QByteArray frames = Frames({Icon(qRgb(255, 0, 0)), Icon(qRgb(0, 255, 0))});
    TAnimatedCursorImage cursor;
    Load(cursor, ImageFiles::Ani({frames, ImageFiles::Chunk("anih", ImageFiles::AniHeader(2, 2, 10, 1)),
                                  ImageFiles::Chunk("rate", ImageFiles::Values({7, 9})),
                                  ImageFiles::Chunk("seq ", ImageFiles::Values({1, 0}))}));
    // The icons came before any frame was announced; the announced frames
    // get none and go.
    ASSERT_EQ(cursor.Count(), 2);
    EXPECT_EQ(cursor.Icons(0).Image().pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(cursor.Icons(1).Image().pixel(5, 5), qRgb(0, 255, 0));
    EXPECT_EQ(cursor.Frames(0).Rate(), 7u);
    EXPECT_EQ(cursor.Frames(1).Rate(), 9u);
    EXPECT_EQ(cursor.Frames(0).Index(), 1);
    EXPECT_EQ(cursor.Frames(1).Index(), 0);
    EXPECT_EQ(cursor.Header().Steps, 2u);
}

TEST(TAnimatedCursorImageTest, CountsBeyondTheChunksAreCappedAndEveryTruncationEndsCleanly) {
    const QByteArray frames = Frames({Icon(qRgb(1, 2, 3))});
    TAnimatedCursorImage many;
    Load(many,
         ImageFiles::Ani({ImageFiles::Chunk("anih", ImageFiles::AniHeader(0x7FFFFFFF, 1, 5, 1)), frames}));
    ASSERT_EQ(many.Count(), 1);
    EXPECT_EQ(many.Frames(0).Index(), 0);
    // A chunk claiming more than the file holds is cut at the end.
    QByteArray oversized =
        ImageFiles::Ani({ImageFiles::Chunk("anih", ImageFiles::AniHeader(1, 1, 5, 1)), frames});
    oversized.replace(oversized.indexOf("LIST") + 4, 4, QByteArray("\xFF\xFF\xFF\x7F", 4));
    EXPECT_TRUE(LoadError(oversized).isEmpty());

    const QByteArray full = ThreeFrames({ImageFiles::Chunk("rate", ImageFiles::Values({1, 2, 3}))});
    for (qsizetype length = 0; length < full.size(); length += 7) {
        TAnimatedCursorImage cursor;
        try {
            Load(cursor, full.left(length));
        } catch (const EReadError&) {
            EXPECT_EQ(cursor.Count(), 0);
        }
    }
}

TEST(TAnimatedCursorImageTest, AnIconDirectoryOutsideItsChunkEndsTheFrames) {
    QByteArray broken = Icon(qRgb(9, 9, 9));
    broken[18] = '\xFF'; // the first entry's offset
    broken[19] = '\xFF';
    TAnimatedCursorImage cursor;
    Load(cursor, ImageFiles::Ani({ImageFiles::Chunk("anih", ImageFiles::AniHeader(2, 2, 5, 1)),
                                  Frames({Icon(qRgb(1, 1, 1)), broken})}));
    EXPECT_EQ(cursor.Count(), 1);
    EXPECT_EQ(LoadError(ImageFiles::Ani(
                  {ImageFiles::Chunk("anih", ImageFiles::AniHeader(1, 1, 5, 1)), Frames({broken})})),
              QStringLiteral("Stream read error"));
}

TEST(TAnimatedCursorImageTest, AStripOfThreeFramesIsReducedInColours) {
    TAnimatedCursorImage cursor;
    Load(cursor, ThreeFrames());
    TBitmap strip;
    strip.Canvas().SetBrushColor(RGBColor(255, 255, 0));
    strip.Assign(&cursor);
    EXPECT_EQ(strip.Width(), 96);
    EXPECT_EQ(strip.Height(), 32);
    EXPECT_EQ(strip.PixelFormat(), TPixelFormat::pf8bit);
    const QImage pixels = strip.Image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(pixels.pixel(0, 0), qRgb(255, 255, 0)); // the transparent corner
    EXPECT_EQ(pixels.pixel(40, 10), qRgb(0, 255, 0));
    EXPECT_EQ(pixels.pixel(70, 10), qRgb(0, 0, 255));

    TBitmap vertical;
    cursor.AssignToBitmap(vertical, clWhite, true, false);
    EXPECT_EQ(vertical.Width(), 32);
    EXPECT_EQ(vertical.Height(), 96);

    TAnimatedCursorImage none;
    none.AssignToBitmap(vertical, clWhite, false, true);
    EXPECT_TRUE(vertical.Empty());
}

TEST(TAnimatedCursorImageTest, FramesGoToIconsIconListsAndGifPictures) {
    TAnimatedCursorImage cursor;
    Load(cursor, ThreeFrames({ImageFiles::Chunk("rate", ImageFiles::Values({6, 12, 30}))}));
    TIcon icon;
    icon.Assign(&cursor);
    EXPECT_EQ(icon.Data(), cursor.Icons(0).Data());

    TIconList list;
    int changes = 0;
    list.OnChange = TNotifyEvent::fromFunction([&](TObject*) { ++changes; });
    list.Assign(&cursor);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(changes, 1);

    TGIFImage gif;
    gif.Assign(&cursor);
    ASSERT_EQ(gif.Count(), 3);
    EXPECT_EQ(gif.BackgroundColor(), clWindow);
    EXPECT_EQ(gif.Frames(0).AnimateInterval(), 100u);
    EXPECT_EQ(gif.Frames(2).AnimateInterval(), 500u);
    EXPECT_EQ(gif.Frames(1).TransparentColor(), clFuchsia);
    TGIFImage again;
    again.LoadFromData(gif.SaveToData());
    EXPECT_EQ(again.Count(), 3);
    EXPECT_EQ(again.Frames(1).FrameBitmap().Image().pixel(10, 10), qRgb(0, 255, 0));
    EXPECT_EQ(again.Frames(1).TransparentColor(), clFuchsia);

    TAnimatedCursorImage copy;
    copy.Assign(&cursor);
    EXPECT_EQ(copy.Count(), 3);
    EXPECT_EQ(copy.Frames(2).Rate(), 30u);
    copy.Assign(nullptr);
    EXPECT_EQ(copy.Count(), 0);
}

TEST(TAnimatedCursorImageTest, SavingIsNotOffered) {
    TAnimatedCursorImage cursor;
    ScriptedPrompter prompter;
    prompter.Answer(mrOk);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_THROW(cursor.SaveToStream(buffer), EAbort);
    EXPECT_EQ(prompter.Last().Text, QStringLiteral("Function not yet implemented"));
}

TEST(TAnimatedCursorImageTest, LoadingAMissingFileClearsTheImage) {
    TAnimatedCursorImage cursor;
    Load(cursor, ThreeFrames());
    EXPECT_THROW(cursor.LoadFromFile(QStringLiteral("/nonexistent/cursor.ani")), EReadError);
    EXPECT_EQ(cursor.Count(), 0);
}

} // namespace
