#include "tests/declarations/pages/BalancePagesFixture.h"

#include "components/navigation/TfraMidasNavigator.h"
#include "declarations/pages/FigurePanels.h"
#include "declarations/pages/TfrmDetDeclSaldosRecebidos.h"
#include "declarations/pages/TfrmDetResDemais.h"
#include "declarations/pages/TfrmDetResOpInter.h"
#include "declarations/pages/TfrmDetResOpProprias.h"
#include "declarations/pages/TfrmDetResSubTributaria.h"
#include "declarations/pages/TfrmDetResumoDemSaldoAcumulado.h"
#include "declarations/pages/TfrmDetResumos.h"
#include "declarations/validation/PeriodBalance.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TPanel.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

constexpr int NoApuracao = 31;
constexpr int NoSaldosRecebidos = 32;
constexpr int NoResumos = 34;
constexpr int NoOpProprias = 35;
constexpr int NoSubTributaria = 36;
constexpr int NoOpInter = 37;
constexpr int NoDemais = 38;

const DeclarationKey Chave(1);

Currency Reais(std::int64_t unidades, std::int64_t decimos_milesimos = 0) {
    return Currency::fromRaw(unidades * Currency::Scale + decimos_milesimos);
}

QString Mostra(const TPanel* painel) {
    return painel->Caption();
}

class SummaryPagesTest : public BalancePages {
protected:
    // A declaration whose only rows are an exit with `debito` of tax, an
    // entry with `credito` and a deduction of `deducao`.
    void AbreComSaldo(Currency credito, Currency debito, Currency deducao) {
        Abre();
        DeclarationFixture::Operation entrada;
        entrada.imposto = credito;
        Linhas().AddEntry(1, 1102, entrada);
        DeclarationFixture::Operation saida;
        saida.imposto = debito;
        Linhas().AddExit(1, 5102, saida);
        Linhas().AddOccurrence(DeclarationFixture::Occurrences::Deducao, 1, 1,
                               Linhas().LegalGround('N', 14, 1), deducao,
                               {QStringLiteral("10/01/2011"), QStringLiteral("1")});
    }
};

} // namespace

TEST_F(SummaryPagesTest, OwnOperationsSheetAgainstTheDeclarationTotals) {
    AbreComLinhas(QStringLiteral("VL_SALDO_ANTERIOR = 10.0099"));
    auto* pagina = Pagina<TfrmDetResOpProprias>(NoOpProprias);
    const OwnOperationsTotals t = aux->CalculaOperacoesProprias(Chave);
    const Currency entradas[5] = {t.VlEntContabil, t.VlEntBaseCalculo, t.VlEntImposto, t.VlEntIsentas,
                                  t.VlEntOutras};
    const Currency saidas[5] = {t.VlSaiContabil, t.VlSaiBaseCalculo, t.VlSaiImposto, t.VlSaiIsentas,
                                t.VlSaiOutras};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Mostra(pagina->pnlEntradas[i]), Figure(entradas[i])) << i;
        EXPECT_EQ(Mostra(pagina->pnlSaidas[i]), Figure(saidas[i])) << i;
    }
    EXPECT_EQ(Mostra(pagina->pnlDebImposto), "396,00");
    EXPECT_EQ(Mostra(pagina->pnlDI_OutDebitos), "20,00");
    EXPECT_EQ(Mostra(pagina->pnlDI_EstCreditos), "5,00");
    EXPECT_EQ(Mostra(pagina->pnlTotalDb_Imp), "421,00");
    EXPECT_EQ(Mostra(pagina->pnlCrImposto), Figure(t.VlEntImposto));
    EXPECT_EQ(Mostra(pagina->pnlCI_OutCreditos), "10,00");
    EXPECT_EQ(Mostra(pagina->pnlCI_EstDebitos), "3,00");
    EXPECT_EQ(Mostra(pagina->pnlTotalPartCRI), Figure(t.VlOutroCredito + t.VlEstornoDebito + t.VlEntImposto));
    // The sheet shows the opening balance as stored and adds it up cut to cents.
    EXPECT_EQ(Mostra(pagina->pnlSCPerAnterior), "10,01");
    const PeriodBalance saldo = OwnOperationsBalance(t, Reais(10, 99));
    EXPECT_EQ(Mostra(pagina->pnlTotalCr_Imp), Figure(saldo.Credits));
    EXPECT_EQ(saldo.Credits, Reais(10) + t.VlOutroCredito + t.VlEstornoDebito + t.VlEntImposto);
    EXPECT_EQ(Mostra(pagina->pnlSaldoDevedor), Figure(saldo.Debits - saldo.Credits));
    EXPECT_EQ(Mostra(pagina->pnlDeducoes), "7,00");
    EXPECT_EQ(Mostra(pagina->pnlImpRecolher), Figure(saldo.Debits - saldo.Credits - Reais(7)));
    EXPECT_EQ(Mostra(pagina->pnlSCTransportar), "0,00");
    // Special terms of 2,00 come off the tax to pay.
    EXPECT_TRUE(pagina->pnlAuxiliar->Visible());
    EXPECT_EQ(Mostra(pagina->pnlPrazoEsp), "2,00");
    EXPECT_EQ(Mostra(pagina->pnlImpFinalRec), Figure(saldo.TaxPayable - Reais(2)));
    Foto(NoOpProprias, "own-operations-summary");
}

