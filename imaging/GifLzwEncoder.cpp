#include "imaging/GifLzwEncoder.h"

#include "platform/base/Exceptions.h"

#include <array>
#include <memory>
#include <vector>

namespace {

constexpr int kPercent = 100;
// A slot holds the string's key (prefix code and last pixel, 20 bits) above
// its code (12 bits); all ones marks a free slot.
constexpr std::uint32_t kEmptySlot = 0xFFFFFFFF;
constexpr int kCodeBits = 12;
constexpr std::uint32_t kCodeMask = (1u << kCodeBits) - 1;
constexpr int kInterlacePasses = 4;
constexpr std::array<int, kInterlacePasses> kPassStart = {0, 4, 2, 1};
constexpr std::array<int, kInterlacePasses> kPassStep = {8, 8, 4, 2};
// Fibonacci hashing of the key, scaled onto the slots.
constexpr std::uint32_t kHashFactor = 0x9E3779B1u;

// Codes packed least significant bit first into 255-byte sub-blocks.
class CodeWriter {
public:
    explicit CodeWriter(QByteArray& out) : m_out(out) {}

    void Write(std::uint32_t code, int size) {
        m_buffer |= static_cast<std::uint64_t>(code) << m_count;
        m_count += size;
        while (m_count >= 8) {
            m_block[m_length++] = static_cast<char>(m_buffer & 0xFF);
            m_buffer >>= 8;
            m_count -= 8;
            if (m_length == GifLzwEncoder::kSubBlockSize)
                FlushBlock();
        }
    }

    void Finish() {
        if (m_count > 0) {
            m_block[m_length++] = static_cast<char>(m_buffer & 0xFF);
            m_buffer = 0;
            m_count = 0;
            if (m_length == GifLzwEncoder::kSubBlockSize)
                FlushBlock();
        }
        if (m_length > 0)
            FlushBlock();
        m_out.append('\0');
    }

private:
    void FlushBlock() {
        m_out.append(static_cast<char>(m_length));
        m_out.append(m_block.data(), m_length);
        m_length = 0;
    }

    QByteArray& m_out;
    std::uint64_t m_buffer = 0;
    int m_count = 0;
    int m_length = 0;
    std::array<char, GifLzwEncoder::kSubBlockSize> m_block{};
};

class Encoder {
public:
    Encoder(QByteArray& out, int bitCount) : m_writer(out) {
        m_initialSize = bitCount == 1 ? 3 : bitCount + 1;
        m_clear = 1u << (m_initialSize - 1);
        m_end = m_clear + 1;
        out.append(static_cast<char>(m_initialSize - 1));
        m_writer.Write(m_clear, m_initialSize);
        Reset();
    }

    template <int Bits> void Row(const std::uint8_t* row, int width) {
        for (int x = 0; x < width; ++x) {
            std::uint32_t pixel;
            if constexpr (Bits == 8)
                pixel = row[x];
            else if constexpr (Bits == 4)
                pixel = (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
            else
                pixel = (row[x >> 3] >> (7 - (x & 7))) & 1;
            Pixel(pixel);
        }
    }

    void Finish() {
        if (!m_startOfString)
            m_writer.Write(m_prefix, m_codeSize);
        m_writer.Write(m_end, m_codeSize);
        m_writer.Finish();
    }

private:
    void Reset() {
        m_slots.fill(kEmptySlot);
        m_codeSize = m_initialSize;
        m_counter = m_end;
        m_startOfString = true;
    }

    void StartString(std::uint32_t pixel) {
        m_prefix = pixel;
        m_startOfString = false;
    }

    void Pixel(std::uint32_t pixel) {
        if (m_startOfString) {
            StartString(pixel);
            return;
        }
        const std::uint32_t key = m_prefix << 8 | pixel;
        std::uint32_t slot = static_cast<std::uint32_t>(
            (static_cast<std::uint64_t>(key * kHashFactor) * GifLzwEncoder::kHashSize) >> 32);
        for (;;) {
            const std::uint32_t entry = m_slots[slot];
            if (entry == kEmptySlot)
                break;
            if (entry >> kCodeBits == key) {
                m_prefix = entry & kCodeMask;
                return;
            }
            if (++slot == GifLzwEncoder::kHashSize)
                slot = 0;
        }
        m_writer.Write(m_prefix, m_codeSize);
        ++m_counter;
        m_slots[slot] = key << kCodeBits | m_counter;
        StartString(pixel);
        if (m_counter == (1u << m_codeSize)) {
            ++m_codeSize;
        } else if (m_counter > GifLzwEncoder::kLastCode) {
            m_writer.Write(m_prefix, m_codeSize);
            m_writer.Write(m_clear, m_codeSize);
            Reset();
        }
    }

    CodeWriter m_writer;
    int m_initialSize = 0;
    std::uint32_t m_clear = 0;
    std::uint32_t m_end = 0;
    int m_codeSize = 0;
    std::uint32_t m_counter = 0;
    std::uint32_t m_prefix = 0;
    bool m_startOfString = true;
    std::array<std::uint32_t, GifLzwEncoder::kHashSize> m_slots{};
};

// The rows in the order they are coded.
std::vector<int> RowOrder(int height, bool interlaced) {
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            order.push_back(y);
        return order;
    }
    for (int pass = 0; pass < kInterlacePasses; ++pass)
        for (int y = kPassStart[pass]; y < height; y += kPassStep[pass])
            order.push_back(y);
    return order;
}

} // namespace

void GifLzwEncoder::Encode(QByteArray& out, const GifLzwRows& rows, bool interlaced,
                           const GifLzwProgress& progress) {
    if (progress)
        progress(TProgressStage::psStarting, 0, {});
    try {
        auto encoder = std::make_unique<Encoder>(out, rows.BitCount);
        const std::vector<int> order = RowOrder(rows.Height, interlaced);
        for (std::size_t i = 0; i < order.size(); ++i) {
            const std::uint8_t* row = rows.Top + static_cast<std::ptrdiff_t>(order[i]) * rows.Stride;
            if (rows.BitCount == 8)
                encoder->Row<8>(row, rows.Width);
            else if (rows.BitCount == 4)
                encoder->Row<4>(row, rows.Width);
            else
                encoder->Row<1>(row, rows.Width);
            if (progress)
                progress(TProgressStage::psRunning, static_cast<int>((i + 1) * kPercent / order.size()), {});
        }
        encoder->Finish();
        if (progress)
            progress(TProgressStage::psEnding, kPercent, {});
    } catch (const Exception& error) {
        if (progress)
            progress(TProgressStage::psEnding, 0, error.Message());
        throw;
    }
}
