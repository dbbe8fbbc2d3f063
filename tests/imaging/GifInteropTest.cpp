// GIF files exchanged with the peers: what we write, giflib and ImageMagick
// read pixel for pixel with its timing, transparency and loop count; what
// they write (interlaced, transparent, animated, local palettes, comments,
// 2, 16 and 256 colours), we read pixel for pixel.

#include "imaging/TGIFImage.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "tests/imaging/GifBuilder.h"
#include "tests/imaging/ImageFiles.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gif_lib.h>
#include <gtest/gtest.h>
#include <memory>

namespace {

QByteArray RunPeer(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": "
                                     << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

// Frame `index` of a GIF as ImageMagick decodes it: w x h RGBA bytes.
QByteArray MagickPixels(const QString& file, int index) {
    return RunPeer(QStringLiteral("convert"),
                   {QStringLiteral("%1[%2]").arg(file).arg(index), QStringLiteral("-depth"),
                    QStringLiteral("8"), QStringLiteral("rgba:-")});
}

// The logical screen of a one-frame GIF as ImageMagick composes it, RGBA.
QByteArray MagickComposed(const QString& file) {
    return RunPeer(QStringLiteral("convert"), {file, QStringLiteral("-coalesce"), QStringLiteral("-depth"),
                                               QStringLiteral("8"), QStringLiteral("rgba:-")});
}

// Pixels where our drawing of the current frame differs from ImageMagick's
// screen at the frame's place; where theirs is transparent, ours must have
// left the background.
int DrawingDifferences(TGIFImage& image, const QByteArray& screen) {
    const QRgb background = qRgb(1, 2, 3);
    QImage target(image.Width(), image.Height(), QImage::Format_RGB32);
    target.fill(background);
    TCanvas canvas(&target);
    image.Draw(canvas, target.rect());
    const QPoint place = image.Frames(image.FrameIndex()).TopLeft();
    EXPECT_EQ(screen.size(), 4LL * image.ScreenWidth() * image.ScreenHeight());
    int differences = 0;
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x) {
            const qsizetype at = 4LL * ((place.y() + y) * image.ScreenWidth() + place.x() + x);
            const auto* p = reinterpret_cast<const uchar*>(screen.constData()) + at;
            const QRgb theirs = at + 4 > screen.size() ? 0 : p[3] == 0 ? background : qRgb(p[0], p[1], p[2]);
            if (target.pixel(x, y) != theirs)
                ++differences;
        }
    return differences;
}

QImage Rgb(TBitmap& bitmap) {
    return bitmap.Image().convertToFormat(QImage::Format_RGB32);
}

// Compares our frame with RGBA bytes; transparent pixels of theirs must be
// our transparent colour.
void ExpectSamePixels(TGIFFrame& frame, const QByteArray& rgba, const char* what) {
    const QImage ours = Rgb(frame.FrameBitmap());
    ASSERT_EQ(rgba.size(), static_cast<qsizetype>(ours.width()) * ours.height() * 4) << what;
    int differences = 0;
    for (int y = 0; y < ours.height(); ++y)
        for (int x = 0; x < ours.width(); ++x) {
            const auto* p = reinterpret_cast<const uchar*>(rgba.constData()) + 4 * (y * ours.width() + x);
            const QRgb mine = ours.pixel(x, y);
            if (p[3] == 0) {
                if (QRgbToColor(mine) != (frame.TransparentColor() & 0xFFFFFF)) {
                    ++differences;
                }
            } else if (mine != qRgb(p[0], p[1], p[2])) {
                ++differences;
            }
        }
    EXPECT_EQ(differences, 0) << what;
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

GifFile Slurp(const QString& file) {
    int error = 0;
    GifFile gif(DGifOpenFileName(file.toLocal8Bit().constData(), &error));
    EXPECT_TRUE(gif) << GifErrorString(error);
    if (gif) {
        EXPECT_EQ(DGifSlurp(gif.get()), GIF_OK) << GifErrorString(gif->Error);
    }
    return gif;
}

QRgb MapColour(const ColorMapObject* map, int index) {
    const GifColorType& c = map->Colors[index];
    return qRgb(c.Red, c.Green, c.Blue);
}

class GifInteropTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    // The file `name` that ImageMagick makes with `arguments`.
    QString Convert(const char* name, QStringList arguments) const {
        const QString file = Path(QString::fromLatin1(name));
        arguments << file;
        RunPeer(QStringLiteral("convert"), arguments);
        return file;
    }

    // Three frames: 256 colours of noise, 16 colours on a local palette at an
    // offset, 2 colours interlaced; delays, disposal, transparency, a loop count.
    std::unique_ptr<TGIFImage> Animation() {
        auto image = std::make_unique<TGIFImage>();
        QRandomGenerator random(42);
        QImage noise(40, 30, QImage::Format_Indexed8);
        QList<QRgb> table;
        for (int i = 0; i < 256; ++i)
            table.append(qRgb(i, 255 - i, (i * 7) & 0xFF));
        noise.setColorTable(table);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                noise.setPixel(x, y, random.bounded(256));
        TBitmap first;
        first.SetImage(noise, TPixelFormat::pf8bit);
        image->AppendFrame(&first);
        image->Frames(0).SetAnimateInterval(120);

        QImage sixteen(17, 9, QImage::Format_Indexed8);
        QList<QRgb> colours;
        for (int i = 0; i < 16; ++i)
            colours.append(qRgb(i * 16, 0, 200));
        sixteen.setColorTable(colours);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 17; ++x)
                sixteen.setPixel(x, y, (x + y) % 16);
        TBitmap second;
        second.SetImage(sixteen, TPixelFormat::pf4bit);
        image->AppendFrame(&second);
        TGIFFrame& middle = image->Frames(1);
        middle.SetTopLeft(QPoint(5, 7));
        middle.SetAnimateInterval(250);
        middle.SetDisposalMethod(2);
        middle.SetTransparentColor(RGBColor(16, 0, 200));

        QImage mono(13, 11, QImage::Format_Mono);
        mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 0)});
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 13; ++x)
                mono.setPixel(x, y, (x * y) % 3 == 0 ? 1 : 0);
        TBitmap third;
        third.SetImage(mono, TPixelFormat::pf1bit);
        image->AppendFrame(&third);
        image->Frames(2).SetInterlaced(true);
        image->Frames(2).SetAnimateInterval(30);
        image->Frames(2).SetDisposalMethod(3);
        image->SetLooping(true);
        image->SetRepeatCount(5);
        image->Comment() = {"made by the tests"};
        return image;
    }

    QTemporaryDir dir;
};

