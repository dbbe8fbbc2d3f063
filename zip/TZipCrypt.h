#pragma once
// The traditional PKWARE encryption: three 32-bit keys seeded from the
// password and stirred by every plain byte. Each entry starts with a 12-byte
// header of random bytes whose last byte checks the password.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

class TZipCrypt {
public:
    // Keys seeded with the password's bytes.
    explicit TZipCrypt(const QByteArray& password);

    // A password as the bytes the keys are seeded with: the ANSI code page
    // (1252) when it holds every character, else UTF-8.
    static QByteArray PasswordBytes(const QString& password);

    void Decrypt(std::uint8_t* data, std::size_t size);
    void Encrypt(std::uint8_t* data, std::size_t size);

    // The 12-byte header of a new entry, not yet encrypted: ten bytes from
    // the system's random source, then bits 16-23 and 24-31 of the entry's CRC.
    static QByteArray PlainHeader(std::uint32_t crc);

private:
    std::uint8_t KeyStream() const;
    void Update(std::uint8_t plain);

    std::uint32_t m_keys[3];
};
