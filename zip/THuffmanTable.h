#pragma once
// A two-level lookup table of a prefix code read least-significant bit
// first: the first rootBits bits index the root table; longer codes continue
// in a sub-table. Codes of up to 16 bits; bit patterns that no code has are
// caught when met.

#include "zip/TBitReader.h"

#include <cstdint>
#include <vector>

class THuffmanTable {
public:
    static constexpr int MaxCodeLength = 16;

    // codes[s] holds the bit pattern of symbol s in reading order (its first
    // bit lowest), lengths[s] its length (0: the symbol has no code). Two
    // codes of which one is a prefix of the other raise EZipDataError.
    void Build(const std::uint16_t* codes, const std::uint8_t* lengths, int count, int rootBits);
    // Reads one symbol; a pattern without a code raises EZipDataError.
    int Decode(TBitReader& bits) const;

private:
    enum Kind : std::uint8_t { Invalid, Symbol, SubTable };
    struct Entry {
        std::uint16_t value = 0; // the symbol, or the sub-table's start
        std::uint8_t bits = 0;   // bits of the code, or of the sub-table's index
        Kind kind = Invalid;
    };
    void Place(std::size_t tableStart, int tableBits, std::uint32_t code, int length, std::uint16_t symbol);

    std::vector<Entry> m_entries;
    int m_rootBits = 0;
};
