#pragma once
// Shared pieces of the fuzz targets of the older zip methods: the input is a
// few parameter bytes followed by the compressed data.
#include "zip/TByteStreams.h"
#include "zip/ZipExceptions.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace FuzzZip {

class Source : public TByteSource {
public:
    Source(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    std::size_t Fill(std::uint8_t* buffer, std::size_t capacity) override {
        const std::size_t n = std::min(capacity, m_size - m_position);
        std::memcpy(buffer, m_data + m_position, n);
        m_position += n;
        return n;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_position = 0;
};

class Sink : public TByteSink {
public:
    void Write(const std::uint8_t*, std::size_t size) override { total += size; }
    std::size_t total = 0;
};

// The stated size of the output: two parameter bytes, little-endian.
inline std::uint64_t StatedSize(const std::uint8_t* data) {
    return static_cast<std::uint64_t>(data[0]) | static_cast<std::uint64_t>(data[1]) << 8;
}

} // namespace FuzzZip
