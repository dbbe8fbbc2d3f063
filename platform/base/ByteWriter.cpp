#include "platform/base/ByteWriter.h"

#include <stdexcept>

void ByteWriter::U16(std::uint16_t value) {
    U8(static_cast<std::uint8_t>(value));
    U8(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::U32(std::uint32_t value) {
    U16(static_cast<std::uint16_t>(value));
    U16(static_cast<std::uint16_t>(value >> 16));
}

void ByteWriter::U64(std::uint64_t value) {
    U32(static_cast<std::uint32_t>(value));
    U32(static_cast<std::uint32_t>(value >> 32));
}

void ByteWriter::U16BE(std::uint16_t value) {
    U8(static_cast<std::uint8_t>(value >> 8));
    U8(static_cast<std::uint8_t>(value));
}

void ByteWriter::U32BE(std::uint32_t value) {
    U16BE(static_cast<std::uint16_t>(value >> 16));
    U16BE(static_cast<std::uint16_t>(value));
}

void ByteWriter::Bytes(std::span<const std::uint8_t> bytes) {
    m_data.append(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

void ByteWriter::PatchU32(std::size_t offset, std::uint32_t value) {
    if (offset + 4 > Size())
        throw std::out_of_range("ByteWriter::PatchU32 beyond the written data");
    for (int i = 0; i < 4; ++i)
        m_data[static_cast<qsizetype>(offset) + i] = static_cast<char>(value >> (8 * i));
}
