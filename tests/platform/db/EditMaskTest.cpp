#include "platform/db/TEditMask.h"

#include "platform/base/Exceptions.h"
#include "platform/base/SysUtils.h"

#include <gtest/gtest.h>

namespace {

// Types text from the cursor position; returns how many characters were taken.
int type(const TEditMask& mask, QString& editText, int& cursor, const QString& text) {
    int taken = 0;
    for (QChar c : text)
        if (mask.TypeChar(editText, cursor, c))
            ++taken;
    return taken;
}

std::string s(const QString& text) {
    return text.toStdString();
}

} // namespace

TEST(EditMaskTest, ParsesThePictureAndItsFields) {
    const TEditMask process(QStringLiteral("E\\04-999999/9999;1; "));
    EXPECT_TRUE(process.IsMasked());
    EXPECT_TRUE(process.SaveLiterals());
    EXPECT_EQ(process.BlankChar(), QLatin1Char(' '));
    EXPECT_EQ(process.Length(), 15);
    EXPECT_EQ(s(process.EmptyEditText()), "E04-      /    ");
    for (int literal : {0, 1, 2, 3, 10})
        EXPECT_TRUE(process.IsLiteral(literal)) << literal;
    for (int input : {4, 9, 11, 14})
        EXPECT_FALSE(process.IsLiteral(input)) << input;

    const TEditMask phone(QStringLiteral("0000-0000;0; "));
    EXPECT_FALSE(phone.SaveLiterals());
    EXPECT_EQ(s(phone.EmptyEditText()), "    -    ");

    EXPECT_EQ(s(TEditMask(QStringLiteral("00/00/0000;1;_")).EmptyEditText()), "__/__/____");
    EXPECT_EQ(s(TEditMask(QStringLiteral("99/9999;1;_")).EmptyEditText()), "__/____");
    EXPECT_EQ(s(TEditMask(QStringLiteral("00.000.000;0; ")).EmptyEditText()), "  .   .   ");
    EXPECT_EQ(s(TEditMask(QStringLiteral("!99;0; ")).EmptyEditText()), "  ");
    EXPECT_EQ(s(TEditMask(QStringLiteral("00:00")).EmptyEditText()), "__:__");
    EXPECT_EQ(s(TEditMask(QStringLiteral("\\0\\9-0_0;1;*")).EmptyEditText()), "09-* *");

    const TEditMask bare(QStringLiteral("000"));
    EXPECT_TRUE(bare.SaveLiterals());
    EXPECT_EQ(bare.BlankChar(), QLatin1Char('_'));
}

TEST(EditMaskTest, AnEmptyMaskEditsFreely) {
    const TEditMask none{QString()};
    EXPECT_FALSE(none.IsMasked());
    EXPECT_EQ(s(none.ValueOf(QStringLiteral("abc 1"))), "abc 1");
    EXPECT_EQ(s(none.FormatText(QStringLiteral("abc"))), "abc");
    EXPECT_EQ(none.FirstInvalidPosition(QStringLiteral("anything")), -1);
}

TEST(EditMaskTest, TypingAPhoneNumberSkipsTheLiteral) {
    const TEditMask phone(QStringLiteral("0000-0000;0; "));
    QString text = phone.EmptyEditText();
    int cursor = 0;
    EXPECT_EQ(type(phone, text, cursor, QStringLiteral("1234")), 4);
    EXPECT_EQ(cursor, 5); // already past the hyphen
    EXPECT_FALSE(phone.TypeChar(text, cursor, QLatin1Char('a')));
    EXPECT_EQ(type(phone, text, cursor, QStringLiteral("5678")), 4);
    EXPECT_EQ(s(text), "1234-5678");
    EXPECT_EQ(cursor, 9);
    EXPECT_FALSE(phone.TypeChar(text, cursor, QLatin1Char('9'))) << "no room after the last position";
    EXPECT_EQ(s(text), "1234-5678");
    EXPECT_EQ(s(phone.ValueOf(text)), "12345678");
    phone.Validate(text);
}

TEST(EditMaskTest, TypingTheLiteralItselfStepsOverIt) {
    const TEditMask phone(QStringLiteral("0000-0000;0; "));
    QString text = phone.EmptyEditText();
    int cursor = 0;
    type(phone, text, cursor, QStringLiteral("12"));
    cursor = 4;
    EXPECT_TRUE(phone.TypeChar(text, cursor, QLatin1Char('-')));
    EXPECT_EQ(cursor, 5);
    EXPECT_EQ(s(text), "12  -    ");
    // Typing a digit on the literal lands in the next input position.
    cursor = 4;
    EXPECT_TRUE(phone.TypeChar(text, cursor, QLatin1Char('7')));
    EXPECT_EQ(s(text), "12  -7   ");
    EXPECT_EQ(cursor, 6);
}

