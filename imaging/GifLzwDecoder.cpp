#include "imaging/GifLzwDecoder.h"

#include "platform/graphics/GraphicsErrors.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace {

constexpr std::uint32_t kEndOfData = 0xFFFF;
constexpr int kPercent = 100;
constexpr int kInterlacePasses = 4;
constexpr std::array<int, kInterlacePasses> kPassStart = {0, 4, 2, 1};
constexpr std::array<int, kInterlacePasses> kPassStep = {8, 8, 4, 2};

// The data sub-blocks joined, without their length bytes; a sub-block cut
// off by the end of the data contributes what there is.
std::vector<std::uint8_t> JoinSubBlocks(std::span<const std::uint8_t> blocks) {
    std::vector<std::uint8_t> joined;
    joined.reserve(blocks.size());
    std::size_t position = 0;
    while (position < blocks.size()) {
        const std::size_t length = blocks[position++];
        if (length == 0)
            break;
        const std::size_t available = std::min(length, blocks.size() - position);
        joined.insert(joined.end(), blocks.begin() + static_cast<std::ptrdiff_t>(position),
                      blocks.begin() + static_cast<std::ptrdiff_t>(position + available));
        position += available;
    }
    return joined;
}

class CodeReader {
public:
    explicit CodeReader(const std::vector<std::uint8_t>& bytes) : m_bytes(bytes) {}

    std::uint32_t Read(int size) {
        while (m_count < size) {
            if (m_position >= m_bytes.size())
                return kEndOfData;
            m_buffer |= static_cast<std::uint64_t>(m_bytes[m_position++]) << m_count;
            m_count += 8;
        }
        const auto code = static_cast<std::uint32_t>(m_buffer & ((1u << size) - 1));
        m_buffer >>= size;
        m_count -= size;
        return code;
    }

    int Percent() const {
        return m_bytes.empty() ? kPercent : static_cast<int>(m_position * kPercent / m_bytes.size());
    }

private:
    const std::vector<std::uint8_t>& m_bytes;
    std::size_t m_position = 0;
    std::uint64_t m_buffer = 0;
    int m_count = 0;
};

// Writes pixels left to right and moves to the next row (or the next row of
// the interlace order) after the last pixel of each. Values arrive masked.
class RowWriter {
public:
    RowWriter(const GifLzwRows& rows, bool interlaced)
        : m_rows(rows), m_interlaced(interlaced), m_line(rows.Top) {}

    bool Done() const { return m_rowsDone >= m_rows.Height; }

    // Where `count` 8-bit pixels go when they fit in the current row;
    // nullptr otherwise. Commit(count) then moves past them.
    std::uint8_t* Reserve(int count) const {
        return m_rows.BitCount == 8 && m_x + count <= m_rows.Width ? m_line + m_x : nullptr;
    }

    void Commit(int count) {
        m_x += count;
        if (m_x == m_rows.Width)
            NextRow();
    }

    // Writes values[0..count); stops at the last row.
    void Write(const std::uint8_t* values, int count) {
        int index = 0;
        while (count > 0 && !Done()) {
            const int run = std::min(count, m_rows.Width - m_x);
            if (m_rows.BitCount == 8) {
                std::copy(values + index, values + index + run, m_line + m_x);
                index += run;
            } else if (m_rows.BitCount == 4) {
                for (int i = 0; i < run; ++i, ++index) {
                    const int x = m_x + i;
                    m_line[x >> 1] |= (x & 1) ? values[index] : static_cast<std::uint8_t>(values[index] << 4);
                }
            } else {
                for (int i = 0; i < run; ++i, ++index) {
                    const int x = m_x + i;
                    if (values[index])
                        m_line[x >> 3] |= static_cast<std::uint8_t>(0x80 >> (x & 7));
                }
            }
            count -= run;
            Commit(run);
        }
    }

private:
    void NextRow() {
        m_x = 0;
        ++m_rowsDone;
        if (Done())
            return;
        if (!m_interlaced) {
            ++m_row;
        } else {
            m_row += kPassStep[m_pass];
            // A pass start at or beyond the height goes on to the next pass;
            // counting rows ends the order after the last pass.
            while (m_row >= m_rows.Height && m_pass + 1 < kInterlacePasses) {
                ++m_pass;
                m_row = kPassStart[m_pass];
            }
            if (m_row >= m_rows.Height) {
                m_rowsDone = m_rows.Height;
                return;
            }
        }
        m_line = m_rows.Top + static_cast<std::ptrdiff_t>(m_row) * m_rows.Stride;
    }

    const GifLzwRows& m_rows;
    bool m_interlaced;
    std::uint8_t* m_line;
    int m_row = 0;
    int m_pass = 0;
    int m_x = 0;
    int m_rowsDone = 0;
};

// The string table: for every code its prefix code, last pixel, first pixel
// and length. Literal codes are strings of one (masked) pixel.
class Decoder {
public:
    Decoder(const GifLzwRows& rows, int frameBits, bool interlaced, bool ignoreCorrupt,
            const GifLzwProgress& progress)
        : m_writer(rows, interlaced),
          m_mask(static_cast<std::uint8_t>((1u << std::clamp(std::min(frameBits, rows.BitCount), 1, 8)) - 1)),
          m_ignoreCorrupt(ignoreCorrupt), m_progress(progress) {}

