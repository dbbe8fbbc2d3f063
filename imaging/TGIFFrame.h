#pragma once
// One frame of a GIF picture: its compressed data (shared with copies of the
// frame), the bitmap decoded from it on first use, the extensions kept with
// it, and its place, transparency, timing and disposal. A frame without
// compressed data is encoded from its bitmap when the picture is written;
// changing the bitmap drops the compressed data, so that the change is
// what gets written.

#include "imaging/GifFileFrame.h"
#include "imaging/GifLzwDecoder.h"
#include "imaging/TExtension.h"
#include "imaging/TGIFItem.h"
#include "platform/graphics/TBitmap.h"

#include <memory>
#include <vector>

class TGIFImage;

class TGIFFrame : public TPersistent {
public:
    explicit TGIFFrame(TGIFImage* owner);
    ~TGIFFrame() override;

    QString ClassName() const override { return QStringLiteral("TGIFFrame"); }
    void Assign(const TPersistent* source) override;
    void AssignTo(TPersistent* dest) const override;

    TGIFImage* Owner() const { return m_owner; }
    // The decoded bitmap, decoded now when there is none yet.
    TBitmap& FrameBitmap();
    bool HasBitmap() const { return m_bitmap && !m_bitmap->Empty(); }
    // The frame comment's lines; the comment extension is made when missing.
    QList<QByteArray>& CommentLines();
    // 0 without bitmap and data; else the bitmap's size.
    int Width();
    int Height();
    // The size without decoding: the bitmap's when there is one, else the data's.
    QPoint StoredSize() const;

    const std::shared_ptr<TGIFItem>& Item() const { return m_item; }
    bool HasImageData() const { return !m_item->ImageData.isEmpty(); }
    std::vector<std::unique_ptr<TExtension>>& Extensions() { return m_extensions; }
    // The graphic-control extension; nullptr when there is none.
    TExtension* GraphicControl() const;

    QPoint TopLeft() const { return m_topLeft; }
    // The owner's logical screen grows to hold the frame at its new place.
    void SetTopLeft(QPoint value);
    bool Interlaced() const { return m_interlaced; }
    void SetInterlaced(bool value) { m_interlaced = value; }
    bool Corrupted() const { return m_corrupted; }
    TColor TransparentColor() const { return m_transparentColor; }
    void SetTransparentColor(TColor value) { m_transparentColor = value; }
    // The colour-table index whose pixels are transparent: the one the frame
    // names (read from its file or copied with it, kept when its bitmap is
    // replaced), as long as that entry holds the transparent colour (a table
    // may hold the colour twice, once opaque), else the first entry of that
    // colour; -1 without a transparent colour. The table is the compressed
    // data's, or the palette of a bitmap not encoded yet.
    int TransparentIndex() const;
    // Milliseconds.
    std::uint32_t AnimateInterval() const { return m_animateInterval; }
    void SetAnimateInterval(std::uint32_t value) { m_animateInterval = value; }
    std::uint8_t DisposalMethod() const { return m_disposalMethod; }
    void SetDisposalMethod(std::uint8_t value) { m_disposalMethod = value & TExtension::kDisposalMask; }
    bool LocalColorTable() const { return m_localColorTable; }
    void SetLocalColorTable(bool value) { m_localColorTable = value; }

    // Takes a frame read from a file; its graphic-control extension gives
    // the transparency, timing and disposal.
    void Take(GifFileFrame frame);
    // Brings the graphic-control extension up to date (delay, transparent
    // index, disposal method; made when one of them is set) and drops empty
    // comments, before writing; true when extensions remain (GIF89a).
    bool UpdateExtensions();
    // The frame as a file holds it (the extensions copied, the data shared).
    GifFileFrame FileFrame() const;
    // Fills the compressed data from the bitmap (before writing).
    void Encode();
    // Shows `bitmap` without touching the compressed data.
    void SetFrameBitmap(std::unique_ptr<TBitmap> bitmap);

private:
    void Reset();
    void Decode();
    // The part of the frame on the owner's logical screen.
    QSize VisibleSize() const;
    // Reports the coders' progress through the owner, when there is one.
    GifLzwProgress OwnerProgress() const;
    void BitmapChanged(TObject* sender);
    void AssignGraphic(const TGraphic& graphic);

    TGIFImage* m_owner;
    std::unique_ptr<TBitmap> m_bitmap;
    std::shared_ptr<TGIFItem> m_item;
    std::vector<std::unique_ptr<TExtension>> m_extensions;
    QPoint m_topLeft;
    bool m_interlaced = false;
    bool m_corrupted = false;
    bool m_grayScale = false;
    TColor m_transparentColor = clNone;
    int m_transparentIndex = -1;
    std::uint32_t m_animateInterval = 0;
    std::uint8_t m_disposalMethod = 0;
    bool m_localColorTable = false;
};
