#include "zip/CrcSource.h"

#include "platform/base/Crc32.h"

std::size_t CrcSource::Fill(std::uint8_t* buffer, std::size_t capacity) {
    const std::size_t n = m_inner.Fill(buffer, capacity);
    m_crc = Crc32Update(m_crc, buffer, n);
    m_count += n;
    return n;
}
