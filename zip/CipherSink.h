#pragma once
// A sink that enciphers a copy of every block before another sink takes it;
// the writer's blocks stay as they were.

#include "zip/ByteCipher.h"
#include "zip/TByteStreams.h"

#include <vector>

class CipherSink : public TByteSink {
public:
    CipherSink(TByteSink& inner, ByteCipher encipher) : m_inner(inner), m_encipher(std::move(encipher)) {}

    void Write(const std::uint8_t* data, std::size_t size) override;

private:
    TByteSink& m_inner;
    ByteCipher m_encipher;
    std::vector<std::uint8_t> m_scratch;
};
