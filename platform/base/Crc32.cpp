#include "platform/base/Crc32.h"

#include <array>
#include <cstring>

namespace {

constexpr std::uint32_t kPolynomial = 0xEDB88320u;
constexpr int kSlices = 16;

using Tables = std::array<std::array<std::uint32_t, 256>, kSlices>;

// tables[0] is the classic byte table; tables[k][n] is the register after n
// was followed by k zero bytes, which lets sixteen bytes be folded at once.
constexpr Tables MakeTables() {
    Tables tables{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1) ? kPolynomial ^ (c >> 1) : c >> 1;
        tables[0][n] = c;
    }
    for (std::uint32_t n = 0; n < 256; ++n)
        for (int k = 1; k < kSlices; ++k)
            tables[k][n] = (tables[k - 1][n] >> 8) ^ tables[0][tables[k - 1][n] & 0xFF];
    return tables;
}

constexpr Tables kTables = MakeTables();

inline std::uint32_t LoadLe32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// The four bytes of a little-endian word through tables top to top - 3, as
// two independent pairs so that the lookups overlap.
inline std::uint32_t FoldWord(int top, std::uint32_t word) {
    return (kTables[top][word & 0xFF] ^ kTables[top - 1][(word >> 8) & 0xFF]) ^
           (kTables[top - 2][(word >> 16) & 0xFF] ^ kTables[top - 3][word >> 24]);
}

} // namespace

std::uint32_t Crc32Byte(std::uint32_t reg, std::uint8_t byte) {
    return kTables[0][(reg ^ byte) & 0xFF] ^ (reg >> 8);
}

std::uint32_t Crc32Update(std::uint32_t crc, const void* data, std::size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    std::uint32_t c = ~crc;
    while (size >= kSlices) {
        // The last twelve bytes do not depend on the register: their lookups
        // run while the previous step's register is still being worked out.
        const std::uint32_t rest =
            FoldWord(11, LoadLe32(p + 4)) ^ (FoldWord(7, LoadLe32(p + 8)) ^ FoldWord(3, LoadLe32(p + 12)));
        c = FoldWord(15, LoadLe32(p) ^ c) ^ rest;
        p += kSlices;
        size -= kSlices;
    }
    while (size-- > 0)
        c = kTables[0][(c ^ *p++) & 0xFF] ^ (c >> 8);
    return ~c;
}