    bool Run(std::span<const std::uint8_t> data) {
        if (data.empty())
            throw EInvalidGraphicOperation(QStringLiteral("Stream read error"));
        int minimum = data[0];
        if (minimum < GifLzwDecoder::kMinCodeSizeLow || minimum > GifLzwDecoder::kMinCodeSizeHigh) {
            Corrupt(QStringLiteral("GIF code size not in range 2 to 9"));
            minimum = std::clamp(minimum, GifLzwDecoder::kMinCodeSizeLow, GifLzwDecoder::kMinCodeSizeHigh);
        }
        const std::vector<std::uint8_t> bytes = JoinSubBlocks(data.subspan(1));
        CodeReader reader(bytes);
        const std::uint32_t clear = 1u << minimum;
        const std::uint32_t end = clear + 1;
        for (std::uint32_t code = 0; code < clear; ++code) {
            m_last[code] = static_cast<std::uint8_t>(code) & m_mask;
            m_first[code] = m_last[code];
            m_length[code] = 1;
        }
        int codeSize = minimum + 1;
        std::uint32_t nextFree = clear + 2;
        std::uint32_t previous = kEndOfData; // none: the next code is a literal
        int percent = -1;

        while (!m_writer.Done()) {
            const std::uint32_t code = reader.Read(codeSize);
            if (code == kEndOfData) {
                // Cut short: what was decoded stays when damage is tolerated.
                Corrupt(QStringLiteral("Stream read error"));
                break;
            }
            if (code == end)
                break;
            if (code == clear) {
                codeSize = minimum + 1;
                nextFree = clear + 2;
                previous = kEndOfData;
                continue;
            }
            if (m_corrupted)
                break;
            if (previous == kEndOfData) {
                if (code >= clear) {
                    Corrupt(QStringLiteral("GIF encoded data is corrupt"));
                    break;
                }
                Output(code);
            } else {
                if (code > nextFree || (code == nextFree && nextFree >= GifLzwDecoder::kTableSize)) {
                    Corrupt(QStringLiteral("GIF encoded data is corrupt"));
                    break;
                }
                // For the next free code the string is the previous one and
                // its own first pixel.
                const std::uint8_t first = code == nextFree ? m_first[previous] : m_first[code];
                if (nextFree < GifLzwDecoder::kTableSize) {
                    m_prefix[nextFree] = static_cast<std::uint16_t>(previous);
                    m_last[nextFree] = first;
                    m_first[nextFree] = m_first[previous];
                    m_length[nextFree] = static_cast<std::uint16_t>(m_length[previous] + 1);
                    ++nextFree;
                    if (nextFree >= (1u << codeSize) && codeSize < GifLzwDecoder::kMaxCodeBits)
                        ++codeSize;
                }
                Output(code);
            }
            previous = code;
            if (m_progress) {
                const int now = reader.Percent();
                if (now != percent) {
                    percent = now;
                    m_progress(TProgressStage::psRunning, percent, {});
                }
            }
        }
        return m_corrupted;
    }

private:
    // Writes the string of `code`, last pixel first from its end backwards,
    // straight into the row when it fits there. Strings are at most as long
    // as the table, so the walk ends at a literal.
    void Output(std::uint32_t code) {
        const int length = m_length[code];
        std::uint8_t* out = m_writer.Reserve(length);
        std::uint8_t* target = out ? out : m_stack.data();
        std::uint32_t current = code;
        for (int i = length - 1; i > 0; --i) {
            target[i] = m_last[current];
            current = m_prefix[current];
        }
        target[0] = m_last[current];
        if (out)
            m_writer.Commit(length);
        else
            m_writer.Write(m_stack.data(), length);
    }

    void Corrupt(const QString& message) {
        if (!m_ignoreCorrupt)
            throw EInvalidGraphicOperation(message);
        m_corrupted = true;
    }

    RowWriter m_writer;
    std::uint8_t m_mask;
    bool m_ignoreCorrupt;
    const GifLzwProgress& m_progress;
    bool m_corrupted = false;
    std::array<std::uint16_t, GifLzwDecoder::kTableSize> m_prefix{};
    std::array<std::uint8_t, GifLzwDecoder::kTableSize> m_last{};
    std::array<std::uint8_t, GifLzwDecoder::kTableSize> m_first{};
    std::array<std::uint16_t, GifLzwDecoder::kTableSize> m_length{};
    std::array<std::uint8_t, GifLzwDecoder::kStackSize> m_stack{};
};

} // namespace

bool GifLzwDecoder::Decode(std::span<const std::uint8_t> data, const GifLzwRows& rows, int frameBits,
                           bool interlaced, bool ignoreCorrupt, const GifLzwProgress& progress) {
    if (progress)
        progress(TProgressStage::psStarting, 0, {});
    try {
        bool corrupted = false;
        if (rows.Width > 0 && rows.Height > 0) {
            auto decoder = std::make_unique<Decoder>(rows, frameBits, interlaced, ignoreCorrupt, progress);
            corrupted = decoder->Run(data);
        }
        if (progress)
            progress(TProgressStage::psEnding, kPercent, {});
        return corrupted;
    } catch (const Exception& error) {
        if (progress)
            progress(TProgressStage::psEnding, 0, error.Message());
        throw;
    }
}
