#pragma once
// Bits of compressed data, least-significant first, as the older zip
// methods read them. Peeking past the end of the data gives zero bits, so
// that a table lookup may look ahead; taking them raises EZipDataError.

#include "zip/TByteStreams.h"

#include <cstdint>
#include <vector>

class TBitReader {
public:
    explicit TBitReader(TByteSource& input);

    // The next count bits (count <= 24) without taking them.
    std::uint32_t Peek(int count);
    // Takes count bits that were peeked.
    void Drop(int count);
    // Takes and returns the next count bits (count <= 24).
    std::uint32_t Bits(int count) {
        const std::uint32_t value = Peek(count);
        Drop(count);
        return value;
    }

private:
    void Refill();

    TByteSource& m_input;
    std::vector<std::uint8_t> m_buffer;
    std::size_t m_next = 0;
    std::size_t m_end = 0;
    std::uint64_t m_bits = 0;
    int m_count = 0;
    // Zero bytes put in after the data ended.
    int m_padding = 0;
    bool m_exhausted = false;
};
