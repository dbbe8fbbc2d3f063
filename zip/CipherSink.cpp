#include "zip/CipherSink.h"

void CipherSink::Write(const std::uint8_t* data, std::size_t size) {
    m_scratch.assign(data, data + size);
    m_encipher(m_scratch.data(), size);
    m_inner.Write(m_scratch.data(), size);
}