TEST_F(SummaryPagesTest, DeductionsCoveringTheDebtorBalanceLeaveACreditToCarry) {
    AbreComSaldo(Reais(400), Reais(1000), Reais(700));
    auto* pagina = Pagina<TfrmDetResOpProprias>(NoOpProprias);
    EXPECT_EQ(Mostra(pagina->pnlTotalDb_Imp), "1.000,00");
    EXPECT_EQ(Mostra(pagina->pnlTotalCr_Imp), "400,00");
    EXPECT_EQ(Mostra(pagina->pnlSaldoDevedor), "0,00");
    EXPECT_EQ(Mostra(pagina->pnlImpRecolher), "0,00");
    EXPECT_EQ(Mostra(pagina->pnlSCTransportar), "100,00");
    EXPECT_FALSE(pagina->pnlAuxiliar->Visible()) << "no special terms";
}

TEST_F(SummaryPagesTest, DeductionsShortOfTheDebtorBalanceLeaveTaxToPay) {
    AbreComSaldo(Reais(400), Reais(1000), Reais(500));
    auto* pagina = Pagina<TfrmDetResOpProprias>(NoOpProprias);
    EXPECT_EQ(Mostra(pagina->pnlSaldoDevedor), "600,00");
    EXPECT_EQ(Mostra(pagina->pnlImpRecolher), "100,00");
    EXPECT_EQ(Mostra(pagina->pnlSCTransportar), "0,00");
}

TEST_F(SummaryPagesTest, DebitsExceedingCreditsByExactlyTheDeductionsLeaveNothingToPay) {
    // Amounts no binary fraction holds: 0,30 of credits, 0,70 of debits, 0,40 of deductions.
    AbreComSaldo(Reais(0, 3000), Reais(0, 7000), Reais(0, 4000));
    auto* pagina = Pagina<TfrmDetResOpProprias>(NoOpProprias);
    EXPECT_EQ(Mostra(pagina->pnlSaldoDevedor), "0,00");
    EXPECT_EQ(Mostra(pagina->pnlImpRecolher), "0,00");
    EXPECT_EQ(Mostra(pagina->pnlSCTransportar), "0,00");
}