TEST_F(GifInteropTest, GiflibReadsWhatWeWritePixelForPixel) {
    auto image = Animation();
    const QString file = Path(QStringLiteral("ours.gif"));
    image->SaveToFile(file);
    GifFile gif = Slurp(file);
    ASSERT_TRUE(gif);
    ASSERT_EQ(gif->ImageCount, 3);
    EXPECT_EQ(gif->SWidth, 40);
    EXPECT_EQ(gif->SHeight, 30);
    const int delays[] = {12, 25, 3};
    const int disposals[] = {0, 2, 3};
    for (int i = 0; i < 3; ++i) {
        const SavedImage& saved = gif->SavedImages[i];
        const ColorMapObject* map = saved.ImageDesc.ColorMap ? saved.ImageDesc.ColorMap : gif->SColorMap;
        TGIFFrame& frame = image->Frames(i);
        const QImage ours = Rgb(frame.FrameBitmap());
        ASSERT_EQ(saved.ImageDesc.Width, ours.width());
        ASSERT_EQ(saved.ImageDesc.Height, ours.height());
        EXPECT_EQ(saved.ImageDesc.Left, frame.TopLeft().x());
        EXPECT_EQ(saved.ImageDesc.Top, frame.TopLeft().y());
        EXPECT_EQ(static_cast<bool>(saved.ImageDesc.Interlace), i == 2);
        int differences = 0;
        for (int y = 0; y < ours.height(); ++y)
            for (int x = 0; x < ours.width(); ++x)
                if (MapColour(map, saved.RasterBits[y * ours.width() + x]) != ours.pixel(x, y))
                    ++differences;
        EXPECT_EQ(differences, 0) << i;
        GraphicsControlBlock control;
        ASSERT_EQ(DGifSavedExtensionToGCB(gif.get(), i, &control), GIF_OK);
        EXPECT_EQ(control.DelayTime, delays[i]);
        EXPECT_EQ(control.DisposalMode, disposals[i]);
        if (i == 1) {
            EXPECT_EQ(MapColour(map, control.TransparentColor), qRgb(16, 0, 200));
        } else {
            EXPECT_EQ(control.TransparentColor, NO_TRANSPARENT_COLOR);
        }
    }
    bool loop = false;
    for (int i = 0; i < gif->SavedImages[0].ExtensionBlockCount; ++i) {
        const ExtensionBlock& block = gif->SavedImages[0].ExtensionBlocks[i];
        if (block.Function == CONTINUE_EXT_FUNC_CODE && block.ByteCount == 3)
            loop = block.Bytes[1] == 5 && block.Bytes[2] == 0;
    }
    EXPECT_TRUE(loop);
    // The picture comment follows the last frame.
    ASSERT_EQ(gif->ExtensionBlockCount, 1);
    EXPECT_EQ(gif->ExtensionBlocks[0].Function, COMMENT_EXT_FUNC_CODE);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(gif->ExtensionBlocks[0].Bytes),
                         gif->ExtensionBlocks[0].ByteCount),
              QByteArray("made by the tests"));
}

