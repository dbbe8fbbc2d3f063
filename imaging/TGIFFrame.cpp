#include "imaging/TGIFFrame.h"

#include "imaging/BmpGraph.h"
#include "imaging/GifLzwDecoder.h"
#include "imaging/GifLzwEncoder.h"
#include "imaging/TGIFImage.h"
#include "platform/base/ByteReader.h"
#include "platform/base/ByteWriter.h"
#include "platform/graphics/BitmapFile.h"
#include "platform/graphics/GraphicsErrors.h"

namespace {

constexpr int kDelayUnitMs = 10;
constexpr std::uint32_t kMaxDelay = 0xFFFF;
constexpr std::uint8_t kUnsetPaletteByte = 128;
constexpr int kPixelOffsetPosition = 10;
constexpr int kColorsUsedPosition = BitmapFile::kFileHeaderSize + 32;

[[noreturn]] void WrongColorCount() {
    throw EInvalidGraphicOperation(QStringLiteral("Wrong number of colors; must be a power of 2"));
}

// The bit count of the decoded bitmap for a frame's bits per pixel.
int BitmapBitCount(int bitsPerPixel) {
    if (bitsPerPixel == 1)
        return 1;
    if (bitsPerPixel >= 2 && bitsPerPixel <= 4)
        return 4;
    if (bitsPerPixel >= 5 && bitsPerPixel <= 8)
        return 8;
    WrongColorCount();
}

} // namespace

TGIFFrame::TGIFFrame(TGIFImage* owner) : m_owner(owner), m_item(std::make_shared<TGIFItem>()) {}

TGIFFrame::~TGIFFrame() = default;

void TGIFFrame::Reset() {
    m_item = std::make_shared<TGIFItem>();
    m_grayScale = false;
    m_corrupted = false;
    m_transparentColor = clNone;
    m_transparentIndex = -1;
    m_topLeft = QPoint(0, 0);
    m_interlaced = false;
    m_localColorTable = false;
    m_animateInterval = 0;
    m_disposalMethod = 0;
}

void TGIFFrame::SetFrameBitmap(std::unique_ptr<TBitmap> bitmap) {
    m_bitmap = std::move(bitmap);
    if (m_bitmap)
        m_bitmap->OnChange = TNotifyEvent(this, &TGIFFrame::BitmapChanged);
}

void TGIFFrame::BitmapChanged(TObject*) {
    // The compressed data no longer show the bitmap: encode it again on
    // writing. The transparent index the frame names stays.
    if (HasImageData())
        m_item = std::make_shared<TGIFItem>();
}

TBitmap& TGIFFrame::FrameBitmap() {
    if (HasBitmap())
        return *m_bitmap;
    if (HasImageData())
        Decode();
    else
        SetFrameBitmap(std::make_unique<TBitmap>());
    return *m_bitmap;
}

int TGIFFrame::Width() {
    if (!HasBitmap() && !HasImageData())
        return 0;
    return FrameBitmap().Width();
}

int TGIFFrame::Height() {
    if (!HasBitmap() && !HasImageData())
        return 0;
    return FrameBitmap().Height();
}

QPoint TGIFFrame::StoredSize() const {
    if (HasBitmap())
        return QPoint(m_bitmap->Width(), m_bitmap->Height());
    return m_item->Size;
}

void TGIFFrame::SetTopLeft(QPoint value) {
    m_topLeft = value;
    if (m_owner)
        m_owner->UpdateScreenSize(*this);
}

int TGIFFrame::TransparentIndex() const {
    if (m_transparentColor == clNone)
        return -1;
    QList<TColor> entries;
    if (HasImageData() || !HasBitmap()) {
        const TGIFColorTable& table = m_item->ColorTable;
        for (std::uint32_t i = 0; i < table.Count(); ++i)
            entries.append(table.Color(static_cast<int>(i)));
    } else {
        for (const QRgb entry : m_bitmap->GetPalette())
            entries.append(QRgbToColor(entry) & 0xFFFFFF);
    }
    const TColor color = ColorToRGB(m_transparentColor) & 0xFFFFFF;
    if (m_transparentIndex >= 0 && m_transparentIndex < entries.size() &&
        entries[m_transparentIndex] == color)
        return m_transparentIndex;
    return static_cast<int>(entries.indexOf(color));
}

TExtension* TGIFFrame::GraphicControl() const {
    for (const auto& extension : m_extensions)
        if (extension->Kind() == TGIFExtensionKind::GraphicControl)
            return extension.get();
    return nullptr;
}

QList<QByteArray>& TGIFFrame::CommentLines() {
    for (const auto& extension : m_extensions)
        if (extension->Kind() == TGIFExtensionKind::Comment)
            return extension->Data();
    m_extensions.push_back(std::make_unique<TExtension>(TGIFExtensionKind::Comment));
    return m_extensions.back()->Data();
}

