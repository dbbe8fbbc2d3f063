#pragma once
// Popularity reduction: colours are counted in a hash table of at most 2049
// entries; when they do not fit, one low bit is dropped from a channel mask
// (blue, red, green, blue, ... from full masks) and counting starts again.
// The most frequent colours form the palette; every other colour takes its
// nearest palette entry.

#include "imaging/ColorMapping.h"

class HistogramQuantizer {
public:
    static constexpr int kCapacity = 2049;
    static constexpr int kSlots = 5191;

    // Writes indices in place; `palette` has 256 entries, of which the first
    // `colors` are chosen and the rest of the unused ones grey.
    static void Map(const TrueColorPixels& pixels, int colors, QList<QRgb>& palette);
};