TEST_F(SummaryPagesTest, ADeclarationWithoutRowsCarriesItsOpeningBalanceCut) {
    Abre(QStringLiteral("VL_SALDO_ANTERIOR = 55.5599"));
    auto* pagina = Pagina<TfrmDetResOpProprias>(NoOpProprias);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Mostra(pagina->pnlEntradas[i]), "0,00");
    EXPECT_EQ(Mostra(pagina->pnlSCPerAnterior), "55,56");
    EXPECT_EQ(Mostra(pagina->pnlSCTransportar), "55,55");
    EXPECT_EQ(Mostra(pagina->pnlImpRecolher), "0,00");
}

TEST_F(SummaryPagesTest, SpecialTermsBeyondTheTaxToPayLeaveTheFinalTaxAtTheTaxToPay) {
    AbreComSaldo(Reais(0), Reais(10), Reais(0));
    Linhas().AddOccurrence(DeclarationFixture::Occurrences::PrazoEspecial, 1, 1,
                           Linhas().LegalGround('N', 30, 1), Reais(25), {QStringLiteral("E04-123456/2010")});
    auto* pagina = Pagina<TfrmDetResOpProprias>(NoOpProprias);
    EXPECT_EQ(Mostra(pagina->pnlImpRecolher), "10,00");
    EXPECT_TRUE(pagina->pnlAuxiliar->Visible());
    EXPECT_EQ(Mostra(pagina->pnlPrazoEsp), "25,00");
    EXPECT_EQ(Mostra(pagina->pnlImpFinalRec), "10,00"); // as the mirror prints it
}

TEST_F(SummaryPagesTest, TaxSubstitutionSheetShowsOnlyBaseAndTax) {
    AbreComLinhas(QStringLiteral("VL_SALDO_ANTERIOR_ST = 1.2399"));
    auto* pagina = Pagina<TfrmDetResSubTributaria>(NoSubTributaria);
    EXPECT_EQ(pagina->Caption(), "Substituição Tributária Interna");
    const TaxSubstitutionTotals t = aux->CalculaSubstTributaria(Chave);
    EXPECT_FALSE(pagina->pnlEntradas[0]->Visible());
    EXPECT_TRUE(pagina->pnlEntradas[1]->Visible());
    EXPECT_EQ(Mostra(pagina->pnlEntradas[1]), Figure(t.VlSTEntBaseCalculo));
    EXPECT_EQ(Mostra(pagina->pnlEntradas[2]), Figure(t.VlSTEntImpostoRetido));
    EXPECT_EQ(Mostra(pagina->pnlSaidas[1]), Figure(t.VlSTSaiBaseCalculo));
    EXPECT_EQ(Mostra(pagina->pnlSaidas[2]), "27,00");
    EXPECT_EQ(Mostra(pagina->pnlCI_OutCreditos), "1,50");
    EXPECT_EQ(Mostra(pagina->pnlSCPerAnterior), "1,24");
    const PeriodBalance saldo = TaxSubstitutionBalance(t, Reais(1, 2399));
    EXPECT_EQ(Mostra(pagina->pnlTotalCr_Imp), Figure(saldo.Credits));
    EXPECT_EQ(Mostra(pagina->pnlImpRecolher), Figure(saldo.TaxPayable));
    EXPECT_EQ(Mostra(pagina->pnlSCTransportar), Figure(saldo.CarriedForward));
    Foto(NoSubTributaria, "tax-substitution-summary");
}

