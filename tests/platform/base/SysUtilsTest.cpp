#include "platform/base/SysUtils.h"

#include "platform/base/Exceptions.h"
#include "platform/base/SystemClock.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

Currency money(const char* text) {
    return *Currency::parse(QString::fromLatin1(text));
}

std::string formatMoney(const char* format, const char* value) {
    return FormatFloat(QString::fromLatin1(format), money(value)).toStdString();
}

std::string formatDouble(const char* format, double value) {
    return FormatFloat(QString::fromLatin1(format), value).toStdString();
}

template <typename F> std::string convertErrorOf(F&& call) {
    try {
        call();
    } catch (const EConvertError& e) {
        return e.Message().toStdString();
    }
    return "no error";
}

} // namespace

TEST(SysUtilsTest, FormatFloatMoneyPictureKeepsCentsExactAndRoundsHalfAwayFromZero) {
    EXPECT_EQ(formatMoney("#,##0.00", "0.29"), "0,29");
    EXPECT_EQ(formatMoney("#,##0.00", "10.999"), "11,00");
    EXPECT_EQ(formatMoney("#,##0.00", "10.995"), "11,00");
    EXPECT_EQ(formatMoney("#,##0.00", "10.9949"), "10,99");
    EXPECT_EQ(formatMoney("#,##0.00", "-0.005"), "-0,01");
    EXPECT_EQ(formatMoney("#,##0.00", "-1234.5"), "-1.234,50");
    EXPECT_EQ(formatMoney("#,##0.00", "0"), "0,00");
    EXPECT_EQ(formatMoney("#,##0.00", "999.999"), "1.000,00");
    EXPECT_EQ(formatMoney("#,##0.00", "1234567890123.45"), "1.234.567.890.123,45");
    EXPECT_EQ(
        FormatFloat(QStringLiteral("#,##0.0000"), Currency::fromRaw(std::numeric_limits<std::int64_t>::max()))
            .toStdString(),
        "922.337.203.685.477,5807");
    EXPECT_EQ(
        FormatFloat(QStringLiteral("#,##0.00"), Currency::fromRaw(std::numeric_limits<std::int64_t>::min()))
            .toStdString(),
        "-922.337.203.685.477,58");
}

TEST(SysUtilsTest, FormatFloatValueRoundingToZeroShowsNoMinusSign) {
    EXPECT_EQ(formatMoney("#,##0.00", "-0.004"), "0,00");
    EXPECT_EQ(formatDouble("#,##0", -0.4), "0");
}

TEST(SysUtilsTest, FormatFloatFourDecimalsAndWholeNumbers) {
    EXPECT_EQ(formatMoney("#,##0.0000", "1234.5678"), "1.234,5678");
    EXPECT_EQ(formatMoney("#,##0.0000", "-0.0001"), "-0,0001");
    EXPECT_EQ(formatDouble("#,##0", 1234567), "1.234.567");
    EXPECT_EQ(formatDouble("#,##0", 999.5), "1.000");
    EXPECT_EQ(formatDouble("#,##0", 0), "0");
    EXPECT_EQ(formatDouble("#,##0", -1000), "-1.000");
    EXPECT_EQ(formatDouble("#,##0", 100), "100");
    EXPECT_EQ(formatDouble("#,###,##0.00", 1234.5), "1.234,50");
    EXPECT_EQ(formatDouble("#,##0.00000", 0.123456), "0,12346");
}

TEST(SysUtilsTest, FormatFloatDoublesRoundOnTheirDecimalDigits) {
    // 2.675 and 10.995 are stored a hair below the half; their decimal text is what counts.
    EXPECT_EQ(formatDouble("#.00", 2.675), "2,68");
    EXPECT_EQ(formatDouble("#.00", 10.995), "11,00");
    EXPECT_EQ(formatDouble("#.00", 0.1 + 0.2), ",30");
    EXPECT_EQ(formatDouble("#,##0.00", 0.29), "0,29");
    EXPECT_EQ(formatDouble("#,##0.00", -1234.565), "-1.234,57");
    EXPECT_EQ(formatDouble("#,##0.00", 1e15), "1.000.000.000.000.000,00");
}

