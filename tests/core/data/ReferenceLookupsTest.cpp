#include "core/data/ReferenceLookups.h"

#include "platform/db/TIBQuery.h"
#include "tests/support/data/DataModules.h"

namespace {

class ReferenceLookupsTest : public DataModules {
protected:
    // A code of the open-ended grouping 2, or one that is in none (-1 when the data have none).
    int CodigoDoGrupo2(bool pertence) {
        const QString sql =
            pertence ? QStringLiteral("SELECT FIRST 1 CO_FISCAL_OPERACAO FROM GRUPAMENTO_CFOP "
                                      "WHERE CO_GRUPO_CFOP = 2 AND DT_FIM IS NULL")
                     : QStringLiteral("SELECT FIRST 1 C.CO_FISCAL_OPERACAO FROM CFOP C WHERE NOT EXISTS "
                                      "(SELECT 1 FROM GRUPAMENTO_CFOP G WHERE G.CO_FISCAL_OPERACAO = "
                                      "C.CO_FISCAL_OPERACAO AND G.CO_GRUPO_CFOP = 2 AND G.DT_FIM IS NULL)");
        EXPECT_TRUE(geral->AbreConsulta(sql));
        return geral->cdsAuxiliar->IsEmpty() ? -1 : geral->cdsAuxiliar->Fields()[0]->AsInteger();
    }
};

} // namespace

TEST_F(ReferenceLookupsTest, GroupTwoMembershipAndTheQueryLeftAsItWas) {
    const QStringList antes = aux->ibqAuxiliar->SQL();
    const int membro = CodigoDoGrupo2(true);
    const int outro = CodigoDoGrupo2(false);
    ASSERT_GT(membro, 0);
    ASSERT_GT(outro, 0);
    EXPECT_TRUE(PertenceGrupoCFOP2(membro));
    EXPECT_FALSE(PertenceGrupoCFOP2(outro));
    EXPECT_FALSE(aux->ibqAuxiliar->Active());
    EXPECT_EQ(aux->ibqAuxiliar->SQL(), antes);
}

TEST_F(ReferenceLookupsTest, HintsOfKnownMeaningsAndFromTheReferenceCodes) {
    EXPECT_EQ(FormatoDadoComplementar(QStringLiteral("NU_NOTA_FISCAL")), QStringLiteral("Formato: 999999"));
    EXPECT_EQ(FormatoDadoComplementar(QStringLiteral("Não preencher")),
              QStringLiteral("Este campo não deverá ser preenchido !"));
    EXPECT_EQ(FormatoDadoComplementar(QStringLiteral("Data de Pagamento")),
              QStringLiteral("Formato: dd/mm/aaaa"));
    EXPECT_EQ(FormatoDadoComplementar(QStringLiteral("Auto de Infração")),
              QStringLiteral("Formato: 999999999"));
    EXPECT_EQ(FormatoDadoComplementar(QStringLiteral("O'Sentido inexistente")), QString());

    Executa(QStringLiteral("INSERT INTO CG_REF_CODES (RV_DOMAIN, RV_LOW_VALUE, RV_MEANING, RV_FORMAT) "
                           "VALUES ('D TP COMPLEMENTO', 'Z', 'Campo Vazio', 'Não Preencher')"));
    EXPECT_EQ(FormatoDadoComplementar(QStringLiteral("Campo Vazio")),
              QStringLiteral("Este campo não deverá ser preenchido !"));
    // The reference-code query keeps serving its own lookups.
    EXPECT_TRUE(basica->ibqRefCodes->SQL().join(QLatin1Char(' ')).contains(QStringLiteral(":Low_Value")));
}