TEST_F(SummaryPagesTest, InterstateSummaryAddsUpTheStates) {
    AbreComLinhas();
    Linhas().AddInterstateEntry(1, 33, Reais(100), Reais(50), Reais(0, 4400), Reais(7), Reais(1));
    auto* pagina = Pagina<TfrmDetResOpInter>(NoOpInter);
    EXPECT_EQ(Mostra(pagina->pnlVlContabilEntradas), "600,56");
    EXPECT_EQ(Mostra(pagina->pnlBaseCalculoEntradas), "450,00");
    EXPECT_EQ(Mostra(pagina->pnlOutOpEntradas), "101,00");
    EXPECT_EQ(Mostra(pagina->pnlPetroleoEntradas), "7,00");
    EXPECT_EQ(Mostra(pagina->pnlOutrosProdutos), "11,00");
    EXPECT_EQ(Mostra(pagina->pnlContContrib), "400,00");
    EXPECT_EQ(Mostra(pagina->pnlContNaoContrib), "300,00");
    EXPECT_EQ(Mostra(pagina->pnlBaseContrib), "350,00");
    EXPECT_EQ(Mostra(pagina->pnlBaseNaoContrib), "250,00");
    EXPECT_EQ(Mostra(pagina->pnlOutOp), "100,00");
    EXPECT_EQ(Mostra(pagina->pnlImpCobrado), "27,00");
    Foto(NoOpInter, "interstate-summary");
}

TEST_F(SummaryPagesTest, InterstateSummaryOfNoRowsIsZero) {
    Abre();
    auto* pagina = Pagina<TfrmDetResOpInter>(NoOpInter);
    EXPECT_EQ(Mostra(pagina->pnlVlContabilEntradas), "0,00");
    EXPECT_EQ(Mostra(pagina->pnlImpCobrado), "0,00");
}

TEST_F(SummaryPagesTest, OtherSummariesAgainstTheDeclarationTotals) {
    DeclarationFigures f;
    AbreComLinhas(QStringLiteral("VL_SALDO_ANTERIOR = 1000, VL_SCE_ANTERIOR = 300"));
    auto* pagina = Pagina<TfrmDetResDemais>(NoDemais);
    EXPECT_EQ(pagina->Caption(), "Demais Resumos");
    EXPECT_EQ(Mostra(pagina->pnlICMS), "15,00");
    EXPECT_EQ(Mostra(pagina->pnlVlNotaFiscal), "150,00");
    EXPECT_EQ(Mostra(pagina->pnlNum), "1");
    EXPECT_EQ(Mostra(pagina->pnlVlIsentasALC), "10,50");
    EXPECT_EQ(Mostra(pagina->pnlCompProprio), "9,00");
    EXPECT_EQ(Mostra(pagina->pnlCompEstab), "4,00");
    EXPECT_EQ(Mostra(pagina->pnlTransf), "6,00");
    EXPECT_EQ(Mostra(pagina->pnlCrRecebidos), "8,00");
    EXPECT_EQ(pagina->dbeSCAnterior->Text(), "300,00");

    f.OwnOperations = aux->CalculaOperacoesProprias(Chave);
    const Currency transportar = OwnOperationsBalance(f.OwnOperations, Reais(1000)).CarriedForward;
    f.ExportCredit = aux->CalculaSaldoCredorExportacao(Chave, Reais(300), Currency(), Currency());
    ASSERT_GE(f.ExportCredit.VlSaldoProximoPeriodo, Currency());
    EXPECT_EQ(Mostra(pagina->pnlSCProxPeriodo),
              Figure(std::min(f.ExportCredit.VlSaldoProximoPeriodo, transportar)));
    Foto(NoDemais, "other-summaries");
}

TEST_F(SummaryPagesTest, TheNextPeriodBalanceNeverExceedsTheCreditToCarry) {
    // Tax to pay on the own operations: nothing to carry, so nothing for the next period.
    AbreComLinhas(QStringLiteral("VL_SCE_ANTERIOR = 300"));
    auto* pagina = Pagina<TfrmDetResDemais>(NoDemais);
    EXPECT_EQ(Mostra(pagina->pnlSCProxPeriodo), "0,00");
}

