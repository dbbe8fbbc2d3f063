#pragma once
// CRC-32 as zip archives, GIF-adjacent formats and the saved-report file use
// it: the reflected polynomial 0xEDB88320, starting from all ones and
// finished by inverting all bits.
//
// Crc32Update continues a finished value, so
//   Crc32Update(Crc32Update(0, a), b) == Crc32(a + b)
// and the whole of a stream can be summed block by block. It works on sixteen
// bytes per step with sixteen tables ("slicing by sixteen").

#include <cstddef>
#include <cstdint>

std::uint32_t Crc32Update(std::uint32_t crc, const void* data, std::size_t size);

inline std::uint32_t Crc32(const void* data, std::size_t size) {
    return Crc32Update(0, data, size);
}

// The raw one-byte step on an unconditioned register (no inversion before or
// after), as the zip format's traditional encryption keys use it.
std::uint32_t Crc32Byte(std::uint32_t reg, std::uint8_t byte);
