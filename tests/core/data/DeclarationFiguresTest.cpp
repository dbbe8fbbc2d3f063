#include "core/data/DeclarationTotals.h"
#include "tests/support/data/DataModules.h"
#include "tests/support/database/DeclarationFixture.h"

namespace {

class DeclarationFiguresTest : public DataModules {
protected:
    DeclarationFiguresTest() {
        DeclarationFixture fixture(*geral->ibDBDef);
        fixture.Taxpayer();
        fixture.AddDeclaration({.sq = 1});
        fixture.FillSmall(1);
        fixture.AddDeclaration({.sq = 2, .mes = 2});
        fixture.FillSmall(2);
        fixture.AddDeclaration({.sq = 3, .mes = 3});
    }

    // The sum of a column over the declaration's rows, cut to hundredths.
    Currency Soma(const char* coluna, const char* tabela, int sq) {
        EXPECT_TRUE(geral->AbreConsulta(QStringLiteral("SELECT SUM(%1) FROM %2 WHERE SQ_DECLARACAO = %3")
                                            .arg(QString::fromLatin1(coluna), QString::fromLatin1(tabela))
                                            .arg(sq)));
        return geral->cdsAuxiliar->Fields()[0]->AsCurrency().truncatedToCents();
    }
};

TEST_F(DeclarationFiguresTest, EveryBlockSumsTheRowsOfItsOwnDeclarationOnly) {
    const DeclarationFigures figuras =
        DeclarationFiguresOf(DeclarationKey(1), Currency::fromUnits(7), Currency(), Currency());
    const DeclarationFigures vazia =
        DeclarationFiguresOf(DeclarationKey(3), Currency::fromUnits(7), Currency(), Currency());
    struct Caso {
        const char* coluna;
        const char* tabela;
        Currency (*figura)(const DeclarationFigures&);
    };
    const Caso casos[] = {
        {"VL_CONTABIL", "ENTRADA_DECLARADA",
         [](const DeclarationFigures& f) { return f.OwnOperations.VlEntContabil; }},
        {"VL_IMPOSTO", "SAIDA_DECLARADA",
         [](const DeclarationFigures& f) { return f.OwnOperations.VlSaiImposto; }},
        {"VL_CONTABIL", "ENTRADA_IE_DECLARADA",
         [](const DeclarationFigures& f) { return f.OwnOperations.VlEntIEContabil; }},
        {"VL_NOTA_FISCAL", "SAIDA_ALC_DECLARADA",
         [](const DeclarationFigures& f) { return f.OwnOperations.VlALCNotaFiscal; }},
        {"VL_BASE_CALCULO_ST", "ENTRADA_DECLARADA",
         [](const DeclarationFigures& f) { return f.TaxSubstitution.VlSTEntBaseCalculo; }},
        {"VL_IMPOSTO_RETIDO_ST", "SAIDA_DECLARADA",
         [](const DeclarationFigures& f) { return f.TaxSubstitution.VlSTSaiImpostoRetido; }},
        {"VL_SALDO_TRANSFERIDO", "SALDO_CREDOR_TRANSFERIDO",
         [](const DeclarationFigures& f) { return f.ExportCredit.VlTransferencias; }},
        {"VL_SALDO_RECEBIDO", "SALDO_CREDOR_RECEBIDO",
         [](const DeclarationFigures& f) { return f.ExportCredit.VlSaldoRecebido; }},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(std::string(caso.tabela) + "." + caso.coluna);
        EXPECT_NE(caso.figura(figuras), Currency()); // the fixture has such rows
        EXPECT_EQ(caso.figura(figuras), Soma(caso.coluna, caso.tabela, 1));
        EXPECT_EQ(caso.figura(vazia), Currency());
    }
    EXPECT_TRUE(figuras.Movement.ComOpInter);
    EXPECT_TRUE(figuras.Movement.ComSaldoRecebido);
    EXPECT_FALSE(vazia.Movement.ComOpInter);
    EXPECT_TRUE(vazia.Movement.ComSaldoAcumulado); // the previous balance alone
    EXPECT_EQ(vazia.ExportCredit.VlSaldoProximoPeriodo, Currency::fromUnits(7));
}

} // namespace