TEST(SysUtilsTest, FormatFloatOptionalDigitsShowOnlyWhatTheNumberHas) {
    EXPECT_EQ(formatDouble("#.00", 0.5), ",50");
    EXPECT_EQ(formatDouble("#.00", 0), ",00");
    EXPECT_EQ(formatDouble("#.00", 1234.5), "1234,50");
    EXPECT_EQ(formatDouble("###,###", 2048), "2.048");
    EXPECT_EQ(formatDouble("###,###", 512), "512");
    EXPECT_EQ(formatDouble("###,###", 0), "");
    EXPECT_EQ(formatDouble("###,### KB", 1536000), "1.536.000 KB");
    EXPECT_EQ(formatDouble("0.##", 1), "1");
    EXPECT_EQ(formatDouble("0.##", 1.5), "1,5");
    EXPECT_EQ(formatDouble("0.##", 1.256), "1,26");
    EXPECT_EQ(formatDouble("0,000", 5), "0.005");
    EXPECT_EQ(formatDouble("00", 5), "05");
    EXPECT_EQ(formatDouble("00", 12), "12");
}

TEST(SysUtilsTest, FormatFloatDigitPicturesWithLiteralSeparators) {
    EXPECT_EQ(formatDouble("00.000.000", 1234567), "01.234.567");
    EXPECT_EQ(formatDouble("00.000.000", 12345678), "12.345.678");
    EXPECT_EQ(formatDouble("00.000.000/0000-00", 12345678000195.0), "12.345.678/0001-95");
    EXPECT_EQ(formatDouble("00.000.000/0000-00", 191), "00.000.000/0001-91");
    EXPECT_EQ(formatDouble("00.000.000-0", 123456789), "12.345.678-9");
    EXPECT_EQ(formatDouble("00.000.000-0", 1234.6), "00.000.123-5");
    // Quoted literals, as the shared constants write them.
    EXPECT_EQ(formatDouble("00\".\"000\".\"000\"/\"0000\"-\"00", 12345678000195.0), "12.345.678/0001-95");
    EXPECT_EQ(formatDouble("000000000\"-\"00", 12345678901.0), "123456789-01");
    EXPECT_EQ(formatDouble("'R$ '#,##0.00", 5), "R$ 5,00");
    // More digits than places: the extra ones go before the first place.
    EXPECT_EQ(formatDouble("00-00", 123456), "1234-56");
}

TEST(SysUtilsTest, FormatFloatSectionsForNegativeAndZero) {
    EXPECT_EQ(formatDouble("#,##0.00;(#,##0.00);zero", -5), "(5,00)");
    EXPECT_EQ(formatDouble("#,##0.00;(#,##0.00);zero", 0), "zero");
    EXPECT_EQ(formatDouble("#,##0.00;(#,##0.00);zero", 0.001), "zero");
    EXPECT_EQ(formatDouble("#,##0.00;(#,##0.00);zero", 1234), "1.234,00");
    EXPECT_EQ(formatDouble("#,##0.00;;Nada", -5), "-5,00");
    EXPECT_EQ(formatDouble("#,##0.00;;Nada", 0), "Nada");
    EXPECT_EQ(formatDouble("0;0", -7), "7");
    EXPECT_EQ(formatDouble("#,##0.00;;0.0 'zerado'", 0), "0,0 zerado");
}

TEST(SysUtilsTest, FormatFloatNotANumberAndInfinity) {
    EXPECT_EQ(formatDouble("#,##0.00", std::numeric_limits<double>::quiet_NaN()), "NAN");
    EXPECT_EQ(formatDouble("#,##0.00", -std::numeric_limits<double>::infinity()), "-INF");
}

