#include "zip/TInflater.h"

#include "zip/ZipExceptions.h"

#include <algorithm>
#include <array>
#include <cstring>

// Decoding tables: the first kLengthRoot (kDistanceRoot) bits of the input
// index the root table; a code longer than that links to a sub-table indexed
// by the bits after the root ones. Entry ops:
//   OpLiteral         value is a literal byte
//   OpBase | extra    value is a length or distance base, extra bits follow
//   OpEnd             end of the block
//   OpLink | bits     value is the start of a sub-table of 2^bits entries
//   OpInvalid         no code, or a symbol that does not exist
// A sub-table entry holds the whole code's length in bits.

namespace {

constexpr std::uint8_t OpLiteral = 0x00;
constexpr std::uint8_t OpBase = 0x10;
constexpr std::uint8_t OpEnd = 0x20;
constexpr std::uint8_t OpInvalid = 0x40;
constexpr std::uint8_t OpLink = 0x80;
constexpr std::uint8_t OpExtraMask = 0x0F;

constexpr int kMaxCodeBits = 15;
constexpr int kLengthRoot = 9;
constexpr int kDistanceRoot = 6;
constexpr int kCodeLengthRoot = 7;
// The largest tables complete codes can need with these roots (the bounds
// zlib's "enough" program gives for 286 and 30 symbols).
constexpr std::size_t kLengthTableSize = 852;
constexpr std::size_t kDistanceTableSize = 592;
constexpr std::size_t kCodeLengthTableSize = 1 << kCodeLengthRoot;

constexpr int kMaxLengthSymbols = 286;
constexpr int kMaxDistanceSymbols = 30;
constexpr int kFixedLengthSymbols = 288;
constexpr int kFixedDistanceSymbols = 32;
constexpr int kCodeLengthSymbols = 19;
constexpr int kEndOfBlock = 256;

constexpr std::array<std::uint16_t, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                       15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                       67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                       2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistanceExtra = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                         6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
constexpr std::array<std::uint8_t, kCodeLengthSymbols> kCodeLengthOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                                           11, 4,  12, 3, 13, 2, 14, 1, 15};

// Output history and the window's layout: plain bytes are decoded at
// position; once position passes kSlideAt, the last kHistory bytes move to
// the front (a window of several histories moves them seldom). Matches may
// write a little past the decoded end.
constexpr std::size_t kHistory = 32768;
constexpr std::size_t kSlideAt = 4 * kHistory;
constexpr std::size_t kCopyOverrun = 16;
constexpr std::size_t kMaxMatch = 258;
constexpr std::size_t kWindowSize = kSlideAt + kMaxMatch + kCopyOverrun;
// Output is handed on in pieces of this size.
constexpr std::size_t kOutputPiece = 32768;

constexpr std::size_t kInputBlock = 32768;
// The fast loop reads eight bytes at a time.
constexpr std::size_t kFastInput = 8;

enum class Alphabet { Lengths, Distances, CodeLengths };

[[noreturn]] void Invalid(const char* why) {
    throw EZipDataError(QStringLiteral("Invalid deflate data: %1").arg(QLatin1String(why)));
}

TInflater::Code SymbolCode(Alphabet alphabet, int symbol, int bits) {
    const auto b = static_cast<std::uint8_t>(bits);
    switch (alphabet) {
    case Alphabet::CodeLengths:
        return {static_cast<std::uint16_t>(symbol), b, OpLiteral};
    case Alphabet::Lengths:
        if (symbol < kEndOfBlock)
            return {static_cast<std::uint16_t>(symbol), b, OpLiteral};
        if (symbol == kEndOfBlock)
            return {0, b, OpEnd};
        if (symbol - 257 < static_cast<int>(kLengthBase.size()))
            return {kLengthBase[symbol - 257], b,
                    static_cast<std::uint8_t>(OpBase | kLengthExtra[symbol - 257])};
        return {0, b, OpInvalid};
    case Alphabet::Distances:
        if (symbol < static_cast<int>(kDistanceBase.size()))
            return {kDistanceBase[symbol], b, static_cast<std::uint8_t>(OpBase | kDistanceExtra[symbol])};
        return {0, b, OpInvalid};
    }
    return {0, b, OpInvalid};
}

std::uint32_t ReverseBits(std::uint32_t code, int length) {
    std::uint32_t reversed = 0;
    for (int i = 0; i < length; ++i) {
        reversed = (reversed << 1) | (code & 1);
        code >>= 1;
    }
    return reversed;
}

