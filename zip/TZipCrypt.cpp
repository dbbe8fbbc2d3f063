#include "zip/TZipCrypt.h"

#include "platform/base/Crc32.h"
#include "platform/os/CodePage1252.h"
#include "zip/ZipFormat.h"

#include <QRandomGenerator>

namespace {

constexpr std::uint32_t kKey0 = 0x12345678;
constexpr std::uint32_t kKey1 = 0x23456789;
constexpr std::uint32_t kKey2 = 0x34567890;
constexpr std::uint32_t kMultiplier = 134775813;
constexpr int kRandomBytes = ZipFormat::EncryptionHeaderSize - 2;

} // namespace

TZipCrypt::TZipCrypt(const QByteArray& password) : m_keys{kKey0, kKey1, kKey2} {
    for (const char c : password)
        Update(static_cast<std::uint8_t>(c));
}

QByteArray TZipCrypt::PasswordBytes(const QString& password) {
    for (const QChar c : password)
        if (!CodePage1252::FromUnicode(c))
            return password.toUtf8();
    return CodePage1252::Encode(password);
}

std::uint8_t TZipCrypt::KeyStream() const {
    const std::uint32_t k = (m_keys[2] | 2) & 0xFFFF;
    return static_cast<std::uint8_t>((k * (k ^ 1)) >> 8);
}

void TZipCrypt::Update(std::uint8_t plain) {
    m_keys[0] = Crc32Byte(m_keys[0], plain);
    m_keys[1] = (m_keys[1] + (m_keys[0] & 0xFF)) * kMultiplier + 1;
    m_keys[2] = Crc32Byte(m_keys[2], static_cast<std::uint8_t>(m_keys[1] >> 24));
}

void TZipCrypt::Decrypt(std::uint8_t* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        data[i] ^= KeyStream();
        Update(data[i]);
    }
}

void TZipCrypt::Encrypt(std::uint8_t* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t plain = data[i];
        data[i] ^= KeyStream();
        Update(plain);
    }
}

QByteArray TZipCrypt::PlainHeader(std::uint32_t crc) {
    QByteArray header(ZipFormat::EncryptionHeaderSize, Qt::Uninitialized);
    auto* bytes = reinterpret_cast<std::uint8_t*>(header.data());
    QRandomGenerator* random = QRandomGenerator::system();
    for (int i = 0; i < kRandomBytes; ++i)
        bytes[i] = static_cast<std::uint8_t>(random->bounded(256));
    bytes[kRandomBytes] = static_cast<std::uint8_t>(crc >> 16);
    bytes[kRandomBytes + 1] = static_cast<std::uint8_t>(crc >> 24);
    return header;
}
