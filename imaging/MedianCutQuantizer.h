#pragma once
// Median cut: pixels reduced to 4 bits per channel are counted; the box of
// all colours is split, always the box and channel with the largest extent,
// at the median pixel count, until there are 256 boxes or none can be split.
// Each box gives the average of its colours as one palette entry.

#include "imaging/ColorMapping.h"

class MedianCutQuantizer {
public:
    static constexpr int kColors = 4096;
    static constexpr int kMaxBoxes = 256;
    static constexpr int kInsertionSortLimit = 7;

    // Writes indices in place and fills the palette; returns the number of
    // colours made.
    static std::uint32_t Map(const TrueColorPixels& pixels, QList<QRgb>& palette);
};
