#pragma once
// Builder of the byte blocks the engine takes with its calls: database
// parameter blocks, transaction parameter blocks and service parameter blocks.
// Numbers are written little-endian, as the engine expects on every platform.

#include <QByteArray>
#include <cstdint>

class IBParamBlock {
public:
    IBParamBlock() = default;
    explicit IBParamBlock(std::uint8_t version) { AddTag(version); }

    // A bare tag (a flag, or a TPB item).
    void AddTag(std::uint8_t tag) { m_bytes.append(static_cast<char>(tag)); }
    // tag, one-byte length, bytes (DPB and service-attach items).
    void AddString(std::uint8_t tag, const QByteArray& value);
    // tag, two-byte length, bytes (service-start items such as file names).
    void AddLongString(std::uint8_t tag, const QByteArray& value);
    // tag, one-byte length 4, 32-bit value (DPB numbers).
    void AddSizedInt(std::uint8_t tag, std::int32_t value);
    // tag, 32-bit value without a length (service-start numbers and options).
    void AddInt(std::uint8_t tag, std::int32_t value);

    const QByteArray& Bytes() const { return m_bytes; }
    const char* Data() const { return m_bytes.constData(); }
    short Length() const { return static_cast<short>(m_bytes.size()); }

private:
    void AppendInt32(std::int32_t value);
    QByteArray m_bytes;
};
