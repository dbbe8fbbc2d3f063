#pragma once
// Where the coders take bytes from and put them: for the decoders the
// reader's input stage (an entry's compressed data, decrypted, across disks)
// and output stage (size check, CRC, progress, the extracted file); for the
// encoder the writer's reading routine and output routine.

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