TEST_F(SummaryPagesTest, BalanceEvolutionFollowsTheValuesAsTheyAreTyped) {
    DeclarationFigures f;
    AbreComLinhas(QStringLiteral("VL_SALDO_ANTERIOR = 1000, VL_SCE_ANTERIOR = 300, VL_SCE_PROVISAO = 5"));
    auto* pagina = Pagina<TfrmDetResumoDemSaldoAcumulado>(NoApuracao);
    auto confere = [&](Currency anterior, Currency provisao) {
        f.OwnOperations = aux->CalculaOperacoesProprias(Chave);
        const Currency transportar = OwnOperationsBalance(f.OwnOperations, Reais(1000)).CarriedForward;
        f.ExportCredit = aux->CalculaSaldoCredorExportacao(Chave, anterior, Currency(), provisao);
        EXPECT_EQ(Mostra(pagina->pnlSaidasExterior), Figure(f.ExportCredit.VlSaldoPExterior));
        EXPECT_EQ(Mostra(pagina->pnlTotSaidas), Figure(f.ExportCredit.VlTotalSaidas));
        EXPECT_EQ(Mostra(pagina->pnlProporcao), Proportion(f.ExportCredit.VlProporcao));
        EXPECT_EQ(Mostra(pagina->pnlCreditosPeriodo), Figure(f.ExportCredit.VlCredAjustado));
        EXPECT_EQ(Mostra(pagina->pnlDebitosPeriodos), Figure(f.ExportCredit.VlDebAjustado));
        EXPECT_EQ(Mostra(pagina->pnlSaldoAjustadoPeriodo), Figure(f.ExportCredit.VlSaldoAjustPeriodo));
        EXPECT_EQ(Mostra(pagina->pnldoCredorAcumulado), Figure(f.ExportCredit.VlSaldoPeriodo));
        EXPECT_EQ(Mostra(pagina->pnlCompTransferencia), "4,00");
        EXPECT_EQ(Mostra(pagina->pnlCompProprio), "9,00");
        EXPECT_EQ(Mostra(pagina->pnlTransferencias), "6,00");
        const QString proximo = f.ExportCredit.VlSaldoProximoPeriodo >= Currency()
                                    ? Figure(std::min(f.ExportCredit.VlSaldoProximoPeriodo, transportar))
                                    : QStringLiteral("0,00");
        EXPECT_EQ(Mostra(pagina->pnlSaldoProxPeriodo), proximo);
        return Mostra(pagina->pnlSaldoProxPeriodo);
    };
    const QString antes = confere(Reais(300), Reais(5));
    Foto(NoApuracao, "balance-evolution");

    TClientDataSet* declaracao = def->cdsDeclaracao;
    Clica(pagina->fraMidasNavigator1->acEdit());
    declaracao->FieldByName("VL_SCE_PROVISAO")->SetAsCurrency(Reais(50));
    confere(Reais(300), Reais(50));
    declaracao->FieldByName("VL_SCE_ANTERIOR")->SetAsCurrency(Reais(250));
    EXPECT_NE(confere(Reais(250), Reais(50)), antes) << "the sheet followed the typing";
    Clica(pagina->fraMidasNavigator1->acPost());
    confere(Reais(250), Reais(50));
    Clica(pagina->fraMidasNavigator1->acEdit());
    declaracao->FieldByName("VL_SCE_ANTERIOR")->SetAsCurrency(Reais(100));
    confere(Reais(100), Reais(50));
    Clica(pagina->fraMidasNavigator1->acCancel());
    EXPECT_EQ(declaracao->FieldByName("VL_SCE_ANTERIOR")->AsCurrency(), Reais(250));
    confere(Reais(250), Reais(50));
}

TEST_F(SummaryPagesTest, TheBranchPagesAsTheyShow) {
    AbreComLinhas();
    auto* recebidos = Pagina<TfrmDetDeclSaldosRecebidos>(NoSaldosRecebidos);
    EXPECT_EQ(recebidos->Caption(), "Declaração de Saldos Recebidos");
    Foto(NoSaldosRecebidos, "received-balances");
    auto* resumos = Pagina<TfrmDetResumos>(NoResumos);
    EXPECT_EQ(resumos->Caption(), "Resumos");
    Foto(NoResumos, "summaries");
}
