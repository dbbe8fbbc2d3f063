#include "imaging/GifFileReader.h"

#include "imaging/TGIFImage.h"
#include "platform/base/ByteReader.h"
#include "platform/graphics/GraphicsErrors.h"

#include <algorithm>

namespace {

constexpr int kSignatureSize = 3;
constexpr std::uint8_t kGlobalTableFlag = 0x80;
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

class Reader {
public:
    Reader(TGIFImage& image, const QByteArray& file) : m_image(image), m_reader(file) {}

    void Run();

private:
    void ReadHeader();
    void ReadBlocks();
    void ScreenFromFrames();
    std::unique_ptr<TExtension> ReadExtension();
    std::uint8_t NextIntroducer() { return m_reader.AtEnd() ? kTrailer : m_reader.U8(); }
    void GatheredToComment();

    TGIFImage& m_image;
    ByteReader m_reader;
    std::vector<std::unique_ptr<TExtension>> m_gathered;
};

void Reader::ReadHeader() {
    const QByteArray signature = m_reader.Bytes(kSignatureSize).toUpper();
    const QByteArray version = m_reader.Bytes(kSignatureSize).toLower();
    if (signature != "GIF")
        throw EInvalidGraphicOperation(QStringLiteral("Unknown GIF version"));
    if (version == "87a")
        m_image.SetVersion(1);
    else if (version == "89a")
        m_image.SetVersion(2);
    else
        throw EInvalidGraphicOperation(QStringLiteral("Unknown GIF version"));

    TGIFData& data = *m_image.Data();
    const int screenWidth = m_reader.U16();
    const int screenHeight = m_reader.U16();
    m_image.SetScreenSize(screenWidth, screenHeight);
    const std::uint8_t packed = m_reader.U8();
    const std::uint8_t background = m_reader.U8();
    data.AspectRatio = m_reader.U8();
    data.BitsPerPixel = static_cast<std::uint8_t>((packed & kTableSizeMask) + 1);
    data.ColorResolution = static_cast<std::uint8_t>(((packed >> kResolutionShift) & kTableSizeMask) + 1);
    if (packed & kGlobalTableFlag) {
        const std::uint32_t count = 1u << data.BitsPerPixel;
        m_reader.CheckCount(count, TGIFColorTable::kMaxEntries, TGIFColorTable::kEntrySize,
                            "colour table entries");
        data.ColorTable.SetCount(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint8_t red = m_reader.U8();
            const std::uint8_t green = m_reader.U8();
            const std::uint8_t blue = m_reader.U8();
            data.ColorTable.Set(static_cast<int>(i), red, green, blue);
        }
        if (background < count)
            m_image.SetBackgroundColor(data.ColorTable.Color(background));
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
    QList<QByteArray>& comment = m_image.Comment();
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

void Reader::Run() {
    ReadHeader();
    try {
        ReadBlocks();
    } catch (const EByteReadError&) {
        if (!TGIFImage::IgnoreCorruptData || m_image.Count() == 0)
            throw;
    }
    ScreenFromFrames();
}

void Reader::ScreenFromFrames() {
    int width = 0;
    int height = 0;
    for (int i = 0; i < m_image.Count(); ++i) {
        const TGIFFrame& frame = m_image.Frames(i);
        width = std::max(width, frame.TopLeft().x() + frame.Item()->Size.x());
        height = std::max(height, frame.TopLeft().y() + frame.Item()->Size.y());
    }
    m_image.SetScreenSize(m_image.ScreenWidth() == 0 ? width : m_image.ScreenWidth(),
                          m_image.ScreenHeight() == 0 ? height : m_image.ScreenHeight());
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
                    m_image.SetLooping(true);
                    m_image.SetRepeatCount(static_cast<std::uint16_t>(std::min(count, kMaxRepeatCount)));
                }
            } else {
                m_gathered.push_back(std::move(extension));
            }
            introducer = NextIntroducer();
        }
        if (introducer == kImageIntroducer) {
            auto frame = std::make_unique<TGIFFrame>(&m_image);
            frame->Read(m_reader, std::move(m_gathered));
            m_gathered.clear();
            m_image.AddFrame(std::move(frame));
            introducer = NextIntroducer();
            if (introducer != TExtension::kIntroducer && introducer != kImageIntroducer &&
                introducer != kTrailer)
                break;
        } else if (!m_gathered.empty() && m_image.Comment().isEmpty()) {
            GatheredToComment();
        } else {
            if (introducer != 0 && introducer != kTrailer)
                throw EInvalidGraphicOperation(QStringLiteral("Stream read error"));
            break;
        }
    }
}

} // namespace

void GifFileReader::Read(TGIFImage& image, const QByteArray& file) {
    try {
        Reader(image, file).Run();
    } catch (const EByteReadError&) {
        throw EInvalidGraphicOperation(QStringLiteral("Stream read error"));
    }
}
