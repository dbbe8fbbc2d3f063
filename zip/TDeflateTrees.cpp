#include "zip/TDeflateTrees.h"

#include "zip/ZipFormat.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kLiterals = 256;
constexpr int kEndBlock = 256;
constexpr int kLengthCodes = 29;
constexpr int kLCodes = kLiterals + 1 + kLengthCodes; // 286
constexpr int kDCodes = 30;
constexpr int kBLCodes = 19;
constexpr int kHeapSize = 2 * kLCodes + 1;
constexpr int kMaxBits = 15;
constexpr int kMaxBLBits = 7;
constexpr int kMinMatch = 3;
constexpr int kRep3To6 = 16;
constexpr int kRepZero3To10 = 17;
constexpr int kRepZero11To138 = 18;
constexpr int kStoredBlock = 0;
constexpr int kStaticTrees = 1;
constexpr int kDynamicTrees = 2;
constexpr std::uint64_t kMaxStoredBlock = 0xFFFF;
constexpr std::size_t kOutputSize = 16384;

constexpr std::uint8_t kExtraLengthBits[kLengthCodes] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                         2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::uint8_t kExtraDistanceBits[kDCodes] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                      6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
constexpr std::uint8_t kExtraCodeLengthBits[kBLCodes] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                         0, 0, 0, 0, 0, 0, 2, 3, 7};
constexpr std::uint8_t kCodeLengthOrder[kBLCodes] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                     11, 4,  12, 3, 13, 2, 14, 1, 15};

constexpr std::uint32_t Reverse(std::uint32_t code, int length) {
    std::uint32_t result = 0;
    for (int i = 0; i < length; ++i) {
        result = (result << 1) | (code & 1);
        code >>= 1;
    }
    return result;
}

// Canonical codes from the lengths of a tree (bit-reversed for sending).
constexpr void GenerateCodes(TDeflateTrees::Node* tree, int maxCode, const std::uint16_t* lengthCount) {
    std::uint16_t next[kMaxBits + 1] = {};
    std::uint32_t code = 0;
    for (int bits = 1; bits <= kMaxBits; ++bits) {
        code = (code + lengthCount[bits - 1]) << 1;
        next[bits] = static_cast<std::uint16_t>(code);
    }
    for (int n = 0; n <= maxCode; ++n) {
        const int length = tree[n].len;
        if (length != 0)
            tree[n].code = static_cast<std::uint16_t>(Reverse(next[length]++, length));
    }
}

// The fixed code tables and the maps from lengths and distances to their codes.
struct StaticTables {
    std::uint8_t lengthCode[256] = {};
    std::uint8_t distanceCode[512] = {};
    int baseLength[kLengthCodes] = {};
    int baseDistance[kDCodes] = {};
    TDeflateTrees::Node lengthTree[kLCodes + 2] = {};
    TDeflateTrees::Node distanceTree[kDCodes] = {};

    constexpr StaticTables() {
        int length = 0;
        int code = 0;
        for (code = 0; code < kLengthCodes - 1; ++code) {
            baseLength[code] = length;
            for (int n = 0; n < (1 << kExtraLengthBits[code]); ++n)
                lengthCode[length++] = static_cast<std::uint8_t>(code);
        }
        // Length 258 (255 after the minimum) has a code of its own.
        lengthCode[length - 1] = static_cast<std::uint8_t>(code);
        int distance = 0;
        for (code = 0; code < 16; ++code) {
            baseDistance[code] = distance;
            for (int n = 0; n < (1 << kExtraDistanceBits[code]); ++n)
                distanceCode[distance++] = static_cast<std::uint8_t>(code);
        }
        distance >>= 7;
        for (; code < kDCodes; ++code) {
            baseDistance[code] = distance << 7;
            for (int n = 0; n < (1 << (kExtraDistanceBits[code] - 7)); ++n)
                distanceCode[256 + distance++] = static_cast<std::uint8_t>(code);
        }
        std::uint16_t count[kMaxBits + 1] = {};
        for (int n = 0; n < kLCodes + 2; ++n) {
            const int bits = n < 144 ? 8 : n < 256 ? 9 : n < 280 ? 7 : 8;
            lengthTree[n].len = static_cast<std::uint16_t>(bits);
            ++count[bits];
        }
        GenerateCodes(lengthTree, kLCodes + 1, count);
        for (int n = 0; n < kDCodes; ++n) {
            distanceTree[n].len = 5;
            distanceTree[n].code = static_cast<std::uint16_t>(Reverse(static_cast<std::uint32_t>(n), 5));
        }
    }
};

