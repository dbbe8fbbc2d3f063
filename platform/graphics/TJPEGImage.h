#pragma once
// A JPEG picture decoded with libjpeg into a Qt image, for the pictures that
// reports show (the logo in the page header). Greyscale, RGB and CMYK/YCCK
// files are read; the picture is kept as a 32-bit image, and the file as it
// was read, which saving writes back. It is the picture class of the
// extensions "jpg" and "jpeg".

#include "platform/base/Exceptions.h"
#include "platform/graphics/TGraphic.h"

#include <QByteArray>
#include <QImage>
#include <QString>

class TJPEGImage : public TGraphic {
public:
    TJPEGImage() = default;

    QString ClassName() const override { return QStringLiteral("TJPEGImage"); }
    void Assign(const TPersistent* source) override;
    void Draw(TCanvas& canvas, const QRect& rect) const override;
    void LoadFromStream(QIODevice& stream) override;
    void SaveToStream(QIODevice& stream) const override;

    // Both raise EJPEGError for a file that cannot be read or decoded; the
    // picture held before stays unchanged then.
    void LoadFromFile(const QString& fileName);
    void LoadFromData(const QByteArray& data);

    const QImage& Image() const { return m_image; }

    // Largest picture accepted, in pixels, checked before anything is allocated.
    static constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;

protected:
    bool GetEmpty() const override { return m_image.isNull(); }
    int GetWidth() const override { return m_image.width(); }
    int GetHeight() const override { return m_image.height(); }
    void DoSetWidth(int value) override;
    void DoSetHeight(int value) override;

private:
    QImage m_image;
    QByteArray m_data;
};

class EJPEGError : public Exception {
public:
    using Exception::Exception;
};
