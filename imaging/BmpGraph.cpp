#include "imaging/BmpGraph.h"

#include "imaging/BmpUtils.h"
#include "platform/base/ByteWriter.h"
#include "platform/graphics/BitmapFile.h"
#include "platform/graphics/GraphicsErrors.h"

#include <cstring>
#include <vector>

TColorMappingMethod DefaultColorMapping = TColorMappingMethod::Histogram;

namespace {

constexpr int kMonochromeColors = 2;
constexpr int kSixteenColors = 16;
constexpr int kPaletteColors = 256;

const QList<QRgb>& StandardPalette(int bitCount) {
    static const QList<QRgb> blackWhite = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    static const QList<QRgb> sixteen = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
        qRgb(192, 192, 192), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    return bitCount == 1 ? blackWhite : sixteen;
}

// 1- and 4-bit: the bitmap's palette when it has one of that depth, else
// the standard palette; every pixel its nearest entry.
QByteArray ToPaletteFile(const TBitmap& bitmap, int bitCount) {
    const int entries = 1 << bitCount;
    QList<QRgb> palette = bitmap.GetPalette();
    if (bitmap.BitCount() != bitCount || palette.size() < entries)
        palette = StandardPalette(bitCount);
    palette.resize(entries);
    const QImage::Format format = BitmapFile::FormatFor(bitCount);
    const QImage converted = bitmap.Image().convertToFormat(format, palette, Qt::ThresholdDither);
    return BitmapFile::Write(converted, bitCount);
}

QByteArray ToEightBitFile(const TBitmap& bitmap, TColorMappingMethod method) {
    const QImage source = bitmap.Image().convertToFormat(QImage::Format_RGB888);
    if (source.isNull())
        ReportNotImplemented();
    const int width = source.width();
    const int height = source.height();
    TrueColorPixels pixels;
    pixels.Width = width;
    pixels.Height = height;
    pixels.Stride24 = BitmapFile::RowBytes(width, 24);
    pixels.Stride8 = BitmapFile::RowBytes(width, 8);
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(pixels.Stride24 * height));
    pixels.Data = buffer.data();
    // Stored bottom row first as blue, green, red.
    for (int y = 0; y < height; ++y) {
        const uchar* in = source.constScanLine(height - 1 - y);
        std::uint8_t* out = buffer.data() + y * pixels.Stride24;
        for (int x = 0; x < width; ++x) {
            out[3 * x] = in[3 * x + 2];
            out[3 * x + 1] = in[3 * x + 1];
            out[3 * x + 2] = in[3 * x];
        }
    }
    QList<QRgb> palette;
    const std::uint32_t important = ColorMapping::Map(method, pixels, palette);

    const std::int64_t pixelOffset = BitmapFile::kFileHeaderSize + BitmapFile::kInfoHeaderSize +
                                     kPaletteColors * BitmapFile::kPaletteEntrySize;
    const std::int64_t imageSize = pixels.Stride8 * height;
    ByteWriter writer;
    writer.U16(BitmapFile::kSignature);
    writer.U32(static_cast<std::uint32_t>(pixelOffset + imageSize));
    writer.U32(0);
    writer.U32(static_cast<std::uint32_t>(pixelOffset));
    writer.U32(BitmapFile::kInfoHeaderSize);
    writer.U32(static_cast<std::uint32_t>(width));
    writer.U32(static_cast<std::uint32_t>(height));
    writer.U16(1);
    writer.U16(8);
    writer.U32(BitmapFile::kBiRgb);
    writer.U32(static_cast<std::uint32_t>(imageSize));
    writer.U32(0);
    writer.U32(0);
    writer.U32(0);
    writer.U32(important);
    for (const QRgb entry : palette) {
        writer.U8(static_cast<std::uint8_t>(qBlue(entry)));
        writer.U8(static_cast<std::uint8_t>(qGreen(entry)));
        writer.U8(static_cast<std::uint8_t>(qRed(entry)));
        writer.U8(0);
    }
    // Clear the padding of each 8-bit row, which still holds 24-bit pixels.
    for (int y = 0; y < height; ++y)
        std::memset(buffer.data() + y * pixels.Stride8 + width, 0,
                    static_cast<std::size_t>(pixels.Stride8 - width));
    writer.Bytes(std::span<const std::uint8_t>(buffer.data(), static_cast<std::size_t>(imageSize)));
    return writer.Take();
}

} // namespace

QByteArray BitmapToDIBStream(const TBitmap& bitmap, TPixelFormat format, TColorMappingMethod method) {
    if (!bitmap.HandleAllocated() || bitmap.Empty())
        throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
    if (bitmap.PixelFormat() == format && method != TColorMappingMethod::Grey)
        return bitmap.SaveToBitmapFile();
    switch (format) {
    case TPixelFormat::pf1bit:
        return ToPaletteFile(bitmap, 1);
    case TPixelFormat::pf4bit:
        return ToPaletteFile(bitmap, 4);
    case TPixelFormat::pf8bit:
        return ToEightBitFile(bitmap, method);
    case TPixelFormat::pf24bit:
        return BitmapFile::Write(bitmap.Image(), 24);
    default:
        ReportNotImplemented();
    }
}

QByteArray BitmapToColors(const TBitmap& bitmap, int colors) {
    TPixelFormat format = TPixelFormat::pf8bit;
    if (colors <= kMonochromeColors)
        format = TPixelFormat::pf1bit;
    else if (colors <= kSixteenColors)
        format = TPixelFormat::pf4bit;
    else if (colors > kPaletteColors)
        format = TPixelFormat::pf24bit;
    return BitmapToDIBStream(bitmap, format, DefaultColorMapping);
}
