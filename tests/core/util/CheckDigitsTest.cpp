#include "core/util/CheckDigits.h"

#include <gtest/gtest.h>

TEST(CheckDigitsTest, ValidaInscricaoAcceptsOnlyTheRightCheckDigit) {
    EXPECT_TRUE(ValidaInscricao(QStringLiteral("12345674")));
    EXPECT_FALSE(ValidaInscricao(QStringLiteral("12345675")));
    // Separators are ignored.
    EXPECT_TRUE(ValidaInscricao(QStringLiteral("12.345.674")));
}

TEST(CheckDigitsTest, ValidaInscricaoReadsShortNumbersWithLeadingZeros) {
    // 01234567: 0*2+1*7+2*6+3*5+4*4+5*3+6*2 = 77, 77 mod 11 = 0, digit 0 -> 7 is wrong.
    EXPECT_FALSE(ValidaInscricao(QStringLiteral("1234567")));
    // 00000019: 1*2 = 2, 2 mod 11 = 2, digit 9.
    EXPECT_TRUE(ValidaInscricao(QStringLiteral("19")));
    EXPECT_TRUE(ValidaInscricao(QStringLiteral("0000019")));
}

TEST(CheckDigitsTest, ValidaInscricaoRefusesZeroEmptyAndOverlongInput) {
    EXPECT_FALSE(ValidaInscricao(QStringLiteral("00000000")));
    EXPECT_FALSE(ValidaInscricao(QString()));
    EXPECT_FALSE(ValidaInscricao(QStringLiteral("abc")));
    EXPECT_FALSE(ValidaInscricao(QStringLiteral("123456740")));
}

TEST(CheckDigitsTest, ValidaCNPJAcceptsValidNumbers) {
    EXPECT_TRUE(ValidaCNPJ(QStringLiteral("11222333000181")));
    EXPECT_FALSE(ValidaCNPJ(QStringLiteral("11222333000182")));
    EXPECT_FALSE(ValidaCNPJ(QStringLiteral("11222333000191")));
}

TEST(CheckDigitsTest, ValidaCNPJPadsANumberThatLostItsLeadingZero) {
    EXPECT_TRUE(ValidaCNPJ(QStringLiteral("01234567000195")));
    EXPECT_TRUE(ValidaCNPJ(QStringLiteral("1234567000195")));
    EXPECT_FALSE(ValidaCNPJ(QStringLiteral("1234567000196")));
}

TEST(CheckDigitsTest, ValidaCNPJRefusesMalformedInputInsteadOfFailing) {
    EXPECT_FALSE(ValidaCNPJ(QString()));
    EXPECT_FALSE(ValidaCNPJ(QStringLiteral("00000000000000")));
    EXPECT_FALSE(ValidaCNPJ(QStringLiteral("11.222.333/0001-81")));
    EXPECT_FALSE(ValidaCNPJ(QStringLiteral("112223330001811")));
    EXPECT_FALSE(ValidaCNPJ(QStringLiteral("1122233300018x")));
}

TEST(CheckDigitsTest, CalculaDVCNPJWeighsTwelveAndThirteenDigits) {
    EXPECT_EQ(CalculaDVCNPJ(QStringLiteral("112223330001")), 8);
    EXPECT_EQ(CalculaDVCNPJ(QStringLiteral("1122233300018")), 1);
    EXPECT_EQ(CalculaDVCNPJ(QStringLiteral("11222333000")), -1);
    EXPECT_EQ(CalculaDVCNPJ(QStringLiteral("11222333000a")), -1);
}

TEST(CheckDigitsTest, ValidaDVSufixoImportDeclarationExamples) {
    EXPECT_TRUE(ValidaDVSufixo2(QStringLiteral("123456783")));
    EXPECT_FALSE(ValidaDVSufixo2(QStringLiteral("123456788")));
    EXPECT_TRUE(ValidaDVSufixo4(QStringLiteral("123456788")));
    EXPECT_FALSE(ValidaDVSufixo4(QStringLiteral("123456783")));
}

