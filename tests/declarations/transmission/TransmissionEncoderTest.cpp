#include "declarations/transmission/TransmissionEncoder.h"

#include "declarations/transmission/ETransmissionError.h"
#include "platform/base/Currency.h"

#include <gtest/gtest.h>

using namespace TransmissionFormat;

namespace {

QVariant Money(std::int64_t raw) {
    return QVariant::fromValue(Currency::fromRaw(raw));
}

LayoutField Field(QChar type, int width, int decimals = 0) {
    return {QStringLiteral("CAMPO"), type, width, decimals};
}

// 1-based positions, as the record layout counts them.
QString At(const QString& line, int first, int last) {
    return line.mid(first - 1, last - first + 1);
}

RecordLayout Layout() {
    RecordLayout layout;
    layout.RecordType = 120;
    layout.Table = QStringLiteral("ENTRADA_DECLARADA");
    layout.Fields = {{QStringLiteral("SQ_DECLARACAO"), NumberField, 9, 0},
                     {QStringLiteral("TX"), TextField, 10, 0},
                     {QStringLiteral("DT"), DateField, 14, 0},
                     {QStringLiteral("VL_A"), NumberField, 15, 2},
                     {QStringLiteral("VL_B"), NumberField, 15, 2}};
    return layout;
}

} // namespace

TEST(TransmissionEncoderTest, TextsAreOneLineExactlyTheirWidth) {
    const LayoutField text = Field(TextField, 12);
    const LayoutField longo = Field(TextField, 15);
    EXPECT_EQ(TransmissionEncoder::EncodeField(text, QStringLiteral("a\r\nb\rc\nd")),
              QStringLiteral("a b c d     "));
    // Every control character is one blank: NUL, TAB, VT, FF, SUB, ESC, DEL.
    EXPECT_EQ(TransmissionEncoder::EncodeField(longo, QString::fromLatin1("a\0b\tc\vd\fe\x1a"
                                                                          "f\x1bg\x7fh",
                                                                          15)),
              QStringLiteral("a b c d e f g h"));
    EXPECT_EQ(TransmissionEncoder::EncodeField(text, QStringLiteral("Razão Social Longa")),
              QStringLiteral("Razão Social"));
    EXPECT_EQ(TransmissionEncoder::EncodeField(text, QVariant()), QString(12, QLatin1Char(' ')));
    // A character beyond the Basic Multilingual Plane is one "?" of the file.
    EXPECT_EQ(TransmissionEncoder::EncodeField(Field(TextField, 3), QString::fromUtf8("a\U0001F600b")),
              QStringLiteral("a?b"));
}

TEST(TransmissionEncoderTest, DatesAndAbsentDates) {
    const LayoutField date = Field(DateField, DateWidth);
    EXPECT_EQ(TransmissionEncoder::EncodeField(date, QDate(2011, 3, 5)), QStringLiteral("20110305000000"));
    EXPECT_EQ(TransmissionEncoder::EncodeField(date, QDateTime(QDate(2011, 3, 5), QTime(10, 0))),
              QStringLiteral("20110305000000"));
    EXPECT_EQ(TransmissionEncoder::EncodeField(date, QVariant()), QString(DateWidth, QLatin1Char(' ')));
    EXPECT_THROW(TransmissionEncoder::EncodeField(date, QStringLiteral("ontem")), ETransmissionError);
}

TEST(TransmissionEncoderTest, AmountsInCentsCutTowardZeroWithTheSignFirst) {
    const LayoutField money = Field(NumberField, 10, CentsDecimals);
    EXPECT_EQ(TransmissionEncoder::EncodeField(money, Money(12345678)), QStringLiteral("0000123456"));
    EXPECT_EQ(TransmissionEncoder::EncodeField(money, Money(-12345678)), QStringLiteral("-000123456"));
    EXPECT_EQ(TransmissionEncoder::EncodeField(money, Money(99)), QStringLiteral("0000000000"));
    EXPECT_EQ(TransmissionEncoder::EncodeField(money, QVariant()), QStringLiteral("0000000000"));
    EXPECT_EQ(TransmissionEncoder::EncodeField(money, 7), QStringLiteral("0000000700"));
    EXPECT_EQ(TransmissionEncoder::Cents(Money(12345678), {}), 123456);
    EXPECT_EQ(TransmissionEncoder::Cents(QStringLiteral("12,349"), {}), 1234);
    EXPECT_THROW(TransmissionEncoder::Cents(QStringLiteral("doze"), {}), ETransmissionError);
}

