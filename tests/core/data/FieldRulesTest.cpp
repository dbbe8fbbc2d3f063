#include "core/data/FieldRules.h"
#include "core/data/SqlText.h"
#include "platform/base/Exceptions.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TStringField.h"

#include <gtest/gtest.h>

namespace {

TEST(FieldRulesTest, RegrasCamposDDDDeUmDigitoOuZeroEhRecusado) {
    for (const char* ddd : {"0", "00", "1", "000", "ab"})
        EXPECT_TRUE(AreaCodeInvalid(QString::fromLatin1(ddd))) << ddd;
    for (const char* ddd : {"021", "21", "", "  "})
        EXPECT_FALSE(AreaCodeInvalid(QString::fromLatin1(ddd))) << ddd;
}

TEST(FieldRulesTest, RegrasCamposTelefoneZeroEhRecusado) {
    EXPECT_TRUE(TelephoneInvalid(QStringLiteral("00000000")));
    EXPECT_TRUE(TelephoneInvalid(QStringLiteral("0")));
    EXPECT_FALSE(TelephoneInvalid(QStringLiteral("22334455")));
    EXPECT_FALSE(TelephoneInvalid(QString()));
}

TEST(FieldRulesTest, RegrasCamposValorDigitadoEhCortadoNosCentavos) {
    EXPECT_EQ(TypedAmount(QStringLiteral("10,999")), Currency::fromRaw(109900));
    EXPECT_EQ(TypedAmount(QStringLiteral("12,349")), Currency::fromRaw(123400));
    EXPECT_EQ(TypedAmount(QStringLiteral("0,29")), Currency::fromRaw(2900));
    EXPECT_EQ(TypedAmount(QStringLiteral("10,99999")), Currency::fromRaw(109900)); // no carry from rounding
    EXPECT_EQ(TypedAmount(QStringLiteral("1.234,567")), Currency::fromRaw(12345600));
    EXPECT_EQ(TypedAmount(QStringLiteral("-1,239")), Currency::fromRaw(-12300));
    EXPECT_THROW(TypedAmount(QStringLiteral("abc")), EConvertError);
    EXPECT_THROW(TypedAmount(QStringLiteral("1,2x")), EConvertError);
}

TEST(FieldRulesTest, RegrasCamposTextoEmBrancoLimpaOCampo) {
    TClientDataSet set;
    set.SetName(QStringLiteral("cdsTeste"));
    set.FieldDefs().Add(QStringLiteral("NOME"), ftString, 20, false);
    set.CreateDataSet();
    set.Append();
    TField* nome = set.FieldByName(QStringLiteral("NOME"));
    SetTextOrNull(nome, QStringLiteral(" ab "));
    EXPECT_EQ(nome->AsString(), QStringLiteral(" ab "));
    SetTextOrNull(nome, QStringLiteral("   "));
    EXPECT_TRUE(nome->IsNull());
}

TEST(FieldRulesTest, SqlTextoChavesSoPassamComoInteiros) {
    EXPECT_EQ(KeySQL(QStringLiteral(" 42 ")), QStringLiteral("42"));
    EXPECT_THROW(KeySQL(QStringLiteral("1 OR 1=1")), EConvertError);
    EXPECT_THROW(KeySQL(QString()), EConvertError);
}

} // namespace
