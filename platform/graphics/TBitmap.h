#pragma once
// A bitmap: pixels in one of the pixel formats, with a palette for the 1-,
// 4- and 8-bit ones, loaded from and saved to bitmap files. Drawing on its
// canvas turns a palette bitmap into the device format first. A transparent
// bitmap draws without the pixels of its transparent colour; that colour is
// by default the bottom-left pixel's (white for a monochrome bitmap).

#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TGraphic.h"

#include <QImage>
#include <memory>

class TBitmap : public TGraphic {
public:
    TBitmap();
    ~TBitmap() override;

    QString ClassName() const override { return QStringLiteral("TBitmap"); }
    void Assign(const TPersistent* source) override;

    void Draw(TCanvas& canvas, const QRect& rect) const override;
    void LoadFromStream(QIODevice& stream) override;
    void SaveToStream(QIODevice& stream) const override;
    void SaveToClipboardFormat(TClipboardData& data) const override;
    void LoadFromClipboardFormat(const TClipboardData& data) override;
    QList<QRgb> GetPalette() const override;

    // Pixels exist (a size was set or a picture loaded).
    bool HandleAllocated() const { return !m_image.isNull(); }
    void SetSize(int width, int height);
    TPixelFormat PixelFormat() const { return m_pixelFormat; }
    void SetPixelFormat(TPixelFormat format);
    // Bits per pixel of the pixel format (32 for the device format).
    int BitCount() const;
    bool Monochrome() const;
    void SetMonochrome(bool value);

    TColor TransparentColor() const;
    // clDefault goes back to the bottom-left pixel.
    void SetTransparentColor(TColor color);
    // The palette entry nearest to the colour, or the colour itself for
    // bitmaps without a palette.
    TColor NearestColor(TColor color) const;

    TCanvas& Canvas();
    // The pixels, in the Qt format of the pixel format (BitmapFile).
    const QImage& Image() const { return m_image; }
    // Takes pixels already in the Qt format of `format`.
    void SetImage(const QImage& image, TPixelFormat format);
    // A bitmap file of the bitmap's own bit count.
    QByteArray SaveToBitmapFile() const;

protected:
    bool GetEmpty() const override {
        return m_image.isNull() || m_image.width() == 0 || m_image.height() == 0;
    }
    int GetWidth() const override { return m_image.width(); }
    int GetHeight() const override { return m_image.height(); }
    void DoSetWidth(int value) override { SetSize(value, Height()); }
    void DoSetHeight(int value) override { SetSize(Width(), value); }
    // A 32-bit length, then the bitmap file.
    void ReadData(QIODevice& stream) override;
    void WriteData(QIODevice& stream) const override;

private:
    void ToDeviceFormat();

    QImage m_image;
    TPixelFormat m_pixelFormat = TPixelFormat::pfDevice;
    TColor m_transparentColor = clDefault;
    std::unique_ptr<TCanvas> m_canvas;
};

// The Qt format pixels of a pixel format are kept in, and the bit count.
int PixelFormatBits(TPixelFormat format);
TPixelFormat PixelFormatOfBits(int bitCount);