void TGIFFrame::Decode() {
    const TGIFItem& item = *m_item;
    const int bitCount = BitmapBitCount(item.BitsPerPixel);
    const int width = item.Size.x();
    const int height = item.Size.y();
    if (width <= 0 || height <= 0)
        throw EInvalidGraphicOperation(QStringLiteral("GIF frame has no size"));
    if (VisibleSize().isEmpty()) {
        // Wholly off the logical screen: nothing of it shows.
        SetFrameBitmap(std::make_unique<TBitmap>());
        return;
    }
    if (static_cast<std::int64_t>(width) * height > TGIFImage::kMaxPixels)
        throw EInvalidGraphicOperation(QStringLiteral("GIF frame too large: %1 x %2").arg(width).arg(height));

    const int paletteEntries = 1 << bitCount;
    const std::int64_t rowBytes = BitmapFile::RowBytes(width, bitCount);
    const std::int64_t pixelOffset = BitmapFile::kFileHeaderSize + BitmapFile::kInfoHeaderSize +
                                     paletteEntries * BitmapFile::kPaletteEntrySize;
    ByteWriter writer;
    writer.U16(BitmapFile::kSignature);
    writer.U32(static_cast<std::uint32_t>(pixelOffset + rowBytes * height));
    writer.U32(0);
    writer.U32(static_cast<std::uint32_t>(pixelOffset));
    writer.U32(BitmapFile::kInfoHeaderSize);
    writer.U32(static_cast<std::uint32_t>(width));
    writer.U32(static_cast<std::uint32_t>(height));
    writer.U16(1);
    writer.U16(static_cast<std::uint16_t>(bitCount));
    writer.Zeros(BitmapFile::kInfoHeaderSize - 16);
    for (int i = 0; i < paletteEntries; ++i) {
        if (static_cast<std::uint32_t>(i) < item.ColorTable.Count()) {
            const auto& entry = item.ColorTable.Entry(i);
            writer.U8(entry[2]);
            writer.U8(entry[1]);
            writer.U8(entry[0]);
            writer.U8(0);
        } else {
            writer.U32(0x01010101u * kUnsetPaletteByte);
        }
    }
    writer.Zeros(static_cast<std::size_t>(rowBytes * height));
    QByteArray file = writer.Take();

    auto* pixels = reinterpret_cast<std::uint8_t*>(file.data()) + pixelOffset;
    const GifLzwRows rows{pixels + (height - 1) * rowBytes, -rowBytes, width, height, bitCount};
    const auto data =
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(item.ImageData.constData()),
                                      static_cast<std::size_t>(item.ImageData.size()));
    m_corrupted = GifLzwDecoder::Decode(data, rows, item.BitsPerPixel, m_interlaced,
                                        TGIFImage::IgnoreCorruptData, OwnerProgress()) ||
                  m_corrupted;
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromData(file);
    const QSize visible = VisibleSize();
    if (visible != QSize(width, height))
        bitmap->SetImage(bitmap->Image().copy(QRect(QPoint(0, 0), visible)), bitmap->PixelFormat());
    SetFrameBitmap(std::move(bitmap));
}

QSize TGIFFrame::VisibleSize() const {
    const QSize size(m_item->Size.x(), m_item->Size.y());
    if (!m_owner)
        return size;
    return size.boundedTo(QSize(std::max(m_owner->ScreenWidth() - m_topLeft.x(), 0),
                                std::max(m_owner->ScreenHeight() - m_topLeft.y(), 0)));
}

GifLzwProgress TGIFFrame::OwnerProgress() const {
    if (!m_owner)
        return {};
    TGIFImage* owner = m_owner;
    return [owner](TProgressStage stage, int percent, const QString& message) {
        owner->ReportProgress(stage, percent, message);
    };
}

