#include "imaging/TGIFImage.h"

#include "imaging/BmpUtils.h"
#include "imaging/GifFileReader.h"
#include "imaging/GifFileWriter.h"
#include "imaging/TAnimatedCursorImage.h"
#include "platform/base/ByteReader.h"
#include "platform/graphics/GraphicsErrors.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TClipboard.h"

#include <QBuffer>
#include <QtEndian>

bool TGIFImage::IgnoreCorruptData = true;
unsigned TGIFImage::ClipboardFormat = 0;

namespace {

constexpr int kLengthSize = 4;
constexpr int kJiffiesPerSecond = 60;
constexpr int kMsPerSecond = 1000;

QByteArray WithLength(const QByteArray& file) {
    QByteArray data(kLengthSize, '\0');
    qToLittleEndian(static_cast<quint32>(file.size()), data.data());
    return data + file;
}

// The GIF file after a 32-bit length; the rest of `stream` when shorter.
QByteArray ReadWithLength(QIODevice& stream) {
    const QByteArray length = stream.read(kLengthSize);
    if (length.size() != kLengthSize)
        throw EInvalidGraphicOperation(QStringLiteral("Stream read error"));
    const quint32 size = ByteReader(length).U32();
    if (size > static_cast<quint64>(stream.bytesAvailable()) && !stream.isSequential())
        throw EInvalidGraphicOperation(QStringLiteral("Stream read error"));
    return stream.read(size);
}

} // namespace

TGIFImage::TGIFImage() : m_data(std::make_shared<TGIFData>()) {
    SetTransparent(true);
    SetModified(false);
}

TGIFImage::~TGIFImage() = default;

void TGIFImage::Clear() {
    m_data = std::make_shared<TGIFData>();
    m_version = 0;
    m_frames.clear();
    m_frameIndex = -1;
    m_screenWidth = 0;
    m_screenHeight = 0;
    m_backgroundColor = clNone;
    m_looping = false;
    m_repeatCount = 1;
}

void TGIFImage::ReportProgress(TProgressStage stage, int percent, const QString& message) {
    Progress(stage, percent, message);
}

TGIFFrame* TGIFImage::CurrentFrame() const {
    if (m_frames.empty())
        return nullptr;
    const int index = m_frameIndex >= 0 && m_frameIndex < Count() ? m_frameIndex : 0;
    return m_frames[static_cast<std::size_t>(index)].get();
}

void TGIFImage::UpdateScreenSize(const TGIFFrame& frame) {
    const QPoint size = frame.StoredSize();
    m_screenWidth = std::max(m_screenWidth, frame.TopLeft().x() + size.x());
    m_screenHeight = std::max(m_screenHeight, frame.TopLeft().y() + size.y());
}

int TGIFImage::AppendFrame(const TPersistent* graphic) {
    m_frames.push_back(std::make_unique<TGIFFrame>(this));
    m_frameIndex = Count() - 1;
    if (m_version == 0)
        m_version = 1;
    if (Count() > 1)
        m_version = 2;
    m_frames.back()->Assign(graphic);
    return m_frameIndex;
}

TBitmap& TGIFImage::CurrentBitmap() {
    if (m_frames.empty()) {
        m_frameIndex = 0;
        const TBitmap empty;
        Assign(&empty);
    }
    return CurrentFrame()->FrameBitmap();
}

