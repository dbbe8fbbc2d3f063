#pragma once
// Windows-1252 (Western European), the code page of the transmission file.
// The five bytes the page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map
// to the C1 control characters of the same value, as the page's best-fit table
// does, so every byte survives a round trip through Unicode.

#include "platform/os/CodePageTable.h"

class CodePage1252 {
public:
    static QChar ToUnicode(unsigned char byte);
    static std::optional<unsigned char> FromUnicode(QChar character);
    static QString Decode(QByteArrayView bytes);
    // Characters outside the page become replacement.
    static QByteArray Encode(QStringView text, char replacement = '?');

private:
    static const CodePageTable& Table();
};
