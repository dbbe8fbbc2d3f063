#pragma once
// A sink that passes every block on to another sink, keeping the CRC-32 of
// the bytes the other one took.

#include "zip/TByteStreams.h"

class CrcSink : public TByteSink {
public:
    explicit CrcSink(TByteSink& inner) : m_inner(inner) {}

    void Write(const std::uint8_t* data, std::size_t size) override;

    std::uint32_t Crc() const { return m_crc; }

private:
    TByteSink& m_inner;
    std::uint32_t m_crc = 0;
};
