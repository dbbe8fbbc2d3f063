// The summary sections of the mirror: every figure against the declaration
// totals and the balance of the summary pages for the same declaration, the
// lines printed only with special terms, the export balance's worked
// example and a declaration without rows.

#include "tests/declarations/reports/MirrorFixture.h"

#include "core/util/GeneralRoutines.h"
#include "declarations/reports/MirrorSectionReport.h"
#include "declarations/reports/MirrorSummaryReport.h"
#include "platform/base/SysUtils.h"
#include "platform/report/TReportBand.h"
#include "platform/report/TReportChildBand.h"
#include "platform/report/TReportLabel.h"

#include "tests/support/QStringPrinter.h"

#include <QRegularExpression>
#include <map>

namespace {

using O = DeclarationFixture::Occurrences;

Currency Units(std::int64_t units) {
    return Currency::fromUnits(units);
}

QString V(Currency value) {
    return FormatFloat(QStringLiteral("#,##0.00"), value);
}

// Positions of the summary sections in the dialog's list.
enum Secao { ResOperacoes = 7, ResOpProprias, ResSubTributaria, ResOpInter, ResSCExportacao, ResDemais };

// The balance sheet of the summary pages: credits with the opening balance
// cut to cents, debits, then debtor balance, tax to pay and credit carried
// forward, and the final tax after the special terms.
struct Folha {
    Currency TC, TD, SD, IR, CT, Final;
};
Folha Pagina(Currency anterior, Currency creditos, Currency debitos, Currency deducoes, Currency prazo) {
    Folha f;
    f.TC = TruncaCentavos(anterior) + creditos;
    f.TD = debitos;
    if (f.TC >= f.TD) {
        f.CT = f.TC - f.TD + deducoes;
    } else {
        f.SD = f.TD - f.TC;
        if (f.SD > deducoes) {
            f.IR = f.SD - deducoes;
        } else {
            f.CT = deducoes - f.SD;
            f.SD = Currency();
        }
    }
    f.Final = f.IR;
    if (prazo > Currency() && f.IR != Currency() && prazo <= f.IR)
        f.Final = f.IR - prazo;
    return f;
}

class MirrorSummarySectionsTest : public MirrorFixture {
protected:
    // Prints every summary section; the value labels of each, by name, as printed.
    struct Resumos {
        QStringList paginas;
        std::map<int, std::map<QString, QString>> valores;
    };
    Resumos Imprime() {
        Resumos resumos;
        const Impressao impressao = ImprimeSecoes(
            true, {"cbOpICMS_R", "cbOpPropriasR", "cbSubTribR", "cbOpInterR", "cbSCEResumo", "cbDemais"},
            false, [&resumos](TfrmDlgEspelhoZeb& dialogo) {
                for (int secao = ResOperacoes; secao <= ResDemais; ++secao) {
                    MirrorSectionReport* relatorio = dialogo.Reports()[static_cast<std::size_t>(secao)];
                    if (!relatorio)
                        continue;
                    // The value labels of the sheet.
                    const TReportBand* folha = static_cast<MirrorSummaryReport*>(relatorio)->qrbValores;
                    for (int i = 0; i < relatorio->ComponentCount(); ++i)
                        if (auto* label = dynamic_cast<TReportLabel*>(relatorio->Components(i));
                            label && label->Parent() == folha && !label->Name().isEmpty())
                            resumos.valores[secao][label->Name()] = label->Caption();
                }
            });
        EXPECT_TRUE(impressao.previsualizada);
        resumos.paginas = impressao.paginas;
        return resumos;
    }
    static void Confere(const std::map<QString, QString>& valores, const QString& nome,
                        const QString& esperado) {
        const auto it = valores.find(nome);
        ASSERT_NE(it, valores.end()) << nome.toStdString();
        EXPECT_EQ(it->second, esperado) << nome.toStdString();
    }
    static void Confere(const std::map<QString, QString>& valores, const QString& nome, Currency esperado) {
        Confere(valores, nome, V(esperado));
    }
};

TEST_F(MirrorSummarySectionsTest, EveryFigureEqualsTheTotalsAndTheBalanceOfTheSummaryPages) {
    DeclaracaoCompleta(
        1,
        {.saldoAnterior = Currency::fromRaw(1005678), .saldoAnteriorST = Units(10), .sceAnterior = Units(5)});
    const Resumos resumos = Imprime();
    ASSERT_EQ(resumos.paginas.size(), 6);
    const DeclarationKey chave(1);

    // Own operations.
    const OwnOperationsTotals op = aux->CalculaOperacoesProprias(chave);
    const Currency anterior = Currency::fromRaw(1005678);
    const Folha proprias =
        Pagina(anterior, op.VlEntImposto + op.VlOutroCredito + op.VlEstornoDebito,
               op.VlSaiImposto + op.VlOutroDebito + op.VlEstornoCredito, op.VlDeducao, op.VlPrazoEspecial);
    // The figures of the small declaration, by hand: credits 100,5678 (counted
    // 100,56) + 192,12 + 10,00 + 3,00; debits 396,00 + 20,00 + 5,00; deductions
    // 7,00; terms 2,00.
    EXPECT_EQ(V(proprias.TC), QStringLiteral("305,68"));
    EXPECT_EQ(V(proprias.SD), QStringLiteral("115,32"));
    EXPECT_EQ(V(proprias.IR), QStringLiteral("108,32"));
    EXPECT_EQ(V(proprias.Final), QStringLiteral("106,32"));
    const auto& p = resumos.valores.at(ResOpProprias);
    Confere(p, QStringLiteral("qrlEntContabil"), op.VlEntContabil);
    Confere(p, QStringLiteral("qrlEntBaseCalculo"), op.VlEntBaseCalculo);
    Confere(p, QStringLiteral("qrlEntImposto"), op.VlEntImposto);
    Confere(p, QStringLiteral("qrlEntIsentas"), op.VlEntIsentas);
    Confere(p, QStringLiteral("qrlEntOutras"), op.VlEntOutras);
    Confere(p, QStringLiteral("qrlSaiContabil"), op.VlSaiContabil);
    Confere(p, QStringLiteral("qrlSaiBaseCalculo"), op.VlSaiBaseCalculo);
    Confere(p, QStringLiteral("qrlSaiImposto"), op.VlSaiImposto);
    Confere(p, QStringLiteral("qrlSaiIsentas"), op.VlSaiIsentas);
    Confere(p, QStringLiteral("qrlSaiOutras"), op.VlSaiOutras);
    Confere(p, QStringLiteral("qrlCrImposto"), op.VlEntImposto);
    Confere(p, QStringLiteral("qrlOutCreditos"), op.VlOutroCredito);
    Confere(p, QStringLiteral("qrlEstDebitos"), op.VlEstornoDebito);
    Confere(p, QStringLiteral("qrlSubtotalCreditos"),
            op.VlEntImposto + op.VlOutroCredito + op.VlEstornoDebito);
    Confere(p, QStringLiteral("qrlSaldoAnterior"), anterior);
    Confere(p, QStringLiteral("qrlTotalCreditos"), proprias.TC);
    Confere(p, QStringLiteral("qrlDbImposto"), op.VlSaiImposto);
    Confere(p, QStringLiteral("qrlOutDebitos"), op.VlOutroDebito);
    Confere(p, QStringLiteral("qrlEstCreditos"), op.VlEstornoCredito);
    Confere(p, QStringLiteral("qrlTotalDebitos"), proprias.TD);
    Confere(p, QStringLiteral("qrlSaldoDevedor"), proprias.SD);
    Confere(p, QStringLiteral("qrlDeducoes"), op.VlDeducao);
    Confere(p, QStringLiteral("qrlImpostoRecolher"), proprias.IR);
    Confere(p, QStringLiteral("qrlSaldoCredor"), proprias.CT);
    Confere(p, QStringLiteral("qrlPrazoEspecial"), op.VlPrazoEspecial);
    Confere(p, QStringLiteral("qrlImpostoFinal"), proprias.Final);

    // Tax substitution.
    const TaxSubstitutionTotals st = aux->CalculaSubstTributaria(chave);
    const Folha substituicao =
        Pagina(Units(10), st.VlSTEntImpostoRetido + st.VlSTOutroCredito + st.VlSTEstornoDebito,
               st.VlSTSaiImpostoRetido + st.VlSTOutroDebito + st.VlSTEstornoCredito, st.VlSTDeducao,
               st.VlSTPrazoEspecial);
    EXPECT_EQ(V(substituicao.CT), QStringLiteral("6,10"));
    const auto& s = resumos.valores.at(ResSubTributaria);
    EXPECT_EQ(s.count(QStringLiteral("qrlEntContabil")), 0u);
    Confere(s, QStringLiteral("qrlEntBaseCalculo"), st.VlSTEntBaseCalculo);
    Confere(s, QStringLiteral("qrlEntImposto"), st.VlSTEntImpostoRetido);
    Confere(s, QStringLiteral("qrlSaiBaseCalculo"), st.VlSTSaiBaseCalculo);
    Confere(s, QStringLiteral("qrlSaiImposto"), st.VlSTSaiImpostoRetido);
    Confere(s, QStringLiteral("qrlOutCreditos"), st.VlSTOutroCredito);
    Confere(s, QStringLiteral("qrlTotalCreditos"), substituicao.TC);
    Confere(s, QStringLiteral("qrlTotalDebitos"), substituicao.TD);
    Confere(s, QStringLiteral("qrlSaldoDevedor"), substituicao.SD);
    Confere(s, QStringLiteral("qrlImpostoRecolher"), substituicao.IR);
    Confere(s, QStringLiteral("qrlSaldoCredor"), substituicao.CT);
    Confere(s, QStringLiteral("qrlImpostoFinal"), substituicao.Final);

    // Both balances side by side, and the movement flags.
    const auto& o = resumos.valores.at(ResOperacoes);
    for (const auto& [sufixo, folha, saldo, deducoes, prazo] :
         {std::tuple{QStringLiteral("ST"), substituicao, Units(10), st.VlSTDeducao, st.VlSTPrazoEspecial},
          std::tuple{QStringLiteral("OP"), proprias, anterior, op.VlDeducao, op.VlPrazoEspecial}}) {
        Confere(o, QStringLiteral("qrlSaldoAnterior") + sufixo, saldo);
        Confere(o, QStringLiteral("qrlCreditos") + sufixo, folha.TC);
        Confere(o, QStringLiteral("qrlDebitos") + sufixo, folha.TD);
        Confere(o, QStringLiteral("qrlDeducoes") + sufixo, deducoes);
        Confere(o, QStringLiteral("qrlSaldoDevedor") + sufixo, folha.SD);
        Confere(o, QStringLiteral("qrlImpostoRecolher") + sufixo, folha.IR);
        Confere(o, QStringLiteral("qrlSaldoCredor") + sufixo, folha.CT);
        Confere(o, QStringLiteral("qrlPrazoEspecial") + sufixo, prazo);
        Confere(o, QStringLiteral("qrlImpostoFinal") + sufixo, folha.Final);
    }
    for (const char* bandeira : {"qrlMovOperProp", "qrlMovSubstTribut", "qrlMovOutrosICMS", "qrlMovOpInter",
                                 "qrlMovALCZFM", "qrlSaldoAcumulado", "qrlSaldoRecebido"})
        Confere(o, QString::fromLatin1(bandeira), QStringLiteral("SIM"));

    // Interstate totals: the sums of the own-operations block.
    const auto& i = resumos.valores.at(ResOpInter);
    Confere(i, QStringLiteral("qrlEntContabil"), op.VlEntIEContabil);
    Confere(i, QStringLiteral("qrlEntBaseCalculo"), op.VlEntIEBaseCalculo);
    Confere(i, QStringLiteral("qrlEntOutras"), op.VlEntIEOutras);
    Confere(i, QStringLiteral("qrlEntPetroleoEnergia"), op.VlEntIEPetroleoEnergia);
    Confere(i, QStringLiteral("qrlEntOutrosProdutos"), op.VlEntIEOutrosProdutos);
    Confere(i, QStringLiteral("qrlSaiContabilCntb"), op.VlSaiIEContabilCntb);
    Confere(i, QStringLiteral("qrlSaiContabilNaoCntb"), op.VlSaiIEContabilNaoCntb);
    Confere(i, QStringLiteral("qrlSaiBaseCalculoCntb"), op.VlSaiIEBaseCalculoCntb);
    Confere(i, QStringLiteral("qrlSaiBaseCalculoNaoCntb"), op.VlSaiIEBaseCalculoNaoCntb);
    Confere(i, QStringLiteral("qrlSaiOutras"), op.VlSaiIEOutras);
    Confere(i, QStringLiteral("qrlSaiImpostoCobradoST"), op.VlSaiIEImpostoCobradoST);

    // Export balance: its block, and the next period's balance, here negative.
    const ExportCreditTotals e = aux->CalculaSaldoCredorExportacao(chave, Units(5), Currency(), Currency());
    const auto& x = resumos.valores.at(ResSCExportacao);
    Confere(x, QStringLiteral("qrlSCEAnterior"), Units(5));
    Confere(x, QStringLiteral("qrlSaidasExterior"), e.VlSaldoPExterior);
    Confere(x, QStringLiteral("qrlCompEstab"), e.VlCompEstab);
    Confere(x, QStringLiteral("qrlCompProprio"), e.VlCompProprio);
    Confere(x, QStringLiteral("qrlTransferencias"), e.VlTransferencias);
    Confere(x, QStringLiteral("qrlTotalSaidas"), e.VlTotalSaidas);
    Confere(x, QStringLiteral("qrlProporcao"), FormatFloat(QStringLiteral("#,##0.0000"), e.VlProporcao));
    Confere(x, QStringLiteral("qrlDebAjustado"), e.VlDebAjustado);
    Confere(x, QStringLiteral("qrlCredAjustado"), e.VlCredAjustado);
    Confere(x, QStringLiteral("qrlSaldoAjustPeriodo"), e.VlSaldoAjustPeriodo);
    Confere(x, QStringLiteral("qrlSaldoPeriodo"), e.VlSaldoPeriodo);
    ASSERT_LT(e.VlSaldoProximoPeriodo, Currency());
    Confere(x, QStringLiteral("qrlSaldoProximoPeriodo"), QStringLiteral("0,00"));

    const auto& d = resumos.valores.at(ResDemais);
    Confere(d, QStringLiteral("qrlOutrosICMS"), QStringLiteral("15,00"));
    Confere(d, QStringLiteral("qrlVlNotaFiscal"), QStringLiteral("150,00"));
    Confere(d, QStringLiteral("qrlNumeroNotas"), QStringLiteral("1"));
    Confere(d, QStringLiteral("qrlVlIsentas"), QStringLiteral("10,50"));

    // What the labels hold is what the pages print.
    const QString opProprias = Secao(resumos.paginas, QStringLiteral("rptEspelhoZebResOpProprias"));
    EXPECT_TRUE(opProprias.contains(QRegularExpression(QStringLiteral("Saldo Devedor +115,32"))));
    EXPECT_TRUE(opProprias.contains(QRegularExpression(QStringLiteral("Imposto final a Recolher +106,32"))));
    EXPECT_TRUE(Secao(resumos.paginas, QStringLiteral("rptEspelhoZebResOperacoes"))
                    .contains(QRegularExpression(QStringLiteral("Imposto a Recolher: +0,00 +108,32"))));
}

TEST_F(MirrorSummarySectionsTest, StoredValuesPrintAsTheDataSectionsPrintThem) {
    // Fractions of a cent: the summaries show what the data sections show.
    fixture->AddDeclaration({.sq = 1,
                             .saldoAnterior = Currency::fromRaw(1313000099),
                             .saldoAnteriorST = Currency::fromRaw(12399)});
    fixture->AddInterstateEntry(1, 33, Currency::fromRaw(1000099), Units(0), Units(0), Units(0), Units(0));
    Seleciona(1);
    const QStringList dados = ImprimeSecoes(false, {"cbOpProprias", "cbSubTrib", "cbOpInter"}).paginas;
    EXPECT_TRUE(
        Secao(dados, QStringLiteral("rptEspelhoZebOpProprias")).contains(QStringLiteral("131.300,01")));
    EXPECT_TRUE(Secao(dados, QStringLiteral("rptEspelhoZebSubTributaria")).contains(QStringLiteral("1,24")));
    EXPECT_TRUE(Secao(dados, QStringLiteral("rptEspelhoZebOpInter")).contains(QStringLiteral("100,01")));

    const Resumos resumos = Imprime();
    Confere(resumos.valores.at(ResOperacoes), QStringLiteral("qrlSaldoAnteriorOP"),
            QStringLiteral("131.300,01"));
    Confere(resumos.valores.at(ResOperacoes), QStringLiteral("qrlSaldoAnteriorST"), QStringLiteral("1,24"));
    Confere(resumos.valores.at(ResOpProprias), QStringLiteral("qrlSaldoAnterior"),
            QStringLiteral("131.300,01"));
    Confere(resumos.valores.at(ResSubTributaria), QStringLiteral("qrlSaldoAnterior"), QStringLiteral("1,24"));
    Confere(resumos.valores.at(ResOpInter), QStringLiteral("qrlEntContabil"), QStringLiteral("100,01"));
    EXPECT_TRUE(
        Secao(resumos.paginas, QStringLiteral("rptEspelhoZebResOpProprias"))
            .contains(QRegularExpression(QStringLiteral("Saldo Credor do período anterior +131.300,01"))));
}

TEST_F(MirrorSummarySectionsTest, TheDeductionsCountInTheCreditCarriedForward) {
    struct Caso {
        std::int64_t anterior, creditos, debitos, deducoes;
        const char* transportar;
    };
    // Credits covering the debits carry the rest with the deductions; debits
    // beyond the credits that the deductions exceed carry what they exceed them by.
    int sq = 0;
    for (const Caso& caso : {Caso{200, 1000, 1000, 50, "250,00"}, Caso{0, 900, 1000, 160, "60,00"}}) {
        SCOPED_TRACE(caso.transportar);
        fixture->AddDeclaration({.sq = ++sq, .saldoAnterior = Units(caso.anterior)});
        fixture->AddEntry(sq, 1102, {.imposto = Units(caso.creditos)});
        fixture->AddExit(sq, 5102, {.imposto = Units(caso.debitos)});
        fixture->AddOccurrence(O::Deducao, sq, 1, fixture->LegalGround('N', 14, 1), Units(caso.deducoes));
        Seleciona(sq);
        const Resumos resumos = Imprime();
        Confere(resumos.valores.at(ResOperacoes), QStringLiteral("qrlSaldoCredorOP"),
                QString::fromLatin1(caso.transportar));
        Confere(resumos.valores.at(ResOpProprias), QStringLiteral("qrlSaldoCredor"),
                QString::fromLatin1(caso.transportar));
        EXPECT_TRUE(Secao(resumos.paginas, QStringLiteral("rptEspelhoZebResOpProprias"))
                        .contains(QRegularExpression(QStringLiteral("Saldo Credor a transportar +") +
                                                     QString::fromLatin1(caso.transportar))));
    }
}

TEST_F(MirrorSummarySectionsTest, TheSpecialTermsLinesPrintOnlyWithSpecialTerms) {
    fixture->AddDeclaration({.sq = 1});
    fixture->AddExit(1, 5102, {.contabil = Units(1000), .imposto = Units(150)});
    Seleciona(1);
    const Resumos resumos = Imprime();
    const QString proprias = Secao(resumos.paginas, QStringLiteral("rptEspelhoZebResOpProprias"));
    ASSERT_FALSE(proprias.isEmpty());
    EXPECT_TRUE(proprias.contains(QRegularExpression(QStringLiteral("Imposto a recolher +150,00"))));
    EXPECT_FALSE(proprias.contains(QStringLiteral("Total a deduzir do Imp. a Rec.")));
    EXPECT_FALSE(proprias.contains(QStringLiteral("Imposto final a Recolher")));
    // The ICMS-operations summary always prints its final tax.
    EXPECT_TRUE(Secao(resumos.paginas, QStringLiteral("rptEspelhoZebResOperacoes"))
                    .contains(QRegularExpression(QStringLiteral("Imposto final a recolher: +0,00 +150,00"))));

    // Special terms above the tax to pay: the lines show, the final tax stays the tax.
    fixture->AddOccurrence(O::PrazoEspecial, 1, 1, fixture->LegalGround('N', 30, 1), Units(400));
    const QString comPrazo = Secao(Imprime().paginas, QStringLiteral("rptEspelhoZebResOpProprias"));
    EXPECT_TRUE(
        comPrazo.contains(QRegularExpression(QStringLiteral("Total a deduzir do Imp. a Rec. +400,00"))));
    EXPECT_TRUE(comPrazo.contains(QRegularExpression(QStringLiteral("Imposto final a Recolher +150,00"))));
}

TEST_F(MirrorSummarySectionsTest, TheExportBalanceOfTheWorkedExample) {
    fixture->AddDeclaration({.sq = 1, .sceAnterior = Units(100), .sceCreditoEnergia = Units(10)});
    fixture->AddExit(1, 5501, {.contabil = Units(3000)});
    fixture->AddExit(1, 5102, {.contabil = Units(6000), .imposto = Units(1800)});
    fixture->AddEntry(1, 1102, {.contabil = Units(10000), .imposto = Units(2500)});
    fixture->AddOccurrence(O::OutroDebito, 1, 1, fixture->LegalGround('N', 2, 1), Units(200));
    fixture->AddCreditBalance(O::SCCompensado, 1, 1, fixture->LegalGround('E', 58, 1), Units(50), 87654321);
    fixture->AddCreditBalance(O::SCTransferido, 1, 1, fixture->LegalGround('E', 52, 1), Units(20), 87654321);
    Seleciona(1);
    const Resumos resumos = Imprime();
    const auto& x = resumos.valores.at(ResSCExportacao);
    Confere(x, QStringLiteral("qrlSCEAnterior"), QStringLiteral("100,00"));
    Confere(x, QStringLiteral("qrlCreditosExportacao"), QStringLiteral("10,00"));
    Confere(x, QStringLiteral("qrlProvisao"), QStringLiteral("0,00"));
    Confere(x, QStringLiteral("qrlSaidasExterior"), QStringLiteral("3.000,00"));
    Confere(x, QStringLiteral("qrlTotalSaidas"), QStringLiteral("9.000,00"));
    Confere(x, QStringLiteral("qrlProporcao"), QStringLiteral("0,3333"));
    Confere(x, QStringLiteral("qrlDebAjustado"), QStringLiteral("2.000,00"));
    Confere(x, QStringLiteral("qrlCredAjustado"), QStringLiteral("2.490,00"));
    Confere(x, QStringLiteral("qrlSaldoAjustPeriodo"), QStringLiteral("490,00"));
    Confere(x, QStringLiteral("qrlSaldoPeriodo"), QStringLiteral("173,32"));
    Confere(x, QStringLiteral("qrlCompEstab"), QStringLiteral("50,00"));
    Confere(x, QStringLiteral("qrlTransferencias"), QStringLiteral("20,00"));
    // 203,317 against the own-operations credit carried forward of 500,00.
    Confere(x, QStringLiteral("qrlSaldoProximoPeriodo"), QStringLiteral("203,32"));
    EXPECT_TRUE(Secao(resumos.paginas, QStringLiteral("rptEspelhoZebResSCExportacao"))
                    .contains(QRegularExpression(QStringLiteral("Proporção: +0,3333"))));

    // A larger previous balance: the credit carried forward limits it.
    fixture->Execute(QStringLiteral("UPDATE DECLARACAO_ECONOMICO_FISCAL SET VL_SCE_ANTERIOR = 1000"));
    Seleciona(1);
    Confere(Imprime().valores.at(ResSCExportacao), QStringLiteral("qrlSaldoProximoPeriodo"),
            QStringLiteral("500,00"));
}

TEST_F(MirrorSummarySectionsTest, ADeclarationWithoutRowsOrMovement) {
    fixture->AddDeclaration({.sq = 1,
                             .semMovOperProp = QStringLiteral("S"),
                             .semMovSubstTribut = QStringLiteral("S"),
                             .semMovOutrosICMS = QStringLiteral("S"),
                             .semMovAlcZfm = QStringLiteral("S"),
                             .sceCreditoEnergia = Units(1)});
    Seleciona(1);
    const Resumos resumos = Imprime();
    ASSERT_EQ(resumos.paginas.size(), 6);
    const QStringList outros{QStringLiteral("qrlCreditosExportacao"), QStringLiteral("qrlCredAjustado"),
                             QStringLiteral("qrlSaldoAjustPeriodo")};
    int valores = 0;
    for (const auto& [secao, labels] : resumos.valores)
        for (const auto& [nome, valor] : labels) {
            ++valores;
            if (nome == QLatin1String("qrlProporcao")) {
                EXPECT_EQ(valor, QStringLiteral("0,0000"));
            } else if (nome == QLatin1String("qrlNumeroNotas")) {
                EXPECT_EQ(valor, QStringLiteral("0"));
            } else if (nome.startsWith(QLatin1String("qrlMov")) ||
                       nome == QLatin1String("qrlSaldoAcumulado") ||
                       nome == QLatin1String("qrlSaldoRecebido")) {
                EXPECT_EQ(valor, QStringLiteral("NÃO")) << nome.toStdString();
            } else if (!outros.contains(nome)) {
                EXPECT_EQ(valor, QStringLiteral("0,00")) << secao << " " << nome.toStdString();
            }
        }
    EXPECT_GT(valores, 80);
    // Only the energy credit: the adjusted credits are less it, the
    // period's balance comes to nothing, and nothing is carried.
    const auto& x = resumos.valores.at(ResSCExportacao);
    Confere(x, QStringLiteral("qrlCreditosExportacao"), QStringLiteral("1,00"));
    Confere(x, QStringLiteral("qrlCredAjustado"), QStringLiteral("-1,00"));
    Confere(x, QStringLiteral("qrlSaldoAjustPeriodo"), QStringLiteral("-1,00"));
    Confere(x, QStringLiteral("qrlSaldoPeriodo"), QStringLiteral("0,00"));
    Confere(x, QStringLiteral("qrlSaldoProximoPeriodo"), QStringLiteral("0,00"));
}

} // namespace