TEST(TransmissionEncoderTest, ANumberThatDoesNotFitFailsInsteadOfLosingDigits) {
    EXPECT_EQ(TransmissionEncoder::EncodeField(Field(NumberField, 6), 123456), QStringLiteral("123456"));
    EXPECT_THROW(TransmissionEncoder::EncodeField(Field(NumberField, 6), 1234567), ETransmissionError);
    EXPECT_THROW(TransmissionEncoder::EncodeField(Field(NumberField, 6), -999999), ETransmissionError);
    EXPECT_EQ(TransmissionEncoder::EncodeField(Field(NumberField, 6), -99999), QStringLiteral("-99999"));
    EXPECT_EQ(TransmissionEncoder::EncodeField(Field(NumberField, 6), -9999), QStringLiteral("-09999"));
    EXPECT_THROW(TransmissionEncoder::EncodeField(Field(NumberField, 4, CentsDecimals), Money(1000000)),
                 ETransmissionError);
    EXPECT_EQ(TransmissionEncoder::EncodeField(Field(NumberField, 14), qlonglong(11222333000181)),
              QStringLiteral("11222333000181"));
    EXPECT_EQ(TransmissionEncoder::EncodeField(Field(NumberField, 6), QStringLiteral("42")),
              QStringLiteral("000042"));
    EXPECT_THROW(TransmissionEncoder::EncodeField(Field(NumberField, 6), Money(12345)), ETransmissionError);
}

TEST(TransmissionEncoderTest, HeaderDetailsAndTrailerAtTheirPositions) {
    TransmissionEncoder encoder;
    const QString header =
        encoder.Header(QDateTime(QDate(2011, 3, 5), QTime(14, 30, 15)), QStringLiteral("0.3.3.4"));
    ASSERT_EQ(header.size(), LineWidth);
    EXPECT_EQ(At(header, 1, 4), QStringLiteral("0000"));
    EXPECT_EQ(At(header, 5, 18), QStringLiteral("20110305143015"));
    EXPECT_EQ(At(header, 19, 19), QStringLiteral("S"));
    EXPECT_EQ(At(header, 20, 29), QStringLiteral("0.3.3.4   "));
    EXPECT_EQ(At(header, 30, 845), QString(816, QLatin1Char(' ')));
    EXPECT_EQ(At(header, 846, 850), QStringLiteral("00001"));

    const RecordLayout layout = Layout();
    const QString detail =
        encoder.Detail(layout, {1, QStringLiteral("x"), QDate(2011, 1, 31), Money(12345678), Money(-100000)});
    ASSERT_EQ(detail.size(), LineWidth);
    EXPECT_EQ(At(detail, 1, 4), QStringLiteral("0120"));
    EXPECT_EQ(At(detail, 5, 13), QStringLiteral("000000001"));
    EXPECT_EQ(At(detail, 14, 23), QStringLiteral("x         "));
    EXPECT_EQ(At(detail, 24, 37), QStringLiteral("20110131000000"));
    EXPECT_EQ(At(detail, 38, 52), QStringLiteral("000000000123456"));
    EXPECT_EQ(At(detail, 53, 67), QStringLiteral("-00000000001000"));
    EXPECT_EQ(At(detail, 68, 845), QString(845 - 67, QLatin1Char(' ')));
    EXPECT_EQ(At(detail, 846, 850), QStringLiteral("00002"));
    EXPECT_EQ(encoder.ControlTotal(), 123456 - 1000);
    // An absent date keeps the line at its width.
    EXPECT_EQ(encoder.Detail(layout, {2, QVariant(), QVariant(), QVariant(), Money(500)}).size(), LineWidth);
    EXPECT_EQ(encoder.ControlTotal(), 123456 - 1000 + 5);
    encoder.EndDeclaration();

    const QString trailer = encoder.Trailer();
    ASSERT_EQ(trailer.size(), LineWidth);
    EXPECT_EQ(At(trailer, 1, 4), QStringLiteral("9999"));
    EXPECT_EQ(At(trailer, 5, 29), QStringLiteral("0000000000000000000122461"));
    EXPECT_EQ(At(trailer, 30, 34), QStringLiteral("00001"));
    EXPECT_EQ(At(trailer, 35, 39), QStringLiteral("00004"));
    EXPECT_EQ(At(trailer, 40, 845), QString(806, QLatin1Char(' ')));
    EXPECT_EQ(At(trailer, 846, 850), QStringLiteral("00004"));
}

