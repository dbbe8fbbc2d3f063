#include "imaging/TAnimatedCursorImage.h"

#include "imaging/BmpGraph.h"
#include "imaging/BmpUtils.h"
#include "imaging/TIconList.h"
#include "platform/base/ByteReader.h"
#include "platform/graphics/GraphicsErrors.h"
#include "platform/graphics/IconFile.h"
#include "platform/graphics/TBitmap.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace {

constexpr char kRiff[] = "RIFF";
constexpr char kAcon[] = "ACON";
constexpr char kAnih[] = "anih";
constexpr char kRate[] = "rate";
constexpr char kSeq[] = "seq ";
constexpr char kList[] = "LIST";
constexpr char kFram[] = "fram";
constexpr char kInfo[] = "INFO";
constexpr char kInam[] = "INAM";
constexpr char kIart[] = "IART";
constexpr char kIconChunk[] = "icon";
constexpr int kIdSize = 4;
constexpr int kValueSize = 4;
constexpr int kMinColors = 16;
// The smallest icon chunk that can hold a frame: chunk header, icon file
// header and one directory entry.
constexpr int kMinFrameBytes =
    TAnimatedCursorImage::kChunkHeaderSize + IconFile::kHeaderSize + IconFile::kEntrySize;

bool IdIs(const TRiffChunkHeader& header, const char* id) {
    return std::memcmp(header.Id.data(), id, kIdSize) == 0;
}

TRiffChunkHeader ReadChunkHeader(ByteReader& reader) {
    TRiffChunkHeader header;
    reader.Read(header.Id.data(), kIdSize);
    header.Size = reader.U32();
    return header;
}

// The chunk's data (its size clamped to what remains), and the reader moved
// past it and its pad byte.
ByteReader TakeChunk(ByteReader& reader, const TRiffChunkHeader& header) {
    const std::size_t size = std::min<std::size_t>(header.Size, reader.Remaining());
    ByteReader chunk = reader.Sub(size);
    if ((size & 1) && !reader.AtEnd())
        reader.Skip(1);
    return chunk;
}

QString ReadText(ByteReader& chunk) {
    const QByteArray bytes =
        chunk.Bytes(std::min<std::size_t>(chunk.Remaining(), TAnimatedCursorImage::kMaxTextLength));
    const qsizetype end = bytes.indexOf('\0');
    return QString::fromLatin1(end < 0 ? bytes : bytes.left(end));
}