TEST(EditMaskTest, ProcessNumberKeepsItsLiteralsAndPositions) {
    const TEditMask process(QStringLiteral("E\\04-999999/9999;1; "));
    QString text = process.EmptyEditText();
    int cursor = 0;
    EXPECT_EQ(type(process, text, cursor, QStringLiteral("1234562004")), 10);
    EXPECT_EQ(s(text), "E04-123456/2004");
    const QString value = process.ValueOf(text);
    EXPECT_EQ(s(value), "E04-123456/2004");
    EXPECT_EQ(s(value.mid(0, 3)), "E04");
    EXPECT_EQ(s(value.mid(4, 6)), "123456");
    EXPECT_EQ(s(value.mid(11, 4)), "2004");

    // Optional digits may stay empty: the year still stands at its place.
    text = process.EmptyEditText();
    cursor = 0;
    type(process, text, cursor, QStringLiteral("123"));
    cursor = 11;
    type(process, text, cursor, QStringLiteral("2004"));
    EXPECT_EQ(process.FirstInvalidPosition(text), -1);
    EXPECT_EQ(s(process.ValueOf(text)), "E04-123   /2004");

    // Left empty, the value is the empty mask text with its literals.
    EXPECT_EQ(s(process.ValueOf(process.EmptyEditText())), "E04-      /    ");
}

TEST(EditMaskTest, RequiredProcessDigitsMustAllBeTyped) {
    const TEditMask process(QStringLiteral("E\\04-000000/0000;1; "));
    EXPECT_EQ(process.FirstInvalidPosition(QStringLiteral("E04-123456/2004")), -1);
    EXPECT_EQ(process.FirstInvalidPosition(QStringLiteral("E04-123   /2004")), 7);
    EXPECT_EQ(process.FirstInvalidPosition(process.EmptyEditText()), 4);
    EXPECT_EQ(s(process.FormatText(QStringLiteral("E04-123456/2004"))), "E04-123456/2004");
}

TEST(EditMaskTest, ValidationReportsTheFirstBadPosition) {
    const TEditMask phone(QStringLiteral("0000-0000;0; "));
    EXPECT_EQ(phone.FirstInvalidPosition(QStringLiteral("1234-567 ")), 8);
    EXPECT_EQ(phone.FirstInvalidPosition(QStringLiteral("1234-567")), 8) << "a short text counts as empty";
    EXPECT_EQ(phone.FirstInvalidPosition(QStringLiteral("1234/5678")), 4) << "a changed literal";
    EXPECT_EQ(phone.FirstInvalidPosition(QStringLiteral("12x4-5678")), 2) << "a character the class refuses";
    try {
        phone.Validate(QStringLiteral("1234-567 "));
        FAIL() << "an incomplete number passed";
    } catch (const EDBEditError& e) {
        EXPECT_EQ(s(e.Message()),
                  "Valor inválido. Complete o campo ou use a tecla Esc para abandonar as alterações.");
    }

    const TEditMask ddd(QStringLiteral("999;0; "));
    EXPECT_EQ(ddd.FirstInvalidPosition(QStringLiteral("   ")), -1);
    EXPECT_EQ(ddd.FirstInvalidPosition(QStringLiteral("1 3")), -1);

    const TEditMask date(QStringLiteral("00/00/0000;1;_"));
    EXPECT_EQ(date.FirstInvalidPosition(QStringLiteral("05/01/2024")), -1);
    EXPECT_EQ(date.FirstInvalidPosition(QStringLiteral("05/01/20__")), 8);
    EXPECT_THROW(date.Validate(date.EmptyEditText()), EDBEditError);
    EXPECT_EQ(StrToDate(date.ValueOf(QStringLiteral("05/01/2024"))), QDate(2024, 1, 5));

    const TEditMask period(QStringLiteral("99/9999;1;_"));
    EXPECT_EQ(period.FirstInvalidPosition(period.EmptyEditText()), -1);
    EXPECT_EQ(s(period.ValueOf(QStringLiteral("03/2004"))), "03/2004");
    EXPECT_EQ(s(period.ValueOf(QStringLiteral("3_/2004"))), "3 /2004");
}

TEST(EditMaskTest, StoredValuesWithoutLiterals) {
    const TEditMask phone(QStringLiteral("0000-0000;0; "));
    EXPECT_EQ(s(phone.EditTextFor(QStringLiteral("12345678"))), "1234-5678");
    EXPECT_EQ(s(phone.EditTextFor(QStringLiteral("1234"))), "1234-    ");
    EXPECT_EQ(s(phone.EditTextFor(QStringLiteral("12ab5678"))), "12  -5678");
    EXPECT_EQ(s(phone.EditTextFor(QStringLiteral("1234567890"))), "1234-5678");
    EXPECT_EQ(s(phone.FormatText(QStringLiteral("12345678"))), "1234-5678");

    const TEditMask registration(QStringLiteral("00.000.000;0; "));
    QString text = registration.EmptyEditText();
    int cursor = 0;
    type(registration, text, cursor, QStringLiteral("01234567"));
    EXPECT_EQ(s(text), "01.234.567");
    EXPECT_EQ(StrToInt(registration.ValueOf(text)), 1234567);
    EXPECT_EQ(s(registration.EditTextFor(QStringLiteral("01234567"))), "01.234.567");

    const TEditMask ddd(QStringLiteral("999;0; "));
    EXPECT_EQ(s(ddd.ValueOf(QStringLiteral("11 "))), "11 ");
    // Nothing typed stores nothing rather than blanks.
    EXPECT_EQ(s(ddd.ValueOf(ddd.EmptyEditText())), "");
    EXPECT_EQ(s(TEditMask(QStringLiteral("0000-0000;0; ")).ValueOf(QStringLiteral("    -    "))), "");
}