constexpr StaticTables kStatic;

inline int DistanceCode(unsigned distance) {
    return distance < 256 ? kStatic.distanceCode[distance] : kStatic.distanceCode[256 + (distance >> 7)];
}

} // namespace

TDeflateTrees::TDeflateTrees()
    : m_literals(kMaxRecords + 1), m_distances(kMaxRecords + 1), m_output(kOutputSize) {
    static const StaticTree staticLength{kStatic.lengthTree, kExtraLengthBits, kLiterals + 1, kLCodes,
                                         kMaxBits};
    static const StaticTree staticDistance{kStatic.distanceTree, kExtraDistanceBits, 0, kDCodes, kMaxBits};
    static const StaticTree staticCodeLength{nullptr, kExtraCodeLengthBits, 0, kBLCodes, kMaxBLBits};
    m_lengthDesc = Tree{m_lengthTree.data(), 0, &staticLength};
    m_distanceDesc = Tree{m_distanceTree.data(), 0, &staticDistance};
    m_codeLengthDesc = Tree{m_codeLengthTree.data(), 0, &staticCodeLength};
}

void TDeflateTrees::Start(TByteSink& sink, int level) {
    m_sink = &sink;
    m_level = level;
    m_bitBuffer = 0;
    m_bitCount = 0;
    m_outputUsed = 0;
    m_written = 0;
    m_storedEntry = false;
    m_firstBlock = true;
    m_fileType = ZipFormat::InternalUndecided;
    InitBlock();
}

void TDeflateTrees::InitBlock() {
    for (int n = 0; n < kLCodes; ++n)
        m_lengthTree[n].freq = 0;
    for (int n = 0; n < kDCodes; ++n)
        m_distanceTree[n].freq = 0;
    for (int n = 0; n < kBLCodes; ++n)
        m_codeLengthTree[n].freq = 0;
    m_lengthTree[kEndBlock].freq = 1;
    m_optimalBits = m_staticBits = 0;
    m_records = m_matches = 0;
}

bool TDeflateTrees::TallyMatch(unsigned distance, unsigned length, std::uint64_t inLength) {
    const unsigned lc = length - kMinMatch;
    m_literals[m_records] = static_cast<std::uint8_t>(lc);
    m_distances[m_records++] = static_cast<std::uint16_t>(distance);
    ++m_matches;
    ++m_lengthTree[kStatic.lengthCode[lc] + kLiterals + 1].freq;
    ++m_distanceTree[DistanceCode(distance - 1)].freq;
    return m_records == kMaxRecords || ((m_records & kCheckMask) == 0 && EndEarly(inLength));
}

bool TDeflateTrees::EndEarly(std::uint64_t inLength) const {
    if (m_level <= 2)
        return false;
    std::uint64_t outLength = static_cast<std::uint64_t>(m_records) * 8;
    for (int code = 0; code < kDCodes; ++code)
        outLength += static_cast<std::uint64_t>(m_distanceTree[code].freq) * (5 + kExtraDistanceBits[code]);
    outLength >>= 3;
    return m_matches < m_records / 2 && outLength < inLength / 2;
}

// ---- Huffman trees ------------------------------------------------------------

void TDeflateTrees::DownHeap(const Node* nodes, int k) {
    const int v = m_heap[k];
    const auto smaller = [this, nodes](int n, int m) {
        return nodes[n].freq < nodes[m].freq || (nodes[n].freq == nodes[m].freq && m_depth[n] <= m_depth[m]);
    };
    int j = k << 1;
    while (j <= m_heapLength) {
        if (j < m_heapLength && smaller(m_heap[j + 1], m_heap[j]))
            ++j;
        if (smaller(v, m_heap[j]))
            break;
        m_heap[k] = m_heap[j];
        k = j;
        j <<= 1;
    }
    m_heap[k] = v;
}