int ColorsOfBits(int bitCount) {
    switch (bitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

} // namespace

TAnimatedCursorImage::TAnimatedCursorImage() = default;
TAnimatedCursorImage::~TAnimatedCursorImage() = default;

void TAnimatedCursorImage::Clear() {
    m_frames.clear();
    m_title.clear();
    m_author.clear();
    m_header = THeader{};
    m_colorCount = 0;
    m_nextRate = 0;
    m_nextSequence = 0;
}

void TAnimatedCursorImage::Assign(const TPersistent* source) {
    if (!source) {
        Clear();
        return;
    }
    if (const auto* cursor = dynamic_cast<const TAnimatedCursorImage*>(source)) {
        if (cursor == this)
            return;
        try {
            Clear();
            m_header = cursor->m_header;
            m_title = cursor->m_title;
            m_author = cursor->m_author;
            m_colorCount = cursor->m_colorCount;
            for (const auto& frame : cursor->m_frames) {
                auto copy = std::make_unique<TIconFrame>(frame->Rate(), frame->Index());
                copy->Assign(frame.get());
                m_frames.push_back(std::move(copy));
            }
        } catch (...) {
            Clear();
            throw;
        }
        return;
    }
    TPersistent::Assign(source);
}

void TAnimatedCursorImage::AssignTo(TPersistent* dest) const {
    if (auto* icon = dynamic_cast<TIcon*>(dest)) {
        icon->Assign(m_frames.empty() ? nullptr : &m_frames.front()->Icon());
    } else if (auto* bitmap = dynamic_cast<TBitmap*>(dest)) {
        AssignToBitmap(*bitmap, bitmap->Canvas().BrushColor(), false, true);
    } else if (auto* list = dynamic_cast<TIconList*>(dest)) {
        list->BeginUpdate();
        try {
            list->Clear();
            for (const auto& frame : m_frames)
                list->Add(&frame->Icon());
        } catch (...) {
            list->EndUpdate();
            throw;
        }
        list->EndUpdate();
    } else {
        TPersistent::AssignTo(dest);
    }
}

void TAnimatedCursorImage::AssignToBitmap(TBitmap& bitmap, TColor background, bool vertical,
                                          bool reduceColors) const {
    TBitmap strip;
    if (!m_frames.empty()) {
        const TIcon& first = m_frames.front()->Icon();
        const int count = Count();
        strip.SetSize(vertical ? first.Width() : first.Width() * count,
                      vertical ? first.Height() * count : first.Height());
        TCanvas& canvas = strip.Canvas();
        canvas.SetBrushColor(background);
        canvas.FillRect(QRect(0, 0, strip.Width(), strip.Height()));
        for (int i = 0; i < count; ++i) {
            const TIcon& icon = m_frames[static_cast<std::size_t>(i)]->Icon();
            if (icon.Empty())
                continue;
            if (vertical)
                canvas.Draw(0, i * icon.Height(), icon);
            else
                canvas.Draw(i * icon.Width(), 0, icon);
        }
        if (reduceColors && !strip.Empty())
            strip.LoadFromData(BitmapToColors(strip, std::max(m_colorCount, kMinColors)));
    }
    bitmap.Assign(&strip);
}

void TAnimatedCursorImage::LoadFromStream(QIODevice& stream) {
    const QByteArray data = stream.readAll();
    if (data.isEmpty())
        return;
    try {
        Read(data);
    } catch (const EByteReadError&) {
        Clear();
        throw EReadError();
    } catch (...) {
        Clear();
        throw;
    }
}

void TAnimatedCursorImage::SaveToStream(QIODevice&) const {
    ReportNotImplemented();
}

void TAnimatedCursorImage::LoadFromFile(const QString& fileName) {
    QFile file(fileName);
    try {
        if (!file.open(QIODevice::ReadOnly))
            throw EReadError(QStringLiteral("Cannot open file \"%1\": %2").arg(fileName, file.errorString()));
        LoadFromStream(file);
    } catch (...) {
        Clear();
        throw;
    }
}

void TAnimatedCursorImage::Read(const QByteArray& data) {
    ByteReader reader(data);
    const TRiffChunkHeader riff = ReadChunkHeader(reader);
    char form[kIdSize];
    reader.Read(form, kIdSize);
    if (!IdIs(riff, kRiff) || std::memcmp(form, kAcon, kIdSize) != 0)
        throw EReadError();
    Clear();
    // Each chunk takes at least its header.
    while (reader.Remaining() >= kChunkHeaderSize) {
        const TRiffChunkHeader header = ReadChunkHeader(reader);
        ByteReader chunk = TakeChunk(reader, header);
        if (IdIs(header, kAnih)) {
            ReadHeaderChunk(chunk, reader.Remaining());
        } else if (IdIs(header, kRate)) {
            while (chunk.Remaining() >= kValueSize) {
                const std::uint32_t rate = chunk.U32();
                if (m_nextRate < m_frames.size())
                    m_frames[m_nextRate]->SetRate(rate);
                ++m_nextRate;
            }
        } else if (IdIs(header, kSeq)) {
            while (chunk.Remaining() >= kValueSize) {
                const std::uint32_t index = chunk.U32();
                if (m_nextSequence < m_frames.size())
                    m_frames[m_nextSequence]->SetIndex(
                        static_cast<int>(std::min<std::uint32_t>(index, INT32_MAX)));
                ++m_nextSequence;
            }
        } else if (IdIs(header, kList) && chunk.Remaining() >= kIdSize) {
            char type[kIdSize];
            chunk.Read(type, kIdSize);
            if (std::memcmp(type, kFram, kIdSize) == 0)
                ReadFrameList(chunk);
            else if (std::memcmp(type, kInfo, kIdSize) == 0)
                ReadInfoList(chunk);
        }
    }
    std::erase_if(m_frames, [](const std::unique_ptr<TIconFrame>& frame) { return frame->Icon().Empty(); });
    m_header.Steps = static_cast<std::uint32_t>(m_frames.size());
    if (m_frames.empty())
        throw EReadError();
}

void TAnimatedCursorImage::ReadHeaderChunk(ByteReader& chunk, std::size_t bytesLeft) {
    std::array<std::uint32_t, kHeaderSize / kValueSize> fields{};
    for (std::size_t i = 0; i < fields.size() && chunk.Remaining() >= kValueSize; ++i)
        fields[i] = chunk.U32();
    m_header = THeader{fields[0], fields[1], fields[2], fields[3], fields[4],
                       fields[5], fields[6], fields[7], fields[8]};
    if (!(m_header.Flags & kIconFlag) || m_header.Steps == 0)
        throw EReadError();
    // Only announced frames that an icon chunk in the data that follow can
    // fill are made: the others would be dropped at the end anyway. Icons
    // read before the header stay as frames of their own.
    const auto room =
        static_cast<std::uint32_t>(std::min<std::size_t>(bytesLeft / kMinFrameBytes, UINT32_MAX));
    for (std::uint32_t i = 0; i < std::min(m_header.Frames, room); ++i)
        m_frames.push_back(std::make_unique<TIconFrame>(m_header.DisplayRate, static_cast<int>(i)));
}

void TAnimatedCursorImage::ReadFrameList(ByteReader& list) {
    // Each sub-chunk takes at least its header.
    for (int number = 0; list.Remaining() >= kChunkHeaderSize;) {
        const TRiffChunkHeader header = ReadChunkHeader(list);
        ByteReader chunk = TakeChunk(list, header);
        if (!IdIs(header, kIconChunk))
            continue;
        if (!ReadIcon(chunk.Bytes(chunk.Remaining()), header, number))
            return;
        ++number;
    }
}

void TAnimatedCursorImage::ReadInfoList(ByteReader& list) {
    while (list.Remaining() >= kChunkHeaderSize) {
        const TRiffChunkHeader header = ReadChunkHeader(list);
        if (header.Size > list.Remaining())
            return;
        ByteReader chunk = TakeChunk(list, header);
        if (IdIs(header, kInam))
            m_title = ReadText(chunk);
        else if (IdIs(header, kIart))
            m_author = ReadText(chunk);
    }
}

bool TAnimatedCursorImage::ReadIcon(const QByteArray& data, const TRiffChunkHeader& header, int number) {
    QByteArray file = data;
    bool isIcon = false;
    QPoint hotSpot;
    int colorCount = m_colorCount;
    try {
        const IconFile icons(file);
        isIcon = icons.Type() == IconFile::kTypeIcon;
        for (std::size_t i = 0; i < icons.Entries().size(); ++i) {
            colorCount = std::max(colorCount, ColorsOfBits(icons.ImageBitCount(i)));
            hotSpot = QPoint(icons.Entries()[i].PlanesOrHotX, icons.Entries()[i].BitCountOrHotY);
        }
        // A cursor loads as an icon.
        qToLittleEndian<std::uint16_t>(IconFile::kTypeIcon, file.data() + IconFile::kTypeOffset);
    } catch (const EInvalidGraphic&) {
        return false;
    }
    TIcon icon;
    try {
        icon.LoadFromData(file);
    } catch (const EInvalidGraphic&) {
        return false;
    }
    m_colorCount = colorCount;
    if (isIcon)
        hotSpot = QPoint(icon.Width() / 2, icon.Height() / 2);
    bool placed = false;
    for (const auto& frame : m_frames) {
        if (frame->Index() != number)
            continue;
        frame->Icon().Assign(&icon);
        frame->SetIsIcon(isIcon);
        frame->SetChunkHeader(header);
        frame->SetHotSpot(hotSpot);
        placed = true;
    }
    if (!placed) {
        auto frame = std::make_unique<TIconFrame>(m_header.DisplayRate, -1);
        frame->Icon().Assign(&icon);
        frame->SetIsIcon(isIcon);
        frame->SetChunkHeader(header);
        frame->SetHotSpot(hotSpot);
        m_frames.push_back(std::move(frame));
    }
    return true;
}
