#pragma once
// Method 8 encoder: the classic hash-chain deflater over a 64 KiB window
// with lazy matching, the chain and lazy limits set by the level (1 to 9).
// Levels 1 to 3 take the first good match at once; 4 to 9 hold each match
// back one byte in case a longer one starts there. The buffers are made
// once and serve every file of a run.

#include "zip/TByteStreams.h"
#include "zip/TDeflateTrees.h"

#include <cstdint>
#include <vector>

class TDeflater {
public:
    TDeflater();

    struct Result {
        std::uint64_t compressedSize = 0;
        bool stored = false;                  // written as the plain bytes: method 0
        std::uint16_t internalAttributes = 0; // text (1) or binary (0)
        std::uint16_t flags = 0;              // general-purpose bits 1 and 2 for the level
    };

    // Compresses all of source into sink.
    Result Deflate(TByteSource& source, TByteSink& sink, int level);

private:
    void Start();
    // Slides the window when due and reads until the lookahead is full or
    // the source has ended.
    void FillLookahead();
    void FillWindow();
    unsigned LongestMatch(unsigned candidate);
    void InsertString(unsigned position, unsigned& head) {
        m_hash = ((m_hash << kHashShift) ^ m_window[position + 2]) & kHashMask;
        head = m_head[m_hash];
        m_prev[position & kWindowMask] = static_cast<std::uint16_t>(head);
        m_head[m_hash] = static_cast<std::uint16_t>(position);
    }
    void FlushBlock(bool last);
    void DeflateFast();
    void DeflateLazy();

    static constexpr unsigned kWindowBytes = 32768;
    static constexpr unsigned kWindowMask = kWindowBytes - 1;
    static constexpr unsigned kHashBits = 15;
    static constexpr unsigned kHashSize = 1u << kHashBits;
    static constexpr unsigned kHashMask = kHashSize - 1;
    static constexpr unsigned kHashShift = 5;

    TByteSource* m_source = nullptr;
    TDeflateTrees m_trees;
    std::vector<std::uint8_t> m_window;
    std::vector<std::uint16_t> m_prev;
    std::vector<std::uint16_t> m_head;

    unsigned m_hash = 0;
    unsigned m_strStart = 0;
    long m_blockStart = 0;
    unsigned m_lookahead = 0;
    unsigned m_matchStart = 0;
    unsigned m_prevLength = 0;
    bool m_eof = false;

    unsigned m_goodLength = 0;
    unsigned m_maxLazy = 0;
    unsigned m_niceLength = 0;
    unsigned m_maxChain = 0;
    int m_level = 6;
};