void TDeflateTrees::GenerateLengths(Tree& desc) {
    Node* tree = desc.nodes;
    const int maxCode = desc.maxCode;
    const Node* stree = desc.stat->tree;
    const std::uint8_t* extra = desc.stat->extraBits;
    const int base = desc.stat->extraBase;
    const int maxLength = desc.stat->maxLength;
    m_lengthCount.fill(0);
    tree[m_heap[m_heapMax]].len = 0;
    int overflow = 0;
    int h = m_heapMax + 1;
    for (; h < kHeapSize; ++h) {
        const int n = m_heap[h];
        int bits = tree[tree[n].dad].len + 1;
        if (bits > maxLength) {
            bits = maxLength;
            ++overflow;
        }
        tree[n].len = static_cast<std::uint16_t>(bits);
        if (n > maxCode)
            continue; // not a leaf
        ++m_lengthCount[bits];
        const int xbits = n >= base ? extra[n - base] : 0;
        const std::uint64_t f = tree[n].freq;
        m_optimalBits += f * static_cast<std::uint64_t>(bits + xbits);
        if (stree)
            m_staticBits += f * static_cast<std::uint64_t>(stree[n].len + xbits);
    }
    if (overflow == 0)
        return;
    // Move the overflowing leaves up, then give the lengths out again by frequency.
    do {
        int bits = maxLength - 1;
        while (m_lengthCount[bits] == 0)
            --bits;
        --m_lengthCount[bits];
        m_lengthCount[bits + 1] += 2;
        --m_lengthCount[maxLength];
        overflow -= 2;
    } while (overflow > 0);
    for (int bits = maxLength; bits != 0; --bits) {
        int n = m_lengthCount[bits];
        while (n != 0) {
            const int m = m_heap[--h];
            if (m > maxCode)
                continue;
            if (tree[m].len != bits) {
                m_optimalBits += (static_cast<std::uint64_t>(bits) - tree[m].len) * tree[m].freq;
                tree[m].len = static_cast<std::uint16_t>(bits);
            }
            --n;
        }
    }
}

void TDeflateTrees::BuildTree(Tree& desc) {
    Node* tree = desc.nodes;
    const Node* stree = desc.stat->tree;
    const int elements = desc.stat->elements;
    int maxCode = -1;
    m_heapLength = 0;
    m_heapMax = kHeapSize;
    for (int n = 0; n < elements; ++n) {
        if (tree[n].freq != 0) {
            m_heap[++m_heapLength] = maxCode = n;
            m_depth[n] = 0;
        } else {
            tree[n].len = 0;
        }
    }
    // At least two codes, so that a code of one bit exists.
    while (m_heapLength < 2) {
        const int node = m_heap[++m_heapLength] = maxCode < 2 ? ++maxCode : 0;
        tree[node].freq = 1;
        m_depth[node] = 0;
        --m_optimalBits;
        if (stree)
            m_staticBits -= stree[node].len;
    }
    desc.maxCode = maxCode;
    for (int n = m_heapLength / 2; n >= 1; --n)
        DownHeap(tree, n);
    int node = elements;
    do {
        const int n = m_heap[1];
        m_heap[1] = m_heap[m_heapLength--];
        DownHeap(tree, 1);
        const int m = m_heap[1];
        m_heap[--m_heapMax] = n;
        m_heap[--m_heapMax] = m;
        tree[node].freq = static_cast<std::uint16_t>(tree[n].freq + tree[m].freq);
        m_depth[node] = static_cast<std::uint8_t>(std::max(m_depth[n], m_depth[m]) + 1);
        tree[n].dad = tree[m].dad = static_cast<std::uint16_t>(node);
        m_heap[1] = node++;
        DownHeap(tree, 1);
    } while (m_heapLength >= 2);
    m_heap[--m_heapMax] = m_heap[1];
    GenerateLengths(desc);
    GenerateCodes(tree, maxCode, m_lengthCount.data());
}

// Counts the code-length symbols (with repeats) that describe a tree.
void TDeflateTrees::ScanTree(const Node* tree, int maxCode) {
    int previous = -1;
    int next = tree[0].len;
    int count = 0;
    int maxCount = next == 0 ? 138 : 7;
    int minCount = next == 0 ? 3 : 4;
    for (int n = 0; n <= maxCode; ++n) {
        const int current = next;
        next = n + 1 <= maxCode ? tree[n + 1].len : -1;
        if (++count < maxCount && current == next)
            continue;
        if (count < minCount)
            m_codeLengthTree[current].freq =
                static_cast<std::uint16_t>(m_codeLengthTree[current].freq + count);
        else if (current != 0) {
            if (current != previous)
                ++m_codeLengthTree[current].freq;
            ++m_codeLengthTree[kRep3To6].freq;
        } else if (count <= 10)
            ++m_codeLengthTree[kRepZero3To10].freq;
        else
            ++m_codeLengthTree[kRepZero11To138].freq;
        count = 0;
        previous = current;
        if (next == 0) {
            maxCount = 138;
            minCount = 3;
        } else if (current == next) {
            maxCount = 6;
            minCount = 3;
        } else {
            maxCount = 7;
            minCount = 4;
        }
    }
}

