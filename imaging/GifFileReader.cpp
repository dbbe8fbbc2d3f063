#include "imaging/GifFileReader.h"

#include "imaging/TGIFImage.h"
#include "platform/base/ByteReader.h"
#include "platform/graphics/GraphicsErrors.h"

#include <algorithm>

namespace {

constexpr int kSignatureSize = 3;
constexpr std::uint8_t kGlobalTableFlag = 0x80;
constexpr std::uint8_t kLocalTableFlag = 0x80;
constexpr std::uint8_t kInterlaceFlag = 0x40;
constexpr std::uint8_t kTableSizeMask = 0x07;
constexpr int kResolutionShift = 4;
constexpr std::uint8_t kImageIntroducer = ',';
constexpr std::uint8_t kTrailer = ';';
constexpr int kLoopIdentifierOffset = 1;
constexpr int kLoopIdentifierSize = 11;
constexpr int kLoopSubBlockSize = 3;
constexpr int kMaxRepeatCount = 30000;
const char kCommentSeparator[] = "\r\n\r\n";

bool IsLoopExtension(const TExtension& extension) {
    const QByteArray identifier = extension.Fixed().mid(kLoopIdentifierOffset, kLoopIdentifierSize);
    if (identifier != "NETSCAPE2.0" && identifier != "ANIMEXTS1.0")
        return false;
    const QList<QByteArray>& data = extension.Data();
    return !data.isEmpty() && data.first().size() >= kLoopSubBlockSize && data.first().at(0) == 1;
}

// Each colour of a table: red, green and blue.
void ReadTable(ByteReader& reader, TGIFColorTable& table, std::uint32_t count) {
    reader.CheckCount(count, TGIFColorTable::kMaxEntries, TGIFColorTable::kEntrySize, "colour table entries");
    table.SetCount(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t red = reader.U8();
        const std::uint8_t green = reader.U8();
        const std::uint8_t blue = reader.U8();
        table.Set(static_cast<int>(i), red, green, blue);
    }
}

class Reader {
public:
    explicit Reader(const QByteArray& file) : m_reader(file) {}

    GifFile Run();

private:
    void ReadHeader();
    void ReadBlocks();
    void ScreenFromFrames();
    std::unique_ptr<TExtension> ReadExtension();
    // The image descriptor, colour table and data after the ",".
    GifFileFrame ReadFrame();
    std::uint8_t NextIntroducer() { return m_reader.AtEnd() ? kTrailer : m_reader.U8(); }
    void GatheredToComment();

