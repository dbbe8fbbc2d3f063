#include "tests/imaging/GifBuilder.h"

#include "imaging/GifLzwEncoder.h"

namespace {

int Bits(int count) {
    int bits = 1;
    while ((1 << bits) < count)
        ++bits;
    return bits;
}

} // namespace

void GifBuilder::U16(int value) {
    m_data.append(static_cast<char>(value & 0xFF));
    m_data.append(static_cast<char>((value >> 8) & 0xFF));
}

void GifBuilder::Table(const QList<QRgb>& colours) {
    const int entries = 1 << Bits(static_cast<int>(colours.size()));
    for (int i = 0; i < entries; ++i) {
        const QRgb rgb = i < colours.size() ? colours[i] : qRgb(0, 0, 0);
        m_data.append(static_cast<char>(qRed(rgb)));
        m_data.append(static_cast<char>(qGreen(rgb)));
        m_data.append(static_cast<char>(qBlue(rgb)));
    }
}

GifBuilder& GifBuilder::Header(const char* signature) {
    m_data.append(signature, 6);
    return *this;
}

GifBuilder& GifBuilder::Screen(int width, int height, const QList<QRgb>& colours, int background) {
    U16(width);
    U16(height);
    if (colours.isEmpty()) {
        m_data.append('\0');
    } else {
        const int bits = Bits(static_cast<int>(colours.size()));
        m_data.append(static_cast<char>(0x80 | (bits - 1) << 4 | (bits - 1)));
    }
    m_data.append(static_cast<char>(background));
    m_data.append('\0');
    if (!colours.isEmpty())
        Table(colours);
    return *this;
}

GifBuilder& GifBuilder::GraphicControl(int delay, int disposal, int transparentIndex) {
    m_data.append("\x21\xF9\x04", 3);
    m_data.append(static_cast<char>(disposal << 2 | (transparentIndex >= 0 ? 1 : 0)));
    U16(delay);
    m_data.append(static_cast<char>(transparentIndex >= 0 ? transparentIndex : 0));
    m_data.append('\0');
    return *this;
}

GifBuilder& GifBuilder::Loop(int count, const char* identifier) {
    m_data.append("\x21\xFF\x0B", 3);
    m_data.append(identifier, 11);
    m_data.append("\x03\x01", 2);
    U16(count);
    m_data.append('\0');
    return *this;
}

GifBuilder& GifBuilder::Comment(const QList<QByteArray>& blocks) {
    m_data.append("\x21\xFE", 2);
    for (const QByteArray& block : blocks) {
        m_data.append(static_cast<char>(block.size()));
        m_data.append(block);
    }
    m_data.append('\0');
    return *this;
}

QByteArray GifBuilder::Lzw(int width, int height, const std::vector<int>& pixels, int bits, bool interlaced) {
    const int rowBits = bits == 1 ? 1 : (bits <= 4 ? 4 : 8);
    const int stride = (width * rowBits + 31) / 32 * 4;
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(stride * height), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int value = pixels[static_cast<std::size_t>(y * width + x)];
            std::uint8_t* row = rows.data() + y * stride;
            if (rowBits == 1)
                row[x / 8] |= static_cast<std::uint8_t>((value & 1) << (7 - x % 8));
            else if (rowBits == 4)
                row[x / 2] |= static_cast<std::uint8_t>((value & 15) << ((x & 1) ? 0 : 4));
            else
                row[x] = static_cast<std::uint8_t>(value);
        }
    QByteArray data;
    GifLzwEncoder::Encode(data, {rows.data(), stride, width, height, rowBits}, interlaced);
    return data;
}

GifBuilder& GifBuilder::Image(int left, int top, int width, int height, const std::vector<int>& pixels,
                              int bits, const QList<QRgb>& local, bool interlaced) {
    m_data.append(',');
    U16(left);
    U16(top);
    U16(width);
    U16(height);
    char packed = interlaced ? 0x40 : 0;
    if (!local.isEmpty())
        packed = static_cast<char>(packed | 0x80 | (Bits(static_cast<int>(local.size())) - 1));
    m_data.append(packed);
    if (!local.isEmpty())
        Table(local);
    m_data.append(Lzw(width, height, pixels, bits, interlaced));
    return *this;
}

GifBuilder& GifBuilder::Raw(const QByteArray& bytes) {
    m_data.append(bytes);
    return *this;
}

GifBuilder& GifBuilder::Trailer() {
    m_data.append(';');
    return *this;
}

QList<QRgb> GifBuilder::Grey(int count) {
    QList<QRgb> colours;
    for (int i = 0; i < count; ++i) {
        const int level = count == 1 ? 0 : i * 255 / (count - 1);
        colours.append(qRgb(level, level, level));
    }
    return colours;
}
