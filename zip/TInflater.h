#pragma once
// Method 8: a deflate stream (RFC 1951) decoded block by block: stored,
// fixed-Huffman and dynamic-Huffman blocks over a 32 KiB history. Every code,
// length, distance and code table is checked; invalid data raise
// EZipDataError. The buffers are made once and serve every entry.

#include "zip/TByteStreams.h"

#include <cstdint>
#include <memory>
#include <vector>

class TInflater {
public:
    TInflater();
    ~TInflater();
    TInflater(const TInflater&) = delete;
    TInflater& operator=(const TInflater&) = delete;

    // Decodes one stream to its last block; plain bytes go to output in
    // pieces of about 32 KiB.
    void Decode(TByteSource& input, TByteSink& output);

    // One entry of a decoding table (public for the table builder).
    struct Code {
        std::uint16_t value; // the literal, the base of a length or distance, or a sub-table's start
        std::uint8_t bits;   // length of the code
        std::uint8_t op;     // what the entry is, see TInflater.cpp
    };

private:
    class Run;
    std::vector<std::uint8_t> m_window;
    std::vector<std::uint8_t> m_input;
    std::vector<Code> m_lengthCodes;
    std::vector<Code> m_distanceCodes;
};
