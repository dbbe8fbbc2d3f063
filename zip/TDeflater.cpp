#include "zip/TDeflater.h"

#include "zip/ZipFormat.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr unsigned kMinMatch = 3;
constexpr unsigned kMaxMatch = 258;
constexpr unsigned kMinLookahead = kMaxMatch + kMinMatch + 1;
constexpr unsigned kMaxDistance = 32768 - kMinLookahead;
// A match of the minimum length this far back costs more than its literals.
constexpr unsigned kTooFar = 4096;
// Matches are compared eight bytes at a time and may read past the window's data.
constexpr std::size_t kCompareSlack = 16;

struct LevelConfig {
    unsigned good, lazy, nice, chain;
};

constexpr LevelConfig kLevels[10] = {
    {0, 0, 0, 0},    {4, 4, 8, 4},      {4, 5, 16, 8},     {4, 6, 32, 32},       {4, 4, 16, 16},
    {8, 16, 32, 32}, {8, 16, 128, 128}, {8, 32, 128, 256}, {32, 128, 258, 1024}, {32, 258, 258, 4096},
};

inline std::uint16_t Load16(const std::uint8_t* p) {
    std::uint16_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

inline std::uint32_t Load32(const std::uint8_t* p) {
    std::uint32_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

inline std::uint64_t Load64(const std::uint8_t* p) {
    std::uint64_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

// Positions drop by the window's size; those that fall out of it become 0
// (no position). Written as max - size so that it runs as vector code.
// Both tables hold 32768 positions.
void SlidePositions(std::uint16_t* positions) {
    constexpr std::uint16_t size = 32768;
    constexpr std::size_t count = 32768;
    for (std::size_t i = 0; i < count; ++i)
        positions[i] = static_cast<std::uint16_t>(std::max(positions[i], size) - size);
}

} // namespace

TDeflater::TDeflater()
    : m_window(2 * kWindowBytes + kCompareSlack, 0), m_prev(kWindowBytes, 0), m_head(kHashSize, 0) {}

TDeflater::Result TDeflater::Deflate(TByteSource& source, TByteSink& sink, int level) {
    m_source = &source;
    m_level = std::clamp(level, 1, 9);
    const LevelConfig& config = kLevels[m_level];
    m_goodLength = config.good;
    m_maxLazy = config.lazy;
    m_niceLength = config.nice;
    m_maxChain = config.chain;
    m_trees.Start(sink, m_level);
    Start();
    if (m_level <= 3)
        DeflateFast();
    else
        DeflateLazy();
    Result result;
    result.compressedSize = m_trees.CompressedSize();
    result.stored = m_trees.StoredEntry();
    result.internalAttributes = m_trees.InternalAttributes();
    if (m_level <= 2)
        result.flags = ZipFormat::FlagFast;
    else if (m_level >= 8)
        result.flags = ZipFormat::FlagMaximum;
    return result;
}

void TDeflater::Start() {
    std::fill(m_head.begin(), m_head.end(), 0);
    m_strStart = 0;
    m_blockStart = 0;
    m_matchStart = 0;
    m_prevLength = kMinMatch - 1;
    m_eof = false;
    m_lookahead = static_cast<unsigned>(m_source->Fill(m_window.data(), kWindowBytes));
    m_eof = m_lookahead == 0;
    while (m_lookahead < kMinLookahead && !m_eof)
        FillWindow();
    m_hash = m_window[0];
    m_hash = ((m_hash << kHashShift) ^ m_window[1]) & kHashMask;
}

void TDeflater::FillLookahead() {
    // The window slides also once the source has ended, so that a match is
    // never sought closer than its longest length to the window's end.
    do
        FillWindow();
    while (m_lookahead < kMinLookahead && !m_eof);
}

void TDeflater::FillWindow() {
    unsigned more = 2 * kWindowBytes - m_lookahead - m_strStart;
    if (m_strStart >= kWindowBytes + kMaxDistance) {
        // Slide: the upper half becomes the lower one.
        std::memcpy(m_window.data(), m_window.data() + kWindowBytes, kWindowBytes);
        m_matchStart -= kWindowBytes;
        m_strStart -= kWindowBytes;
        m_blockStart -= static_cast<long>(kWindowBytes);
        SlidePositions(m_head.data());
        SlidePositions(m_prev.data());
        more += kWindowBytes;
    }
    if (m_eof)
        return;
    const std::size_t got = m_source->Fill(m_window.data() + m_strStart + m_lookahead, more);
    if (got == 0)
        m_eof = true;
    m_lookahead += static_cast<unsigned>(got);
}

unsigned TDeflater::LongestMatch(unsigned candidate) {
    unsigned chain = m_maxChain;
    const std::uint8_t* const window = m_window.data();
    const std::uint8_t* const scan = window + m_strStart;
    unsigned best = m_prevLength;
    const unsigned nice = std::min(m_niceLength, m_lookahead);
    const unsigned limit = m_strStart > kMaxDistance ? m_strStart - kMaxDistance : 0;
    if (m_prevLength >= m_goodLength)
        chain >>= 2;
    // A candidate can only beat the best so far when it agrees with the
    // scan at the best's last bytes and at its first ones: four of each once
    // the best is three or longer.
    const std::uint32_t scanStart = Load32(scan);
    std::uint32_t scanEnd = best >= 3 ? Load32(scan + best - 3) : Load16(scan + 1);
    do {
        const std::uint8_t* const match = window + candidate;
        if (best >= 3
                ? Load32(match + best - 3) != scanEnd || Load32(match) != scanStart
                : Load16(match + 1) != scanEnd || Load16(match) != static_cast<std::uint16_t>(scanStart))
            continue;
        unsigned length = 2;
        for (;;) {
            const std::uint64_t diff = Load64(scan + length) ^ Load64(match + length);
            if (diff != 0) {
                length += static_cast<unsigned>(__builtin_ctzll(diff)) >> 3;
                break;
            }
            length += 8;
            if (length >= kMaxMatch)
                break;
        }
        length = std::min(length, kMaxMatch);
        if (length > best) {
            m_matchStart = candidate;
            best = length;
            if (length >= nice)
                break;
            scanEnd = Load32(scan + best - 3);
        }
    } while ((candidate = m_prev[candidate & kWindowMask]) > limit && --chain != 0);
    return std::min(best, m_lookahead);
}

void TDeflater::FlushBlock(bool last) {
    const std::uint8_t* block = m_blockStart >= 0 ? m_window.data() + m_blockStart : nullptr;
    m_trees.FlushBlock(block, static_cast<std::uint64_t>(static_cast<long>(m_strStart) - m_blockStart), last);
    m_blockStart = m_strStart;
}

void TDeflater::DeflateFast() {
    const unsigned maxInsert = m_maxLazy;
    unsigned matchLength = 0;
    for (;;) {
        if (m_lookahead < kMinLookahead) {
            FillLookahead();
            if (m_lookahead == 0)
                break;
        }
        unsigned head = 0;
        if (m_lookahead >= kMinMatch)
            InsertString(m_strStart, head);
        if (head != 0 && m_strStart - head <= kMaxDistance)
            matchLength = LongestMatch(head);
        bool flush;
        const std::uint64_t inLength =
            static_cast<std::uint64_t>(static_cast<long>(m_strStart) - m_blockStart);
        if (matchLength >= kMinMatch) {
            flush = m_trees.TallyMatch(m_strStart - m_matchStart, matchLength, inLength);
            m_lookahead -= matchLength;
            if (matchLength <= maxInsert && m_lookahead >= kMinMatch) {
                --matchLength; // the string at the start is in the hash already
                do {
                    ++m_strStart;
                    InsertString(m_strStart, head);
                } while (--matchLength != 0);
                ++m_strStart;
            } else {
                m_strStart += matchLength;
                matchLength = 0;
                m_hash = m_window[m_strStart];
                m_hash = ((m_hash << kHashShift) ^ m_window[m_strStart + 1]) & kHashMask;
            }
        } else {
            flush = m_trees.TallyLiteral(m_window[m_strStart], inLength);
            --m_lookahead;
            ++m_strStart;
        }
        if (flush)
            FlushBlock(false);
    }
    FlushBlock(true);
}

void TDeflater::DeflateLazy() {
    unsigned matchLength = kMinMatch - 1;
    bool matchAvailable = false;
    for (;;) {
        if (m_lookahead < kMinLookahead) {
            FillLookahead();
            if (m_lookahead == 0)
                break;
        }
        unsigned head = 0;
        if (m_lookahead >= kMinMatch)
            InsertString(m_strStart, head);
        m_prevLength = matchLength;
        const unsigned prevMatch = m_matchStart;
        matchLength = kMinMatch - 1;
        if (head != 0 && m_prevLength < m_maxLazy && m_strStart - head <= kMaxDistance) {
            matchLength = LongestMatch(head);
            if (matchLength == kMinMatch && m_strStart - m_matchStart > kTooFar)
                matchLength = kMinMatch - 1;
        }
        const std::uint64_t inLength =
            static_cast<std::uint64_t>(static_cast<long>(m_strStart) - m_blockStart);
        if (m_prevLength >= kMinMatch && matchLength <= m_prevLength) {
            // The held match wins; insert the strings it covers.
            const unsigned maxInsert = m_strStart + m_lookahead - kMinMatch;
            const bool flush = m_trees.TallyMatch(m_strStart - 1 - prevMatch, m_prevLength, inLength);
            m_lookahead -= m_prevLength - 1;
            m_prevLength -= 2;
            do {
                if (++m_strStart <= maxInsert)
                    InsertString(m_strStart, head);
            } while (--m_prevLength != 0);
            matchAvailable = false;
            matchLength = kMinMatch - 1;
            ++m_strStart;
            if (flush)
                FlushBlock(false);
        } else if (matchAvailable) {
            if (m_trees.TallyLiteral(m_window[m_strStart - 1], inLength))
                FlushBlock(false);
            ++m_strStart;
            --m_lookahead;
        } else {
            matchAvailable = true;
            ++m_strStart;
            --m_lookahead;
        }
    }
    if (matchAvailable) {
        const std::uint64_t inLength =
            static_cast<std::uint64_t>(static_cast<long>(m_strStart) - m_blockStart);
        m_trees.TallyLiteral(m_window[m_strStart - 1], inLength);
    }
    FlushBlock(true);
}
