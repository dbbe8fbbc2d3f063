#pragma once
// The block stage of the deflate encoder: it records literals and matches,
// counts their frequencies, and writes each block as stored, fixed-Huffman or
// dynamic-Huffman data, whichever is smallest, through a bit buffer to the
// sink. Huffman codes are built with the usual heap construction and
// limited to 15 bits (7 for the code-length code).

#include "zip/TByteStreams.h"

#include <array>
#include <cstdint>
#include <vector>

class TDeflateTrees {
public:
    TDeflateTrees();

    // Starts an entry at a level (the early block end applies above 2).
    void Start(TByteSink& sink, int level);

    // Record a literal, or a match of length (3..258) at distance (1..32768);
    // inLength is the number of input bytes the block covers so far. True
    // when the block should end here: its buffers are full, or (above level
    // 2, checked every 4096 records) fewer than half its records are matches
    // and their estimated size is under half the input.
    bool TallyLiteral(std::uint8_t c, std::uint64_t inLength) {
        m_literals[m_records] = c;
        m_distances[m_records++] = 0;
        ++m_lengthTree[c].freq;
        return m_records == kMaxRecords || ((m_records & kCheckMask) == 0 && EndEarly(inLength));
    }
    bool TallyMatch(unsigned distance, unsigned length, std::uint64_t inLength);

    // Writes the block recorded so far. block holds its input bytes when they
    // are still at hand (else nullptr); last ends the entry.
    void FlushBlock(const std::uint8_t* block, std::uint64_t length, bool last);

    // After the last block: whether the entry was written as its plain bytes
    // (method 0), its bytes written, and its kind (text or binary) as the
    // first block's literals suggest.
    bool StoredEntry() const { return m_storedEntry; }
    std::uint64_t CompressedSize() const { return m_written; }
    std::uint16_t InternalAttributes() const { return m_fileType; }

    static constexpr int kMaxRecords = 32767;
    static constexpr int kCheckMask = 0xFFF;

    struct Node {
        std::uint16_t freq = 0;
        std::uint16_t code = 0;
        std::uint16_t dad = 0;
        std::uint16_t len = 0;
    };

private:
    struct StaticTree {
        const Node* tree;
        const std::uint8_t* extraBits;
        int extraBase;
        int elements;
        int maxLength;
    };
    struct Tree {
        Node* nodes;
        int maxCode;
        const StaticTree* stat;
    };

    bool EndEarly(std::uint64_t inLength) const;
    void InitBlock();
    void BuildTree(Tree& tree);
    void GenerateLengths(Tree& tree);
    void DownHeap(const Node* nodes, int k);
    void ScanTree(const Node* tree, int maxCode);
    void SendTree(const Node* tree, int maxCode);
    int BuildCodeLengthTree();
    void SendAllTrees(int lengthCodes, int distanceCodes, int codeLengthCodes);
    void CompressBlock(const Node* lengthTree, const Node* distanceTree);
    void StoredBlocks(const std::uint8_t* block, std::uint64_t length, bool last);
    void DecideFileType();

    void SendBits(std::uint32_t value, int length) {
        m_bitBuffer |= static_cast<std::uint64_t>(value) << m_bitCount;
        m_bitCount += length;
        if (m_bitCount >= 32)
            Emit32();
    }
    void SendCode(int symbol, const Node* tree) { SendBits(tree[symbol].code, tree[symbol].len); }
    void Emit32();
    void AlignToByte();
    void PutBytes(const std::uint8_t* data, std::size_t size);
    void FlushOutput();

    TByteSink* m_sink = nullptr;
    int m_level = 6;

    std::vector<std::uint8_t> m_literals;
    std::vector<std::uint16_t> m_distances;
    int m_records = 0;
    int m_matches = 0;

    std::array<Node, 2 * 286 + 1> m_lengthTree;
    std::array<Node, 2 * 30 + 1> m_distanceTree;
    std::array<Node, 2 * 19 + 1> m_codeLengthTree;
    Tree m_lengthDesc;
    Tree m_distanceDesc;
    Tree m_codeLengthDesc;
    std::array<int, 2 * 286 + 1> m_heap{};
    int m_heapLength = 0;
    int m_heapMax = 0;
    std::array<std::uint8_t, 2 * 286 + 1> m_depth{};
    std::array<std::uint16_t, 16> m_lengthCount{};
    std::uint64_t m_optimalBits = 0;
    std::uint64_t m_staticBits = 0;

    std::uint64_t m_bitBuffer = 0;
    int m_bitCount = 0;
    std::vector<std::uint8_t> m_output;
    std::size_t m_outputUsed = 0;
    std::uint64_t m_written = 0;
    bool m_storedEntry = false;
    bool m_firstBlock = true;
    std::uint16_t m_fileType = 0;
};
