#pragma once
// The decoding half of GIF's LZW coding: a frame's compressed data (the
// minimum code size byte, then data sub-blocks) into rows of 1-, 4- or 8-bit
// pixels.
//
// State machine, one code at a time, codes read least significant bit first
// across the sub-blocks:
//   - clear code: code size and table start again; the next code is a
//     literal written as it is;
//   - end code: done;
//   - any other code up to the next free entry: the previous string plus this
//     string's first pixel becomes the next entry while the table has room
//     (4096 entries), and the code's string (for the next free entry itself,
//     the previous string and its first pixel) is written; the code size
//     grows when the next free entry reaches 2^size, up to 12 bits;
//   - a code beyond the next free entry, or a literal expected but not
//     found: corrupt data.
// Decoding stops at the end code or once every row is filled. Damaged data
// either raise or, when damage is tolerated, mark the frame corrupted and
// stop, leaving the rest at index 0; data that end before the end code are
// such damage ("Stream read error").

#include "platform/graphics/GraphicsTypes.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

// Where decoded pixels go: row y (0 at the top) starts at Top + y * Stride;
// a bitmap stored bottom row first has a negative stride. The rows must be
// zeroed.
struct GifLzwRows {
    std::uint8_t* Top = nullptr;
    std::ptrdiff_t Stride = 0;
    int Width = 0;
    int Height = 0;
    int BitCount = 8; // 1, 4 or 8
};

using GifLzwProgress = std::function<void(TProgressStage stage, int percent, const QString& message)>;

class GifLzwDecoder {
public:
    static constexpr int kMinCodeSizeLow = 2;
    static constexpr int kMinCodeSizeHigh = 9;
    static constexpr int kMaxCodeBits = 12;
    static constexpr int kTableSize = 1 << kMaxCodeBits;
    static constexpr int kStackSize = kTableSize + 1;

    // `frameBits` (1..8) masks every pixel value. Returns whether the frame
    // turned out corrupted (only with `ignoreCorrupt`; otherwise damage
    // raises EInvalidGraphicOperation).
    static bool Decode(std::span<const std::uint8_t> data, const GifLzwRows& rows, int frameBits,
                       bool interlaced, bool ignoreCorrupt, const GifLzwProgress& progress = {});
};
