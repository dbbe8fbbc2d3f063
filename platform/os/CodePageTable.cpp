#include "platform/os/CodePageTable.h"

CodePageTable::CodePageTable(const std::array<char16_t, 128>& upperHalf) : m_upper(upperHalf) {
    for (int i = 0; i < 128; ++i)
        m_reverse.insert(m_upper[i], static_cast<unsigned char>(0x80 + i));
}

QChar CodePageTable::ToUnicode(unsigned char byte) const {
    return byte < 0x80 ? QChar(byte) : QChar(m_upper[byte - 0x80]);
}

std::optional<unsigned char> CodePageTable::FromUnicode(QChar character) const {
    const char16_t code = character.unicode();
    if (code < 0x80)
        return static_cast<unsigned char>(code);
    const auto found = m_reverse.constFind(code);
    if (found == m_reverse.cend())
        return std::nullopt;
    return *found;
}

QString CodePageTable::Decode(QByteArrayView bytes) const {
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text.append(ToUnicode(static_cast<unsigned char>(byte)));
    return text;
}

QByteArray CodePageTable::Encode(QStringView text, char replacement) const {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const auto byte = FromUnicode(c);
        bytes.append(byte ? static_cast<char>(*byte) : replacement);
    }
    return bytes;
}
