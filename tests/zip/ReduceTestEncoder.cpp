#include "tests/zip/ReduceTestEncoder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace ReduceTestEncoder {

namespace {

constexpr std::uint8_t kDle = 144;

class BitWriter {
public:
    void Put(std::uint32_t value, int bits) {
        for (int i = 0; i < bits; ++i) {
            if (m_count == 8) {
                m_bytes.append(static_cast<char>(m_current));
                m_current = 0;
                m_count = 0;
            }
            m_current |= static_cast<std::uint8_t>(((value >> i) & 1u) << m_count);
            ++m_count;
        }
    }
    QByteArray Finish() {
        if (m_count > 0)
            m_bytes.append(static_cast<char>(m_current));
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    std::uint8_t m_current = 0;
    int m_count = 0;
};

int IndexBits(int n) {
    int bits = 1;
    while ((1 << bits) < n)
        ++bits;
    return bits;
}

// The first stage: literals, DLE 0 for a literal 144, DLE sequences for runs.
std::vector<std::uint8_t> RunStage(const QByteArray& data, int factor) {
    const int lengthMask = 0x7F >> (factor - 1);
    const int maxDistance = (1 << factor) * 256;
    const int maxLength = lengthMask + 255 + 3;
    std::vector<std::uint8_t> out;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.constData());
    const int size = static_cast<int>(data.size());
    for (int i = 0; i < size;) {
        int bestLength = 0;
        int bestDistance = 0;
        for (int distance = 1; distance <= std::min(i, maxDistance); ++distance) {
            int length = 0;
            while (length < maxLength && i + length < size &&
                   bytes[i + length] == bytes[i + length - distance])
                ++length;
            if (length > bestLength) {
                bestLength = length;
                bestDistance = distance;
            }
        }
        const int upper = (bestDistance - 1) >> 8;
        // Length 3 at a distance under 257 would read as DLE 0.
        const bool usable = bestLength >= 4 || (bestLength == 3 && upper > 0);
        if (!usable) {
            out.push_back(bytes[i]);
            if (bytes[i] == kDle)
                out.push_back(0);
            ++i;
            continue;
        }
        const int length = bestLength - 3;
        out.push_back(kDle);
        if (length < lengthMask) {
            out.push_back(static_cast<std::uint8_t>((upper << (8 - factor)) | length));
        } else {
            out.push_back(static_cast<std::uint8_t>((upper << (8 - factor)) | lengthMask));
            out.push_back(static_cast<std::uint8_t>(length - lengthMask));
        }
        out.push_back(static_cast<std::uint8_t>((bestDistance - 1) & 0xFF));
        i += bestLength;
    }
    return out;
}

} // namespace

QByteArray Encode(const QByteArray& data, int factor, int maxFollowers) {
    const std::vector<std::uint8_t> stage = RunStage(data, factor);
    // Follower sets: the most frequent successors of each byte.
    std::array<std::array<int, 256>, 256> counts{};
    std::uint8_t last = 0;
    for (const std::uint8_t c : stage) {
        ++counts[last][c];
        last = c;
    }
    std::array<std::vector<std::uint8_t>, 256> sets;
    for (int j = 0; j < 256; ++j) {
        std::vector<int> order(256);
        for (int c = 0; c < 256; ++c)
            order[static_cast<std::size_t>(c)] = c;
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return counts[j][a] > counts[j][b]; });
        for (int k = 0; k < maxFollowers && counts[j][order[static_cast<std::size_t>(k)]] > 0; ++k)
            sets[static_cast<std::size_t>(j)].push_back(
                static_cast<std::uint8_t>(order[static_cast<std::size_t>(k)]));
    }
    BitWriter bits;
    for (int j = 255; j >= 0; --j) {
        const std::vector<std::uint8_t>& set = sets[static_cast<std::size_t>(j)];
        bits.Put(static_cast<std::uint32_t>(set.size()), 6);
        for (const std::uint8_t c : set)
            bits.Put(c, 8);
    }
    last = 0;
    for (const std::uint8_t c : stage) {
        const std::vector<std::uint8_t>& set = sets[last];
        if (set.empty()) {
            bits.Put(c, 8);
        } else {
            const auto found = std::find(set.begin(), set.end(), c);
            if (found == set.end()) {
                bits.Put(1, 1);
                bits.Put(c, 8);
            } else {
                bits.Put(0, 1);
                bits.Put(static_cast<std::uint32_t>(found - set.begin()),
                         IndexBits(static_cast<int>(set.size())));
            }
        }
        last = c;
    }
    return bits.Finish();
}

} // namespace ReduceTestEncoder
