#pragma once
// A JPEG picture decoded with libjpeg into a Qt image, for the pictures that
// reports show (the logo in the page header). Greyscale, RGB and CMYK/YCCK
// files are read; the picture is kept as a 32-bit image.

#include "platform/base/Exceptions.h"

#include <QByteArray>
#include <QImage>
#include <QString>

class TJPEGImage {
public:
    TJPEGImage() = default;

    // Both raise EJPEGError for a file that cannot be read or decoded; the
    // picture held before stays unchanged then.
    void LoadFromFile(const QString& fileName);
    void LoadFromData(const QByteArray& data);

    bool Empty() const { return m_image.isNull(); }
    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    const QImage& Image() const { return m_image; }

    // Largest picture accepted, in pixels, checked before anything is allocated.
    static constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;

private:
    QImage m_image;
};

class EJPEGError : public Exception {
public:
    using Exception::Exception;
};