TEST_F(GifInteropTest, ImageMagickReadsWhatWeWritePixelForPixel) {
    auto image = Animation();
    const QString file = Path(QStringLiteral("ours.gif"));
    image->SaveToFile(file);
    const QString described = QString::fromLatin1(RunPeer(
        QStringLiteral("identify"), {QStringLiteral("-format"), QStringLiteral("%T %D %wx%h%X%Y|"), file}));
    EXPECT_EQ(described,
              QStringLiteral("12 Undefined 40x30+0+0|25 Background 17x9+5+7|3 Previous 13x11+0+0|"));
    for (int i = 0; i < 3; ++i)
        ExpectSamePixels(image->Frames(i), MagickPixels(file, i), "frame");
}

TEST_F(GifInteropTest, WeReadWhatImageMagickWrites) {
    struct Case {
        const char* Name;
        QStringList Arguments;
        int Frames;
    };
    const QList<Case> cases = {
        {"two.gif", {"-size", "23x7", "gradient:black-white", "-colors", "2"}, 1},
        {"sixteen.gif", {"-size", "31x17", "gradient:red-blue", "-colors", "16"}, 1},
        {"full.gif", {"-size", "64x48", "plasma:fractal", "-seed", "3", "+dither", "-colors", "256"}, 1},
        {"interlaced.gif",
         {"-size", "19x13", "gradient:yellow-navy", "-colors", "64", "-interlace", "GIF"},
         1},
        {"transparent.gif",
         {"-size", "16x16", "xc:red", "-fill", "blue", "-draw", "rectangle 3,3 9,12", "-transparent", "red"},
         1},
        {"comment.gif", {"-size", "8x8", "xc:green", "-set", "comment", "a comment of ours"}, 1},
        {"animated.gif",
         {"-delay", "7", "-size", "10x6", "xc:red", "-delay", "150", "-dispose", "Previous", "-size", "10x6",
          "gradient:white-black", "-loop", "4"},
         2},
    };
    for (const Case& c : cases) {
        const QString file = Convert(c.Name, c.Arguments);
        TGIFImage image;
        image.LoadFromFile(file);
        ASSERT_EQ(image.Count(), c.Frames) << c.Name;
        for (int i = 0; i < c.Frames; ++i)
            ExpectSamePixels(image.Frames(i), MagickPixels(file, i), c.Name);
        if (QByteArray(c.Name) == "interlaced.gif") {
            EXPECT_TRUE(image.Frames(0).Interlaced());
        }
        if (QByteArray(c.Name) == "transparent.gif") {
            EXPECT_NE(image.Frames(0).TransparentColor(), clNone);
        }
        if (QByteArray(c.Name) == "comment.gif") {
            // A comment before a frame belongs to the frame.
            EXPECT_EQ(image.Frames(0).CommentLines().join(), QByteArray("a comment of ours"));
        }
        if (QByteArray(c.Name) == "animated.gif") {
            EXPECT_EQ(image.Frames(0).AnimateInterval(), 70u);
            EXPECT_EQ(image.Frames(1).AnimateInterval(), 1500u);
            EXPECT_EQ(image.Frames(1).DisposalMethod(), 3);
            EXPECT_TRUE(image.Looping());
            // ImageMagick stores the plays after the first.
            EXPECT_EQ(image.RepeatCount(), 3);
        }
        // What we read, we write back so that ImageMagick reads the same.
        const QString again = Path(QStringLiteral("again-") + QString::fromLatin1(c.Name));
        image.SaveToFile(again);
        for (int i = 0; i < c.Frames; ++i)
            ExpectSamePixels(image.Frames(i), MagickPixels(again, i), c.Name);
    }
}