// Builds the table of a canonical code from its lengths. Over-full codes are
// refused, and incomplete ones too unless they are a lone one-bit code;
// a code with no symbols at all gives a table of invalid entries.
void BuildTable(const std::uint8_t* lengths, int count, Alphabet alphabet, int rootBits,
                TInflater::Code* table, std::size_t capacity) {
    std::array<int, kMaxCodeBits + 1> perLength{};
    for (int s = 0; s < count; ++s)
        ++perLength[lengths[s]];
    perLength[0] = 0;
    int left = 1;
    int longest = 0;
    for (int bits = 1; bits <= kMaxCodeBits; ++bits) {
        left = (left << 1) - perLength[bits];
        if (left < 0)
            Invalid("an over-full code");
        if (perLength[bits] > 0)
            longest = bits;
    }
    if (longest > 0 && left > 0 && (alphabet == Alphabet::CodeLengths || longest != 1))
        Invalid("an incomplete code");

    std::array<std::uint32_t, kMaxCodeBits + 2> next{};
    for (int bits = 1; bits <= kMaxCodeBits; ++bits)
        next[bits + 1] = (next[bits] + perLength[bits]) << 1;

    const std::size_t rootSize = std::size_t{1} << rootBits;
    const std::uint32_t rootMask = static_cast<std::uint32_t>(rootSize - 1);
    std::fill_n(table, rootSize, TInflater::Code{0, 0, OpInvalid});
    // Reversed codes of every symbol, and the size of each root pattern's sub-table.
    std::array<std::uint32_t, kFixedLengthSymbols> codes{};
    std::array<std::uint8_t, 1 << kLengthRoot> subBits{};
    for (int s = 0; s < count; ++s) {
        const int bits = lengths[s];
        if (bits == 0)
            continue;
        codes[s] = ReverseBits(next[bits]++, bits);
        if (bits > rootBits) {
            std::uint8_t& sub = subBits[codes[s] & rootMask];
            sub = std::max<std::uint8_t>(sub, static_cast<std::uint8_t>(bits - rootBits));
        }
    }
    std::size_t used = rootSize;
    for (std::size_t root = 0; root < rootSize; ++root) {
        if (subBits[root] == 0)
            continue;
        const std::size_t size = std::size_t{1} << subBits[root];
        if (used + size > capacity)
            Invalid("a code table too large");
        std::fill_n(table + used, size, TInflater::Code{0, 0, OpInvalid});
        table[root] = {static_cast<std::uint16_t>(used), static_cast<std::uint8_t>(rootBits),
                       static_cast<std::uint8_t>(OpLink | subBits[root])};
        used += size;
    }
    for (int s = 0; s < count; ++s) {
        const int bits = lengths[s];
        if (bits == 0)
            continue;
        const TInflater::Code entry = SymbolCode(alphabet, s, bits);
        if (bits <= rootBits) {
            for (std::size_t i = codes[s]; i < rootSize; i += std::size_t{1} << bits)
                table[i] = entry;
            continue;
        }
        const TInflater::Code& link = table[codes[s] & rootMask];
        const std::size_t size = std::size_t{1} << (link.op & OpExtraMask);
        for (std::size_t i = codes[s] >> rootBits; i < size; i += std::size_t{1} << (bits - rootBits))
            table[link.value + i] = entry;
    }
}

struct FixedTables {
    std::array<TInflater::Code, kLengthTableSize> lengths;
    std::array<TInflater::Code, kDistanceTableSize> distances;
    FixedTables() {
        std::array<std::uint8_t, kFixedLengthSymbols> bits{};
        std::fill(bits.begin(), bits.begin() + 144, 8);
        std::fill(bits.begin() + 144, bits.begin() + 256, 9);
        std::fill(bits.begin() + 256, bits.begin() + 280, 7);
        std::fill(bits.begin() + 280, bits.end(), 8);
        BuildTable(bits.data(), kFixedLengthSymbols, Alphabet::Lengths, kLengthRoot, lengths.data(),
                   lengths.size());
        std::array<std::uint8_t, kFixedDistanceSymbols> distanceBits{};
        distanceBits.fill(5);
        BuildTable(distanceBits.data(), kFixedDistanceSymbols, Alphabet::Distances, kDistanceRoot,
                   distances.data(), distances.size());
    }
};

const FixedTables& Fixed() {
    static const FixedTables tables;
    return tables;
}

