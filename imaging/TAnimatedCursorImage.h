#pragma once
// Animated cursors (RIFF "ACON" files) read into a list of icon frames, to
// be given out as icons, as one bitmap strip, to an icon list or to a GIF
// picture. Writing is not offered.
//
// The file is a RIFF form of chunks (4-byte identifier, 32-bit size, data,
// a pad byte after odd sizes): "anih" the header, "rate" display times and
// "seq " frame numbers per step, "LIST" "fram" with one "icon" chunk (a
// whole icon or cursor file) per frame, "LIST" "INFO" with the title
// ("INAM") and author ("IART"). Every value of a "rate" or "seq " chunk
// goes to the next frame in order, not only the chunk's first. A frame
// list may come before the header: its icons become frames of their own.
// Chunk sizes are clamped to the data that remain, and announced frames
// are made only as far as the data that follow can hold their icons.

#include "imaging/TIconFrame.h"

#include <QIODevice>
#include <memory>
#include <vector>

class TBitmap;
class ByteReader;

class TAnimatedCursorImage : public TPersistent {
public:
    static constexpr int kChunkHeaderSize = 8;
    static constexpr int kHeaderSize = 36;
    static constexpr std::uint32_t kIconFlag = 0x01;
    static constexpr int kMaxTextLength = 255;

    // The "anih" record as stored.
    struct THeader {
        std::uint32_t Size = 0;
        std::uint32_t Frames = 0;
        std::uint32_t Steps = 0;
        std::uint32_t Width = 0;
        std::uint32_t Height = 0;
        std::uint32_t BitCount = 0;
        std::uint32_t Planes = 0;
        std::uint32_t DisplayRate = 0;
        std::uint32_t Flags = 0;
    };

    TAnimatedCursorImage();
    ~TAnimatedCursorImage() override;

    QString ClassName() const override { return QStringLiteral("TAnimatedCursorImage"); }
    void Assign(const TPersistent* source) override;
    void AssignTo(TPersistent* dest) const override;

    // Reads from the stream's position to its end; an empty rest changes
    // nothing. Raises EReadError "Stream read error" for data that are not
    // an animated cursor or hold no frame.
    virtual void LoadFromStream(QIODevice& stream);
    // Not offered: reported as not implemented.
    virtual void SaveToStream(QIODevice& stream) const;
    virtual void LoadFromFile(const QString& fileName);

    void Clear();
    int Count() const { return static_cast<int>(m_frames.size()); }
    TIcon& Icons(int index) const { return Frames(index).Icon(); }
    TIconFrame& Frames(int index) const { return *m_frames.at(static_cast<std::size_t>(index)); }
    const THeader& Header() const { return m_header; }
    const QString& Title() const { return m_title; }
    const QString& Author() const { return m_author; }
    int ColorCount() const { return m_colorCount; }

    // The frames side by side (or one under another) on `background`,
    // reduced to max(ColorCount, 16) colours when asked.
    void AssignToBitmap(TBitmap& bitmap, TColor background, bool vertical, bool reduceColors) const;

private:
    void Read(const QByteArray& data);
    void ReadHeaderChunk(ByteReader& chunk, std::size_t bytesLeft);
    void ReadFrameList(ByteReader& list);
    void ReadInfoList(ByteReader& list);
    // False when the icon cannot be read (the frame list ends).
    bool ReadIcon(const QByteArray& data, const TRiffChunkHeader& header, int number);

    THeader m_header;
    QString m_title;
    QString m_author;
    std::vector<std::unique_ptr<TIconFrame>> m_frames;
    int m_colorCount = 0;
    std::size_t m_nextRate = 0;
    std::size_t m_nextSequence = 0;
};
