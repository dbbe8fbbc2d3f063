#pragma once
// A source that deciphers, block by block, what another source gives.

#include "zip/ByteCipher.h"
#include "zip/TByteStreams.h"

class CipherSource : public TByteSource {
public:
    CipherSource(TByteSource& inner, ByteCipher decipher) : m_inner(inner), m_decipher(std::move(decipher)) {}

    std::size_t Fill(std::uint8_t* buffer, std::size_t capacity) override;

private:
    TByteSource& m_inner;
    ByteCipher m_decipher;
};
