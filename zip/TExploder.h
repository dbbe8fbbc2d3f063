#pragma once
// Method 6, imploding: a 4 KiB or 8 KiB sliding dictionary (general-purpose
// bit 1) whose lengths and distances, and with bit 2 also the literal bytes,
// are coded with Shannon-Fano trees stored at the start of the data.

#include "zip/TByteStreams.h"

#include <cstdint>

class TExploder {
public:
    // flags: the entry's general-purpose flags; compressedSize picks the
    // distance table's width. Decodes until size bytes are out; invalid data
    // raise EZipDataError.
    static void Decode(TByteSource& input, TByteSink& output, std::uint64_t size, std::uint16_t flags,
                       std::uint64_t compressedSize);
};
