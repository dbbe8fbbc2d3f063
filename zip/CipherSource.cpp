#include "zip/CipherSource.h"

std::size_t CipherSource::Fill(std::uint8_t* buffer, std::size_t capacity) {
    const std::size_t n = m_inner.Fill(buffer, capacity);
    if (n > 0)
        m_decipher(buffer, n);
    return n;
}