void TDeflateTrees::SendTree(const Node* tree, int maxCode) {
    int previous = -1;
    int next = tree[0].len;
    int count = 0;
    int maxCount = next == 0 ? 138 : 7;
    int minCount = next == 0 ? 3 : 4;
    const Node* bl = m_codeLengthTree.data();
    for (int n = 0; n <= maxCode; ++n) {
        const int current = next;
        next = n + 1 <= maxCode ? tree[n + 1].len : -1;
        if (++count < maxCount && current == next)
            continue;
        if (count < minCount) {
            do
                SendCode(current, bl);
            while (--count != 0);
        } else if (current != 0) {
            if (current != previous) {
                SendCode(current, bl);
                --count;
            }
            SendCode(kRep3To6, bl);
            SendBits(static_cast<std::uint32_t>(count - 3), 2);
        } else if (count <= 10) {
            SendCode(kRepZero3To10, bl);
            SendBits(static_cast<std::uint32_t>(count - 3), 3);
        } else {
            SendCode(kRepZero11To138, bl);
            SendBits(static_cast<std::uint32_t>(count - 11), 7);
        }
        count = 0;
        previous = current;
        if (next == 0) {
            maxCount = 138;
            minCount = 3;
        } else if (current == next) {
            maxCount = 6;
            minCount = 3;
        } else {
            maxCount = 7;
            minCount = 4;
        }
    }
}

int TDeflateTrees::BuildCodeLengthTree() {
    ScanTree(m_lengthTree.data(), m_lengthDesc.maxCode);
    ScanTree(m_distanceTree.data(), m_distanceDesc.maxCode);
    BuildTree(m_codeLengthDesc);
    int last = kBLCodes - 1;
    for (; last >= 3; --last)
        if (m_codeLengthTree[kCodeLengthOrder[last]].len != 0)
            break;
    // The three counts and the code-length code's own lengths.
    m_optimalBits += 3 * (static_cast<std::uint64_t>(last) + 1) + 5 + 5 + 4;
    return last;
}

void TDeflateTrees::SendAllTrees(int lengthCodes, int distanceCodes, int codeLengthCodes) {
    SendBits(static_cast<std::uint32_t>(lengthCodes - 257), 5);
    SendBits(static_cast<std::uint32_t>(distanceCodes - 1), 5);
    SendBits(static_cast<std::uint32_t>(codeLengthCodes - 4), 4);
    for (int rank = 0; rank < codeLengthCodes; ++rank)
        SendBits(m_codeLengthTree[kCodeLengthOrder[rank]].len, 3);
    SendTree(m_lengthTree.data(), lengthCodes - 1);
    SendTree(m_distanceTree.data(), distanceCodes - 1);
}

void TDeflateTrees::CompressBlock(const Node* lengthTree, const Node* distanceTree) {
    const StaticTables& tables = kStatic;
    for (int i = 0; i < m_records; ++i) {
        const unsigned distance = m_distances[static_cast<std::size_t>(i)];
        const unsigned lc = m_literals[static_cast<std::size_t>(i)];
        if (distance == 0) {
            SendCode(static_cast<int>(lc), lengthTree);
            continue;
        }
        int code = tables.lengthCode[lc];
        SendCode(code + kLiterals + 1, lengthTree);
        int extra = kExtraLengthBits[code];
        if (extra != 0)
            SendBits(lc - static_cast<unsigned>(tables.baseLength[code]), extra);
        const unsigned d = distance - 1;
        code = DistanceCode(d);
        SendCode(code, distanceTree);
        extra = kExtraDistanceBits[code];
        if (extra != 0)
            SendBits(d - static_cast<unsigned>(tables.baseDistance[code]), extra);
    }
    SendCode(kEndBlock, lengthTree);
}

