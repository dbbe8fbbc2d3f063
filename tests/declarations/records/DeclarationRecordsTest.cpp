#include "declarations/records/DeclarationRecords.h"
#include "tests/support/data/DataModules.h"
#include "tests/support/database/DeclarationFixture.h"

namespace {

constexpr int Inscricao = DeclarationFixture::DefaultInscricao;

class DeclarationRecordsTest : public DataModules {
protected:
    DeclarationRecordsTest() : fixture(*geral->ibDBDef) {
        fixture.Taxpayer();
        def->cdsSelDeclaracao->Open();
    }
    int Conta(const QString& sql) { return banco.Count(sql); }
    QString Valor(const QString& sql) { return banco.Value(sql).toString(); }

    DeclarationFixture fixture;
};

TEST_F(DeclarationRecordsTest, OpeningBalancesComeFromTheLatestDeclarationOfTheMonthBefore) {
    const auto dezembro = [](int sq, Currency saldo, Currency saldoST) {
        return DeclarationFixture::Declaration{
            .sq = sq, .ano = 2008, .mes = 12, .saldoAnterior = saldo, .saldoAnteriorST = saldoST};
    };
    fixture.AddDeclaration(dezembro(20, Currency::fromRaw(11119), Currency()));
    fixture.AddDeclaration(dezembro(21, Currency::fromRaw(22229), Currency::fromRaw(333)));
    fixture.AddDeclaration({.sq = 22, .ano = 2009, .mes = 1, .saldoAnterior = Currency::fromUnits(3)});
    struct Caso {
        int ano, mes;
        Currency saldo, saldoST;
    };
    const Caso casos[] = {
        {2009, 1, Currency::fromRaw(22200), Currency::fromRaw(300)}, // December before, cut to cents
        {2009, 2, Currency::fromUnits(3), Currency()},
        {2009, 3, Currency(), Currency()}, // no declaration in February
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.mes);
        const OpeningBalances saldos = OpeningBalancesOf(Inscricao, caso.ano, caso.mes);
        EXPECT_EQ(saldos.balance, caso.saldo);
        EXPECT_EQ(saldos.balanceST, caso.saldoST);
    }
    EXPECT_TRUE(DeclarationExists(Inscricao, 2009, 1));
    EXPECT_FALSE(DeclarationExists(Inscricao, 2009, 2));
}

TEST_F(DeclarationRecordsTest, ANewDeclarationIsStoredUnderTheNextKeyAndTheListStandsOnIt) {
    const std::optional<DeclarationKey> chave =
        InsertDeclaration(Inscricao, 2001, 6, {Currency::fromUnits(5), Currency::fromUnits(2)});
    ASSERT_TRUE(chave.has_value());
    const QString linha =
        QStringLiteral("SELECT %1 FROM DECLARACAO_ECONOMICO_FISCAL WHERE SQ_DECLARACAO = ") + chave->Sql();
    EXPECT_EQ(Valor(linha.arg("VL_SALDO_ANTERIOR_ST")).toDouble(), 2.0);
    EXPECT_EQ(Valor(linha.arg("IN_ALC_ZFM_SEM_MOV")),
              "S"); // up to 2001 the two blocks start without movement
    EXPECT_EQ(Valor(linha.arg("IN_OPER_PROP_SEM_MOV")), "N");
    EXPECT_EQ(def->cdsSelDeclaracao->FieldByName("SQ_DECLARACAO")->AsLargeInt(), chave->Value());
    const std::optional<DeclarationKey> seguinte = InsertDeclaration(Inscricao, 2002, 6, {});
    ASSERT_TRUE(seguinte.has_value());
    EXPECT_GT(seguinte->Value(), chave->Value());
    EXPECT_EQ(Valor(QStringLiteral("SELECT IN_ALC_ZFM_SEM_MOV FROM DECLARACAO_ECONOMICO_FISCAL WHERE "
                                   "SQ_DECLARACAO = ") +
                    seguinte->Sql()),
              "N");
}

TEST_F(DeclarationRecordsTest, RectificationsAreNumberedPointToTheNormalOneAndCopyTheRowsWhenAsked) {
    fixture.AddDeclaration({.sq = 500, .ano = 2005, .mes = 3}); // above the keys the sequence gives
    fixture.FillSmall(500);
    const QString linhas = QStringLiteral("SELECT COUNT(*) FROM ENTRADA_DECLARADA WHERE SQ_DECLARACAO = ");
    const std::optional<DeclarationKey> primeira = CriaDeclaracaoRetificadora(DeclarationKey(500), true);
    ASSERT_TRUE(primeira.has_value());
    const std::optional<DeclarationKey> segunda = CriaDeclaracaoRetificadora(*primeira, false);
    ASSERT_TRUE(segunda.has_value());
    const QString cabecalho =
        QStringLiteral("SELECT NU_RETIFICADORA || '/' || SQ_DECLARACAO_RETIFICA || '/' || IN_RETIFICADORA "
                       "FROM DECLARACAO_ECONOMICO_FISCAL WHERE SQ_DECLARACAO = ");
    EXPECT_EQ(Valor(cabecalho + primeira->Sql()), "1/500/S");
    EXPECT_EQ(Valor(cabecalho + segunda->Sql()), "2/500/S");
    EXPECT_EQ(Conta(linhas + primeira->Sql()), Conta(linhas + QStringLiteral("500")));
    EXPECT_GT(Conta(linhas + primeira->Sql()), 0);
    EXPECT_EQ(Conta(linhas + segunda->Sql()), 0);
    prompter.Answer(mrOk);
    EXPECT_FALSE(CriaDeclaracaoRetificadora(DeclarationKey(99), false).has_value());
    EXPECT_EQ(prompter.Last().Text, QStringLiteral("Erro na Inclusão da Declaracao !"));
}

} // namespace
