#include "platform/os/CodePage1252.h"

namespace {

// Bytes 0x80-0x9F; 0xA0-0xFF are the Latin-1 characters of the same value.
constexpr std::array<char16_t, 32> Range80To9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

std::array<char16_t, 128> upperHalf() {
    std::array<char16_t, 128> table{};
    for (int i = 0; i < 32; ++i)
        table[i] = Range80To9F[i];
    for (int i = 32; i < 128; ++i)
        table[i] = static_cast<char16_t>(0x80 + i);
    return table;
}

} // namespace

const CodePageTable& CodePage1252::Table() {
    static const CodePageTable table(upperHalf());
    return table;
}

QChar CodePage1252::ToUnicode(unsigned char byte) {
    return Table().ToUnicode(byte);
}

std::optional<unsigned char> CodePage1252::FromUnicode(QChar character) {
    return Table().FromUnicode(character);
}

QString CodePage1252::Decode(QByteArrayView bytes) {
    return Table().Decode(bytes);
}

QByteArray CodePage1252::Encode(QStringView text, char replacement) {
    return Table().Encode(text, replacement);
}
