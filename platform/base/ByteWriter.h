#pragma once
// Builds binary data in memory, little-endian unless the name ends in BE;
// sizes written before their data are known can be patched afterwards.

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <span>

class ByteWriter {
public:
    void U8(std::uint8_t value) { m_data.append(static_cast<char>(value)); }
    void U16(std::uint16_t value);
    void U32(std::uint32_t value);
    void U64(std::uint64_t value);
    void U16BE(std::uint16_t value);
    void U32BE(std::uint32_t value);
    void Bytes(const QByteArray& bytes) { m_data.append(bytes); }
    void Bytes(std::span<const std::uint8_t> bytes);
    void Zeros(std::size_t count) { m_data.append(static_cast<qsizetype>(count), '\0'); }

    // Overwrites four bytes already written at `offset`.
    void PatchU32(std::size_t offset, std::uint32_t value);

    std::size_t Size() const { return static_cast<std::size_t>(m_data.size()); }
    const QByteArray& Data() const { return m_data; }
    QByteArray Take() { return std::move(m_data); }

private:
    QByteArray m_data;
};