void TGIFImage::Assign(const TPersistent* source) {
    if (source == this)
        return;
    if (!source) {
        Clear();
    } else if (const auto* image = dynamic_cast<const TGIFImage*>(source)) {
        Clear();
        m_data = image->m_data;
        m_version = image->m_version;
        m_backgroundColor = image->m_backgroundColor;
        m_repeatCount = image->m_repeatCount;
        m_looping = image->m_looping;
        for (const auto& frame : image->m_frames) {
            m_frames.push_back(std::make_unique<TGIFFrame>(this));
            m_frames.back()->Assign(frame.get());
            m_frames.back()->SetLocalColorTable(frame->LocalColorTable());
        }
        m_screenWidth = image->m_screenWidth;
        m_screenHeight = image->m_screenHeight;
        m_frameIndex = image->m_frameIndex;
    } else if (const auto* frame = dynamic_cast<const TGIFFrame*>(source)) {
        Clear();
        if (const TGIFImage* owner = frame->Owner()) {
            m_data->AspectRatio = owner->m_data->AspectRatio;
            m_data->BitsPerPixel = owner->m_data->BitsPerPixel;
            m_data->ColorResolution = owner->m_data->ColorResolution;
            m_data->ColorTable = owner->m_data->ColorTable;
        }
        m_frames.push_back(std::make_unique<TGIFFrame>(this));
        m_frames.back()->Assign(frame);
        m_frameIndex = 0;
        if (m_version == 0)
            m_version = 1;
    } else if (dynamic_cast<const TBitmap*>(source)) {
        Clear();
        AppendFrame(source);
    } else if (const auto* cursor = dynamic_cast<const TAnimatedCursorImage*>(source)) {
        Clear();
        m_backgroundColor = clWindow;
        for (int i = 0; i < cursor->Count(); ++i) {
            const TIconFrame& cursorFrame = cursor->Frames(i);
            AppendFrame(&cursorFrame.Icon());
            m_frames.back()->SetAnimateInterval(cursorFrame.Rate() * kMsPerSecond / kJiffiesPerSecond);
        }
    } else {
        TGraphic::Assign(source);
        return;
    }
    Changed();
}

void TGIFImage::AssignTo(TPersistent* dest) const {
    if (auto* image = dynamic_cast<TGIFImage*>(dest)) {
        image->Assign(this);
        return;
    }
    if (auto* graphic = dynamic_cast<TGraphic*>(dest)) {
        if (Empty())
            graphic->Assign(nullptr);
        else if (m_frameIndex >= 0)
            CurrentFrame()->AssignTo(dest);
        else
            graphic->Assign(&const_cast<TGIFImage*>(this)->CurrentBitmap());
        return;
    }
    TGraphic::AssignTo(dest);
}

void TGIFImage::Draw(TCanvas& canvas, const QRect& rect) const {
    if (m_frameIndex < 0)
        return;
    TGIFFrame* frame = CurrentFrame();
    if (!frame)
        return;
    const TBitmap& bitmap = frame->FrameBitmap();
    if (frame->TransparentColor() == clNone || !InheritedTransparent()) {
        canvas.StretchDraw(rect, bitmap);
        return;
    }
    // The pixels holding the transparent index are transparent, not every
    // pixel of its colour: a palette may hold that colour again, opaque.
    const int index = frame->TransparentIndex();
    const QImage& pixels = bitmap.Image();
    if (index >= 0 && index < pixels.colorCount() &&
        (pixels.color(index) & RGB_MASK) == (ColorToQRgb(frame->TransparentColor()) & RGB_MASK))
        StretchTransparentIndex(canvas, bitmap, index, rect);
    else
        StretchTransparent(canvas, bitmap, frame->TransparentColor(), rect.x(), rect.y(), rect.width(),
                           rect.height(), 0, 0, 0, 0);
}

bool TGIFImage::GetEmpty() const {
    if (m_frames.empty())
        return true;
    const int index = std::max(m_frameIndex, 0);
    if (index >= Count())
        return true;
    const TGIFFrame& frame = Frames(index);
    return !frame.HasBitmap() && !frame.HasImageData();
}

int TGIFImage::GetWidth() const {
    if (Empty() || m_frameIndex < 0 || m_frameIndex >= Count())
        return 0;
    return Frames(m_frameIndex).FrameBitmap().Width();
}

int TGIFImage::GetHeight() const {
    if (Empty() || m_frameIndex < 0 || m_frameIndex >= Count())
        return 0;
    return Frames(m_frameIndex).FrameBitmap().Height();
}

void TGIFImage::DoSetWidth(int) {
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the Size of a GIF image"));
}

void TGIFImage::DoSetHeight(int) {
    throw EInvalidGraphicOperation(QStringLiteral("Cannot change the Size of a GIF image"));
}

bool TGIFImage::GetTransparent() const {
    if (!InheritedTransparent())
        return false;
    return std::any_of(m_frames.begin(), m_frames.end(),
                       [](const auto& frame) { return frame->TransparentColor() != clNone; });
}

QList<QRgb> TGIFImage::GetPalette() const {
    if (m_frames.empty())
        return {};
    return CurrentFrame()->FrameBitmap().GetPalette();
}

bool TGIFImage::Equals(const TGraphic* graphic) const {
    const auto* image = dynamic_cast<const TGIFImage*>(graphic);
    return image && image->m_data == m_data;
}

