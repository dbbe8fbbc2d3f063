#pragma once
// A source that passes on what another source gives, keeping the CRC-32 and
// the count of the bytes passed.

#include "zip/TByteStreams.h"

class CrcSource : public TByteSource {
public:
    explicit CrcSource(TByteSource& inner) : m_inner(inner) {}

    std::size_t Fill(std::uint8_t* buffer, std::size_t capacity) override;

    std::uint32_t Crc() const { return m_crc; }
    std::uint64_t Count() const { return m_count; }

private:
    TByteSource& m_inner;
    std::uint32_t m_crc = 0;
    std::uint64_t m_count = 0;
};
