#include "core/data/FieldRules.h"
#include "core/data/SqlText.h"
#include "platform/base/Exceptions.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TStringField.h"

#include <gtest/gtest.h>

namespace {

TEST(FieldRulesTest, RegrasCamposDDDDeUmDigitoOuZeroEhRecusado) {
    for (const char* ddd : {"0", "00", "1", "000", "ab"})
        EXPECT_TRUE(DDDInvalido(QString::fromLatin1(ddd))) << ddd;
    for (const char* ddd : {"021", "21", "", "  "})
        EXPECT_FALSE(DDDInvalido(QString::fromLatin1(ddd))) << ddd;
}

TEST(FieldRulesTest, RegrasCamposTelefoneZeroEhRecusado) {
    EXPECT_TRUE(TelefoneInvalido(QStringLiteral("00000000")));
    EXPECT_TRUE(TelefoneInvalido(QStringLiteral("0")));
    EXPECT_FALSE(TelefoneInvalido(QStringLiteral("22334455")));
    EXPECT_FALSE(TelefoneInvalido(QString()));
}

TEST(FieldRulesTest, RegrasCamposValorDigitadoEhCortadoNosCentavos) {
    EXPECT_EQ(ValorDigitado(QStringLiteral("10,999")), Currency::fromRaw(109900));
    EXPECT_EQ(ValorDigitado(QStringLiteral("12,349")), Currency::fromRaw(123400));
    EXPECT_EQ(ValorDigitado(QStringLiteral("0,29")), Currency::fromRaw(2900));
    EXPECT_EQ(ValorDigitado(QStringLiteral("10,99999")), Currency::fromRaw(109900)); // no carry from rounding
    EXPECT_EQ(ValorDigitado(QStringLiteral("1.234,567")), Currency::fromRaw(12345600));
    EXPECT_EQ(ValorDigitado(QStringLiteral("-1,239")), Currency::fromRaw(-12300));
    EXPECT_THROW(ValorDigitado(QStringLiteral("abc")), EConvertError);
    EXPECT_THROW(ValorDigitado(QStringLiteral("1,2x")), EConvertError);
}

TEST(FieldRulesTest, RegrasCamposTextoEmBrancoLimpaOCampo) {
    TClientDataSet set;
    set.SetName(QStringLiteral("cdsTeste"));
    set.FieldDefs().Add(QStringLiteral("NOME"), ftString, 20, false);
    set.CreateDataSet();
    set.Append();
    TField* nome = set.FieldByName(QStringLiteral("NOME"));
    TextoOuNulo(nome, QStringLiteral(" ab "));
    EXPECT_EQ(nome->AsString(), QStringLiteral(" ab "));
    TextoOuNulo(nome, QStringLiteral("   "));
    EXPECT_TRUE(nome->IsNull());
}

TEST(FieldRulesTest, SqlTextoChavesSoPassamComoInteiros) {
    EXPECT_EQ(ChaveSQL(QStringLiteral(" 42 ")), QStringLiteral("42"));
    EXPECT_THROW(ChaveSQL(QStringLiteral("1 OR 1=1")), EConvertError);
    EXPECT_THROW(ChaveSQL(QString()), EConvertError);
}

} // namespace