void TDeflateTrees::DecideFileType() {
    std::uint64_t binary = 0;
    std::uint64_t ascii = 0;
    int n = 0;
    for (; n < 7; ++n)
        binary += m_lengthTree[n].freq;
    for (; n < 128; ++n)
        ascii += m_lengthTree[n].freq;
    for (; n < kLiterals; ++n)
        binary += m_lengthTree[n].freq;
    m_fileType = binary > (ascii >> 2) ? ZipFormat::InternalBinary : ZipFormat::InternalText;
}

// ---- blocks ---------------------------------------------------------------------

void TDeflateTrees::FlushBlock(const std::uint8_t* block, std::uint64_t length, bool last) {
    if (m_firstBlock)
        DecideFileType();
    BuildTree(m_lengthDesc);
    BuildTree(m_distanceDesc);
    const int lastCodeLength = BuildCodeLengthTree();
    std::uint64_t best = (m_optimalBits + 3 + 7) >> 3;
    const std::uint64_t fixed = (m_staticBits + 3 + 7) >> 3;
    if (fixed <= best)
        best = fixed;
    const bool nothingWritten = m_firstBlock && m_written == 0 && m_outputUsed == 0 && m_bitCount == 0;
    if (last && nothingWritten && length > 0 && length <= best && block) {
        // The whole entry is one block that does not shrink: keep it plain.
        PutBytes(block, static_cast<std::size_t>(length));
        m_storedEntry = true;
    } else if (length + 4 <= best && block) {
        StoredBlocks(block, length, last);
    } else if (fixed == best) {
        SendBits((kStaticTrees << 1) + (last ? 1 : 0), 3);
        CompressBlock(kStatic.lengthTree, kStatic.distanceTree);
    } else {
        SendBits((kDynamicTrees << 1) + (last ? 1 : 0), 3);
        SendAllTrees(m_lengthDesc.maxCode + 1, m_distanceDesc.maxCode + 1, lastCodeLength + 1);
        CompressBlock(m_lengthTree.data(), m_distanceTree.data());
    }
    m_firstBlock = false;
    InitBlock();
    if (last) {
        AlignToByte();
        FlushOutput();
    }
}

void TDeflateTrees::StoredBlocks(const std::uint8_t* block, std::uint64_t length, bool last) {
    do {
        const std::uint64_t piece = std::min(length, kMaxStoredBlock);
        length -= piece;
        SendBits((kStoredBlock << 1) + (last && length == 0 ? 1 : 0), 3);
        AlignToByte();
        const std::uint8_t header[4] = {
            static_cast<std::uint8_t>(piece), static_cast<std::uint8_t>(piece >> 8),
            static_cast<std::uint8_t>(~piece), static_cast<std::uint8_t>(~piece >> 8)};
        PutBytes(header, sizeof header);
        PutBytes(block, static_cast<std::size_t>(piece));
        block += piece;
    } while (length > 0);
}

// ---- bit output ---------------------------------------------------------------------

void TDeflateTrees::Emit32() {
    if (m_outputUsed + 4 > m_output.size())
        FlushOutput();
    const auto word = static_cast<std::uint32_t>(m_bitBuffer);
    std::memcpy(m_output.data() + m_outputUsed, &word, 4); // little-endian machines only
    m_outputUsed += 4;
    m_bitBuffer >>= 32;
    m_bitCount -= 32;
}

void TDeflateTrees::AlignToByte() {
    while (m_bitCount > 0) {
        if (m_outputUsed == m_output.size())
            FlushOutput();
        m_output[m_outputUsed++] = static_cast<std::uint8_t>(m_bitBuffer);
        m_bitBuffer >>= 8;
        m_bitCount = std::max(m_bitCount - 8, 0);
    }
    m_bitBuffer = 0;
}

void TDeflateTrees::PutBytes(const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        if (m_outputUsed == m_output.size())
            FlushOutput();
        const std::size_t n = std::min(size, m_output.size() - m_outputUsed);
        std::memcpy(m_output.data() + m_outputUsed, data, n);
        m_outputUsed += n;
        data += n;
        size -= n;
    }
}

void TDeflateTrees::FlushOutput() {
    if (m_outputUsed == 0)
        return;
    m_sink->Write(m_output.data(), m_outputUsed);
    m_written += m_outputUsed;
    m_outputUsed = 0;
}