inline std::uint64_t LoadLe64(const std::uint8_t* p) {
    std::uint64_t value;
    std::memcpy(&value, p, sizeof value);
    return value; // the engine runs on little-endian machines
}

} // namespace

// One stream's decoding state.
class TInflater::Run {
public:
    Run(TInflater& owner, TByteSource& input, TByteSink& output)
        : m_source(input), m_output(output), m_window(owner.m_window.data()),
          m_inputBuffer(owner.m_input.data()), m_lengthTable(owner.m_lengthCodes.data()),
          m_distanceTable(owner.m_distanceCodes.data()) {}

    void Decode() {
        bool last = false;
        while (!last) {
            last = Bits(1) != 0;
            switch (Bits(2)) {
            case 0:
                Stored();
                break;
            case 1:
                Huffman(Fixed().lengths.data(), Fixed().distances.data());
                break;
            case 2:
                Dynamic();
                Huffman(m_lengthTable, m_distanceTable);
                break;
            default:
                Invalid("a reserved block type");
            }
        }
        Flush();
    }

private:
    // ---- input ---------------------------------------------------------------
    void RefillInput() {
        if (m_exhausted)
            return;
        const std::size_t keep = static_cast<std::size_t>(m_inEnd - m_in);
        std::memmove(m_inputBuffer, m_in, keep);
        m_in = m_inputBuffer;
        m_inEnd = m_inputBuffer + keep;
        while (static_cast<std::size_t>(m_inEnd - m_inputBuffer) < kInputBlock) {
            const std::size_t got =
                m_source.Fill(m_inEnd, kInputBlock - static_cast<std::size_t>(m_inEnd - m_inputBuffer));
            if (got == 0) {
                m_exhausted = true;
                break;
            }
            m_inEnd += got;
        }
    }

    // More than 48 bits in the buffer, byte by byte; zeros after the data end.
    void RefillSlow() {
        while (m_count <= 48) {
            if (m_in == m_inEnd)
                RefillInput();
            if (m_in < m_inEnd) {
                m_bits |= static_cast<std::uint64_t>(*m_in++) << m_count;
            } else {
                ++m_padding;
                if (m_padding > 16)
                    Invalid("data end too early");
            }
            m_count += 8;
        }
    }

    void Drop(unsigned count) {
        m_bits >>= count;
        m_count -= count;
    }

    // Checks that no bit taken lies past the end of the data.
    void CheckEnd() const {
        if (m_count < m_padding * 8)
            Invalid("data end too early");
    }

    std::uint32_t Bits(unsigned count) {
        if (m_count < count)
            RefillSlow();
        const auto value = static_cast<std::uint32_t>(m_bits & ((std::uint64_t{1} << count) - 1));
        Drop(count);
        CheckEnd();
        return value;
    }

    TInflater::Code Lookup(const TInflater::Code* table, unsigned rootBits) const {
        TInflater::Code code = table[m_bits & ((1u << rootBits) - 1)];
        if (code.op & OpLink)
            code = table[code.value + ((m_bits >> rootBits) & ((1u << (code.op & OpExtraMask)) - 1))];
        return code;
    }

    int DecodeSymbol(const TInflater::Code* table, unsigned rootBits) {
        if (m_count < kMaxCodeBits)
            RefillSlow();
        const TInflater::Code code = Lookup(table, rootBits);
        if (code.op == OpInvalid)
            Invalid("an invalid code");
        Drop(code.bits);
        CheckEnd();
        return code.value;
    }

    // ---- output --------------------------------------------------------------
    void Flush() {
        if (m_position > m_flushed)
            m_output.Write(m_window + m_flushed, m_position - m_flushed);
        m_flushed = m_position;
    }

    // Hands on a full piece, slides the window when its end is near, and
    // returns the position up to which decoding may go before the next call.
    std::size_t MakeRoom() {
        if (m_position - m_flushed >= kOutputPiece || m_position >= kSlideAt)
            Flush();
        if (m_position >= kSlideAt) {
            std::memmove(m_window, m_window + m_position - kHistory, kHistory);
            m_position = m_flushed = kHistory;
        }
        return std::min(kSlideAt, m_flushed + kOutputPiece);
    }

    void CopyMatch(std::size_t length, std::size_t distance) {
        if (distance > m_position)
            Invalid("a distance before the start of the data");
        std::uint8_t* to = m_window + m_position;
        const std::uint8_t* from = to - distance;
        m_position += length;
        if (distance >= 8) {
            std::uint8_t* const end = to + length;
            do {
                std::memcpy(to, from, 8);
                to += 8;
                from += 8;
            } while (to < end);
        } else if (distance == 1) {
            std::memset(to, *from, length);
        } else {
            for (std::size_t i = 0; i < length; ++i)
                to[i] = from[i];
        }
    }

