#pragma once
// A GIF picture (GIF87a and GIF89a) in the picture family: any number of
// frames with their timing, transparency, disposal, interlace and colour
// tables, the loop count and the picture comment. It loads and saves GIF
// files, draws its current frame stretched, exchanges pictures with bitmaps
// and animated cursors and goes on the clipboard. Only the first frame is
// decoded on loading, the others on first use; frames keep their
// compressed data, so an unchanged picture is written back as it was read.

#include "imaging/GifFile.h"
#include "imaging/TGIFData.h"
#include "imaging/TGIFFrame.h"
#include "platform/graphics/TGraphic.h"

#include <memory>
#include <vector>

class TGIFImage : public TGraphic {
public:
    // Damaged image data are tolerated (the frame is marked corrupted and
    // shows what could be decoded) instead of raising.
    static bool IgnoreCorruptData;
    // The clipboard format "GIF Image", registered at start-up.
    static unsigned ClipboardFormat;
    // Largest frame accepted, in pixels. The logical screen is only
    // declared, never allocated, so any size is taken.
    static constexpr std::int64_t kMaxPixels = 4096LL * 4096;

    TGIFImage();
    ~TGIFImage() override;

    QString ClassName() const override { return QStringLiteral("TGIFImage"); }
    void Assign(const TPersistent* source) override;
    void AssignTo(TPersistent* dest) const override;

    void Draw(TCanvas& canvas, const QRect& rect) const override;
    // Reads from the stream's position to its end and decodes the first frame.
    void LoadFromStream(QIODevice& stream) override;
    void SaveToStream(QIODevice& stream) const override;
    void SaveToClipboardFormat(TClipboardData& data) const override;
    void LoadFromClipboardFormat(const TClipboardData& data) override;
    QList<QRgb> GetPalette() const override;
    // Only for a picture that shares this one's data.
    bool Equals(const TGraphic* graphic) const override;

    // Appends a frame made from `graphic`, makes it current and returns its index.
    virtual int AppendFrame(const TPersistent* graphic);

    int Count() const { return static_cast<int>(m_frames.size()); }
    TGIFFrame& Frames(int index) const { return *m_frames.at(static_cast<std::size_t>(index)); }
    int FrameIndex() const { return m_frameIndex; }
    void SetFrameIndex(int index) { m_frameIndex = index; }
    TBitmap& CurrentBitmap();

    const std::shared_ptr<TGIFData>& Data() const { return m_data; }
    QList<QByteArray>& Comment() { return m_data->Comment; }
    // 0 none yet, 1 "87a", 2 "89a".
    std::uint8_t Version() const { return m_version; }
    void SetVersion(std::uint8_t value) { m_version = value; }
    int ScreenWidth() const { return m_screenWidth; }
    int ScreenHeight() const { return m_screenHeight; }
    TColor BackgroundColor() const { return m_backgroundColor; }
    bool Looping() const { return m_looping; }
    void SetLooping(bool value) { m_looping = value; }
    std::uint16_t RepeatCount() const { return m_repeatCount; }
    void SetRepeatCount(std::uint16_t value) { m_repeatCount = value; }

    // The logical screen grows to hold the frame (a frame read from a file
    // may reach past it and is shown clipped).
    void UpdateScreenSize(const TGIFFrame& frame);
    // Where the frames report the progress of their decoding and encoding
    // (through OnProgress).
    void ReportProgress(TProgressStage stage, int percent, const QString& message);

protected:
    bool GetEmpty() const override;
    int GetWidth() const override;
    int GetHeight() const override;
    void DoSetWidth(int value) override;
    void DoSetHeight(int value) override;
    bool GetTransparent() const override;
    // A 32-bit length, then the GIF file.
    void ReadData(QIODevice& stream) override;
    void WriteData(QIODevice& stream) const override;

private:
    void Clear();
    // Reads a whole GIF file into this (empty) picture.
    void ReadFile(const QByteArray& file, bool decodeFirst);
    // Takes the header, screen and frames of a file read into this (empty) picture.
    void Take(GifFile file);
    QByteArray WriteFile() const;
    TGIFFrame* CurrentFrame() const;

    std::shared_ptr<TGIFData> m_data;
    std::uint8_t m_version = 0;
    std::vector<std::unique_ptr<TGIFFrame>> m_frames;
    int m_frameIndex = -1;
    int m_screenWidth = 0;
    int m_screenHeight = 0;
    TColor m_backgroundColor = clNone;
    bool m_looping = false;
    std::uint16_t m_repeatCount = 1;
};
