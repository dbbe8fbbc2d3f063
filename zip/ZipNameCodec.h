#pragma once
// Names and comments inside zip archives. Written names use the OEM code page
// (850) when the entry is OEM-converted, else the ANSI page (1252); a name
// that page cannot hold is written as UTF-8 and flagged with general-purpose
// bit 11. Read names follow bit 11, then the host that made the entry.

#include <QByteArray>
#include <QString>
#include <cstdint>

class ZipNameCodec {
public:
    // Bytes of an archive as text: UTF-8 with bit 11; from an MS-DOS host the
    // OEM page (ANSI without oemConvert); from other hosts UTF-8 when the bytes
    // are valid UTF-8, else the ANSI page.
    static QString Decode(const QByteArray& bytes, std::uint16_t flags, int host, bool oemConvert);
    // Text as bytes for an archive; *utf8 tells whether bit 11 must be set.
    static QByteArray Encode(const QString& text, bool oemConvert, bool* utf8);
    // Text in a fixed form: UTF-8 when utf8, else the page, with "?" for
    // what the page cannot hold (comments follow their entry's name).
    static QByteArray EncodeAs(const QString& text, bool utf8, bool oemConvert);
};
