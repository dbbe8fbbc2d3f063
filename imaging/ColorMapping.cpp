#include "imaging/ColorMapping.h"

#include "imaging/HistogramQuantizer.h"
#include "imaging/MedianCutQuantizer.h"

#include <cstdlib>

namespace {

constexpr std::array<int, 4> kLevels4 = {0, 85, 170, 255};
constexpr std::array<int, 6> kLevels6 = {0, 51, 102, 153, 204, 255};
constexpr std::array<int, 7> kLevels7 = {0, 43, 85, 128, 170, 213, 255};
constexpr std::array<int, 8> kLevels8 = {0, 36, 73, 109, 146, 182, 219, 255};
constexpr int kRampSize = 64;
constexpr int kFixed784Colors = 7 * 8 * 4;
constexpr int kFixed666Colors = 6 * 6 * 6;
constexpr int kGreyRed = 77;
constexpr int kGreyGreen = 150;
constexpr int kGreyBlue = 29;
const QRgb kUnusedGrey = qRgb(128, 128, 128);

template <std::size_t N> std::array<std::uint8_t, 256> NearestTable(const std::array<int, N>& levels) {
    std::array<std::uint8_t, 256> table{};
    for (int value = 0; value < 256; ++value) {
        std::size_t best = 0;
        for (std::size_t i = 1; i < N; ++i)
            if (std::abs(levels[i] - value) < std::abs(levels[best] - value))
                best = i;
        table[static_cast<std::size_t>(value)] = static_cast<std::uint8_t>(best);
    }
    return table;
}

} // namespace

const ColorMapping::LevelTables& ColorMapping::Levels() {
    static const LevelTables tables{NearestTable(kLevels4), NearestTable(kLevels6), NearestTable(kLevels7),
                                    NearestTable(kLevels8)};
    return tables;
}

std::uint32_t ColorMapping::Map(TColorMappingMethod method, const TrueColorPixels& pixels,
                                QList<QRgb>& palette) {
    palette.fill(qRgb(0, 0, 0), kPaletteSize);
    switch (method) {
    case TColorMappingMethod::MedianCut:
        return MedianCutQuantizer::Map(pixels, palette);
    case TColorMappingMethod::Fixed784:
        return MapFixed(pixels, palette, true);
    case TColorMappingMethod::Fixed666:
        return MapFixed(pixels, palette, false);
    case TColorMappingMethod::ThreeWay:
        MapThreeWay(pixels, palette);
        return 0;
    case TColorMappingMethod::Grey:
        MapGrey(pixels, palette);
        return 0;
    case TColorMappingMethod::Histogram:
        break;
    }
    HistogramQuantizer::Map(pixels, kPaletteSize, palette);
    return 0;
}

std::uint32_t ColorMapping::MapFixed(const TrueColorPixels& pixels, QList<QRgb>& palette,
                                     bool sevenEightFour) {
    const LevelTables& levels = Levels();
    const int count = sevenEightFour ? kFixed784Colors : kFixed666Colors;
    for (int index = 0; index < kPaletteSize; ++index) {
        if (index >= count) {
            palette[index] = kUnusedGrey;
        } else if (sevenEightFour) {
            palette[index] = qRgb(kLevels7[index / 32], kLevels8[index / 4 % 8], kLevels4[index % 4]);
        } else {
            palette[index] = qRgb(kLevels6[index / 36], kLevels6[index / 6 % 6], kLevels6[index % 6]);
        }
    }
    for (int y = 0; y < pixels.Height; ++y) {
        const std::uint8_t* in = pixels.Data + y * pixels.Stride24;
        std::uint8_t* out = pixels.Data + y * pixels.Stride8;
        for (int x = 0; x < pixels.Width; ++x, in += 3) {
            const std::uint8_t blue = in[0];
            const std::uint8_t green = in[1];
            const std::uint8_t red = in[2];
            out[x] = sevenEightFour
                         ? static_cast<std::uint8_t>(levels.Nearest7[red] * 32 + levels.Nearest8[green] * 4 +
                                                     levels.Nearest4[blue])
                         : static_cast<std::uint8_t>(levels.Nearest6[red] * 36 + levels.Nearest6[green] * 6 +
                                                     levels.Nearest6[blue]);
        }
    }
    return static_cast<std::uint32_t>(count);
}

void ColorMapping::MapThreeWay(const TrueColorPixels& pixels, QList<QRgb>& palette) {
    for (int i = 0; i < kRampSize; ++i) {
        palette[i] = qRgb(4 * i, 0, 0);
        palette[kRampSize + i] = qRgb(0, 4 * i, 0);
        palette[2 * kRampSize + i] = qRgb(0, 0, 4 * i);
    }
    for (int y = 0; y < pixels.Height; ++y) {
        const std::uint8_t* in = pixels.Data + y * pixels.Stride24;
        std::uint8_t* out = pixels.Data + y * pixels.Stride8;
        for (int x = 0; x < pixels.Width; ++x, in += 3) {
            switch ((y + x) % 3) {
            case 0:
                out[x] = static_cast<std::uint8_t>(in[2] >> 2);
                break;
            case 1:
                out[x] = static_cast<std::uint8_t>(kRampSize + (in[1] >> 2));
                break;
            default:
                out[x] = static_cast<std::uint8_t>(2 * kRampSize + (in[0] >> 2));
                break;
            }
        }
    }
}

void ColorMapping::MapGrey(const TrueColorPixels& pixels, QList<QRgb>& palette) {
    for (int i = 0; i < kPaletteSize; ++i)
        palette[i] = qRgb(i, i, i);
    for (int y = 0; y < pixels.Height; ++y) {
        const std::uint8_t* in = pixels.Data + y * pixels.Stride24;
        std::uint8_t* out = pixels.Data + y * pixels.Stride8;
        for (int x = 0; x < pixels.Width; ++x, in += 3)
            out[x] =
                static_cast<std::uint8_t>((kGreyRed * in[2] + kGreyGreen * in[1] + kGreyBlue * in[0]) >> 8);
    }
}