    // ---- blocks ----------------------------------------------------------------
    void Stored() {
        Drop(m_count & 7);
        const std::uint32_t length = Bits(16);
        const std::uint32_t complement = Bits(16);
        if ((length ^ 0xFFFF) != complement)
            Invalid("a stored block length that does not match its complement");
        std::size_t left = length;
        // Whole bytes still in the bit buffer come first.
        while (left > 0 && m_count > 0) {
            if (m_count < 8 + m_padding * 8)
                Invalid("data end too early");
            const std::size_t limit = MakeRoom();
            while (left > 0 && m_position < limit && m_count > 0) {
                m_window[m_position++] = static_cast<std::uint8_t>(m_bits);
                Drop(8);
                --left;
            }
        }
        if (left == 0)
            return;
        // The bit buffer is empty: copy what the input buffer holds, then
        // read the rest straight into the window.
        m_bits = 0;
        while (left > 0) {
            const std::size_t limit = MakeRoom();
            const std::size_t room = std::min(left, limit - m_position);
            std::size_t n = 0;
            if (m_in < m_inEnd) {
                n = std::min(room, static_cast<std::size_t>(m_inEnd - m_in));
                std::memcpy(m_window + m_position, m_in, n);
                m_in += n;
            } else if (!m_exhausted) {
                n = m_source.Fill(m_window + m_position, room);
                m_exhausted = n == 0;
            }
            if (n == 0)
                Invalid("data end too early");
            m_position += n;
            left -= n;
        }
    }

    void Dynamic() {
        const int lengthCount = static_cast<int>(Bits(5)) + 257;
        const int distanceCount = static_cast<int>(Bits(5)) + 1;
        const int codeLengthCount = static_cast<int>(Bits(4)) + 4;
        if (lengthCount > kMaxLengthSymbols || distanceCount > kMaxDistanceSymbols)
            Invalid("too many length or distance codes");
        std::array<std::uint8_t, kCodeLengthSymbols> codeLengthBits{};
        for (int i = 0; i < codeLengthCount; ++i)
            codeLengthBits[kCodeLengthOrder[static_cast<std::size_t>(i)]] =
                static_cast<std::uint8_t>(Bits(3));
        std::array<TInflater::Code, kCodeLengthTableSize> codeLengthTable{};
        BuildTable(codeLengthBits.data(), kCodeLengthSymbols, Alphabet::CodeLengths, kCodeLengthRoot,
                   codeLengthTable.data(), codeLengthTable.size());

        std::array<std::uint8_t, kMaxLengthSymbols + kMaxDistanceSymbols> bits{};
        const int total = lengthCount + distanceCount;
        int filled = 0;
        while (filled < total) {
            const int symbol = DecodeSymbol(codeLengthTable.data(), kCodeLengthRoot);
            if (symbol < 16) {
                bits[static_cast<std::size_t>(filled++)] = static_cast<std::uint8_t>(symbol);
                continue;
            }
            std::uint8_t value = 0;
            int repeat = 0;
            if (symbol == 16) {
                if (filled == 0)
                    Invalid("a repeat with no length before it");
                value = bits[static_cast<std::size_t>(filled - 1)];
                repeat = 3 + static_cast<int>(Bits(2));
            } else if (symbol == 17) {
                repeat = 3 + static_cast<int>(Bits(3));
            } else {
                repeat = 11 + static_cast<int>(Bits(7));
            }
            if (filled + repeat > total)
                Invalid("code lengths beyond the codes");
            std::fill_n(bits.begin() + filled, repeat, value);
            filled += repeat;
        }
        if (bits[kEndOfBlock] == 0)
            Invalid("no end-of-block code");
        BuildTable(bits.data(), lengthCount, Alphabet::Lengths, kLengthRoot, m_lengthTable, kLengthTableSize);
        BuildTable(bits.data() + lengthCount, distanceCount, Alphabet::Distances, kDistanceRoot,
                   m_distanceTable, kDistanceTableSize);
    }

