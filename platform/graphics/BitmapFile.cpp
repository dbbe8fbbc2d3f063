#include "platform/graphics/BitmapFile.h"

#include "platform/base/ByteReader.h"
#include "platform/base/ByteWriter.h"
#include "platform/graphics/GraphicsErrors.h"

#include <cstring>

namespace {

[[noreturn]] void Invalid() {
    throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
}

bool IsSupported(int bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24 || bitCount == 32;
}

} // namespace

std::int64_t BitmapFile::RowBytes(std::int64_t width, int bitCount) {
    return (width * bitCount + 31) / 32 * 4;
}

QImage::Format BitmapFile::FormatFor(int bitCount) {
    switch (bitCount) {
    case 1:
        return QImage::Format_Mono;
    case 4:
    case 8:
        return QImage::Format_Indexed8;
    case 24:
        return QImage::Format_RGB888;
    default:
        return QImage::Format_RGB32;
    }
}

QImage BitmapFile::Read(const QByteArray& file, Info* info) {
    try {
        ByteReader reader(file);
        if (reader.U16() != kSignature)
            Invalid();
        reader.Skip(8); // file size and two reserved words
        const std::uint32_t pixelOffset = reader.U32();
        const std::uint32_t headerSize = reader.U32();
        if (headerSize < kInfoHeaderSize || headerSize > reader.Remaining() + 4)
            Invalid();
        const std::int32_t width = reader.I32();
        const std::int32_t rawHeight = reader.I32();
        const std::uint16_t planes = reader.U16();
        const int bitCount = reader.U16();
        const std::uint32_t compression = reader.U32();
        reader.Skip(12); // image size and resolution
        const std::uint32_t colorsUsed = reader.U32();
        const std::uint32_t colorsImportant = reader.U32();
        reader.Skip(headerSize - kInfoHeaderSize);
        const bool topDown = rawHeight < 0;
        const std::int64_t height = topDown ? -static_cast<std::int64_t>(rawHeight) : rawHeight;
        if (planes != 1 || !IsSupported(bitCount) || compression != kBiRgb || width <= 0 || height <= 0)
            Invalid();
        if (static_cast<std::int64_t>(width) * height > kMaxPixels)
            Invalid();

        QList<QRgb> palette;
        if (bitCount <= 8) {
            const std::uint32_t full = 1u << bitCount;
            const std::uint32_t count = colorsUsed == 0 ? full : colorsUsed;
            if (count > full)
                Invalid();
            reader.CheckCount(count, full, kPaletteEntrySize, "palette entries");
            for (std::uint32_t i = 0; i < count; ++i) {
                const std::uint8_t blue = reader.U8();
                const std::uint8_t green = reader.U8();
                const std::uint8_t red = reader.U8();
                reader.Skip(1);
                palette.append(qRgb(red, green, blue));
            }
            while (palette.size() < static_cast<qsizetype>(full))
                palette.append(qRgb(0, 0, 0));
        }
        if (pixelOffset >= reader.Position() && pixelOffset <= reader.Size())
            reader.Seek(pixelOffset);
        const std::int64_t rowBytes = RowBytes(width, bitCount);
        if (rowBytes * height > static_cast<std::int64_t>(reader.Remaining()))
            Invalid();

        QImage image(width, static_cast<int>(height), FormatFor(bitCount));
        if (image.isNull())
            Invalid();
        if (!palette.isEmpty())
            image.setColorTable(palette);
        const std::uint8_t* rows = reader.View(static_cast<std::size_t>(rowBytes * height)).data();
        for (int y = 0; y < image.height(); ++y) {
            const std::int64_t stored = topDown ? y : height - 1 - y;
            const std::uint8_t* in = rows + stored * rowBytes;
            uchar* out = image.scanLine(y);
            switch (bitCount) {
            case 1:
                std::memcpy(out, in, static_cast<std::size_t>((width + 7) / 8));
                break;
            case 4:
                for (int x = 0; x < width; ++x)
                    out[x] = (x & 1) ? (in[x / 2] & 0x0F) : (in[x / 2] >> 4);
                break;
            case 8:
                std::memcpy(out, in, static_cast<std::size_t>(width));
                break;
            case 24:
                for (int x = 0; x < width; ++x) {
                    out[3 * x] = in[3 * x + 2];
                    out[3 * x + 1] = in[3 * x + 1];
                    out[3 * x + 2] = in[3 * x];
                }
                break;
            default:
                for (int x = 0; x < width; ++x)
                    reinterpret_cast<QRgb*>(out)[x] = qRgb(in[4 * x + 2], in[4 * x + 1], in[4 * x]);
                break;
            }
        }
        if (info)
            *info = Info{width, static_cast<int>(height), bitCount, colorsUsed, colorsImportant};
        return image;
    } catch (const EByteReadError&) {
        Invalid();
    }
}

