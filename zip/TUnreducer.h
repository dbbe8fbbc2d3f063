#pragma once
// Methods 2 to 5, reducing with compression factor 1 to 4: follower sets
// for the 256 byte values (read from 255 down to 0: a 6-bit count of at most
// 32, then that many bytes), the probabilistic expansion through them, and
// the run-length stage with DLE (144): DLE 0 is the byte 144, DLE V [C] D
// copies a run from up to 4096 bytes back (zeros before the start).

#include "zip/TByteStreams.h"

#include <cstdint>

class TUnreducer {
public:
    // factor 1..4; decodes until size bytes are out; invalid data raise EZipDataError.
    static void Decode(TByteSource& input, TByteSink& output, std::uint64_t size, int factor);
};