    void Huffman(const TInflater::Code* lengths, const TInflater::Code* distances) {
        std::size_t limit = MakeRoom();
        for (;;) {
            if (m_position >= limit)
                limit = MakeRoom();
            if (m_inEnd - m_in < static_cast<std::ptrdiff_t>(kFastInput) && !m_exhausted)
                RefillInput();
            if (m_inEnd - m_in >= static_cast<std::ptrdiff_t>(kFastInput)) {
                if (FastLoop(lengths, distances, limit))
                    return;
                continue;
            }
            // Near the end of the data: one symbol at a time.
            const TInflater::Code code = SlowCode(lengths, kLengthRoot);
            if (code.op == OpLiteral) {
                m_window[m_position++] = static_cast<std::uint8_t>(code.value);
                continue;
            }
            if (code.op == OpEnd)
                return;
            const std::size_t length = code.value + Bits(code.op & OpExtraMask);
            const TInflater::Code distance = SlowCode(distances, kDistanceRoot);
            if (!(distance.op & OpBase))
                Invalid("an invalid distance code");
            CopyMatch(length, distance.value + Bits(distance.op & OpExtraMask));
        }
    }

    TInflater::Code SlowCode(const TInflater::Code* table, unsigned rootBits) {
        if (m_count < kMaxCodeBits)
            RefillSlow();
        const TInflater::Code code = Lookup(table, rootBits);
        if (code.op == OpInvalid || (code.op & OpLink))
            Invalid("an invalid code");
        Drop(code.bits);
        CheckEnd();
        return code;
    }

    // Decodes while eight input bytes are at hand and the window has room;
    // true at the end of the block.
    bool FastLoop(const TInflater::Code* lengths, const TInflater::Code* distances, std::size_t limit) {
        std::uint8_t* in = m_in;
        const std::uint8_t* const inLimit = m_inEnd - kFastInput;
        std::uint64_t bits = m_bits;
        unsigned count = m_count;
        std::uint8_t* const window = m_window;
        std::size_t position = m_position;
        bool end = false;
        while (in <= inLimit && position < limit) {
            bits |= LoadLe64(in) << count;
            in += (63 - count) >> 3;
            count |= 56;

            TInflater::Code code = lengths[bits & ((1u << kLengthRoot) - 1)];
            if (code.op & OpLink)
                code = lengths[code.value + ((bits >> kLengthRoot) & ((1u << (code.op & OpExtraMask)) - 1))];
            bits >>= code.bits;
            count -= code.bits;
            if (code.op == OpLiteral) {
                window[position++] = static_cast<std::uint8_t>(code.value);
                continue;
            }
            if (!(code.op & OpBase)) {
                if (code.op == OpEnd) {
                    end = true;
                    break;
                }
                Invalid("an invalid literal or length code");
            }
            unsigned extra = code.op & OpExtraMask;
            const std::size_t length = code.value + (bits & ((1u << extra) - 1));
            bits >>= extra;
            count -= extra;

            TInflater::Code distance = distances[bits & ((1u << kDistanceRoot) - 1)];
            if (distance.op & OpLink)
                distance = distances[distance.value +
                                     ((bits >> kDistanceRoot) & ((1u << (distance.op & OpExtraMask)) - 1))];
            bits >>= distance.bits;
            count -= distance.bits;
            if (!(distance.op & OpBase))
                Invalid("an invalid distance code");
            extra = distance.op & OpExtraMask;
            const std::size_t back = distance.value + (bits & ((1u << extra) - 1));
            bits >>= extra;
            count -= extra;
            m_position = position;
            CopyMatch(length, back);
            position = m_position;
        }
        // Bits above count may hold the next input bytes already: the same
        // bits the slow refill would put there.
        m_in = in;
        m_bits = bits;
        m_count = count;
        m_position = position;
        return end;
    }

    TByteSource& m_source;
    TByteSink& m_output;
    std::uint8_t* m_window;
    std::uint8_t* m_inputBuffer;
    TInflater::Code* m_lengthTable;
    TInflater::Code* m_distanceTable;
    std::uint8_t* m_in = m_inputBuffer;
    std::uint8_t* m_inEnd = m_inputBuffer;
    std::uint64_t m_bits = 0;
    unsigned m_count = 0;
    unsigned m_padding = 0;
    bool m_exhausted = false;
    std::size_t m_position = 0;
    std::size_t m_flushed = 0;
};

TInflater::TInflater()
    : m_window(kWindowSize), m_input(kInputBlock + kFastInput), m_lengthCodes(kLengthTableSize),
      m_distanceCodes(kDistanceTableSize) {}

TInflater::~TInflater() = default;

void TInflater::Decode(TByteSource& input, TByteSink& output) {
    Run run(*this, input, output);
    run.Decode();
}
