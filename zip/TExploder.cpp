#include "zip/TExploder.h"

#include "zip/THuffmanTable.h"
#include "zip/TOutputWindow.h"
#include "zip/ZipExceptions.h"
#include "zip/ZipFormat.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace {

constexpr int kLiteralSymbols = 256;
constexpr int kLengthSymbols = 64;
constexpr int kDistanceSymbols = 64;
constexpr int kLiteralRootBits = 9;
constexpr int kLengthRootBits = 7;
constexpr int kSmallDistanceRootBits = 7;
constexpr int kLargeDistanceRootBits = 8;
// Entries with more compressed bytes than this use the wider distance table.
constexpr std::uint64_t kSmallEntry = 200000;
constexpr int kCodeSpaceBits = 16;

[[noreturn]] void Invalid(const char* why) {
    throw EZipDataError(QStringLiteral("Invalid imploded data: %1").arg(QLatin1String(why)));
}

std::uint16_t Reverse16(std::uint32_t value) {
    std::uint32_t reversed = 0;
    for (int bit = 0; bit < kCodeSpaceBits; ++bit)
        reversed |= ((value >> bit) & 1u) << (kCodeSpaceBits - 1 - bit);
    return static_cast<std::uint16_t>(reversed);
}

// Reads a stored tree (a byte count, then bytes of "values - 1" in the high
// and "bit length - 1" in the low nibble) and builds the table of its
// Shannon-Fano codes.
void ReadTree(TBitReader& bits, int symbols, int rootBits, THuffmanTable& table) {
    std::array<std::uint8_t, kLiteralSymbols> lengths{};
    const int bytes = static_cast<int>(bits.Bits(8)) + 1;
    int filled = 0;
    for (int i = 0; i < bytes; ++i) {
        const std::uint32_t byte = bits.Bits(8);
        const int count = static_cast<int>(byte >> 4) + 1;
        const auto length = static_cast<std::uint8_t>((byte & 0x0F) + 1);
        if (filled + count > symbols)
            Invalid("a tree with too many values");
        std::fill_n(lengths.begin() + filled, count, length);
        filled += count;
    }
    if (filled != symbols)
        Invalid("a tree with too few values");

    // Codes are given from the longest length to the shortest, each the
    // previous one plus the previous one's width, left-aligned in 16 bits,
    // then read with their bits reversed.
    std::array<int, kLiteralSymbols> order{};
    std::iota(order.begin(), order.begin() + symbols, 0);
    std::stable_sort(order.begin(), order.begin() + symbols,
                     [&lengths](int a, int b) { return lengths[a] < lengths[b]; });
    std::array<std::uint16_t, kLiteralSymbols> codes{};
    std::uint32_t code = 0;
    std::uint32_t increment = 0;
    for (int i = symbols - 1; i >= 0; --i) {
        const int symbol = order[static_cast<std::size_t>(i)];
        code += increment;
        increment = 1u << (kCodeSpaceBits - lengths[symbol]);
        if (code + increment > (1u << kCodeSpaceBits))
            Invalid("an over-full tree");
        codes[symbol] = Reverse16(code);
    }
    table.Build(codes.data(), lengths.data(), symbols, rootBits);
}

} // namespace

void TExploder::Decode(TByteSource& input, TByteSink& output, std::uint64_t size, std::uint16_t flags,
                       std::uint64_t compressedSize) {
    TBitReader bits(input);
    TOutputWindow window(output);
    const bool literalTree = flags & ZipFormat::FlagFast;
    const bool largeDictionary = flags & ZipFormat::FlagMaximum;
    THuffmanTable literals;
    THuffmanTable lengths;
    THuffmanTable distances;
    if (literalTree)
        ReadTree(bits, kLiteralSymbols, kLiteralRootBits, literals);
    ReadTree(bits, kLengthSymbols, kLengthRootBits, lengths);
    ReadTree(bits, kDistanceSymbols,
             compressedSize > kSmallEntry ? kLargeDistanceRootBits : kSmallDistanceRootBits, distances);

    const int lowDistanceBits = largeDictionary ? 7 : 6;
    const std::uint32_t minMatch = literalTree ? 3 : 2;
    while (window.Total() < size) {
        if (bits.Bits(1) != 0) {
            const int byte = literalTree ? literals.Decode(bits) : static_cast<int>(bits.Bits(8));
            window.Put(static_cast<std::uint8_t>(byte));
            continue;
        }
        const std::uint32_t low = bits.Bits(lowDistanceBits);
        const auto high = static_cast<std::uint32_t>(distances.Decode(bits));
        const std::uint32_t distance = (high << lowDistanceBits | low) + 1;
        std::uint32_t length = static_cast<std::uint32_t>(lengths.Decode(bits)) + minMatch;
        if (length == kLengthSymbols - 1 + minMatch)
            length += bits.Bits(8);
        const std::uint64_t left = size - window.Total();
        window.CopyBack(distance, static_cast<std::uint32_t>(std::min<std::uint64_t>(length, left)));
    }
    window.Finish();
}
