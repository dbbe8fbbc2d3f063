#include "core/util/ValorCampoSQL.h"

#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/db/TIBSQL.h"
#include "tests/support/database/TempDatabase.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

class ValorCampoSQLTest : public ::testing::Test {
protected:
    ValorCampoSQLTest() {
        cds.FieldDefs().Add(QStringLiteral("TEXTO"), ftString, 40);
        cds.FieldDefs().Add(QStringLiteral("PEQUENO"), ftSmallint);
        cds.FieldDefs().Add(QStringLiteral("INTEIRO"), ftInteger);
        cds.FieldDefs().Add(QStringLiteral("GRANDE"), ftLargeint);
        cds.FieldDefs().Add(QStringLiteral("REAL"), ftFloat);
        cds.FieldDefs().Add(QStringLiteral("MOEDA"), ftCurrency);
        cds.FieldDefs().Add(QStringLiteral("DATA"), ftDate);
        cds.CreateDataSet();
        cds.Append();
    }
    TField* F(const char* name) { return cds.FieldByName(QString::fromLatin1(name)); }

    TClientDataSet cds;
};

} // namespace

TEST_F(ValorCampoSQLTest, NullFieldsOfEveryKindAreNull) {
    for (const char* name : {"TEXTO", "PEQUENO", "INTEIRO", "GRANDE", "REAL", "MOEDA", "DATA"})
        EXPECT_EQ(ValorCampoSQL(F(name)), QStringLiteral("null")) << name;
    EXPECT_EQ(ValorCampoSQL(nullptr), QStringLiteral("null"));
}

TEST_F(ValorCampoSQLTest, TextsAreQuotedWithTheirApostrophesDoubled) {
    F("TEXTO")->SetAsString(QStringLiteral("Padaria D'Ávila 'Central'"));
    EXPECT_EQ(ValorCampoSQL(F("TEXTO")), QStringLiteral("'Padaria D''Ávila ''Central'''"));
    F("TEXTO")->SetAsString(QStringLiteral("x'); DELETE FROM CONTRIBUINTE; --"));
    EXPECT_EQ(ValorCampoSQL(F("TEXTO")), QStringLiteral("'x''); DELETE FROM CONTRIBUINTE; --'"));
}

TEST_F(ValorCampoSQLTest, NumbersUseADotAndCurrencyKeepsItsAmount) {
    F("PEQUENO")->SetAsInteger(-7);
    F("INTEIRO")->SetAsInteger(123456);
    F("GRANDE")->SetAsLargeInt(9007199254740993LL);
    F("REAL")->SetAsFloat(1234.56);
    F("MOEDA")->SetAsCurrency(Currency::fromRaw(12345678)); // 1234,5678
    EXPECT_EQ(ValorCampoSQL(F("PEQUENO")), QStringLiteral("-7"));
    EXPECT_EQ(ValorCampoSQL(F("INTEIRO")), QStringLiteral("123456"));
    EXPECT_EQ(ValorCampoSQL(F("GRANDE")), QStringLiteral("9007199254740993"));
    EXPECT_EQ(ValorCampoSQL(F("REAL")), QStringLiteral("1234.56"));
    EXPECT_EQ(ValorCampoSQL(F("MOEDA")), QStringLiteral("1234.5678"));
    F("MOEDA")->SetAsCurrency(Currency::fromUnits(-20));
    EXPECT_EQ(ValorCampoSQL(F("MOEDA")), QStringLiteral("-20"));
    F("REAL")->SetAsFloat(0.1);
    EXPECT_EQ(ValorCampoSQL(F("REAL")), QStringLiteral("0.1"));
}

TEST_F(ValorCampoSQLTest, DatesAreWrittenMonthFirst) {
    F("DATA")->SetAsDateTime(QDateTime(QDate(2024, 1, 5), QTime()));
    EXPECT_EQ(ValorCampoSQL(F("DATA")), QStringLiteral("'01/05/2024'"));
}

TEST_F(ValorCampoSQLTest, TheDatabaseReadsBackWhatWasWritten) {
    F("TEXTO")->SetAsString(QStringLiteral("D'Ávila"));
    F("MOEDA")->SetAsCurrency(Currency::fromRaw(12345678));
    F("DATA")->SetAsDateTime(QDateTime(QDate(2024, 1, 5), QTime()));
    TempDatabase banco;
    TIBSQL sql;
    sql.SetDatabase(&banco.Database());
    banco.Transaction().StartTransaction();
    sql.SetSQLText(
        QStringLiteral("SELECT CAST(%1 AS VARCHAR(40)), CAST(%2 AS NUMERIC(18,4)), CAST(%3 AS DATE) "
                       "FROM RDB$DATABASE")
            .arg(ValorCampoSQL(F("TEXTO")), ValorCampoSQL(F("MOEDA")), ValorCampoSQL(F("DATA"))));
    sql.ExecQuery();
    EXPECT_EQ(sql.Fields(0).AsString(), QStringLiteral("D'Ávila"));
    EXPECT_EQ(sql.Fields(1).AsCurrency(), Currency::fromRaw(12345678));
    EXPECT_EQ(sql.Fields(2).AsDateTime().date(), QDate(2024, 1, 5));
    sql.Close();
    banco.Transaction().Commit();
}
