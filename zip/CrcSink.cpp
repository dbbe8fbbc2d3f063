#include "zip/CrcSink.h"

#include "platform/base/Crc32.h"

void CrcSink::Write(const std::uint8_t* data, std::size_t size) {
    m_inner.Write(data, size);
    m_crc = Crc32Update(m_crc, data, size);
}