TEST_F(GifInteropTest, ImageMagicksEdgeFilesDrawAsItComposesThemAndStaySoWhenSaved) {
    struct Case {
        const char* Name;
        QStringList Arguments;
        QSize Drawn;
    };
    const QList<Case> cases = {
        // Its usual shape on a transparent background: two black entries,
        // the second transparent.
        {"shape.gif",
         {"-size", "20x20", "xc:none", "-fill", "black", "-draw", "rectangle 5,5 14,14"},
         {20, 20}},
        // A 10 x 8 frame at (5, 4) on a 12 x 10 screen shows 7 x 6 of it.
        {"past.gif", {"-size", "10x8", "gradient:red-blue", "-colors", "16", "-repage", "12x10+5+4"}, {7, 6}},
        // Black and white; its colour table is taken out below.
        {"untabled.gif",
         {"-size", "12x6", "xc:black", "-fill", "white", "-draw", "rectangle 2,1 8,4"},
         {12, 6}},
    };
    for (const Case& c : cases) {
        const QString file = Convert(c.Name, c.Arguments);
        QByteArray expected = MagickComposed(file);
        if (QByteArray(c.Name) == "untabled.gif") {
            // Without a table the picture shows black and white as drawn
            // (ImageMagick itself paints such a file all black).
            QByteArray bytes = ImageFiles::ReadFile(file);
            ASSERT_EQ(bytes.mid(10, 9), QByteArray("\xF0\x01\x00\x00\x00\x00\xFF\xFF\xFF", 9));
            bytes[10] = 0;
            bytes.remove(13, 6);
            ImageFiles::WriteFile(file, bytes);
        }
        TGIFImage image;
        image.LoadFromFile(file);
        ASSERT_EQ(image.Count(), 1) << c.Name;
        EXPECT_EQ(QSize(image.Width(), image.Height()), c.Drawn) << c.Name;
        EXPECT_EQ(DrawingDifferences(image, expected), 0) << c.Name;

        const QString again = Path(QStringLiteral("again-") + QString::fromLatin1(c.Name));
        image.SaveToFile(again);
        EXPECT_EQ(MagickComposed(again), MagickComposed(file)) << c.Name;
        TGIFImage reread;
        reread.LoadFromFile(again);
        EXPECT_EQ(DrawingDifferences(reread, expected), 0) << c.Name;
    }
}

