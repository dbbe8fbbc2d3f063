// JPEG pictures decoded through libjpeg, checked against files ImageMagick
// writes.

#include "platform/graphics/TJPEGImage.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class TJPEGImageTest : public ::testing::Test {
protected:
    // A JPEG of a red left half and a green right half made by ImageMagick.
    QString Make(const QString& name, const QStringList& extra = {}) {
        const QString file = dir.filePath(name);
        QStringList args = {
            QStringLiteral("-size"),   QStringLiteral("16x12"),    QStringLiteral("xc:#e01010"),
            QStringLiteral("-size"),   QStringLiteral("16x12"),    QStringLiteral("xc:#10c010"),
            QStringLiteral("+append"), QStringLiteral("-quality"), QStringLiteral("95")};
        args << extra << file;
        EXPECT_EQ(QProcess::execute(QStringLiteral("convert"), args), 0);
        return file;
    }

    static QByteArray Read(const QString& file) {
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }

    QTemporaryDir dir;
};

TEST_F(TJPEGImageTest, DecodesColourGreyAndCmykPictures) {
    TJPEGImage rgb;
    rgb.LoadFromFile(Make(QStringLiteral("rgb.jpg")));
    ASSERT_EQ(rgb.Width(), 32);
    ASSERT_EQ(rgb.Height(), 12);
    const QColor red = rgb.Image().pixelColor(4, 6);
    const QColor green = rgb.Image().pixelColor(28, 6);
    EXPECT_GT(red.red(), 190);
    EXPECT_LT(red.green(), 50);
    EXPECT_GT(green.green(), 160);
    EXPECT_LT(green.red(), 50);

    TJPEGImage grey;
    grey.LoadFromFile(
        Make(QStringLiteral("grey.jpg"), {QStringLiteral("-colorspace"), QStringLiteral("Gray")}));
    const QColor g = grey.Image().pixelColor(4, 6);
    EXPECT_EQ(g.red(), g.green());
    EXPECT_EQ(g.green(), g.blue());

    TJPEGImage cmyk;
    cmyk.LoadFromFile(
        Make(QStringLiteral("cmyk.jpg"), {QStringLiteral("-colorspace"), QStringLiteral("CMYK")}));
    const QColor c = cmyk.Image().pixelColor(4, 6);
    EXPECT_GT(c.red(), 170);
    EXPECT_LT(c.green(), 80);
}

TEST_F(TJPEGImageTest, RefusesDamagedAndForeignDataKeepingThePicture) {
    const QByteArray good = Read(Make(QStringLiteral("ok.jpg")));
    TJPEGImage image;
    image.LoadFromData(good);
    ASSERT_FALSE(image.Empty());

    EXPECT_THROW(image.LoadFromData(QByteArray("GIF89a....")), EJPEGError);
    EXPECT_THROW(image.LoadFromData(good.left(40)), EJPEGError);
    EXPECT_THROW(image.LoadFromFile(dir.filePath(QStringLiteral("missing.jpg"))), EJPEGError);
    // A frame header claiming 65535 x 65535 pixels.
    QByteArray huge = good;
    const qsizetype sof = huge.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    huge[sof + 5] = huge[sof + 6] = huge[sof + 7] = huge[sof + 8] = static_cast<char>(0xFF);
    EXPECT_THROW(image.LoadFromData(huge), EJPEGError);
    EXPECT_EQ(image.Width(), 32);
}

} // namespace
