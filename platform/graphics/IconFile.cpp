#include "platform/graphics/IconFile.h"

#include "platform/base/ByteReader.h"
#include "platform/graphics/BitmapFile.h"
#include "platform/graphics/GraphicsErrors.h"

namespace {

constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr int kPngSignatureSize = 8;
constexpr int kPngIhdrWidthOffset = 16;
constexpr int kPaletteEntrySize = 4;
constexpr int kInfoBitCountOffset = 14;
// Images and colour counts per file accepted.
constexpr std::uint32_t kMaxImages = 256;

[[noreturn]] void Invalid() {
    throw EInvalidGraphic(QStringLiteral("Icon image is not valid"));
}

bool IsPng(const QByteArray& image) {
    return image.startsWith(QByteArray(kPngSignature, kPngSignatureSize));
}

QImage DecodePng(const QByteArray& image) {
    ByteReader reader(image);
    reader.Seek(kPngIhdrWidthOffset);
    const std::uint32_t width = reader.U32BE();
    const std::uint32_t height = reader.U32BE();
    if (width == 0 || height == 0 || width > IconFile::kMaxSide || height > IconFile::kMaxSide)
        Invalid();
    QImage pixels = QImage::fromData(image, "PNG");
    if (pixels.isNull())
        Invalid();
    return pixels.convertToFormat(QImage::Format_ARGB32);
}

QImage DecodeBitmap(const QByteArray& image) {
    ByteReader reader(image);
    const std::uint32_t headerSize = reader.U32();
    const std::int32_t width = reader.I32();
    const std::int32_t doubleHeight = reader.I32();
    const std::uint16_t planes = reader.U16();
    const int bitCount = reader.U16();
    const std::uint32_t compression = reader.U32();
    reader.Skip(12);
    const std::uint32_t colorsUsed = reader.U32();
    if (headerSize < IconFile::kInfoHeaderSize || headerSize > image.size())
        Invalid();
    reader.Seek(headerSize);
    const int height = doubleHeight / 2;
    if (width <= 0 || width > IconFile::kMaxSide || height <= 0 || height > IconFile::kMaxSide ||
        planes > 1 || compression != BitmapFile::kBiRgb)
        Invalid();
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        Invalid();
    QList<QRgb> palette;
    if (bitCount <= 8) {
        const std::uint32_t full = 1u << bitCount;
        const std::uint32_t count = colorsUsed == 0 ? full : colorsUsed;
        if (count > full)
            Invalid();
        reader.CheckCount(count, full, kPaletteEntrySize, "icon palette entries");
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
    const std::int64_t colourRow = BitmapFile::RowBytes(width, bitCount);
    const std::int64_t maskRow = BitmapFile::RowBytes(width, 1);
    if (colourRow * height > static_cast<std::int64_t>(reader.Remaining()))
        Invalid();
    const std::uint8_t* colours = reader.View(static_cast<std::size_t>(colourRow * height)).data();
    // 32-bit images may come without a mask.
    const bool hasMask = maskRow * height <= static_cast<std::int64_t>(reader.Remaining());
    if (!hasMask && bitCount != 32)
        Invalid();
    const std::uint8_t* mask =
        hasMask ? reader.View(static_cast<std::size_t>(maskRow * height)).data() : nullptr;

    QImage pixels(width, height, QImage::Format_ARGB32);
    if (pixels.isNull())
        Invalid();
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in = colours + static_cast<std::int64_t>(height - 1 - y) * colourRow;
        auto* out = reinterpret_cast<QRgb*>(pixels.scanLine(y));
        for (int x = 0; x < width; ++x) {
            switch (bitCount) {
            case 1:
                out[x] = palette[(in[x / 8] >> (7 - x % 8)) & 1];
                break;
            case 4:
                out[x] = palette[(x & 1) ? (in[x / 2] & 0x0F) : (in[x / 2] >> 4)];
                break;
            case 8:
                out[x] = palette[in[x]];
                break;
            case 24:
                out[x] = qRgb(in[3 * x + 2], in[3 * x + 1], in[3 * x]);
                break;
            default:
                out[x] = qRgba(in[4 * x + 2], in[4 * x + 1], in[4 * x], in[4 * x + 3]);
                anyAlpha = anyAlpha || in[4 * x + 3] != 0;
                break;
            }
        }
    }
    if (bitCount == 32 && anyAlpha)
        return pixels;
    for (int y = 0; y < height; ++y) {
        auto* out = reinterpret_cast<QRgb*>(pixels.scanLine(y));
        const std::uint8_t* bits =
            mask ? mask + static_cast<std::int64_t>(height - 1 - y) * maskRow : nullptr;
        for (int x = 0; x < width; ++x) {
            const bool clear = bits && ((bits[x / 8] >> (7 - x % 8)) & 1);
            out[x] = clear ? 0 : (out[x] | 0xFF000000u);
        }
    }
    return pixels;
}

} // namespace

IconFile::IconFile(const QByteArray& data) : m_data(data) {
    try {
        ByteReader reader(m_data);
        if (reader.U16() != 0)
            Invalid();
        m_type = reader.U16();
        const std::uint16_t count = reader.U16();
        if ((m_type != kTypeIcon && m_type != kTypeCursor) || count == 0)
            Invalid();
        reader.CheckCount(count, kMaxImages, kEntrySize, "icon directory entries");
        for (std::uint16_t i = 0; i < count; ++i) {
            Entry entry;
            entry.Width = reader.U8();
            entry.Height = reader.U8();
            entry.ColorCount = reader.U8();
            reader.Skip(1);
            entry.PlanesOrHotX = reader.U16();
            entry.BitCountOrHotY = reader.U16();
            entry.Size = reader.U32();
            entry.Offset = reader.U32();
            const std::uint64_t end = static_cast<std::uint64_t>(entry.Offset) + entry.Size;
            if (entry.Offset < kHeaderSize + static_cast<std::uint64_t>(count) * kEntrySize ||
                end > static_cast<std::uint64_t>(m_data.size()) || entry.Size < kPngSignatureSize)
                Invalid();
            m_entries.push_back(entry);
        }
    } catch (const EByteReadError&) {
        Invalid();
    }
}

QByteArray IconFile::ImageData(std::size_t index) const {
    const Entry& entry = m_entries.at(index);
    return m_data.mid(entry.Offset, entry.Size);
}

int IconFile::ImageBitCount(std::size_t index) const {
    const QByteArray image = ImageData(index);
    if (IsPng(image))
        return 32;
    try {
        ByteReader reader(image);
        reader.Seek(kInfoBitCountOffset);
        return reader.U16();
    } catch (const EByteReadError&) {
        Invalid();
    }
}

QImage IconFile::Decode(std::size_t index) const {
    const QByteArray image = ImageData(index);
    try {
        return IsPng(image) ? DecodePng(image) : DecodeBitmap(image);
    } catch (const EByteReadError&) {
        Invalid();
    }
}

std::size_t IconFile::BestIndex() const {
    std::size_t best = 0;
    auto side = [](int value) { return value == 0 ? 256 : value; };
    for (std::size_t i = 1; i < m_entries.size(); ++i) {
        const int area = side(m_entries[i].Width) * side(m_entries[i].Height);
        const int bestArea = side(m_entries[best].Width) * side(m_entries[best].Height);
        if (area > bestArea || (area == bestArea && ImageBitCount(i) > ImageBitCount(best)))
            best = i;
    }
    return best;
}
