#include "platform/report/TReportFileFormat.h"

#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QSaveFile>

#include <array>
#include <bit>
#include <cmath>
#include <cstring>

namespace {

// Smallest encodings, used to check counts against the bytes left.
constexpr quint32 kMinItemBytes = 1 + 4 * 8 + 1 + 4 + 8;
constexpr quint32 kMinPageBytes = 8 + 8 + 4;
constexpr quint32 kMinImageBytes = 4;

quint32 Crc32(const char* data, qsizetype size) {
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (qsizetype i = 0; i < size; ++i)
        crc = table[(crc ^ static_cast<uchar>(data[i])) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

class Writer {
public:
    void U8(quint8 v) { m_data.append(static_cast<char>(v)); }
    void U16(quint16 v) { Raw(v, 2); }
    void U32(quint32 v) { Raw(v, 4); }
    void F64(double v) { Raw(std::bit_cast<quint64>(v), 8); }
    void Bytes(const QByteArray& bytes) {
        U32(static_cast<quint32>(bytes.size()));
        m_data.append(bytes);
    }
    void String(const QString& text) { Bytes(text.toUtf8()); }
    void Color(const QColor& color) { U32(color.rgba()); }
    void Pen(const QColor& color, double width) {
        U8(color.isValid() ? 1 : 0);
        Color(color.isValid() ? color : QColor(Qt::black));
        F64(width);
    }
    QByteArray& Data() { return m_data; }

private:
    void Raw(quint64 v, int size) {
        for (int i = 0; i < size; ++i)
            m_data.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
    QByteArray m_data;
};

// The one reader of file data: every read is checked against the end.
class Reader {
public:
    explicit Reader(const QByteArray& data, qsizetype offset = 0) : m_data(data), m_pos(offset) {}

    qsizetype Remaining() const { return m_data.size() - m_pos; }
    quint8 U8() { return static_cast<quint8>(Raw(1)); }
    quint16 U16() { return static_cast<quint16>(Raw(2)); }
    quint32 U32() { return static_cast<quint32>(Raw(4)); }
    double F64() {
        const double v = std::bit_cast<double>(Raw(8));
        if (!std::isfinite(v) || std::fabs(v) > TReportFileFormat::kMaxCoordinate)
            Fail(QStringLiteral("number out of range"));
        return v;
    }
    QByteArray Bytes(quint32 limit) {
        const quint32 size = U32();
        if (size > limit)
            Fail(QStringLiteral("block of %1 bytes too large").arg(size));
        Need(size);
        QByteArray bytes = m_data.mid(m_pos, size);
        m_pos += size;
        return bytes;
    }
    QString String() { return QString::fromUtf8(Bytes(TReportFileFormat::kMaxStringBytes)); }
    QColor Color() { return QColor::fromRgba(U32()); }
    void Pen(QColor& color, double& width) {
        const bool present = U8() != 0;
        const QColor c = Color();
        width = F64();
        color = present ? c : QColor();
    }
    // Checks that `count` records of at least `minBytes` each can be in the file.
    void CheckCount(quint32 count, quint32 limit, quint32 minBytes, const char* what) {
        if (count > limit || static_cast<qint64>(count) * minBytes > Remaining())
            Fail(QStringLiteral("impossible %1 count %2").arg(QLatin1String(what)).arg(count));
    }
    [[noreturn]] static void Fail(const QString& why) {
        throw EReportFileError(QStringLiteral("The saved report is damaged (%1)").arg(why));
    }

private:
    void Need(qsizetype size) {
        if (size < 0 || size > Remaining())
            Fail(QStringLiteral("unexpected end of file"));
    }
    quint64 Raw(int size) {
        Need(size);
        quint64 v = 0;
        for (int i = 0; i < size; ++i)
            v |= static_cast<quint64>(static_cast<uchar>(m_data[m_pos + i])) << (8 * i);
        m_pos += size;
        return v;
    }
    const QByteArray& m_data;
    qsizetype m_pos;
};

void WriteItem(Writer& w, const TDrawItem& item, const QHash<qint64, quint32>& imageIndex) {
    w.U8(static_cast<quint8>(item.Kind));
    w.F64(item.Rect.x());
    w.F64(item.Rect.y());
    w.F64(item.Rect.width());
    w.F64(item.Rect.height());
    switch (item.Kind) {
    case TDrawKind::dkText:
        w.String(item.Text);
        w.String(item.Font.Name);
        w.F64(item.Font.Size);
        w.U32(item.Font.Style);
        w.Color(item.Font.Color);
        w.U32(static_cast<quint32>(item.Flags));
        break;
    case TDrawKind::dkLine:
        w.Pen(item.Pen, item.PenWidth);
        break;
    case TDrawKind::dkRect:
        w.Pen(item.Pen, item.PenWidth);
        w.U8(item.Brush.isValid() ? 1 : 0);
        w.Color(item.Brush.isValid() ? item.Brush : QColor(Qt::white));
        break;
    case TDrawKind::dkImage:
        w.U32(imageIndex.value(item.Image.cacheKey()));
        break;
    }
}

TDrawItem ReadItem(Reader& r, const std::vector<QImage>& images) {
    TDrawItem item;
    const quint8 kind = r.U8();
    if (kind < static_cast<quint8>(TDrawKind::dkText) || kind > static_cast<quint8>(TDrawKind::dkImage))
        Reader::Fail(QStringLiteral("unknown drawing kind %1").arg(kind));
    item.Kind = static_cast<TDrawKind>(kind);
    const double x = r.F64(), y = r.F64(), width = r.F64(), height = r.F64();
    item.Rect = QRectF(x, y, width, height);
    switch (item.Kind) {
    case TDrawKind::dkText:
        item.Text = r.String();
        item.Font.Name = r.String();
        item.Font.Size = r.F64();
        item.Font.Style = r.U32();
        item.Font.Color = r.Color();
        item.Flags = static_cast<int>(r.U32());
        break;
    case TDrawKind::dkLine:
        r.Pen(item.Pen, item.PenWidth);
        break;
    case TDrawKind::dkRect: {
        r.Pen(item.Pen, item.PenWidth);
        const bool filled = r.U8() != 0;
        const QColor brush = r.Color();
        item.Brush = filled ? brush : QColor();
        break;
    }
    case TDrawKind::dkImage: {
        const quint32 index = r.U32();
        if (index >= images.size())
            Reader::Fail(QStringLiteral("picture %1 does not exist").arg(index));
        item.Image = images[index];
        break;
    }
    }
    return item;
}

} // namespace

QByteArray TReportFileFormat::Write(const Contents& contents) {
    // Pictures shared by many pages (a logo in every header) are stored once.
    QHash<qint64, quint32> imageIndex;
    std::vector<QImage> images;
    for (const TPreparedPage& page : contents.Pages)
        for (const TDrawItem& item : page.Items)
            if (item.Kind == TDrawKind::dkImage && !imageIndex.contains(item.Image.cacheKey())) {
                imageIndex.insert(item.Image.cacheKey(), static_cast<quint32>(images.size()));
                images.push_back(item.Image);
            }

    Writer body;
    body.String(contents.Title);
    for (const QImage& image : images) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        body.Bytes(png);
    }
    for (const TPreparedPage& page : contents.Pages) {
        body.F64(page.Width);
        body.F64(page.Height);
        body.U32(static_cast<quint32>(page.Items.size()));
        for (const TDrawItem& item : page.Items)
            WriteItem(body, item, imageIndex);
    }

    Writer header;
    header.Data().append(kSignature, sizeof kSignature);
    header.U16(kVersion);
    header.U16(0);
    header.U32(static_cast<quint32>(images.size()));
    header.U32(static_cast<quint32>(contents.Pages.size()));
    header.U32(static_cast<quint32>(body.Data().size()));
    header.U32(Crc32(body.Data().constData(), body.Data().size()));
    return header.Data() + body.Data();
}

TReportFileFormat::Contents TReportFileFormat::Read(const QByteArray& data) {
    if (data.size() < kHeaderSize || std::memcmp(data.constData(), kSignature, sizeof kSignature) != 0)
        throw EReportFileError(QStringLiteral("The file is not a saved report"));
    Reader header(data, sizeof kSignature);
    const quint16 version = header.U16();
    if (version != kVersion)
        throw EReportFileError(QStringLiteral("Saved report version %1 is not supported").arg(version));
    header.U16();
    const quint32 imageCount = header.U32();
    const quint32 pageCount = header.U32();
    const quint32 bodyLength = header.U32();
    const quint32 checksum = header.U32();
    if (bodyLength != data.size() - kHeaderSize)
        Reader::Fail(QStringLiteral("length does not match"));
    if (Crc32(data.constData() + kHeaderSize, bodyLength) != checksum)
        Reader::Fail(QStringLiteral("checksum does not match"));

    Reader r(data, kHeaderSize);
    Contents contents;
    contents.Title = r.String();
    r.CheckCount(imageCount, kMaxImages, kMinImageBytes, "picture");
    std::vector<QImage> images;
    images.reserve(imageCount);
    for (quint32 i = 0; i < imageCount; ++i) {
        QImage image;
        if (!image.loadFromData(r.Bytes(kMaxImageBytes), "PNG"))
            Reader::Fail(QStringLiteral("picture %1 cannot be read").arg(i));
        images.push_back(image);
    }
    r.CheckCount(pageCount, kMaxPages, kMinPageBytes, "page");
    contents.Pages.reserve(pageCount);
    for (quint32 p = 0; p < pageCount; ++p) {
        TPreparedPage page;
        page.Width = r.F64();
        page.Height = r.F64();
        const quint32 itemCount = r.U32();
        r.CheckCount(itemCount, UINT32_MAX, kMinItemBytes, "drawing");
        page.Items.reserve(itemCount);
        for (quint32 i = 0; i < itemCount; ++i)
            page.Items.push_back(ReadItem(r, images));
        contents.Pages.push_back(std::move(page));
    }
    if (r.Remaining() != 0)
        Reader::Fail(QStringLiteral("data after the last page"));
    return contents;
}

void TReportFileFormat::SaveToFile(const Contents& contents, const QString& fileName) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw EReportFileError(QStringLiteral("Cannot write %1: %2").arg(fileName, file.errorString()));
    file.write(Write(contents));
    if (!file.commit())
        throw EReportFileError(QStringLiteral("Cannot write %1: %2").arg(fileName, file.errorString()));
}

TReportFileFormat::Contents TReportFileFormat::LoadFromFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EReportFileError(QStringLiteral("Cannot open %1: %2").arg(fileName, file.errorString()));
    constexpr qint64 kMaxFileSize = qint64(1) << 31;
    if (file.size() > kMaxFileSize)
        throw EReportFileError(QStringLiteral("%1 is too large for a saved report").arg(fileName));
    return Read(file.readAll());
}
