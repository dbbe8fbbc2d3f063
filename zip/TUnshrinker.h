#pragma once
// Method 1, shrinking: dynamic LZW with codes of 9 up to 13 bits. Codes
// below 256 are bytes; 256 is a control code: followed by 1 it widens the
// codes by one bit, followed by 2 it frees every code that is no prefix of
// another (partial clearing). New strings take the lowest free code from 257
// on. A code may name the string being defined (the previous string plus its
// own first byte) only when it is the very code that string will get.

#include "zip/TBitReader.h"
#include "zip/TOutputWindow.h"

#include <cstdint>
#include <vector>

class TUnshrinker {
public:
    // Decodes until size bytes are out; invalid data raise EZipDataError.
    static void Decode(TByteSource& input, TByteSink& output, std::uint64_t size);
};