TEST(SysUtilsTest, NumberToTextFloatToStrUsesFifteenSignificantDigits) {
    EXPECT_EQ(FloatToStr(1234.5).toStdString(), "1234,5");
    EXPECT_EQ(FloatToStr(0.29).toStdString(), "0,29");
    EXPECT_EQ(FloatToStr(0.1 + 0.2).toStdString(), "0,3");
    EXPECT_EQ(FloatToStr(-3).toStdString(), "-3");
    EXPECT_EQ(FloatToStr(0).toStdString(), "0");
    EXPECT_EQ(FloatToStr(123456789012345.0).toStdString(), "123456789012345");
    EXPECT_EQ(FloatToStr(1e15).toStdString(), "1E15");
    EXPECT_EQ(FloatToStr(1e20).toStdString(), "1E20");
    EXPECT_EQ(FloatToStr(0.00001).toStdString(), "0,00001");
    EXPECT_EQ(FloatToStr(1.5e-6).toStdString(), "1,5E-6");
}

TEST(SysUtilsTest, NumberToTextCurrToStrAndIntToStr) {
    EXPECT_EQ(CurrToStr(money("0.29")).toStdString(), "0,29");
    EXPECT_EQ(CurrToStr(money("10")).toStdString(), "10");
    EXPECT_EQ(CurrToStr(money("-1234.5678")).toStdString(), "-1234,5678");
    EXPECT_EQ(CurrToStr(money("-0.5")).toStdString(), "-0,5");
    EXPECT_EQ(IntToStr(std::numeric_limits<std::int64_t>::min()).toStdString(), "-9223372036854775808");
}

TEST(SysUtilsTest, TextToNumberIntegersWithSignAndBlanks) {
    EXPECT_EQ(StrToInt(QStringLiteral(" 42 ")), 42);
    EXPECT_EQ(StrToInt(QStringLiteral("-7")), -7);
    EXPECT_EQ(StrToInt(QStringLiteral("+5")), 5);
    EXPECT_EQ(StrToInt(QStringLiteral("01234567")), 1234567);
    EXPECT_EQ(StrToInt(QStringLiteral("-2147483648")), std::numeric_limits<int>::min());
    EXPECT_EQ(StrToInt64(QStringLiteral("9223372036854775807")), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(StrToInt64(QStringLiteral("-9223372036854775808")), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(StrToInt64(QStringLiteral("2147483648")), 2147483648LL);
    EXPECT_EQ(StrToIntDef(QStringLiteral("x"), -1), -1);
    EXPECT_EQ(StrToIntDef(QStringLiteral("12"), -1), 12);
    EXPECT_EQ(StrToInt64Def(QStringLiteral("9223372036854775808"), 3), 3);
}

TEST(SysUtilsTest, TextToNumberIntegerConversionErrorsNameTheText) {
    EXPECT_EQ(convertErrorOf([] { StrToInt(QStringLiteral("abc")); }),
              "\"abc\" não é um número inteiro válido");
    EXPECT_EQ(convertErrorOf([] { StrToInt(QStringLiteral("2147483648")); }),
              "\"2147483648\" não é um número inteiro válido");
    EXPECT_EQ(convertErrorOf([] { StrToInt64(QStringLiteral("9223372036854775808")); }),
              "\"9223372036854775808\" não é um número inteiro válido");
    EXPECT_EQ(convertErrorOf([] { StrToInt(QString()); }), "\"\" não é um número inteiro válido");
    EXPECT_EQ(convertErrorOf([] { StrToInt(QStringLiteral("12a")); }),
              "\"12a\" não é um número inteiro válido");
    EXPECT_EQ(convertErrorOf([] { StrToInt(QStringLiteral("1 2")); }),
              "\"1 2\" não é um número inteiro válido");
    EXPECT_EQ(convertErrorOf([] { StrToInt(QStringLiteral("-")); }), "\"-\" não é um número inteiro válido");
    EXPECT_EQ(convertErrorOf([] { StrToInt(QStringLiteral("1,5")); }),
              "\"1,5\" não é um número inteiro válido");
}

TEST(SysUtilsTest, TextToNumberFloatsWithDecimalCommaAndThousands) {
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("1.234,56")), 1234.56);
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("1234,56")), 1234.56);
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("1.234.567")), 1234567);
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral(",50")), 0.5);
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("-3")), -3);
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("1,5E3")), 1500);
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("2e-2")), 0.02);
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral(" 7 ")), 7);
    // What FormatFloat writes reads back.
    EXPECT_DOUBLE_EQ(StrToFloat(FormatFloat(QStringLiteral("#,##0.00"), 98765.43)), 98765.43);
    EXPECT_DOUBLE_EQ(StrToFloat(FormatFloat(QStringLiteral("#,##0.00000"), 1234.56789)), 1234.56789);
    EXPECT_DOUBLE_EQ(StrToFloat(FormatFloat(QStringLiteral("#.00"), -0.5)), -0.5);
    EXPECT_DOUBLE_EQ(StrToFloat(FormatFloat(QStringLiteral("#.00"), 1234567.891)), 1234567.89);
    EXPECT_DOUBLE_EQ(StrToFloat(FloatToStr(0.1 + 0.2)), 0.3);
}

