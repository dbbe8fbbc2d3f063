#pragma once
// Code page 850 (DOS Latin-1), the code page of file names inside zip archives.
// Bytes below 0x80 are ASCII (the control bytes read as control characters,
// not as the page's graphic symbols).

#include "platform/os/CodePageTable.h"

class CodePage850 {
public:
    static QChar ToUnicode(unsigned char byte);
    static std::optional<unsigned char> FromUnicode(QChar character);
    static QString Decode(QByteArrayView bytes);
    // Characters outside the page become replacement.
    static QByteArray Encode(QStringView text, char replacement = '?');

private:
    static const CodePageTable& Table();
};
