#include "platform/base/ByteReader.h"

#include <cstring>

ByteReader::ByteReader(const void* data, std::size_t size)
    : m_data(static_cast<const std::uint8_t*>(data)), m_size(data ? size : 0) {}

ByteReader::ByteReader(std::span<const std::uint8_t> bytes) : ByteReader(bytes.data(), bytes.size()) {}

ByteReader::ByteReader(const QByteArray& bytes)
    : ByteReader(bytes.constData(), static_cast<std::size_t>(bytes.size())) {}

void ByteReader::Fail(const QString& why) const {
    throw EByteReadError(QStringLiteral("%1 no byte %2").arg(why).arg(m_position), m_position);
}

const std::uint8_t* ByteReader::Take(std::size_t count) {
    if (count > Remaining())
        Fail(QStringLiteral("fim inesperado dos dados (%1 bytes pedidos, %2 restantes)")
                 .arg(count)
                 .arg(Remaining()));
    const std::uint8_t* p = m_data + m_position;
    m_position += count;
    return p;
}

void ByteReader::Seek(std::size_t position) {
    if (position > m_size)
        Fail(QStringLiteral("posição %1 além do fim (%2)").arg(position).arg(m_size));
    m_position = position;
}

void ByteReader::Skip(std::size_t count) {
    Take(count);
}

std::uint8_t ByteReader::U8() {
    return *Take(1);
}

std::uint16_t ByteReader::U16() {
    const std::uint8_t* p = Take(2);
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t ByteReader::U32() {
    const std::uint8_t* p = Take(4);
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint64_t ByteReader::U64() {
    const std::uint64_t low = U32();
    return low | static_cast<std::uint64_t>(U32()) << 32;
}

std::uint16_t ByteReader::U16BE() {
    const std::uint8_t* p = Take(2);
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}

std::uint32_t ByteReader::U32BE() {
    const std::uint8_t* p = Take(4);
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
           static_cast<std::uint32_t>(p[2]) << 8 | static_cast<std::uint32_t>(p[3]);
}

std::span<const std::uint8_t> ByteReader::View(std::size_t count) {
    return {Take(count), count};
}

QByteArray ByteReader::Bytes(std::size_t count) {
    const std::uint8_t* p = Take(count);
    return QByteArray(reinterpret_cast<const char*>(p), static_cast<qsizetype>(count));
}

void ByteReader::Read(void* target, std::size_t count) {
    const std::uint8_t* p = Take(count);
    if (count > 0)
        std::memcpy(target, p, count);
}

ByteReader ByteReader::Sub(std::size_t count) {
    const std::uint8_t* p = Take(count);
    return ByteReader(p, count);
}

void ByteReader::CheckCount(std::uint64_t count, std::uint64_t limit, std::uint64_t minBytes,
                            const char* what) const {
    const bool fits = count <= limit && (minBytes == 0 || count <= Remaining() / minBytes);
    if (!fits)
        Fail(QStringLiteral("quantidade impossível de %1: %2").arg(QString::fromUtf8(what)).arg(count));
}
