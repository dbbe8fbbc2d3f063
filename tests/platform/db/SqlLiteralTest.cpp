#include "platform/db/SqlLiteral.h"
#include "platform/base/Currency.h"
#include "platform/base/FormatSettings.h"
#include "tests/support/database/TempDatabase.h"

#include <QDate>
#include <QDateTime>
#include <gtest/gtest.h>

TEST(SqlLiteralTest, QuotesTextSoThatNoApostropheEndsItEarly) {
    EXPECT_EQ(SqlQuoted(QStringLiteral("d'Ávila")), QStringLiteral("'d''Ávila'"));
    EXPECT_EQ(SqlQuoted(QStringLiteral("'); DROP TABLE X; --")), QStringLiteral("'''); DROP TABLE X; --'"));
    EXPECT_EQ(SqlQuoted(QString()), QStringLiteral("''"));
}

TEST(SqlLiteralTest, WritesEachKindOfValueWithoutTheLocale) {
    EXPECT_EQ(SqlLiteral(QVariant()), QStringLiteral("null"));
    EXPECT_EQ(SqlLiteral(QVariant(QMetaType::fromType<int>())), QStringLiteral("null"));
    EXPECT_EQ(SqlLiteral(-42), QStringLiteral("-42"));
    EXPECT_EQ(SqlLiteral(Q_INT64_C(9007199254740993)), QStringLiteral("9007199254740993"));
    EXPECT_EQ(SqlLiteral(1234.5), QStringLiteral("1234.5"));
    EXPECT_EQ(SqlLiteral(QVariant::fromValue(Currency::fromRaw(12345678))), QStringLiteral("1234.5678"));
    EXPECT_EQ(SqlLiteral(QVariant::fromValue(Currency::fromRaw(-1000000))), QStringLiteral("-100"));
    EXPECT_EQ(SqlLiteral(QVariant::fromValue(Currency::fromRaw(25000))), QStringLiteral("2.5"));
    EXPECT_EQ(SqlLiteral(QDate(2024, 1, 5)), QStringLiteral("'2024-01-05'"));
    EXPECT_EQ(SqlLiteral(QDateTime(QDate(2024, 1, 5), QTime(13, 4, 5))),
              QStringLiteral("'2024-01-05 13:04:05'"));
    EXPECT_EQ(SqlLiteral(true), QStringLiteral("1"));
    EXPECT_EQ(SqlLiteral(QStringLiteral("O'Neil")), QStringLiteral("'O''Neil'"));
}

TEST(SqlLiteralTest, TheDatabaseReadsBackEveryLiteralAsTheValueWritten) {
    TempDatabase db;
    const QString text = QStringLiteral("ação 'entre' aspas");
    const QVariantList row =
        db.Rows(QStringLiteral("SELECT %1, CAST(%2 AS NUMERIC(18,4)), CAST(%3 AS DATE), %4 "
                               "FROM RDB$DATABASE")
                    .arg(SqlLiteral(text), SqlLiteral(QVariant::fromValue(Currency::fromRaw(-12345678))),
                         SqlLiteral(QDate(1999, 12, 31)), SqlLiteral(-7)))
            .front();
    EXPECT_EQ(row[0].toString(), text);
    EXPECT_EQ(row[1].value<Currency>(), Currency::fromRaw(-12345678));
    EXPECT_EQ(row[2].toDate(), QDate(1999, 12, 31));
    EXPECT_EQ(row[3].toInt(), -7);
}
