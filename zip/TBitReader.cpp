#include "zip/TBitReader.h"

#include "zip/ZipExceptions.h"
#include "zip/ZipFormat.h"

namespace {

constexpr int kMaxBits = 24;

} // namespace

TBitReader::TBitReader(TByteSource& input) : m_input(input), m_buffer(ZipFormat::BlockSize) {}

void TBitReader::Refill() {
    while (m_count <= 48) {
        if (m_next == m_end && !m_exhausted) {
            m_end = m_input.Fill(m_buffer.data(), m_buffer.size());
            m_next = 0;
            m_exhausted = m_end == 0;
        }
        if (m_next < m_end) {
            m_bits |= static_cast<std::uint64_t>(m_buffer[m_next++]) << m_count;
        } else {
            ++m_padding;
        }
        m_count += 8;
    }
}

std::uint32_t TBitReader::Peek(int count) {
    Q_ASSERT(count <= kMaxBits);
    if (m_count < count)
        Refill();
    return static_cast<std::uint32_t>(m_bits & ((std::uint64_t{1} << count) - 1));
}

void TBitReader::Drop(int count) {
    m_bits >>= count;
    m_count -= count;
    if (m_count < m_padding * 8)
        throw EZipDataError(QStringLiteral("Compressed data end too early"));
}
