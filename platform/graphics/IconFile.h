#pragma once
// Icon and cursor files (ICO/CUR): a 6-byte header (reserved 0, type 1 for
// icons or 2 for cursors, image count), a directory of 16-byte entries, and
// the images the entries point to: each a bitmap information header with
// its palette, colour rows and a 1-bit transparency mask (height counted
// twice), or a PNG file. Cursor entries hold the hot spot where icon entries
// hold planes and bit count. Everything is checked against the file before
// anything is allocated.

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <cstdint>
#include <vector>

class IconFile {
public:
    static constexpr int kHeaderSize = 6;
    static constexpr int kEntrySize = 16;
    static constexpr int kInfoHeaderSize = 40;
    static constexpr int kTypeOffset = 2;
    static constexpr std::uint16_t kTypeIcon = 1;
    static constexpr std::uint16_t kTypeCursor = 2;
    // Largest side of one image accepted.
    static constexpr int kMaxSide = 1024;

    struct Entry {
        int Width = 0; // from the directory: 0 stands for 256
        int Height = 0;
        int ColorCount = 0;
        std::uint16_t PlanesOrHotX = 0;
        std::uint16_t BitCountOrHotY = 0;
        std::uint32_t Size = 0;
        std::uint32_t Offset = 0;
    };

    // Raises EInvalidGraphic ("Icon image is not valid") for a damaged header
    // or a directory entry outside the file.
    explicit IconFile(const QByteArray& data);

    std::uint16_t Type() const { return m_type; }
    const std::vector<Entry>& Entries() const { return m_entries; }
    // The bit count an entry's image header gives (32 for PNG images).
    int ImageBitCount(std::size_t index) const;
    // The entry's picture with its transparency as alpha.
    QImage Decode(std::size_t index) const;
    // The entry shown by default: the largest, then the one with most colours.
    std::size_t BestIndex() const;

private:
    QByteArray ImageData(std::size_t index) const;

    QByteArray m_data;
    std::uint16_t m_type = 0;
    std::vector<Entry> m_entries;
};