TEST(EditMaskTest, LeadingBlanksRightAlignShortValues) {
    const TEditMask month(QStringLiteral("!99;0; "));
    EXPECT_EQ(s(month.EditTextFor(QStringLiteral("5"))), " 5");
    EXPECT_EQ(StrToInt(month.ValueOf(QStringLiteral(" 5"))), 5);
    const TEditMask year(QStringLiteral("!9999;0; "));
    EXPECT_EQ(s(year.EditTextFor(QStringLiteral("2024"))), "2024");
    EXPECT_EQ(s(year.EditTextFor(QStringLiteral("24"))), "  24");
    const TEditMask maximum(QStringLiteral("9999999999999;0; "));
    QString text = maximum.EmptyEditText();
    int cursor = 0;
    EXPECT_EQ(type(maximum, text, cursor, QStringLiteral("12345678901234")), 13);
    EXPECT_EQ(StrToInt64(maximum.ValueOf(text)), 1234567890123LL);
}

TEST(EditMaskTest, CharacterClassesAndCaseShifts) {
    const TEditMask code(QStringLiteral(">LL<ll<>a;1;_"));
    QString text = code.EmptyEditText();
    int cursor = 0;
    EXPECT_EQ(type(code, text, cursor, QStringLiteral("abCDx")), 5);
    EXPECT_EQ(s(text), "ABcdx");
    cursor = 0;
    EXPECT_FALSE(code.TypeChar(text, cursor, QLatin1Char('1'))) << "L takes letters only";

    const struct {
        const char* mask;
        char accepted;
        char refused;
    } cases[] = {{"0", '7', ' '}, {"9", '0', 'x'}, {"#", '-', 'x'}, {"#", '+', '.'},  {"L", 'q', '1'},
                 {"l", 'Q', '-'}, {"A", '1', '-'}, {"a", 'z', '/'}, {"C", '-', '\t'}, {"c", ' ', '\n'}};
    for (const auto& c : cases) {
        const TEditMask mask(QString::fromLatin1(c.mask));
        QString accepted = mask.EmptyEditText();
        QString refused = mask.EmptyEditText();
        int at = 0;
        EXPECT_TRUE(mask.TypeChar(accepted, at, QLatin1Char(c.accepted))) << c.mask << " " << c.accepted;
        at = 0;
        EXPECT_FALSE(mask.TypeChar(refused, at, QLatin1Char(c.refused))) << c.mask << " " << int(c.refused);
        EXPECT_EQ(s(refused), s(mask.EmptyEditText()));
    }
    // Only the upper-case letters and 0 are required.
    EXPECT_EQ(TEditMask(QStringLiteral("Lla;1;_")).FirstInvalidPosition(QStringLiteral("x__")), -1);
    EXPECT_EQ(TEditMask(QStringLiteral("lLa;1;_")).FirstInvalidPosition(QStringLiteral("x__")), 1);
}

TEST(EditMaskTest, ClearingAndCursorPositions) {
    const TEditMask phone(QStringLiteral("0000-0000;0; "));
    QString text = QStringLiteral("1234-5678");
    phone.Clear(text, 2, 4);
    EXPECT_EQ(s(text), "12  - 678");
    phone.Clear(text, 7, 100);
    EXPECT_EQ(s(text), "12  - 6  ");
    EXPECT_EQ(phone.NextInputPosition(4), 5);
    EXPECT_EQ(phone.NextInputPosition(-3), 0);
    EXPECT_EQ(phone.NextInputPosition(9), 9);
    EXPECT_EQ(phone.PriorInputPosition(5), 3);
    EXPECT_EQ(phone.PriorInputPosition(0), -1);
    const TEditMask process(QStringLiteral("E\\04-999999/9999;1; "));
    EXPECT_EQ(process.NextInputPosition(0), 4);
    EXPECT_EQ(process.PriorInputPosition(4), -1);
    // A text of the wrong length is refused rather than written past its end.
    QString wrong = QStringLiteral("12");
    int cursor = 0;
    EXPECT_FALSE(phone.TypeChar(wrong, cursor, QLatin1Char('1')));
}
