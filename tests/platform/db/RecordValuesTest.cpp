#include "platform/db/TRecordValues.h"

#include "platform/base/Currency.h"

#include <QDate>
#include <QDateTime>
#include <gtest/gtest.h>
#include <limits>

namespace {

// Equal values of the same type (a null text is not an empty one).
void ExpectSame(const QVariant& actual, const QVariant& expected) {
    EXPECT_EQ(actual.metaType(), expected.metaType()) << actual.typeName();
    EXPECT_EQ(actual, expected);
    if (expected.typeId() == QMetaType::QString) {
        EXPECT_EQ(actual.toString().isNull(), expected.toString().isNull());
    }
}

const std::vector<QVariant>& Samples() {
    static const std::vector<QVariant> samples{
        QVariant(),
        QVariant(-7),
        QVariant(std::numeric_limits<qlonglong>::min()),
        QVariant::fromValue(Currency::fromRaw(-99999999999999999)),
        QVariant(-0.1),
        QVariant(QDate(1899, 12, 30)),
        QVariant(QDate()),
        QVariant(QStringLiteral("ação ✓")),
        QVariant(QString()),
        QVariant(QStringLiteral("")),
        QVariant(QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58, 7))),
        QVariant(true),
        QVariant(QVariantList{1, QStringLiteral("a")}),
    };
    return samples;
}

} // namespace

TEST(RecordValuesTest, GiveBackEveryValueAsWrittenWithItsType) {
    const TRecordValues values(Samples());
    ASSERT_EQ(values.size(), Samples().size());
    for (std::size_t i = 0; i < Samples().size(); ++i) {
        SCOPED_TRACE(i);
        ExpectSame(values[i], Samples()[i]);
    }
    ExpectSame(values[Samples().size()], QVariant()); // past the end: null
}

TEST(RecordValuesTest, EverySlotTakesEveryKindOfValueAndTheOthersStay) {
    // Each sample written over each other one, in place or with the block made again.
    for (std::size_t slot = 0; slot < Samples().size(); ++slot) {
        for (const QVariant& value : Samples()) {
            TRecordValues values(Samples());
            values.Set(slot, value);
            values.Set(slot, QVariant(QStringLiteral("xy"))); // a shorter text in the room of a longer one
            values.Set(slot, value);
            const TRecordValues copy = values;
            values.Set(slot, QVariant(QStringLiteral("a longer text than any sample")));
            for (std::size_t i = 0; i < Samples().size(); ++i) {
                SCOPED_TRACE(testing::Message() << slot << " " << i);
                ExpectSame(copy[i], i == slot ? value : Samples()[i]);
            }
            ExpectSame(values[slot], QVariant(QStringLiteral("a longer text than any sample")));
        }
    }
}

TEST(RecordValuesTest, ResizeHeadAndAssignFirstKeepTheValuesTheyCover) {
    TRecordValues values(Samples());
    values.Set(15, QVariant(3)); // past the end: grows
    ASSERT_EQ(values.size(), 16u);
    ExpectSame(values[14], QVariant());
    ExpectSame(values[15], QVariant(3));
    const TRecordValues head = values.Head(8);
    ASSERT_EQ(head.size(), 8u);
    ExpectSame(head[7], Samples()[7]);
    values.resize(2);
    EXPECT_EQ(values.ToVector(), (std::vector<QVariant>{Samples()[0], Samples()[1]}));
    TRecordValues target(std::vector<QVariant>(10, QVariant(QStringLiteral("z"))));
    target.AssignFirst(head);
    for (std::size_t i = 0; i < 10; ++i)
        ExpectSame(target[i], i < 8 ? Samples()[i] : QVariant(QStringLiteral("z")));
}

TEST(RecordValuesTest, ABuilderMakesRowAfterRowAsTheValuesWouldBeStored) {
    TRecordValues::Builder builder(Samples().size() + 6);
    const QByteArray longText(300, 'x'); // more than the room of the rows before
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        for (std::size_t i = 0; i < Samples().size(); ++i)
            if (i != 2 || row == 0) // a slot left unset in a later row is null
                builder.SetValue(i, Samples()[i]);
        const std::size_t n = Samples().size();
        builder.SetMoney(n, -12345);
        builder.SetUtf8(n + 1, "ação  ", true);
        builder.SetUtf8(n + 2, "a\xff ", false); // invalid UTF-8 reads as QString::fromUtf8 reads it
        builder.SetUtf8(n + 3, "", false);
        builder.SetUtf8(n + 4, "texto   ", true);
        builder.SetUtf8(n + 5, longText + "  ", false);
        const TRecordValues values = builder.Take();
        ASSERT_EQ(values.size(), n + 6);
        for (std::size_t i = 0; i < n; ++i)
            ExpectSame(values[i], i == 2 && row > 0 ? QVariant() : Samples()[i]);
        ExpectSame(values[n], QVariant::fromValue(Currency::fromRaw(-12345)));
        ExpectSame(values[n + 1], QVariant(QStringLiteral("ação")));
        ExpectSame(values[n + 2], QVariant(QString::fromUtf8("a\xff ")));
        ExpectSame(values[n + 3], QVariant(QStringLiteral("")));
        ExpectSame(values[n + 4], QVariant(QStringLiteral("texto")));
        ExpectSame(values[n + 5], QVariant(QString::fromLatin1(longText + "  ")));
    }
}
