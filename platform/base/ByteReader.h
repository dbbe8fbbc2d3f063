#pragma once
// The one reader of binary file data: every read is checked against the end
// of the bytes it was given, and counts read from a file can be checked
// against what the rest of the file could hold before anything is allocated.
// Numbers are little-endian unless the name ends in BE. The reader borrows
// the bytes; they must outlive it.

#include "platform/base/Exceptions.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <span>

// Raised by ByteReader for a read past the end or a failed check. Position
// is the offset the reader stood at.
class EByteReadError : public Exception {
public:
    EByteReadError(const QString& message, std::size_t position) : Exception(message), m_position(position) {}
    std::size_t Position() const { return m_position; }

private:
    std::size_t m_position;
};

class ByteReader {
public:
    ByteReader(const void* data, std::size_t size);
    explicit ByteReader(std::span<const std::uint8_t> bytes);
    explicit ByteReader(const QByteArray& bytes);

    std::size_t Size() const { return m_size; }
    std::size_t Position() const { return m_position; }
    std::size_t Remaining() const { return m_size - m_position; }
    bool AtEnd() const { return m_position == m_size; }

    void Seek(std::size_t position);
    void Skip(std::size_t count);

    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U32();
    std::uint64_t U64();
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    std::uint16_t U16BE();
    std::uint32_t U32BE();

    // The next `count` bytes, without copying; valid while the data are.
    std::span<const std::uint8_t> View(std::size_t count);
    QByteArray Bytes(std::size_t count);
    void Read(void* target, std::size_t count);
    // A reader over the next `count` bytes (a chunk or a record); this one
    // moves past them.
    ByteReader Sub(std::size_t count);

    // Raises unless `count` items of at least `minBytes` each, and no more
    // than `limit`, can stand in what remains; `what` (UTF-8) names the items.
    void CheckCount(std::uint64_t count, std::uint64_t limit, std::uint64_t minBytes, const char* what) const;

    // Raises EByteReadError at the current position.
    [[noreturn]] void Fail(const QString& why) const;

private:
    const std::uint8_t* Take(std::size_t count);

    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_position = 0;
};