TEST(CheckDigitsTest, ValidaDVSufixoNumbersAboveTheThirtyTwoBitRangeWork) {
    // 3000000000 > 2147483647: "2" + "300000000" weighs 3*2 + 2*3 = 12, r = 1, digit 0.
    EXPECT_TRUE(ValidaDVSufixo2(QStringLiteral("3000000000")));
    EXPECT_FALSE(ValidaDVSufixo2(QStringLiteral("3000000001")));
    // With the leading 4: 6 + 12 = 18, r = 7, digit 4.
    EXPECT_TRUE(ValidaDVSufixo4(QStringLiteral("3000000004")));
    EXPECT_FALSE(ValidaDVSufixo4(QStringLiteral("3000000005")));
}

TEST(CheckDigitsTest, ValidaDVSufixoRefusesShortOrNonDigitInput) {
    for (const char* bad : {"", "3", "12345678x", "1234.56783", " 123456783"}) {
        EXPECT_FALSE(ValidaDVSufixo2(QString::fromLatin1(bad))) << bad;
        EXPECT_FALSE(ValidaDVSufixo4(QString::fromLatin1(bad))) << bad;
    }
    EXPECT_EQ(CalculaDVSufixo2(QString()), -1);
}

TEST(CheckDigitsTest, CalculaDVModulo11DigitsBeyondTheWeightsWeighNothing) {
    EXPECT_EQ(CalculaDVModulo11(QStringLiteral("91"), {2}), 9); // only the 1 counts: r = 2
    EXPECT_EQ(CalculaDVModulo11(QStringLiteral("5"), {2}), 1);  // r = 10 -> 11 - 10
    EXPECT_EQ(CalculaDVModulo11(QStringLiteral("1a"), {2, 3}), -1);
}

TEST(CheckDigitsTest, ValidaDV9InfractionNoticeExamples) {
    EXPECT_TRUE(ValidaDV9(QStringLiteral("123456782")));
    EXPECT_FALSE(ValidaDV9(QStringLiteral("123456781")));
    // First eight digits in 1000001..1000360: the product 18 counts whole.
    EXPECT_TRUE(ValidaDV9(QStringLiteral("010003599")));
    EXPECT_FALSE(ValidaDV9(QStringLiteral("010003598")));
    // Just outside the range the normal rule applies again: 01000361 -> 0+2+0+0+0+6+6+2 = 16.
    EXPECT_TRUE(ValidaDV9(QStringLiteral("010003614")));
    // Short numbers are read with leading zeros; separators are dropped.
    EXPECT_TRUE(ValidaDV9(QStringLiteral("10003599")));
    EXPECT_TRUE(ValidaDV9(QStringLiteral("12345678-2")));
}

TEST(CheckDigitsTest, ValidaDV9RefusesTextWithTooFewDigits) {
    EXPECT_EQ(CalculaDV9(QString()), -1);
    EXPECT_EQ(CalculaDV9(QStringLiteral("1234567")), -1);
    EXPECT_FALSE(ValidaDV9(QString()));
    EXPECT_FALSE(ValidaDV9(QStringLiteral("12.34")));
    EXPECT_FALSE(ValidaDV9(QStringLiteral("abcdefghi")));
}

TEST(CheckDigitsTest, ValidaDV12DebtCertificateExamples) {
    EXPECT_TRUE(ValidaDV12(QStringLiteral("123456789015")));
    EXPECT_FALSE(ValidaDV12(QStringLiteral("123456789016")));
    // Products of two digits count as their digit sum: 9*2 = 18 counts 9.
    EXPECT_EQ(CalculaDV12(QStringLiteral("90000000000")), 1);
    // Ten digits or fewer are read with leading zeros.
    EXPECT_EQ(CalculaDV12(QStringLiteral("1")), 8);
}

TEST(CheckDigitsTest, ValidaDV12RefusesEmptyOrShortInput) {
    EXPECT_EQ(CalculaDV12(QString()), -1);
    EXPECT_FALSE(ValidaDV12(QString()));
    EXPECT_FALSE(ValidaDV12(QStringLiteral("12.3")));
    EXPECT_FALSE(ValidaDV12(QStringLiteral("abcdefghijkl")));
}