void TGIFFrame::Encode() {
    if (!HasBitmap())
        throw EInvalidGraphicOperation(QStringLiteral("No GIF Data to write"));
    QByteArray file;
    const TPixelFormat format = m_bitmap->PixelFormat();
    const bool paletted =
        format == TPixelFormat::pf1bit || format == TPixelFormat::pf4bit || format == TPixelFormat::pf8bit;
    if (paletted) {
        file = m_bitmap->SaveToBitmapFile();
    } else {
        const TColorMappingMethod method = m_grayScale ? TColorMappingMethod::Grey : DefaultColorMapping;
        file = BitmapToDIBStream(*m_bitmap, TPixelFormat::pf8bit, method);
        if (method == TColorMappingMethod::Grey)
            m_grayScale = true;
    }

    auto item = std::make_shared<TGIFItem>();
    int width = 0;
    int height = 0;
    int bitCount = 0;
    std::uint32_t pixelOffset = 0;
    try {
        ByteReader reader(file);
        reader.Seek(kPixelOffsetPosition);
        pixelOffset = reader.U32();
        const std::uint32_t headerSize = reader.U32();
        width = reader.I32();
        height = reader.I32();
        reader.Skip(2);
        bitCount = reader.U16();
        reader.Seek(kColorsUsedPosition);
        const std::uint32_t colorsUsed = reader.U32();
        if (bitCount != 1 && bitCount != 4 && bitCount != 8)
            throw EInvalidGraphicOperation(QStringLiteral("GIF image encoding error"));
        const std::uint32_t colors = 1u << bitCount;
        const std::uint32_t stored = colorsUsed == 0 ? colors : std::min(colorsUsed, colors);
        // The index the frame names means nothing in the new palette of a
        // reduced bitmap, nor past the entries a palette holds.
        if (!paletted || m_transparentIndex >= static_cast<int>(stored))
            m_transparentIndex = -1;
        reader.Seek(BitmapFile::kFileHeaderSize + headerSize);
        item->ColorTable.SetCount(std::min<std::uint32_t>(colors, TGIFColorTable::kMaxEntries));
        for (std::uint32_t i = 0; i < stored; ++i) {
            const std::uint8_t blue = reader.U8();
            const std::uint8_t green = reader.U8();
            const std::uint8_t red = reader.U8();
            reader.Skip(1);
            item->ColorTable.Set(static_cast<int>(i), red, green, blue);
        }
        const std::int64_t rowBytes = BitmapFile::RowBytes(width, bitCount);
        reader.Seek(pixelOffset);
        const std::uint8_t* pixels = reader.View(static_cast<std::size_t>(rowBytes * height)).data();
        const GifLzwRows rows{const_cast<std::uint8_t*>(pixels) + (height - 1) * rowBytes, -rowBytes, width,
                              height, bitCount};
        GifLzwEncoder::Encode(item->ImageData, rows, m_interlaced, OwnerProgress());
    } catch (const EByteReadError&) {
        throw EInvalidGraphicOperation(QStringLiteral("GIF image encoding error"));
    } catch (const EAbort&) {
        Reset();
        throw;
    }
    item->BitsPerPixel = static_cast<std::uint8_t>(item->ColorTable.BitsNeeded());
    item->Size = QPoint(width, height);
    TGIFData& data = *m_owner->Data();
    if (data.ColorTable.Count() == 0) {
        data.ColorTable = item->ColorTable;
        data.BitsPerPixel = item->BitsPerPixel;
        data.ColorResolution = item->BitsPerPixel;
        m_localColorTable = false;
    } else {
        m_localColorTable = true;
    }
    m_item = std::move(item);
    m_owner->UpdateScreenSize(*this);
}

void TGIFFrame::Take(GifFileFrame frame) {
    m_topLeft = frame.TopLeft;
    m_interlaced = frame.Interlaced;
    m_localColorTable = frame.LocalColorTable;
    m_corrupted = frame.Corrupted;
    const TGIFItem& item = *frame.Item;
    m_animateInterval = 0;
    for (const auto& extension : frame.Extensions) {
        if (extension->Kind() != TGIFExtensionKind::GraphicControl)
            continue;
        const std::uint8_t control = extension->Packed();
        if (!(control & TExtension::kTransparentFlag)) {
            m_transparentColor = clNone;
            m_transparentIndex = -1;
        } else if (extension->TransparentIndex() < item.ColorTable.Count()) {
            m_transparentColor = item.ColorTable.Color(extension->TransparentIndex());
            m_transparentIndex = extension->TransparentIndex();
        }
        m_animateInterval = std::max<std::uint32_t>(extension->Delay() * kDelayUnitMs, m_animateInterval);
        m_disposalMethod = (control >> TExtension::kDisposalShift) & TExtension::kDisposalMask;
    }
    m_extensions = std::move(frame.Extensions);
    m_item = std::move(frame.Item);
}

bool TGIFFrame::UpdateExtensions() {
    TExtension* control = GraphicControl();
    if (!control && (m_animateInterval != 0 || m_transparentColor != clNone || m_disposalMethod != 0)) {
        m_extensions.insert(m_extensions.begin(),
                            std::make_unique<TExtension>(TGIFExtensionKind::GraphicControl));
        control = m_extensions.front().get();
    }
    if (control) {
        control->SetDelay(static_cast<std::uint16_t>(std::min(m_animateInterval / kDelayUnitMs, kMaxDelay)));
        std::uint8_t packed = control->Packed();
        const int index = TransparentIndex();
        if (index >= 0) {
            packed |= TExtension::kTransparentFlag;
            control->SetTransparentIndex(static_cast<std::uint8_t>(index));
        } else {
            packed &= static_cast<std::uint8_t>(~TExtension::kTransparentFlag);
        }
        packed &= static_cast<std::uint8_t>(~(TExtension::kDisposalMask << TExtension::kDisposalShift));
        packed |= static_cast<std::uint8_t>(m_disposalMethod << TExtension::kDisposalShift);
        control->SetPacked(packed);
    }
    std::erase_if(m_extensions, [](const std::unique_ptr<TExtension>& e) {
        return e->Kind() == TGIFExtensionKind::Comment && e->Data().isEmpty();
    });
    return !m_extensions.empty();
}

