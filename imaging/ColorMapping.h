#pragma once
// The colour mapping methods that reduce 24-bit pixels to an 8-bit palette,
// in place: the 24-bit rows (blue, green, red, each row padded to 4 bytes)
// are read in stored order and each row's indices are written at the start
// of the buffer behind the read position, as padded 8-bit rows.

#include <QList>
#include <QRgb>
#include <array>
#include <cstdint>

enum class TColorMappingMethod : std::uint8_t {
    Histogram = 0, // the most frequent colours
    MedianCut = 1, // box averages, up to 256
    Fixed784 = 2,  // 7 red, 8 green, 4 blue levels
    Fixed666 = 3,  // 6 levels each
    ThreeWay = 4,  // 64-step red, green and blue ramps, one channel per pixel
    Grey = 5,      // 256 grey levels
};

// A 24-bit picture in a buffer of its own, rewritten in place to 8-bit.
struct TrueColorPixels {
    std::uint8_t* Data = nullptr;
    int Width = 0;
    int Height = 0;
    std::int64_t Stride24 = 0;
    std::int64_t Stride8 = 0;
};

class ColorMapping {
public:
    static constexpr int kPaletteSize = 256;

    // For every channel value, the index of the nearest level of the 4-,
    // 6-, 7- and 8-level tables (the lower level on equal distance).
    struct LevelTables {
        std::array<std::uint8_t, 256> Nearest4;
        std::array<std::uint8_t, 256> Nearest6;
        std::array<std::uint8_t, 256> Nearest7;
        std::array<std::uint8_t, 256> Nearest8;
    };
    static const LevelTables& Levels();

    // Maps the pixels with `method`, filling a 256-entry palette. Returns
    // the count of important colours to store in the bitmap header (0 for
    // all).
    static std::uint32_t Map(TColorMappingMethod method, const TrueColorPixels& pixels, QList<QRgb>& palette);

private:
    static std::uint32_t MapFixed(const TrueColorPixels& pixels, QList<QRgb>& palette, bool sevenEightFour);
    static void MapThreeWay(const TrueColorPixels& pixels, QList<QRgb>& palette);
    static void MapGrey(const TrueColorPixels& pixels, QList<QRgb>& palette);
};
