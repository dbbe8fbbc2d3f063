#include "zip/TUnreducer.h"

#include "zip/TBitReader.h"
#include "zip/TOutputWindow.h"
#include "zip/ZipExceptions.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::uint8_t kDle = 144;
constexpr int kMaxFollowers = 32;
constexpr int kCountBits = 6;
constexpr int kMinRun = 3;

// Bits of a follower index for a set of n (at least one bit).
int IndexBits(int n) {
    int bits = 1;
    while ((1 << bits) < n)
        ++bits;
    return bits;
}

struct FollowerSet {
    int count = 0;
    std::array<std::uint8_t, kMaxFollowers> bytes{};
};

enum class State { Plain, AfterDle, LengthByte, DistanceByte };

} // namespace

void TUnreducer::Decode(TByteSource& input, TByteSink& output, std::uint64_t size, int factor) {
    if (factor < 1 || factor > 4)
        throw EZipDataError(QStringLiteral("Invalid reduce factor %1").arg(factor));
    TBitReader bits(input);
    TOutputWindow window(output);
    std::array<FollowerSet, 256> sets;
    for (int j = 255; j >= 0; --j) {
        FollowerSet& set = sets[static_cast<std::size_t>(j)];
        set.count = static_cast<int>(bits.Bits(kCountBits));
        if (set.count > kMaxFollowers)
            throw EZipDataError(QStringLiteral("Invalid reduced data: a follower set of %1").arg(set.count));
        for (int i = 0; i < set.count; ++i)
            set.bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bits.Bits(8));
    }

    const std::uint32_t lengthMask = 0x7Fu >> (factor - 1);
    std::uint8_t last = 0;
    State state = State::Plain;
    std::uint32_t code = 0;
    std::uint32_t length = 0;
    while (window.Total() < size) {
        const FollowerSet& set = sets[last];
        std::uint8_t c;
        if (set.count == 0 || bits.Bits(1) != 0) {
            c = static_cast<std::uint8_t>(bits.Bits(8));
        } else {
            const std::uint32_t index = bits.Bits(IndexBits(set.count));
            if (index >= static_cast<std::uint32_t>(set.count))
                throw EZipDataError(QStringLiteral("Invalid reduced data: follower index out of range"));
            c = set.bytes[index];
        }
        last = c;
        switch (state) {
        case State::Plain:
            if (c == kDle)
                state = State::AfterDle;
            else
                window.Put(c);
            break;
        case State::AfterDle:
            if (c == 0) {
                window.Put(kDle);
                state = State::Plain;
            } else {
                code = c;
                length = c & lengthMask;
                state = length == lengthMask ? State::LengthByte : State::DistanceByte;
            }
            break;
        case State::LengthByte:
            length += c;
            state = State::DistanceByte;
            break;
        case State::DistanceByte: {
            const std::uint32_t distance = (code >> (8 - factor)) * 256 + c + 1;
            const std::uint64_t left = size - window.Total();
            window.CopyBack(distance,
                            static_cast<std::uint32_t>(std::min<std::uint64_t>(length + kMinRun, left)));
            state = State::Plain;
            break;
        }
        }
    }
    window.Finish();
}
