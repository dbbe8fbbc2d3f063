#include "core/util/GeneralRoutines.h"

#include "platform/base/Exceptions.h"
#include "tests/support/ScriptedPrompter.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(GeneralRoutinesTest, ArredondaDuasCasasRoundsHalfAwayFromZeroAsTheDecimalTextReads) {
    EXPECT_DOUBLE_EQ(ArredondaDuasCasas(1.005), 1.01);
    EXPECT_DOUBLE_EQ(ArredondaDuasCasas(2.675), 2.68);
    EXPECT_DOUBLE_EQ(ArredondaDuasCasas(-2.675), -2.68);
    EXPECT_DOUBLE_EQ(ArredondaDuasCasas(1.004999), 1.0);
    EXPECT_DOUBLE_EQ(ArredondaDuasCasas(0.005), 0.01);
    EXPECT_DOUBLE_EQ(ArredondaDuasCasas(0.0049), 0.0);
    EXPECT_DOUBLE_EQ(ArredondaDuasCasas(0.00001), 0.0);
    EXPECT_DOUBLE_EQ(ArredondaDuasCasas(123456789.125), 123456789.13);
    EXPECT_DOUBLE_EQ(ArredondaDuasCasas(99.995), 100.0);
    EXPECT_DOUBLE_EQ(ArredondaDuasCasas(1e20), 1e20);
}

TEST(GeneralRoutinesTest, TruncaCentavosCutsTowardZero) {
    EXPECT_EQ(TruncaCentavos(Currency::fromRaw(1234567)), Currency::fromRaw(1234500));
    EXPECT_EQ(TruncaCentavos(Currency::fromRaw(-12390)), Currency::fromRaw(-12300));
    EXPECT_EQ(TruncaCentavos(Currency::fromRaw(109990)), Currency::fromRaw(109900));
    EXPECT_EQ(TruncaCentavos(Currency::fromRaw(2900)), Currency::fromRaw(2900));
}

TEST(GeneralRoutinesTest, DateTimeTextsZeroPaddedFields) {
    const QDateTime moment(QDate(2024, 1, 5), QTime(7, 8, 9));
    EXPECT_EQ(AcrescentaDataHora(QStringLiteral("ZEB"), moment), QStringLiteral("ZEB20240105070809"));
    EXPECT_EQ(AcrescentaDataHora(QString(), QDateTime(QDate(987, 12, 31), QTime(23, 59, 58))),
              QStringLiteral("9871231235958"));
    EXPECT_EQ(DataAtualTexto(QDate(2024, 1, 5)), QStringLiteral("01/05/2024"));
    EXPECT_EQ(DataAtualTexto(QDate(2024, 12, 25)), QStringLiteral("12/25/2024"));
    EXPECT_EQ(CaminhoComDataHora(QStringLiteral("C:\\"), QStringLiteral("BkpZeb"), moment),
              QDir::homePath() + QStringLiteral("/BkpZeb20240105070809"));
    EXPECT_EQ(CaminhoComDataHora(QStringLiteral("/tmp/"), QStringLiteral("BkpZeb"), moment),
              QStringLiteral("/tmp/BkpZeb20240105070809"));
}

TEST(GeneralRoutinesTest, VerificaLimiteValorZeroAndTheLimitPass) {
    const Currency limit = Currency::fromUnits(1000);
    EXPECT_TRUE(ValueLimitMessage(Currency(), QStringLiteral("Valor"), limit).isEmpty());
    EXPECT_TRUE(ValueLimitMessage(limit, QStringLiteral("Valor"), limit).isEmpty());
    ScriptedPrompter prompts;
    EXPECT_NO_THROW(VerificaLimiteValor(limit, QStringLiteral("Valor"), limit));
    EXPECT_EQ(prompts.Count(), 0);
}

TEST(GeneralRoutinesTest, VerificaLimiteValorOneCentAboveTheLimitStopsWithItsMessage) {
    const Currency limit = Currency::fromUnits(1000);
    ScriptedPrompter prompts;
    prompts.Answer(mrOk);
    EXPECT_THROW(VerificaLimiteValor(limit + Currency::fromRaw(100), QStringLiteral("Valor Contábil"), limit),
                 EAbort);
    ASSERT_EQ(prompts.Count(), 1);
    EXPECT_EQ(prompts.Last().Caption, QStringLiteral("Erro"));
    EXPECT_EQ(prompts.Last().Icon, TMsgDlgType::mtError);
    EXPECT_EQ(prompts.Last().Text,
              QStringLiteral("O campo Valor Contábil excede o limite parametrizado !\n\r"
                             "Para alterar este valor, utilize a função Parâmetros no menu "
                             "Ferramentas."));
}

TEST(GeneralRoutinesTest, VerificaLimiteValorNegativeValuesStop) {
    ScriptedPrompter prompts;
    prompts.Answer(mrOk);
    EXPECT_THROW(VerificaLimiteValor(Currency::fromRaw(-1), QStringLiteral("Base"), Currency::fromUnits(5)),
                 EAbort);
    EXPECT_EQ(prompts.Last().Text, QStringLiteral("O campo Base não pode ser negativo !"));
}

TEST(GeneralRoutinesTest, NumericTextsIntegerRanges) {
    EXPECT_TRUE(InteiroAte999(QStringLiteral("999")));
    EXPECT_FALSE(InteiroAte999(QStringLiteral("1000")));
    EXPECT_FALSE(InteiroAte999(QStringLiteral("0")));
    EXPECT_TRUE(InteiroUmAQuatro(QStringLiteral("4")));
    EXPECT_FALSE(InteiroUmAQuatro(QStringLiteral("0")));
    EXPECT_FALSE(InteiroUmAQuatro(QStringLiteral("5")));
    EXPECT_FALSE(InteiroPositivo(QStringLiteral("0")));
    EXPECT_FALSE(InteiroPositivo(QStringLiteral("-3")));
    EXPECT_FALSE(InteiroPositivo(QStringLiteral("1,5")));
    EXPECT_FALSE(InteiroPositivo(QString()));
    EXPECT_FALSE(InteiroAte999(QStringLiteral("abc")));
}

TEST(GeneralRoutinesTest, NumericTextsPositiveIntegersBeyondThirtyTwoBits) {
    EXPECT_TRUE(InteiroPositivo(QStringLiteral("3000000000")));
    EXPECT_TRUE(InteiroPositivo(QStringLiteral("9223372036854775807")));
    EXPECT_FALSE(InteiroPositivo(QStringLiteral("9223372036854775808")));
}

TEST(GeneralRoutinesTest, NumericTextsValorPositivoReadsThousandsAndDecimalComma) {
    EXPECT_TRUE(ValorPositivo(QStringLiteral("1.234,50")));
    EXPECT_TRUE(ValorPositivo(QStringLiteral("0,01")));
    EXPECT_FALSE(ValorPositivo(QStringLiteral("0,00")));
    EXPECT_FALSE(ValorPositivo(QStringLiteral("-5")));
    EXPECT_FALSE(ValorPositivo(QStringLiteral("abc")));
    EXPECT_FALSE(ValorPositivo(QString()));
}

TEST(GeneralRoutinesTest, SharedConstantsDetailTablesInCopyOrder) {
    const QStringList& tables = DeclarationDetailTables();
    ASSERT_EQ(tables.size(), 15);
    EXPECT_EQ(tables.first(), QStringLiteral("ENTRADA_DECLARADA"));
    EXPECT_EQ(tables[8], QStringLiteral("SAIDA_IE_DECLARADA"));
    EXPECT_EQ(tables.last(), QStringLiteral("OUTRO_ICMS_DEVIDO"));
}
