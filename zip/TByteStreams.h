#pragma once
// Where the coders take bytes from and put them. Stages stack: a source
// may read another (CipherSource deciphers, CrcSource checks), a sink may
// write to another (CipherSink enciphers, CrcSink checks). Extraction reads
// an entry's data across disks, deciphered, decodes them and writes them
// through the CRC into the file; a Zip reads a file through the CRC, encodes
// it and writes it enciphered into the archive.

#include <cstddef>
#include <cstdint>

class TByteSource {
public:
    virtual ~TByteSource() = default;
    // Copies up to capacity bytes; 0 once there are no more.
    virtual std::size_t Fill(std::uint8_t* buffer, std::size_t capacity) = 0;
};

class TByteSink {
public:
    virtual ~TByteSink() = default;
    virtual void Write(const std::uint8_t* data, std::size_t size) = 0;
};