QByteArray BitmapFile::Write(const QImage& source, int bitCount, std::uint32_t colorsImportant) {
    if (!IsSupported(bitCount) || source.isNull())
        Invalid();
    const QImage image =
        source.format() == FormatFor(bitCount) ? source : source.convertToFormat(FormatFor(bitCount));
    const int width = image.width();
    const int height = image.height();
    const std::int64_t rowBytes = RowBytes(width, bitCount);
    const int paletteCount = bitCount <= 8 ? 1 << bitCount : 0;
    const std::int64_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + paletteCount * kPaletteEntrySize;
    const std::int64_t fileSize = pixelOffset + rowBytes * height;

    ByteWriter writer;
    writer.U16(kSignature);
    writer.U32(static_cast<std::uint32_t>(fileSize));
    writer.U32(0);
    writer.U32(static_cast<std::uint32_t>(pixelOffset));
    writer.U32(kInfoHeaderSize);
    writer.U32(static_cast<std::uint32_t>(width));
    writer.U32(static_cast<std::uint32_t>(height));
    writer.U16(1);
    writer.U16(static_cast<std::uint16_t>(bitCount));
    writer.U32(kBiRgb);
    writer.U32(static_cast<std::uint32_t>(rowBytes * height));
    writer.U32(0);
    writer.U32(0);
    writer.U32(0);
    writer.U32(colorsImportant);
    const QList<QRgb> table = image.colorTable();
    for (int i = 0; i < paletteCount; ++i) {
        const QRgb rgb = i < table.size() ? table[i] : qRgb(0, 0, 0);
        writer.U8(static_cast<std::uint8_t>(qBlue(rgb)));
        writer.U8(static_cast<std::uint8_t>(qGreen(rgb)));
        writer.U8(static_cast<std::uint8_t>(qRed(rgb)));
        writer.U8(0);
    }
    QByteArray row(static_cast<qsizetype>(rowBytes), '\0');
    auto* out = reinterpret_cast<std::uint8_t*>(row.data());
    for (int y = height - 1; y >= 0; --y) {
        const uchar* in = image.constScanLine(y);
        row.fill('\0');
        switch (bitCount) {
        case 1:
            std::memcpy(out, in, static_cast<std::size_t>((width + 7) / 8));
            break;
        case 4:
            for (int x = 0; x < width; ++x)
                out[x / 2] |= static_cast<std::uint8_t>((in[x] & 0x0F) << ((x & 1) ? 0 : 4));
            break;
        case 8:
            std::memcpy(out, in, static_cast<std::size_t>(width));
            break;
        case 24:
            for (int x = 0; x < width; ++x) {
                out[3 * x] = in[3 * x + 2];
                out[3 * x + 1] = in[3 * x + 1];
                out[3 * x + 2] = in[3 * x];
            }
            break;
        default:
            for (int x = 0; x < width; ++x) {
                const QRgb rgb = reinterpret_cast<const QRgb*>(in)[x];
                out[4 * x] = static_cast<std::uint8_t>(qBlue(rgb));
                out[4 * x + 1] = static_cast<std::uint8_t>(qGreen(rgb));
                out[4 * x + 2] = static_cast<std::uint8_t>(qRed(rgb));
            }
            break;
        }
        writer.Bytes(row);
    }
    return writer.Take();
}
