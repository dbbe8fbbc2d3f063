#include "platform/report/TReportFileFormat.h"

#include "platform/base/ByteReader.h"
#include "platform/base/ByteWriter.h"
#include "platform/base/Crc32.h"
#include "platform/os/SystemError.h"

#include <QBuffer>
#include <QFile>
#include <QHash>

#include <bit>
#include <cmath>
#include <cstring>

namespace {

// Smallest encodings, used to check counts against the bytes left.
constexpr quint32 kMinItemBytes = 1 + 4 * 8 + 1 + 4 + 8;
constexpr quint32 kMinPageBytes = 8 + 8 + 4;
constexpr quint32 kMinImageBytes = 4;

void WriteF64(ByteWriter& w, double v) {
    w.U64(std::bit_cast<quint64>(v));
}

void WriteBytes(ByteWriter& w, const QByteArray& bytes) {
    w.U32(static_cast<quint32>(bytes.size()));
    w.Bytes(bytes);
}

void WriteString(ByteWriter& w, const QString& text) {
    WriteBytes(w, text.toUtf8());
}

void WriteColor(ByteWriter& w, const QColor& color) {
    w.U32(color.rgba());
}

void WritePen(ByteWriter& w, const QColor& color, double width) {
    w.U8(color.isValid() ? 1 : 0);
    WriteColor(w, color.isValid() ? color : QColor(Qt::black));
    WriteF64(w, width);
}

[[noreturn]] void Fail(const QString& why) {
    throw EReportFileError(QStringLiteral("O relatório salvo está danificado (%1).").arg(why));
}

// The file's own values over the shared bounds-checked reader.
class Reader {
public:
    Reader(const QByteArray& data, qsizetype offset) : m_bytes(data) {
        m_bytes.Seek(static_cast<std::size_t>(offset));
    }

