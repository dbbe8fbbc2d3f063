#include "platform/base/Currency.h"

#include <QVariant>
#include <gtest/gtest.h>
#include <limits>

TEST(CurrencyTest, ParsesExactlyWithoutBinaryFloatingPoint) {
    EXPECT_EQ(Currency::parse(u"0.0001")->raw(), 1);
    EXPECT_EQ(Currency::parse(u"0,29", QLatin1Char(','))->raw(), 2900);
    EXPECT_EQ(Currency::parse(u"-12.5")->raw(), -125000);
    EXPECT_EQ(Currency::parse(u"9999999999999.9999")->raw(), 99999999999999999);
    EXPECT_EQ(Currency::parse(u" 7 ")->raw(), 70000);
    EXPECT_EQ(Currency::parse(u".5")->raw(), 5000);
}

TEST(CurrencyTest, RefusesWhatIsNotAPlainDecimal) {
    EXPECT_FALSE(Currency::parse(u""));
    EXPECT_FALSE(Currency::parse(u"-"));
    EXPECT_FALSE(Currency::parse(u"1.23456"));                    // more than four decimals
    EXPECT_FALSE(Currency::parse(u"1.000,00", QLatin1Char(','))); // thousands separators
    EXPECT_FALSE(Currency::parse(u"12a"));
    EXPECT_FALSE(Currency::parse(u"1.2.3"));
    EXPECT_FALSE(Currency::parse(u"99999999999999999999")); // overflow
}

TEST(CurrencyTest, PrintsWithADotAndFourDecimals) {
    EXPECT_EQ(Currency::fromRaw(2900).toString(), QStringLiteral("0.2900"));
    EXPECT_EQ(Currency::fromRaw(-1).toString(), QStringLiteral("-0.0001"));
    EXPECT_EQ(Currency::fromRaw(std::numeric_limits<std::int64_t>::min()).toString(),
              QStringLiteral("-922337203685477.5808"));
}

TEST(CurrencyTest, TruncatesTowardZeroToCents) {
    EXPECT_EQ(Currency::parse(u"10.999")->truncatedToCents(), *Currency::parse(u"10.99"));
    EXPECT_EQ(Currency::parse(u"-0.015")->truncatedToCents(), *Currency::parse(u"-0.01"));
    EXPECT_EQ(Currency::parse(u"0.29")->truncatedToCents(), *Currency::parse(u"0.29"));
}

TEST(CurrencyTest, RoundsHalfAwayFromZero) {
    EXPECT_EQ(Currency::parse(u"2.345")->rounded(2), *Currency::parse(u"2.35"));
    EXPECT_EQ(Currency::parse(u"-2.345")->rounded(2), *Currency::parse(u"-2.35"));
    EXPECT_EQ(Currency::parse(u"2.3449")->rounded(2), *Currency::parse(u"2.34"));
    EXPECT_EQ(Currency::parse(u"0.5")->rounded(0), Currency::fromUnits(1));
    EXPECT_EQ(Currency::fromDouble(0.29), *Currency::parse(u"0.29"));
}

TEST(CurrencyTest, HeldInAVariantConvertsLikeANumber) {
    const QVariant value = QVariant::fromValue(*Currency::parse(u"-12.3456"));
    EXPECT_DOUBLE_EQ(value.toDouble(), -12.3456);
    EXPECT_EQ(value.toString(), QStringLiteral("-12.3456"));
    EXPECT_EQ(value.value<Currency>().raw(), -123456);
}