    GifFile m_file;
    ByteReader m_reader;
    std::vector<std::unique_ptr<TExtension>> m_gathered;
};

void Reader::ReadHeader() {
    const QByteArray signature = m_reader.Bytes(kSignatureSize).toUpper();
    const QByteArray version = m_reader.Bytes(kSignatureSize).toLower();
    if (signature != "GIF")
        throw EInvalidGraphicOperation(QStringLiteral("Unknown GIF version"));
    if (version == "87a")
        m_file.Version = 1;
    else if (version == "89a")
        m_file.Version = 2;
    else
        throw EInvalidGraphicOperation(QStringLiteral("Unknown GIF version"));

    TGIFData& data = m_file.Screen;
    m_file.ScreenWidth = m_reader.U16();
    m_file.ScreenHeight = m_reader.U16();
    const std::uint8_t packed = m_reader.U8();
    const std::uint8_t background = m_reader.U8();
    data.AspectRatio = m_reader.U8();
    data.BitsPerPixel = static_cast<std::uint8_t>((packed & kTableSizeMask) + 1);
    data.ColorResolution = static_cast<std::uint8_t>(((packed >> kResolutionShift) & kTableSizeMask) + 1);
    if (packed & kGlobalTableFlag) {
        const std::uint32_t count = 1u << data.BitsPerPixel;
        ReadTable(m_reader, data.ColorTable, count);
        if (background < count)
            m_file.BackgroundColor = data.ColorTable.Color(background);
    }
}

std::unique_ptr<TExtension> Reader::ReadExtension() {
    const std::uint8_t label = m_reader.U8();
    TGIFExtensionKind kind;
    switch (label) {
    case TExtension::kGraphicControlLabel:
        kind = TGIFExtensionKind::GraphicControl;
        break;
    case TExtension::kPlainTextLabel:
        kind = TGIFExtensionKind::PlainText;
        break;
    case TExtension::kApplicationLabel:
        kind = TGIFExtensionKind::Application;
        break;
    case TExtension::kCommentLabel:
        kind = TGIFExtensionKind::Comment;
        break;
    default:
        throw EInvalidGraphicOperation(
            QStringLiteral("Unrecognized extension block: %1").arg(label, 2, 16, QLatin1Char('0')));
    }
    auto extension = std::make_unique<TExtension>(kind);
    extension->Fixed() = m_reader.Bytes(static_cast<std::size_t>(extension->FixedSize()));
    if (kind != TGIFExtensionKind::GraphicControl) {
        // Each sub-block takes at least its length byte.
        for (;;) {
            const std::uint8_t length = m_reader.U8();
            if (length == 0)
                break;
            extension->Data().append(m_reader.Bytes(length));
        }
    }
    return extension;
}

void Reader::GatheredToComment() {
    QList<QByteArray>& comment = m_file.Screen.Comment;
    bool first = true;
    for (const auto& extension : m_gathered) {
        if (extension->Kind() != TGIFExtensionKind::Comment)
            continue;
        if (!first)
            comment.append(QByteArray(kCommentSeparator));
        comment.append(extension->Data());
        first = false;
    }
    m_gathered.clear();
}

GifFile Reader::Run() {
    ReadHeader();
    try {
        ReadBlocks();
    } catch (const EByteReadError&) {
        if (!TGIFImage::IgnoreCorruptData || m_file.Frames.empty())
            throw;
    }
    ScreenFromFrames();
    return std::move(m_file);
}

void Reader::ScreenFromFrames() {
    int width = 0;
    int height = 0;
    for (const GifFileFrame& frame : m_file.Frames) {
        width = std::max(width, frame.TopLeft.x() + frame.Item->Size.x());
        height = std::max(height, frame.TopLeft.y() + frame.Item->Size.y());
    }
    if (m_file.ScreenWidth == 0)
        m_file.ScreenWidth = width;
    if (m_file.ScreenHeight == 0)
        m_file.ScreenHeight = height;
}

void Reader::ReadBlocks() {
    std::uint8_t introducer = 0;
    while (!m_reader.AtEnd() && (introducer = m_reader.U8()) == 0) {
    }
    // Every pass reads at least one byte or ends the loop.
    while (introducer != 0 && introducer != kTrailer) {
        while (introducer == TExtension::kIntroducer) {
            std::unique_ptr<TExtension> extension = ReadExtension();
            if (extension->Kind() == TGIFExtensionKind::PlainText) {
                m_gathered.clear();
            } else if (extension->Kind() == TGIFExtensionKind::Application) {
                if (IsLoopExtension(*extension)) {
                    const QByteArray& block = extension->Data().first();
                    const int count =
                        static_cast<std::uint8_t>(block.at(1)) | static_cast<std::uint8_t>(block.at(2)) << 8;
                    m_file.Looping = true;
                    m_file.RepeatCount = static_cast<std::uint16_t>(std::min(count, kMaxRepeatCount));
                }
            } else {
                m_gathered.push_back(std::move(extension));
            }
            introducer = NextIntroducer();
        }
        if (introducer == kImageIntroducer) {
            GifFileFrame frame = ReadFrame();
            frame.Extensions = std::move(m_gathered);
            m_gathered.clear();
            m_file.Frames.push_back(std::move(frame));
            introducer = NextIntroducer();
            if (introducer != TExtension::kIntroducer && introducer != kImageIntroducer &&
                introducer != kTrailer)
                break;
        } else if (!m_gathered.empty() && m_file.Screen.Comment.isEmpty()) {
            GatheredToComment();
        } else {
            if (introducer != 0 && introducer != kTrailer)
                throw EInvalidGraphicOperation(QStringLiteral("Stream read error"));
            break;
        }
    }
}

GifFileFrame Reader::ReadFrame() {
    GifFileFrame frame;
    TGIFItem& item = *frame.Item;
    const TGIFColorTable& global = m_file.Screen.ColorTable;
    if (global.Count() > 0)
        item.BitsPerPixel = m_file.Screen.BitsPerPixel;
    const int left = m_reader.U16();
    const int top = m_reader.U16();
    int width = m_reader.U16();
    int height = m_reader.U16();
    const std::uint8_t packed = m_reader.U8();
    item.Packed = packed;
    frame.Interlaced = (packed & kInterlaceFlag) != 0;
    if (packed & kLocalTableFlag) {
        const int bits = (packed & kTableSizeMask) + 1;
        ReadTable(m_reader, item.ColorTable, 1u << bits);
        item.BitsPerPixel = static_cast<std::uint8_t>(bits);
        frame.LocalColorTable = true;
    }

    // The minimum code size byte and the sub-blocks up to the terminator;
    // each pass takes at least one byte.
    if (!m_reader.AtEnd())
        item.ImageData.append(static_cast<char>(m_reader.U8()));
    while (!m_reader.AtEnd()) {
        const std::uint8_t length = m_reader.U8();
        if (length == 0) {
            item.ImageData.append('\0');
            break;
        }
        if (length > m_reader.Remaining()) {
            frame.Corrupted = true;
            m_reader.Seek(m_reader.Size());
            break;
        }
        item.ImageData.append(static_cast<char>(length));
        item.ImageData.append(m_reader.Bytes(length));
    }
    if (frame.Corrupted && !TGIFImage::IgnoreCorruptData)
        throw EInvalidGraphicOperation(QStringLiteral("Stream read error"));

    if (width == 0)
        width = m_file.ScreenWidth;
    if (height == 0)
        height = m_file.ScreenHeight;
    if (static_cast<std::int64_t>(width) * height > TGIFImage::kMaxPixels)
        throw EInvalidGraphicOperation(QStringLiteral("GIF frame too large: %1 x %2").arg(width).arg(height));
    // A frame may reach past the logical screen; what lies beyond it is
    // not shown.
    frame.TopLeft = QPoint(left, top);
    item.Size = QPoint(width, height);
    if (!frame.LocalColorTable) {
        item.ColorTable = global.Count() > 0 ? global : TGIFColorTable::Default();
        if (global.Count() == 0)
            item.BitsPerPixel = static_cast<std::uint8_t>(item.ColorTable.BitsNeeded());
    }
    return frame;
}

} // namespace

GifFile GifFileReader::Read(const QByteArray& file) {
    try {
        return Reader(file).Run();
    } catch (const EByteReadError&) {
        throw EInvalidGraphicOperation(QStringLiteral("Stream read error"));
    }
}
