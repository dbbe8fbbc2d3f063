#pragma once
// A single-byte code page: bytes 0x00-0x7F are ASCII, bytes 0x80-0xFF map to
// the Unicode characters of a table of 128 entries. Unicode text is encoded
// back byte by byte; a character the page does not hold becomes the
// replacement byte.

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

class CodePageTable {
public:
    explicit CodePageTable(const std::array<char16_t, 128>& upperHalf);

    QChar ToUnicode(unsigned char byte) const;
    std::optional<unsigned char> FromUnicode(QChar character) const;
    QString Decode(QByteArrayView bytes) const;
    QByteArray Encode(QStringView text, char replacement = '?') const;

private:
    std::array<char16_t, 128> m_upper;
    QHash<char16_t, unsigned char> m_reverse;
};