void TGIFImage::ReadFile(const QByteArray& file, bool decodeFirst) {
    Clear();
    if (!file.isEmpty())
        Take(GifFileReader::Read(file));
    if (!m_frames.empty()) {
        m_frameIndex = 0;
        if (decodeFirst) {
            try {
                m_frames.front()->FrameBitmap();
            } catch (...) {
                m_frames.erase(m_frames.begin());
                if (m_frames.empty())
                    m_frameIndex = -1;
                throw;
            }
        }
    }
    Changed();
}

void TGIFImage::Take(GifFile file) {
    m_version = file.Version;
    m_screenWidth = file.ScreenWidth;
    m_screenHeight = file.ScreenHeight;
    *m_data = std::move(file.Screen);
    m_backgroundColor = file.BackgroundColor;
    m_looping = file.Looping;
    m_repeatCount = file.RepeatCount;
    for (GifFileFrame& read : file.Frames) {
        auto frame = std::make_unique<TGIFFrame>(this);
        frame->Take(std::move(read));
        m_frames.push_back(std::move(frame));
    }
}

QByteArray TGIFImage::WriteFile() const {
    if (m_frames.empty())
        throw EInvalidGraphicOperation(QStringLiteral("No GIF Data to write"));
    // Writing encodes frames that have no compressed data yet and brings
    // their extensions up to date: both are caches of what the picture holds.
    auto& self = const_cast<TGIFImage&>(*this);
    for (const auto& frame : m_frames) {
        if (!frame->HasImageData())
            frame->Encode();
        if (frame->UpdateExtensions())
            self.m_version = 2;
    }
    if (!m_data->Comment.isEmpty())
        self.m_version = 2;
    GifFile file;
    file.Version = m_version;
    file.ScreenWidth = m_screenWidth;
    file.ScreenHeight = m_screenHeight;
    file.Screen = *m_data;
    file.BackgroundColor = m_backgroundColor;
    file.Looping = m_looping;
    file.RepeatCount = m_repeatCount;
    for (const auto& frame : m_frames)
        file.Frames.push_back(frame->FileFrame());
    return GifFileWriter::Write(file);
}

void TGIFImage::LoadFromStream(QIODevice& stream) {
    ReadFile(stream.readAll(), true);
}

void TGIFImage::SaveToStream(QIODevice& stream) const {
    stream.write(WriteFile());
}

void TGIFImage::ReadData(QIODevice& stream) {
    ReadFile(ReadWithLength(stream), true);
}

void TGIFImage::WriteData(QIODevice& stream) const {
    stream.write(WithLength(WriteFile()));
}

void TGIFImage::SaveToClipboardFormat(TClipboardData& data) const {
    if (m_frames.empty())
        throw EInvalidGraphicOperation(QStringLiteral("No GIF Data to write"));
    m_frames.front()->FrameBitmap().SaveToClipboardFormat(data);
    const bool allEncoded = std::all_of(m_frames.begin(), m_frames.end(),
                                        [](const auto& frame) { return frame->HasImageData(); });
    if (allEncoded && ClipboardFormat != 0)
        TClipboard::Instance().SetAsHandle(ClipboardFormat, WithLength(WriteFile()));
}

void TGIFImage::LoadFromClipboardFormat(const TClipboardData& data) {
    TClipboard& clipboard = TClipboard::Instance();
    if (ClipboardFormat != 0 && clipboard.HasFormat(ClipboardFormat)) {
        QByteArray gif = clipboard.GetAsHandle(ClipboardFormat);
        QBuffer buffer(&gif);
        buffer.open(QIODevice::ReadOnly);
        ReadFile(ReadWithLength(buffer), false);
        if (clipboard.HasFormat(CF_BITMAP) && !m_frames.empty()) {
            auto bitmap = std::make_unique<TBitmap>();
            bitmap->LoadFromData(clipboard.GetAsHandle(CF_BITMAP));
            m_frames.front()->SetFrameBitmap(std::move(bitmap));
        }
        return;
    }
    TBitmap bitmap;
    bitmap.LoadFromData(data.Format == CF_BITMAP && !data.Data.isEmpty() ? data.Data
                                                                         : clipboard.GetAsHandle(CF_BITMAP));
    Assign(&bitmap);
}