TEST(TransmissionEncoderTest, EveryFieldWithDecimalsCountsInTheControlTotal) {
    RecordLayout layout;
    layout.RecordType = 110;
    layout.Fields = {{QStringLiteral("A"), NumberField, 9, 4}, {QStringLiteral("B"), TextField, 9, 2}};
    TransmissionEncoder encoder;
    encoder.Detail(layout, {3, QStringLiteral("1.5")});
    EXPECT_EQ(encoder.ControlTotal(), 300 + 150);
}

TEST(TransmissionEncoderTest, ARowThatDoesNotMatchItsLayoutOrOverflowsItsRecordFails) {
    RecordLayout layout = Layout();
    TransmissionEncoder encoder;
    EXPECT_THROW(encoder.Detail(layout, {1, 2}), ETransmissionError);
    layout.Fields.push_back({QStringLiteral("LONGO"), TextField, 800, 0});
    EXPECT_THROW(encoder.Detail(layout, {1, QVariant(), QVariant(), QVariant(), QVariant(), QVariant()}),
                 ETransmissionError);
    EXPECT_EQ(encoder.LineCount(), 0);
    EXPECT_EQ(encoder.ControlTotal(), 0);
}

TEST(TransmissionEncoderTest, TheLineNumberNeverWrapsAround) {
    RecordLayout layout;
    layout.RecordType = 120;
    layout.Fields = {{QStringLiteral("A"), NumberField, 1, 0}};
    TransmissionEncoder encoder;
    for (int i = 0; i < MaxLines - 1; ++i)
        encoder.Detail(layout, {1});
    EXPECT_EQ(encoder.Trailer().right(LineNumberWidth), QStringLiteral("99999"));
    EXPECT_THROW(encoder.Detail(layout, {1}), ETransmissionError);
}

TEST(TransmissionEncoderTest, TransmissionLayoutRecordsTheWriterCannotFollowAreRefused) {
    RecordLayout layout = Layout();
    EXPECT_NO_THROW(layout.Check());
    EXPECT_EQ(layout.FieldsWidth(), 63);

    RecordLayout unknown = layout;
    unknown.Fields[1].Type = QLatin1Char('X');
    EXPECT_THROW(unknown.Check(), ETransmissionError);

    RecordLayout wide = layout;
    wide.Fields.push_back({QStringLiteral("RESTO"), TextField, FieldsWidth - 63, 0});
    EXPECT_NO_THROW(wide.Check());
    wide.Fields.back().Width += 1;
    EXPECT_THROW(wide.Check(), ETransmissionError);

    RecordLayout date = layout;
    date.Fields[2].Width = 16;
    EXPECT_THROW(date.Check(), ETransmissionError);

    RecordLayout empty = layout;
    empty.Fields.clear();
    EXPECT_THROW(empty.Check(), ETransmissionError);

    RecordLayout zero = layout;
    zero.Fields[0].Width = 0;
    EXPECT_THROW(zero.Check(), ETransmissionError);
}