    std::size_t Remaining() const { return m_bytes.Remaining(); }
    quint8 U8() { return m_bytes.U8(); }
    quint16 U16() { return m_bytes.U16(); }
    quint32 U32() { return m_bytes.U32(); }
    double F64() {
        const double v = std::bit_cast<double>(m_bytes.U64());
        if (!std::isfinite(v) || std::fabs(v) > TReportFileFormat::kMaxCoordinate)
            Fail(QStringLiteral("número fora da faixa"));
        return v;
    }
    QByteArray Bytes(quint32 limit) {
        const quint32 size = U32();
        if (size > limit)
            Fail(QStringLiteral("bloco de %1 bytes grande demais").arg(size));
        return m_bytes.Bytes(size);
    }
    QString String() { return QString::fromUtf8(Bytes(TReportFileFormat::kMaxStringBytes)); }
    QColor Color() { return QColor::fromRgba(U32()); }
    void Pen(QColor& color, double& width) {
        const bool present = U8() != 0;
        const QColor c = Color();
        width = F64();
        color = present ? c : QColor();
    }
    void CheckCount(quint32 count, quint32 limit, quint32 minBytes, const char* what) {
        m_bytes.CheckCount(count, limit, minBytes, what);
    }

private:
    ByteReader m_bytes;
};

void WriteItem(ByteWriter& w, const TDrawItem& item, const QHash<qint64, quint32>& imageIndex) {
    w.U8(static_cast<quint8>(item.Kind));
    WriteF64(w, item.Rect.x());
    WriteF64(w, item.Rect.y());
    WriteF64(w, item.Rect.width());
    WriteF64(w, item.Rect.height());
    switch (item.Kind) {
    case TDrawKind::dkText:
        WriteString(w, item.Text);
        WriteString(w, item.Font.Name);
        WriteF64(w, item.Font.Size);
        w.U32(item.Font.Style);
        WriteColor(w, item.Font.Color);
        w.U32(static_cast<quint32>(item.Flags));
        break;
    case TDrawKind::dkLine:
        WritePen(w, item.Pen, item.PenWidth);
        break;
    case TDrawKind::dkRect:
        WritePen(w, item.Pen, item.PenWidth);
        w.U8(item.Brush.isValid() ? 1 : 0);
        WriteColor(w, item.Brush.isValid() ? item.Brush : QColor(Qt::white));
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
        Fail(QStringLiteral("tipo de desenho %1 desconhecido").arg(kind));
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
            Fail(QStringLiteral("a figura %1 não existe").arg(index));
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

    ByteWriter body;
    WriteString(body, contents.Title);
    for (const QImage& image : images) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        WriteBytes(body, png);
    }
    for (const TPreparedPage& page : contents.Pages) {
        WriteF64(body, page.Width);
        WriteF64(body, page.Height);
        body.U32(static_cast<quint32>(page.Items.size()));
        for (const TDrawItem& item : page.Items)
            WriteItem(body, item, imageIndex);
    }

    ByteWriter header;
    header.Bytes(QByteArray(kSignature, sizeof kSignature));
    header.U16(kVersion);
    header.U16(0);
    header.U32(static_cast<quint32>(images.size()));
    header.U32(static_cast<quint32>(contents.Pages.size()));
    header.U32(static_cast<quint32>(body.Data().size()));
    header.U32(Crc32(body.Data().constData(), body.Size()));
    return header.Data() + body.Data();
}

TReportFileFormat::Contents TReportFileFormat::Read(const QByteArray& data) {
    try {
        return ReadContents(data);
    } catch (const EByteReadError& error) {
        Fail(error.Message());
    }
}

TReportFileFormat::Contents TReportFileFormat::ReadContents(const QByteArray& data) {
    if (data.size() < kHeaderSize || std::memcmp(data.constData(), kSignature, sizeof kSignature) != 0)
        throw EReportFileError(QStringLiteral("O arquivo não é um relatório salvo."));
    Reader header(data, sizeof kSignature);
    const quint16 version = header.U16();
    if (version != kVersion)
        throw EReportFileError(QStringLiteral("A versão %1 de relatório salvo não é aceita.").arg(version));
    header.U16();
    const quint32 imageCount = header.U32();
    const quint32 pageCount = header.U32();
    const quint32 bodyLength = header.U32();
    const quint32 checksum = header.U32();
    if (bodyLength != data.size() - kHeaderSize)
        Fail(QStringLiteral("o tamanho não confere"));
    if (Crc32(data.constData() + kHeaderSize, bodyLength) != checksum)
        Fail(QStringLiteral("a soma de verificação não confere"));

    Reader r(data, kHeaderSize);
    Contents contents;
    contents.Title = r.String();
    r.CheckCount(imageCount, kMaxImages, kMinImageBytes, "figuras");
    std::vector<QImage> images;
    images.reserve(imageCount);
    for (quint32 i = 0; i < imageCount; ++i) {
        QImage image;
        if (!image.loadFromData(r.Bytes(kMaxImageBytes), "PNG"))
            Fail(QStringLiteral("a figura %1 não pode ser lida").arg(i));
        images.push_back(image);
    }
    r.CheckCount(pageCount, kMaxPages, kMinPageBytes, "páginas");
    contents.Pages.reserve(pageCount);
    for (quint32 p = 0; p < pageCount; ++p) {
        TPreparedPage page;
        page.Width = r.F64();
        page.Height = r.F64();
        const quint32 itemCount = r.U32();
        r.CheckCount(itemCount, UINT32_MAX, kMinItemBytes, "desenhos");
        page.Items.reserve(itemCount);
        for (quint32 i = 0; i < itemCount; ++i)
            page.Items.push_back(ReadItem(r, images));
        contents.Pages.push_back(std::move(page));
    }
    if (r.Remaining() != 0)
        Fail(QStringLiteral("há dados depois da última página"));
    return contents;
}

TReportFileFormat::Contents TReportFileFormat::LoadFromFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EReportFileError(QStringLiteral("Não foi possível abrir o arquivo \"%1\": %2.")
                                   .arg(fileName, SystemErrorText(file)));
    constexpr qint64 kMaxFileSize = qint64(1) << 31;
    if (file.size() > kMaxFileSize)
        throw EReportFileError(
            QStringLiteral("O arquivo \"%1\" é grande demais para um relatório salvo.").arg(fileName));
    return Read(file.readAll());
}