TEST_F(GifInteropTest, WeReadWhatGiflibWritesWithLocalPalettesAndInterlace) {
    const QString file = Path(QStringLiteral("giflib.gif"));
    int error = 0;
    GifFileType* gif = EGifOpenFileName(file.toLocal8Bit().constData(), false, &error);
    ASSERT_TRUE(gif);
    EGifSetGifVersion(gif, true);
    GifColorType global[4] = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    ColorMapObject* globalMap = GifMakeMapObject(4, global);
    ASSERT_EQ(EGifPutScreenDesc(gif, 20, 15, 2, 0, globalMap), GIF_OK);
    const unsigned char loop[] = {1, 2, 0};
    EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE);
    EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0");
    EGifPutExtensionBlock(gif, 3, loop);
    EGifPutExtensionTrailer(gif);
    const char comment[] = "giflib comment";
    EGifPutComment(gif, comment);

    // Frame 1: global palette, delay 30, transparent index 2.
    GraphicsControlBlock control{DISPOSE_DO_NOT, false, 30, 2};
    GifByteType block[4];
    EGifGCBToExtension(&control, block);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, block);
    ASSERT_EQ(EGifPutImageDesc(gif, 0, 0, 20, 15, false, nullptr), GIF_OK);
    std::vector<GifPixelType> line(20);
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 20; ++x)
            line[static_cast<std::size_t>(x)] = static_cast<GifPixelType>((x / 5 + y) % 4);
        EGifPutLine(gif, line.data(), 20);
    }
    // Frame 2: its own 8-colour palette, interlaced, at an offset.
    GifColorType local[8];
    for (int i = 0; i < 8; ++i)
        local[i] = {static_cast<GifByteType>(i * 30), static_cast<GifByteType>(100),
                    static_cast<GifByteType>(255 - i * 30)};
    ColorMapObject* localMap = GifMakeMapObject(8, local);
    control = {DISPOSE_BACKGROUND, false, 5, NO_TRANSPARENT_COLOR};
    EGifGCBToExtension(&control, block);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, block);
    ASSERT_EQ(EGifPutImageDesc(gif, 3, 4, 11, 10, true, localMap), GIF_OK);
    const int starts[] = {0, 4, 2, 1};
    const int steps[] = {8, 8, 4, 2};
    std::vector<GifPixelType> row(11);
    for (int pass = 0; pass < 4; ++pass)
        for (int y = starts[pass]; y < 10; y += steps[pass]) {
            for (int x = 0; x < 11; ++x)
                row[static_cast<std::size_t>(x)] = static_cast<GifPixelType>((x + 2 * y) % 8);
            EGifPutLine(gif, row.data(), 11);
        }
    ASSERT_EQ(EGifCloseFile(gif, &error), GIF_OK);
    GifFreeMapObject(globalMap);
    GifFreeMapObject(localMap);

    TGIFImage image;
    image.LoadFromFile(file);
    ASSERT_EQ(image.Count(), 2);
    EXPECT_TRUE(image.Looping());
    EXPECT_EQ(image.RepeatCount(), 2);
    TGIFFrame& first = image.Frames(0);
    EXPECT_EQ(first.AnimateInterval(), 300u);
    EXPECT_EQ(first.TransparentColor(), RGBColor(0, 255, 0));
    EXPECT_EQ(first.CommentLines(), QList<QByteArray>{"giflib comment"});
    const QImage one = Rgb(first.FrameBitmap());
    const QRgb globalRgb[] = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(one.pixel(x, y), globalRgb[(x / 5 + y) % 4]) << x << "," << y;
    TGIFFrame& second = image.Frames(1);
    EXPECT_TRUE(second.Interlaced());
    EXPECT_TRUE(second.LocalColorTable());
    EXPECT_EQ(second.TopLeft(), QPoint(3, 4));
    EXPECT_EQ(second.DisposalMethod(), 2);
    const QImage two = Rgb(second.FrameBitmap());
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 11; ++x) {
            const int i = (x + 2 * y) % 8;
            ASSERT_EQ(two.pixel(x, y), qRgb(i * 30, 100, 255 - i * 30)) << x << "," << y;
        }

    // Written back, giflib reads the same pixels and palettes.
    const QString again = Path(QStringLiteral("again.gif"));
    image.SaveToFile(again);
    GifFile reread = Slurp(again);
    ASSERT_TRUE(reread);
    ASSERT_EQ(reread->ImageCount, 2);
    const SavedImage& saved = reread->SavedImages[1];
    ASSERT_TRUE(saved.ImageDesc.ColorMap);
    EXPECT_TRUE(saved.ImageDesc.Interlace);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 11; ++x)
            ASSERT_EQ(MapColour(saved.ImageDesc.ColorMap, saved.RasterBits[y * 11 + x]), two.pixel(x, y));
}

} // namespace
