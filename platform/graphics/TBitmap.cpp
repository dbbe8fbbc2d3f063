#include "platform/graphics/TBitmap.h"

#include "platform/base/ByteReader.h"
#include "platform/graphics/BitmapFile.h"
#include "platform/graphics/GraphicsErrors.h"

#include <QtEndian>

namespace {

// The sixteen colours of the standard 4-bit palette.
const QList<QRgb>& StandardPalette16() {
    static const QList<QRgb> palette = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
        qRgb(192, 192, 192), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    return palette;
}

const QList<QRgb>& BlackAndWhite() {
    static const QList<QRgb> palette = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    return palette;
}

bool HasPalette(TPixelFormat format) {
    return format == TPixelFormat::pf1bit || format == TPixelFormat::pf4bit || format == TPixelFormat::pf8bit;
}

constexpr int kDataLengthSize = 4;

} // namespace

int PixelFormatBits(TPixelFormat format) {
    switch (format) {
    case TPixelFormat::pf1bit:
        return 1;
    case TPixelFormat::pf4bit:
        return 4;
    case TPixelFormat::pf8bit:
        return 8;
    case TPixelFormat::pf24bit:
        return 24;
    default:
        return 32;
    }
}

TPixelFormat PixelFormatOfBits(int bitCount) {
    switch (bitCount) {
    case 1:
        return TPixelFormat::pf1bit;
    case 4:
        return TPixelFormat::pf4bit;
    case 8:
        return TPixelFormat::pf8bit;
    case 24:
        return TPixelFormat::pf24bit;
    case 32:
        return TPixelFormat::pf32bit;
    default:
        return TPixelFormat::pfCustom;
    }
}

TBitmap::TBitmap() = default;
TBitmap::~TBitmap() = default;

void TBitmap::Assign(const TPersistent* source) {
    if (!source) {
        m_image = QImage();
        m_pixelFormat = TPixelFormat::pfDevice;
        Changed();
        return;
    }
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        if (bitmap == this)
            return;
        m_image = bitmap->m_image;
        m_pixelFormat = bitmap->m_pixelFormat;
        m_transparentColor = bitmap->m_transparentColor;
        SetTransparent(bitmap->InheritedTransparent());
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

int TBitmap::BitCount() const {
    return PixelFormatBits(m_pixelFormat);
}

void TBitmap::SetImage(const QImage& image, TPixelFormat format) {
    m_image = image;
    m_pixelFormat = format;
    if (!m_image.isNull() && m_image.format() != BitmapFile::FormatFor(BitCount()))
        m_image = m_image.convertToFormat(BitmapFile::FormatFor(BitCount()));
    Changed();
}

void TBitmap::SetSize(int width, int height) {
    if (width == Width() && height == Height())
        return;
    if (width <= 0 || height <= 0) {
        m_image = QImage();
    } else {
        if (static_cast<std::int64_t>(width) * height > BitmapFile::kMaxPixels)
            throw EInvalidGraphicOperation(
                QStringLiteral("Bitmap too large: %1 x %2").arg(width).arg(height));
        QImage resized(width, height, BitmapFile::FormatFor(BitCount()));
        if (resized.isNull())
            throw EInvalidGraphicOperation(QStringLiteral("Out of memory for a bitmap"));
        if (HasPalette(m_pixelFormat)) {
            const QList<QRgb> palette =
                m_image.isNull()
                    ? (m_pixelFormat == TPixelFormat::pf4bit ? StandardPalette16() : BlackAndWhite())
                    : m_image.colorTable();
            resized.setColorTable(palette);
            resized.fill(static_cast<uint>(palette.size() - 1));
        } else {
            resized.fill(qRgb(255, 255, 255));
        }
        m_image = std::move(resized);
    }
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == m_pixelFormat)
        return;
    if (!m_image.isNull()) {
        switch (format) {
        case TPixelFormat::pf1bit:
            m_image = m_image.convertToFormat(QImage::Format_Mono, BlackAndWhite(), Qt::ThresholdDither);
            break;
        case TPixelFormat::pf4bit:
            m_image =
                m_image.convertToFormat(QImage::Format_Indexed8, StandardPalette16(), Qt::ThresholdDither);
            break;
        case TPixelFormat::pf8bit: {
            m_image = m_image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
            QList<QRgb> table = m_image.colorTable();
            while (table.size() < 256)
                table.append(qRgb(0, 0, 0));
            m_image.setColorTable(table);
            break;
        }
        default:
            m_image = m_image.convertToFormat(BitmapFile::FormatFor(PixelFormatBits(format)));
            break;
        }
    }
    m_pixelFormat = format;
    Changed();
}