TEST(SysUtilsTest, TextToNumberFloatsRejectMisplacedSeparators) {
    // A dot is never a decimal point: "1.5" is neither 1,5 nor 15.
    EXPECT_EQ(convertErrorOf([] { StrToFloat(QStringLiteral("1.5")); }), "\"1.5\" não é um número válido");
    for (const char* bad :
         {"12.34,5", "1.2345", ".123", "abc", "", ",", "1,2,3", "1e", "1e99999", "1e400", "--1"})
        EXPECT_THROW(StrToFloat(QString::fromLatin1(bad)), EConvertError) << bad;
}

TEST(SysUtilsTest, TextToNumberMoneyConvertsExactly) {
    EXPECT_EQ(StrToCurr(QStringLiteral("1.234,56")).raw(), 12345600);
    EXPECT_EQ(StrToCurr(QStringLiteral("1234,56")).raw(), 12345600);
    EXPECT_EQ(StrToCurr(QStringLiteral("0,29")).raw(), 2900);
    EXPECT_EQ(StrToCurr(QStringLiteral("-0,29")).raw(), -2900);
    EXPECT_EQ(StrToCurr(QStringLiteral("10,999")).raw(), 109990);
    EXPECT_EQ(StrToCurr(QStringLiteral("1,23455")).raw(), 12346);
    EXPECT_EQ(StrToCurr(QStringLiteral("-1,23455")).raw(), -12346);
    EXPECT_EQ(StrToCurr(QStringLiteral("1,23454")).raw(), 12345);
    EXPECT_EQ(StrToCurr(QStringLiteral("922.337.203.685.477,5807")).raw(),
              std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(convertErrorOf([] { StrToCurr(QStringLiteral("922337203685477,5808")); }),
              "\"922337203685477,5808\" não é um número válido");
    EXPECT_EQ(convertErrorOf([] { StrToCurr(QStringLiteral("abc")); }), "\"abc\" não é um número válido");
    EXPECT_THROW(StrToCurr(QStringLiteral("1.5")), EConvertError);
    EXPECT_THROW(StrToCurr(QStringLiteral("1E3")), EConvertError);
    Currency value = money("5");
    EXPECT_FALSE(TryStrToCurr(QStringLiteral("x"), value));
    EXPECT_EQ(value, money("5"));
}

TEST(SysUtilsTest, DateConversionReadsDayMonthYear) {
    EXPECT_EQ(StrToDate(QStringLiteral("05/01/2024")), QDate(2024, 1, 5));
    EXPECT_EQ(StrToDate(QStringLiteral("5/1/2024")), QDate(2024, 1, 5));
    EXPECT_EQ(StrToDate(QStringLiteral(" 29/02/2024 ")), QDate(2024, 2, 29));
    EXPECT_EQ(StrToDate(QStringLiteral("1/2/05")), QDate(2005, 2, 1));
    EXPECT_EQ(StrToDate(QStringLiteral("1/2/1890")), QDate(1890, 2, 1));
    EXPECT_EQ(StrToDate(QStringLiteral("05/01")), QDate(QDate::currentDate().year(), 1, 5));
}

TEST(SysUtilsTest, DateConversionAMissingOrTwoDigitYearFollowsTheProgramsClock) {
    SystemClock::Fix([] { return QDateTime(QDate(2011, 2, 3), QTime(4, 5)); });
    const std::pair<const char*, QDate> cases[] = {
        {"05/01", QDate(2011, 1, 5)}, {"1/2/61", QDate(1961, 2, 1)}, {"1/2/60", QDate(2060, 2, 1)}};
    for (const auto& [text, date] : cases)
        EXPECT_EQ(StrToDate(QString::fromLatin1(text)), date) << text;
    SystemClock::Fix(nullptr);
}

TEST(SysUtilsTest, DateConversionRejectsWhatIsNoDate) {
    EXPECT_EQ(convertErrorOf([] { StrToDate(QStringLiteral("31/02/2024")); }),
              "\"31/02/2024\" não é uma data válida");
    for (const char* bad : {"29/02/2023", "2024-01-05", "01/13/2024", "0/1/2024", "", "05/01/2024/1", "a/b/c",
                            "05.01.2024", "005/01/2024", "05/01/20245"})
        EXPECT_THROW(StrToDate(QString::fromLatin1(bad)), EConvertError) << bad;
}

TEST(SysUtilsTest, DateConversionDateAndTimeTexts) {
    EXPECT_EQ(StrToDateTime(QStringLiteral("05/01/2024 13:05")), QDateTime(QDate(2024, 1, 5), QTime(13, 5)));
    EXPECT_EQ(StrToDateTime(QStringLiteral("05/01/2024 13:05:09")),
              QDateTime(QDate(2024, 1, 5), QTime(13, 5, 9)));
    EXPECT_EQ(StrToDateTime(QStringLiteral("05/01/2024")), QDateTime(QDate(2024, 1, 5), QTime(0, 0)));
    EXPECT_EQ(convertErrorOf([] { StrToDateTime(QStringLiteral("05/01/2024 25:00")); }),
              "\"05/01/2024 25:00\" não é uma data e hora válida");
    EXPECT_EQ(DateToStr(QDate(2024, 1, 5)).toStdString(), "05/01/2024");
    EXPECT_EQ(DateToStr(QDate()).toStdString(), "");
    EXPECT_EQ(DateTimeToStr(QDateTime(QDate(2024, 1, 5), QTime(0, 0))).toStdString(), "05/01/2024");
    EXPECT_EQ(DateTimeToStr(QDateTime(QDate(2024, 1, 5), QTime(13, 5, 9))).toStdString(),
              "05/01/2024 13:05:09");
}

TEST(SysUtilsTest, DateConversionFormatDateTimePictures) {
    const QDateTime when(QDate(2004, 3, 7), QTime(9, 5, 3, 42));
    const auto format = [&](const char* picture) {
        return FormatDateTime(QString::fromLatin1(picture), when).toStdString();
    };
    EXPECT_EQ(format("dd/mm/yyyy hh:nn:ss"), "07/03/2004 09:05:03");
    EXPECT_EQ(format("yyyymmddhhnnss"), "20040307090503");
    EXPECT_EQ(format("d/m/yy"), "7/3/04");
    EXPECT_EQ(format("hh:mm"), "09:05");
    EXPECT_EQ(format("h:n:s.zzz"), "9:5:3.042");
    EXPECT_EQ(format("'Emitido em' dd/mm/yyyy"), "Emitido em 07/03/2004");
    EXPECT_EQ(format("\"mm\" mm"), "mm 03");
    EXPECT_EQ(format("c"), "07/03/2004 09:05:03");
    EXPECT_EQ(FormatDateTime(QStringLiteral("dd/mm/yyyy"), QDate(2024, 12, 31)).toStdString(), "31/12/2024");
}

TEST(SysUtilsTest, FormatTextIntegersAndHex) {
    EXPECT_EQ(Format(QStringLiteral("%s\r\nVersão %s"), {QStringLiteral("ZEB"), QStringLiteral("0.3.3.4")}),
              QStringLiteral("ZEB\r\nVersão 0.3.3.4"));
    EXPECT_EQ(Format(QStringLiteral("Por favor insira o disco %d:"), {3}).toStdString(),
              "Por favor insira o disco 3:");
    EXPECT_EQ(Format(QStringLiteral("%d"), {-5}).toStdString(), "-5");
    EXPECT_EQ(Format(QStringLiteral("%3.3d"), {7}).toStdString(), "007");
    EXPECT_EQ(Format(QStringLiteral("%3.3d"), {1234}).toStdString(), "1234");
    EXPECT_EQ(Format(QStringLiteral("%.3d"), {-7}).toStdString(), "-007");
    EXPECT_EQ(Format(QStringLiteral("\\StringFileInfo\\%0.4x%0.4x\\%s"),
                     {0x0416, 0x04E4, QStringLiteral("FileVersion")})
                  .toStdString(),
              "\\StringFileInfo\\041604E4\\FileVersion");
    EXPECT_EQ(Format(QStringLiteral("Unrecognized extension block: %.2x"), {0xf9}).toStdString(),
              "Unrecognized extension block: F9");
    EXPECT_EQ(Format(QStringLiteral("%x"), {-1}).toStdString(), "FFFFFFFF");
    EXPECT_EQ(Format(QStringLiteral("%u"), {qlonglong(-1)}).toStdString(), "18446744073709551615");
    EXPECT_EQ(Format(QStringLiteral("%d"), {qlonglong(9000000000)}).toStdString(), "9000000000");
    EXPECT_EQ(Format(QStringLiteral("[%5s|%-5s|%.2s]"),
                     {QStringLiteral("ab"), QStringLiteral("cd"), QStringLiteral("xyz")})
                  .toStdString(),
              "[   ab|cd   |xy]");
    EXPECT_EQ(Format(QStringLiteral("100%%"), {}).toStdString(), "100%");
}

TEST(SysUtilsTest, FormatFixedDecimalsUseTheProgramSeparators) {
    EXPECT_EQ(Format(QStringLiteral("%.2f"), {1234.5}).toStdString(), "1234,50");
    EXPECT_EQ(Format(QStringLiteral("%f"), {2.675}).toStdString(), "2,68");
    EXPECT_EQ(Format(QStringLiteral("%.0f"), {2.5}).toStdString(), "3");
    EXPECT_EQ(Format(QStringLiteral("%f"), {QVariant::fromValue(money("0.29"))}).toStdString(), "0,29");
    EXPECT_EQ(Format(QStringLiteral("%.4f"), {QVariant::fromValue(money("-10.999"))}).toStdString(),
              "-10,9990");
    EXPECT_EQ(Format(QStringLiteral("%n"), {1234567.891}).toStdString(), "1.234.567,89");
    EXPECT_EQ(Format(QStringLiteral("%.1n"), {7}).toStdString(), "7,0");
}

TEST(SysUtilsTest, FormatMissingOrMismatchedArgumentsRaise) {
    const std::string message = "Format '%d %d' invalid or incompatible with argument";
    EXPECT_EQ(convertErrorOf([] { Format(QStringLiteral("%d %d"), {1}); }), message);
    EXPECT_THROW(Format(QStringLiteral("%d"), {QStringLiteral("1")}), EConvertError);
    EXPECT_THROW(Format(QStringLiteral("%s"), {1}), EConvertError);
    EXPECT_THROW(Format(QStringLiteral("%f"), {QStringLiteral("1")}), EConvertError);
    EXPECT_THROW(Format(QStringLiteral("%q"), {1}), EConvertError);
    EXPECT_THROW(Format(QStringLiteral("abc %"), {1}), EConvertError);
    EXPECT_THROW(Format(QStringLiteral("%99999999999d"), {1}), EConvertError);
    EXPECT_THROW(Format(QStringLiteral("%.99999999999f"), {1.5}), EConvertError);
}
