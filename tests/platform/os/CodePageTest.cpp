#include "platform/os/CodePage1252.h"
#include "platform/os/CodePage850.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace {

// The system's own conversion of one byte, as a peer for our tables; empty
// when the system leaves the byte undefined.
std::optional<char16_t> systemDecode(const char* codePage, unsigned char byte) {
    iconv_t cd = iconv_open("UTF-16LE", codePage);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* inPtr = in;
    char* outPtr = out;
    size_t inLeft = 1;
    size_t outLeft = sizeof out;
    const size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (done == static_cast<size_t>(-1) || sizeof out - outLeft != 2)
        return std::nullopt;
    return static_cast<char16_t>(static_cast<unsigned char>(out[0]) |
                                 (static_cast<unsigned char>(out[1]) << 8));
}

QByteArray allBytes() {
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(static_cast<char>(b));
    return bytes;
}

} // namespace

TEST(CodePageTest, CodePage1252EveryByteSurvivesARoundTrip) {
    const QByteArray bytes = allBytes();
    const QString text = CodePage1252::Decode(bytes);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(CodePage1252::Encode(text), bytes);
}

TEST(CodePageTest, CodePage1252AgreesWithTheSystemConverter) {
    for (int b = 0; b < 256; ++b) {
        const auto expected = systemDecode("CP1252", static_cast<unsigned char>(b));
        if (!expected)
            continue; // the five undefined bytes, checked below
        EXPECT_EQ(CodePage1252::ToUnicode(static_cast<unsigned char>(b)).unicode(), *expected)
            << "byte " << b;
    }
}

TEST(CodePageTest, CodePage1252UndefinedBytesMapToTheirControlCharacters) {
    for (const unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(CodePage1252::ToUnicode(b).unicode(), b);
}

TEST(CodePageTest, CodePage1252PortugueseTextAndCharactersOutsideThePage) {
    EXPECT_EQ(CodePage1252::Encode(u"Declarações €"), QByteArray("Declara\xe7\xf5\x65s \x80"));
    EXPECT_EQ(CodePage1252::Decode("Inscri\xe7\xe3o"), QStringLiteral("Inscrição"));
    EXPECT_EQ(CodePage1252::Encode(u"a\u0101b"), QByteArray("a?b"));
    EXPECT_EQ(CodePage1252::Encode(u"\u0101", '_'), QByteArray("_"));
    EXPECT_FALSE(CodePage1252::FromUnicode(QChar(0x2591)));
}

TEST(CodePageTest, CodePage850EveryByteSurvivesARoundTrip) {
    const QByteArray bytes = allBytes();
    const QString text = CodePage850::Decode(bytes);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(CodePage850::Encode(text), bytes);
}

TEST(CodePageTest, CodePage850AgreesWithTheSystemConverter) {
    int compared = 0;
    for (int b = 0; b < 256; ++b) {
        const auto expected = systemDecode("CP850", static_cast<unsigned char>(b));
        ASSERT_TRUE(expected) << "byte " << b;
        EXPECT_EQ(CodePage850::ToUnicode(static_cast<unsigned char>(b)).unicode(), *expected) << "byte " << b;
        ++compared;
    }
    EXPECT_EQ(compared, 256);
}

TEST(CodePageTest, CodePage850ZipNamesWithAccents) {
    EXPECT_EQ(CodePage850::Encode(u"CÓPIA_AÇÃO.gbk"), QByteArray("C\xe0PIA_A\x80\xc7O.gbk"));
    EXPECT_EQ(CodePage850::Decode("\x87\xc6o"), QStringLiteral("ção"));
    EXPECT_EQ(CodePage850::Encode(u"\u20AC"), QByteArray("?"));
}
