#pragma once
// Device-independent bitmap files ("BM"): uncompressed rows of 1, 4, 8, 24
// or 32 bits, bottom row first, each padded to 4 bytes, after a 14-byte file
// header, a 40-byte information header and a palette of (blue, green, red,
// 0) entries. Read into and written from Qt images: 1-bit as Format_Mono,
// 4- and 8-bit as Format_Indexed8 with a full colour table, 24-bit as
// Format_RGB888 and 32-bit as Format_RGB32.

#include <QByteArray>
#include <QImage>
#include <cstdint>

class BitmapFile {
public:
    static constexpr std::uint16_t kSignature = 0x4D42; // "BM"
    static constexpr int kFileHeaderSize = 14;
    static constexpr int kInfoHeaderSize = 40;
    static constexpr int kPaletteEntrySize = 4;
    static constexpr std::uint32_t kBiRgb = 0;
    // Largest picture accepted, checked before anything is allocated.
    static constexpr std::int64_t kMaxPixels = 64LL * 1024 * 1024;

    // The fields of the information header that callers use.
    struct Info {
        int Width = 0;
        int Height = 0;
        int BitCount = 0;
        std::uint32_t ColorsUsed = 0;
        std::uint32_t ColorsImportant = 0;
    };

    // Raises EInvalidGraphic ("Bitmap image is not valid") for anything it
    // cannot read.
    static QImage Read(const QByteArray& file, Info* info = nullptr);
    // `image` in the format that `bitCount` reads into; `colorsImportant`
    // goes into the header as it is.
    static QByteArray Write(const QImage& image, int bitCount, std::uint32_t colorsImportant = 0);

    // Row length in bytes for a bit count, rounded up to 32 bits.
    static std::int64_t RowBytes(std::int64_t width, int bitCount);
    // The Qt format a bit count reads into.
    static QImage::Format FormatFor(int bitCount);
};