bool TBitmap::Monochrome() const {
    return m_pixelFormat == TPixelFormat::pf1bit && m_image.colorTable() == BlackAndWhite();
}

void TBitmap::SetMonochrome(bool value) {
    if (value == Monochrome())
        return;
    SetPixelFormat(value ? TPixelFormat::pf1bit : TPixelFormat::pfDevice);
    if (value && !m_image.isNull())
        m_image.setColorTable(BlackAndWhite());
}

QList<QRgb> TBitmap::GetPalette() const {
    return HasPalette(m_pixelFormat) ? m_image.colorTable() : QList<QRgb>();
}

TColor TBitmap::TransparentColor() const {
    if (m_transparentColor != clDefault)
        return m_transparentColor;
    if (Monochrome())
        return clWhite;
    if (Empty())
        return clBlack;
    return QRgbToColor(m_image.pixel(0, m_image.height() - 1));
}

void TBitmap::SetTransparentColor(TColor color) {
    if (color != m_transparentColor) {
        m_transparentColor = color;
        Changed();
    }
}

TColor TBitmap::NearestColor(TColor color) const {
    const QRgb rgb = ColorToQRgb(color);
    const QList<QRgb> palette = GetPalette();
    if (palette.isEmpty())
        return QRgbToColor(rgb);
    QRgb best = palette.first();
    int bestDistance = INT_MAX;
    for (const QRgb entry : palette) {
        const int dr = qRed(entry) - qRed(rgb);
        const int dg = qGreen(entry) - qGreen(rgb);
        const int db = qBlue(entry) - qBlue(rgb);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = entry;
        }
    }
    return QRgbToColor(best);
}

void TBitmap::ToDeviceFormat() {
    if (HasPalette(m_pixelFormat) || m_pixelFormat == TPixelFormat::pf24bit) {
        if (!m_image.isNull())
            m_image = m_image.convertToFormat(QImage::Format_RGB32);
        m_pixelFormat = TPixelFormat::pfDevice;
    }
}

TCanvas& TBitmap::Canvas() {
    ToDeviceFormat();
    if (!m_canvas)
        m_canvas = std::make_unique<TCanvas>(&m_image, [this] { Changed(); });
    return *m_canvas;
}

void TBitmap::Draw(TCanvas& canvas, const QRect& rect) const {
    if (Empty())
        return;
    if (!Transparent()) {
        canvas.CopyRect(rect, m_image, m_image.rect());
        return;
    }
    const QRgb key = ColorToQRgb(TransparentColor()) & RGB_MASK;
    QImage masked = m_image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x)
            if ((line[x] & RGB_MASK) == key)
                line[x] = 0;
    }
    canvas.CopyRect(rect, masked, masked.rect(), true);
}

QByteArray TBitmap::SaveToBitmapFile() const {
    if (Empty())
        return {};
    return BitmapFile::Write(m_image, BitCount());
}

void TBitmap::LoadFromStream(QIODevice& stream) {
    BitmapFile::Info info;
    const QImage image = BitmapFile::Read(stream.readAll(), &info);
    m_image = image;
    m_pixelFormat = PixelFormatOfBits(info.BitCount);
    Changed();
}

void TBitmap::SaveToStream(QIODevice& stream) const {
    stream.write(SaveToBitmapFile());
}

void TBitmap::ReadData(QIODevice& stream) {
    const QByteArray length = stream.read(kDataLengthSize);
    if (length.size() != kDataLengthSize)
        throw EReadError();
    const quint32 size = ByteReader(length).U32();
    const QByteArray file = stream.read(size);
    if (static_cast<quint32>(file.size()) != size)
        throw EReadError();
    LoadFromData(file);
}

void TBitmap::WriteData(QIODevice& stream) const {
    const QByteArray file = SaveToBitmapFile();
    const quint32 size = qToLittleEndian(static_cast<quint32>(file.size()));
    stream.write(reinterpret_cast<const char*>(&size), kDataLengthSize);
    stream.write(file);
}

void TBitmap::SaveToClipboardFormat(TClipboardData& data) const {
    data.Format = CF_BITMAP;
    data.Data = SaveToBitmapFile();
    data.Palette = GetPalette();
}

void TBitmap::LoadFromClipboardFormat(const TClipboardData& data) {
    if (data.Format != CF_BITMAP)
        TGraphic::LoadFromClipboardFormat(data);
    LoadFromData(data.Data);
}
