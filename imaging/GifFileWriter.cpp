#include "imaging/GifFileWriter.h"

#include "platform/base/ByteWriter.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kGlobalTableFlag = 0x80;
constexpr std::uint8_t kLocalTableFlag = 0x80;
constexpr std::uint8_t kInterlaceFlag = 0x40;
constexpr int kResolutionShift = 4;
constexpr int kMaxScreenSide = 0xFFFF;
constexpr int kMaxSubBlock = 255;
constexpr std::uint8_t kImageIntroducer = ',';
constexpr std::uint8_t kTrailer = ';';
constexpr std::uint8_t kLoopBlockSize = 11;
constexpr std::uint8_t kLoopSubBlockSize = 3;
constexpr std::uint8_t kLoopSubBlockId = 1;

// Data split into sub-blocks of at most 255 bytes; empty data write nothing.
void WriteSubBlocks(ByteWriter& writer, const QByteArray& data) {
    for (qsizetype offset = 0; offset < data.size(); offset += kMaxSubBlock) {
        const QByteArray part = data.mid(offset, kMaxSubBlock);
        writer.U8(static_cast<std::uint8_t>(part.size()));
        writer.Bytes(part);
    }
}

void WriteTable(ByteWriter& writer, const TGIFColorTable& table, std::uint32_t entries) {
    for (std::uint32_t i = 0; i < entries; ++i) {
        const auto& entry = table.Entry(static_cast<int>(i));
        writer.U8(entry[0]);
        writer.U8(entry[1]);
        writer.U8(entry[2]);
    }
}

void WriteExtension(ByteWriter& writer, const TExtension& extension) {
    writer.U8(TExtension::kIntroducer);
    writer.U8(extension.Label());
    writer.Bytes(extension.Fixed());
    if (extension.Kind() == TGIFExtensionKind::GraphicControl)
        return; // the fixed part ends with the block terminator
    for (const QByteArray& block : extension.Data())
        WriteSubBlocks(writer, block);
    writer.U8(0);
}

} // namespace

QByteArray GifFileWriter::Write(const GifFile& file) {
    const TGIFData& data = file.Screen;
    ByteWriter writer;
    writer.Bytes(QByteArray(file.Version == 2 ? "GIF89a" : "GIF87a"));
    // The logical screen as read or grown to hold the frames added: frames
    // of a file that reach past its screen stay clipped as they were.
    writer.U16(static_cast<std::uint16_t>(std::min(file.ScreenWidth, kMaxScreenSide)));
    writer.U16(static_cast<std::uint16_t>(std::min(file.ScreenHeight, kMaxScreenSide)));
    const std::uint32_t globalCount = data.ColorTable.Count();
    const int globalBits = data.ColorTable.BitsNeeded();
    if (globalCount > 0) {
        const int bitsPerPixel = std::clamp<int>(data.BitsPerPixel, 1, 8);
        writer.U8(static_cast<std::uint8_t>(kGlobalTableFlag + ((globalBits - 1) << kResolutionShift) +
                                            (bitsPerPixel - 1)));
    } else {
        writer.U8(0);
    }
    const int background = data.ColorTable.IndexOf(file.BackgroundColor);
    writer.U8(static_cast<std::uint8_t>(std::max(background, 0)));
    writer.U8(data.AspectRatio);
    if (globalCount > 0)
        WriteTable(writer, data.ColorTable, 1u << std::clamp<int>(data.BitsPerPixel, 1, 8));

    if (file.Looping && file.Frames.size() > 1) {
        writer.U8(TExtension::kIntroducer);
        writer.U8(TExtension::kApplicationLabel);
        writer.U8(kLoopBlockSize);
        writer.Bytes(QByteArray("NETSCAPE2.0"));
        writer.U8(kLoopSubBlockSize);
        writer.U8(kLoopSubBlockId);
        writer.U16(file.RepeatCount);
        writer.U8(0);
    }

    for (const GifFileFrame& frame : file.Frames) {
        for (const auto& extension : frame.Extensions)
            WriteExtension(writer, *extension);
        const TGIFItem& item = *frame.Item;
        writer.U8(kImageIntroducer);
        writer.U16(static_cast<std::uint16_t>(frame.TopLeft.x()));
        writer.U16(static_cast<std::uint16_t>(frame.TopLeft.y()));
        writer.U16(static_cast<std::uint16_t>(item.Size.x()));
        writer.U16(static_cast<std::uint16_t>(item.Size.y()));
        std::uint8_t packed = frame.Interlaced ? kInterlaceFlag : 0;
        const int localBits = item.ColorTable.BitsNeeded();
        if (frame.LocalColorTable)
            packed |= static_cast<std::uint8_t>(kLocalTableFlag + localBits - 1);
        writer.U8(packed);
        if (frame.LocalColorTable)
            WriteTable(writer, item.ColorTable, 1u << localBits);
        writer.Bytes(item.ImageData);
    }
    if (!data.Comment.isEmpty()) {
        writer.U8(TExtension::kIntroducer);
        writer.U8(TExtension::kCommentLabel);
        for (const QByteArray& line : data.Comment)
            WriteSubBlocks(writer, line);
        writer.U8(0);
    }
    writer.U8(kTrailer);
    return writer.Take();
}
