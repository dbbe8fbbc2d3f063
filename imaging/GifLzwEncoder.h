#pragma once
// The encoding half of GIF's LZW coding: rows of 1-, 4- or 8-bit pixels into
// a frame's compressed data (the minimum code size byte, sub-blocks of at
// most 255 bytes, the zero terminator).
//
// Strings (up to 4096) are found in a hash of 17777 slots, each holding a
// string's prefix code, last pixel and code in one word. For each pixel the current string grows by it when
// the longer string is in the table; otherwise the current string's code is written, the longer string
// becomes a new entry, and the pixel starts the next string. The code size grows when the last code given out
// reaches 2^size; after code 4094 the table starts again behind a clear code.

#include "imaging/GifLzwDecoder.h"

#include <QByteArray>

class GifLzwEncoder {
public:
    static constexpr int kHashSize = 17777;
    static constexpr int kLastCode = 4093;
    static constexpr int kSubBlockSize = 255;

    // Appends the compressed rows to `out`. Rows are taken top first, or in
    // the interlace order when `interlaced`. Progress is told after each row.
    static void Encode(QByteArray& out, const GifLzwRows& rows, bool interlaced,
                       const GifLzwProgress& progress = {});
};