GifFileFrame TGIFFrame::FileFrame() const {
    GifFileFrame frame;
    for (const auto& extension : m_extensions) {
        auto copy = std::make_unique<TExtension>(extension->Kind());
        copy->Assign(extension.get());
        frame.Extensions.push_back(std::move(copy));
    }
    frame.TopLeft = m_topLeft;
    frame.Interlaced = m_interlaced;
    frame.LocalColorTable = m_localColorTable;
    frame.Corrupted = m_corrupted;
    frame.Item = m_item;
    return frame;
}

void TGIFFrame::Assign(const TPersistent* source) {
    if (!source) {
        Reset();
        m_bitmap.reset();
    } else if (const auto* frame = dynamic_cast<const TGIFFrame*>(source)) {
        if (frame == this)
            return;
        m_item = frame->m_item;
        m_topLeft = frame->m_topLeft;
        m_interlaced = frame->m_interlaced;
        if (frame->m_bitmap) {
            auto bitmap = std::make_unique<TBitmap>();
            bitmap->Assign(frame->m_bitmap.get());
            SetFrameBitmap(std::move(bitmap));
        } else {
            m_bitmap.reset();
        }
        m_transparentColor = frame->m_transparentColor;
        m_transparentIndex = frame->m_transparentIndex;
        m_animateInterval = frame->m_animateInterval;
        m_disposalMethod = frame->m_disposalMethod;
        m_grayScale = frame->m_grayScale;
        m_corrupted = frame->m_corrupted;
        for (const auto& extension : frame->m_extensions)
            if (extension->Kind() == TGIFExtensionKind::Comment && !extension->Data().isEmpty())
                CommentLines() = extension->Data();
        m_localColorTable = frame->m_owner == m_owner ? frame->m_localColorTable : true;
    } else if (const auto* image = dynamic_cast<const TGIFImage*>(source)) {
        if (image->Count() == 0) {
            Assign(nullptr);
            return;
        }
        const int index = image->FrameIndex() < 0 ? 0 : image->FrameIndex();
        Assign(&image->Frames(std::min(index, image->Count() - 1)));
        return;
    } else if (const auto* graphic = dynamic_cast<const TGraphic*>(source)) {
        if (graphic->Empty()) {
            Assign(nullptr);
            return;
        }
        AssignGraphic(*graphic);
    } else {
        TPersistent::Assign(source);
        return;
    }
    if (m_owner)
        m_owner->UpdateScreenSize(*this);
}

void TGIFFrame::AssignGraphic(const TGraphic& graphic) {
    Reset();
    auto bitmap = std::make_unique<TBitmap>();
    const auto* sourceBitmap = dynamic_cast<const TBitmap*>(&graphic);
    bitmap->SetMonochrome(sourceBitmap && sourceBitmap->Monochrome());
    try {
        bitmap->Assign(&graphic);
    } catch (const Exception&) {
        // Graphics that cannot become a bitmap are drawn on fuchsia instead.
        bitmap->SetMonochrome(false);
        bitmap->SetSize(graphic.Width(), graphic.Height());
        TCanvas& canvas = bitmap->Canvas();
        canvas.SetBrushColor(clFuchsia);
        canvas.FillRect(QRect(0, 0, graphic.Width(), graphic.Height()));
        canvas.StretchDraw(QRect(0, 0, graphic.Width(), graphic.Height()), graphic);
    }
    if (graphic.Transparent())
        m_transparentColor =
            sourceBitmap ? sourceBitmap->TransparentColor() : bitmap->NearestColor(clFuchsia);
    SetFrameBitmap(std::move(bitmap));
}

void TGIFFrame::AssignTo(TPersistent* dest) const {
    if (auto* bitmap = dynamic_cast<TBitmap*>(dest)) {
        bitmap->Assign(&const_cast<TGIFFrame*>(this)->FrameBitmap());
        if (m_transparentColor != clNone) {
            bitmap->SetTransparentColor(bitmap->NearestColor(m_transparentColor));
            bitmap->SetTransparent(true);
        }
        return;
    }
    TPersistent::AssignTo(dest);
}
