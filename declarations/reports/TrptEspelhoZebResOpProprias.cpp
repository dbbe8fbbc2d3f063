#include "declarations/reports/TrptEspelhoZebResOpProprias.h"

#include "core/data/TDMDefAux.h"
#include "declarations/reports/SummaryColumn.h"
#include "platform/report/TReportLabel.h"

#include <algorithm>

namespace {
// Design units (1/96 inch).
constexpr double kTop = 8;
constexpr double kRightColumn = 372;
constexpr double kCaptionWidth = 226;
constexpr double kValueWidth = 110;
constexpr double kBlockGap = 10;
} // namespace

TrptEspelhoZebResOpProprias::TrptEspelhoZebResOpProprias(TComponent* owner)
    : TrptEspelhoZebResOpProprias(owner, QStringLiteral("rptEspelhoZebResOpProprias"),
                                  QStringLiteral("Resumo de Operações Próprias"), true) {}

TrptEspelhoZebResOpProprias::TrptEspelhoZebResOpProprias(TComponent* owner, const QString& name,
                                                         const QString& titulo, bool completa)
    : MirrorSummaryReport(owner, name, titulo) {
    BuildSheet(completa);
}

void TrptEspelhoZebResOpProprias::BuildSheet(bool completa) {
    SummaryColumn esquerda = Column(0, kTop, kCaptionWidth, kValueWidth);
    SummaryColumn direita = Column(kRightColumn, kTop, kCaptionWidth, kValueWidth);
    auto totais = [completa](SummaryColumn& coluna, const QString& prefixo, const QString& imposto,
                             TReportLabel*& contabil, TReportLabel*& base, TReportLabel*& valorImposto,
                             TReportLabel*& isentas, TReportLabel*& outras) {
        if (completa)
            contabil = coluna.Line(prefixo + QStringLiteral("Contabil"), QStringLiteral("Valor Contábil"));
        base = coluna.Line(prefixo + QStringLiteral("BaseCalculo"), QStringLiteral("Base de Cálculo"));
        valorImposto = coluna.Line(prefixo + QStringLiteral("Imposto"), imposto);
        if (completa) {
            isentas = coluna.Line(prefixo + QStringLiteral("Isentas"), QStringLiteral("Operações Isentas"));
            outras = coluna.Line(prefixo + QStringLiteral("Outras"), QStringLiteral("Outras Operações"));
        }
    };
    esquerda.Heading(QStringLiteral("Totais de Entrada"));
    totais(esquerda, QStringLiteral("qrlEnt"), QStringLiteral("Imposto Creditado"), qrlEntContabil,
           qrlEntBaseCalculo, qrlEntImposto, qrlEntIsentas, qrlEntOutras);
    direita.Heading(QStringLiteral("Totais de Saída"));
    totais(direita, QStringLiteral("qrlSai"), QStringLiteral("Imposto Debitado"), qrlSaiContabil,
           qrlSaiBaseCalculo, qrlSaiImposto, qrlSaiIsentas, qrlSaiOutras);

    const double blocos = std::max(esquerda.Top(), direita.Top()) + kBlockGap;
    esquerda.SetTop(blocos);
    direita.SetTop(blocos);
    esquerda.Heading(QStringLiteral("Crédito do Imposto"));
    qrlCrImposto =
        esquerda.Line(QStringLiteral("qrlCrImposto"), QStringLiteral("Por entradas com crédito de imposto"));
    qrlOutCreditos = esquerda.Line(QStringLiteral("qrlOutCreditos"), QStringLiteral("Outros Créditos"));
    qrlEstDebitos = esquerda.Line(QStringLiteral("qrlEstDebitos"), QStringLiteral("Estornos de Débitos"));
    qrlSubtotalCreditos = esquerda.Line(QStringLiteral("qrlSubtotalCreditos"), QStringLiteral("Subtotal"));
    qrlSaldoAnterior =
        esquerda.Line(QStringLiteral("qrlSaldoAnterior"), QStringLiteral("Saldo Credor do período anterior"));
    qrlTotalCreditos = esquerda.Line(QStringLiteral("qrlTotalCreditos"), QStringLiteral("Total"));
    direita.Heading(QStringLiteral("Débito do Imposto"));
    qrlDbImposto =
        direita.Line(QStringLiteral("qrlDbImposto"), QStringLiteral("Por saídas com débito de imposto"));
    qrlOutDebitos = direita.Line(QStringLiteral("qrlOutDebitos"), QStringLiteral("Outros Débitos"));
    qrlEstCreditos = direita.Line(QStringLiteral("qrlEstCreditos"), QStringLiteral("Estornos de Créditos"));
    qrlTotalDebitos = direita.Line(QStringLiteral("qrlTotalDebitos"), QStringLiteral("Total"));

    esquerda.SetTop(std::max(esquerda.Top(), direita.Top()) + kBlockGap);
    esquerda.Heading(QStringLiteral("Apuração dos Saldos"));
    qrlSaldoDevedor = esquerda.Line(QStringLiteral("qrlSaldoDevedor"), QStringLiteral("Saldo Devedor"));
    qrlDeducoes = esquerda.Line(QStringLiteral("qrlDeducoes"), QStringLiteral("Deduções"));
    qrlImpostoRecolher =
        esquerda.Line(QStringLiteral("qrlImpostoRecolher"), QStringLiteral("Imposto a recolher"));
    qrlSaldoCredor =
        esquerda.Line(QStringLiteral("qrlSaldoCredor"), QStringLiteral("Saldo Credor a transportar"));
    qrlPrazoEspecial =
        esquerda.Line(QStringLiteral("qrlPrazoEspecial"), QStringLiteral("Total a deduzir do Imp. a Rec."));
    qrlRotuloPrazoEspecial = esquerda.LastCaption();
    qrlImpostoFinal =
        esquerda.Line(QStringLiteral("qrlImpostoFinal"), QStringLiteral("Imposto final a Recolher"));
    qrlRotuloImpostoFinal = esquerda.LastCaption();
}

void TrptEspelhoZebResOpProprias::ComputeValues() {
    ShowSheet(OwnOperationsSummary(DMDefAux->CalculaOperacoesProprias(Key()),
                                   DeclarationField("VL_SALDO_ANTERIOR")));
}

void TrptEspelhoZebResOpProprias::ShowSheet(const PeriodSummary& f) {
    TReportLabel* const entradas[5] = {qrlEntContabil, qrlEntBaseCalculo, qrlEntImposto, qrlEntIsentas,
                                       qrlEntOutras};
    TReportLabel* const saidas[5] = {qrlSaiContabil, qrlSaiBaseCalculo, qrlSaiImposto, qrlSaiIsentas,
                                     qrlSaiOutras};
    for (std::size_t i = 0; i < 5; ++i) {
        Show(entradas[i], f.Entries[i]);
        Show(saidas[i], f.Exits[i]);
    }
    const PeriodBalance& saldo = f.Balance;
    Show(qrlCrImposto, f.EntryTax);
    Show(qrlOutCreditos, f.OtherCredits);
    Show(qrlEstDebitos, f.DebitReversals);
    Show(qrlSubtotalCreditos, f.CreditSubtotal());
    Show(qrlSaldoAnterior, f.OpeningBalance);
    Show(qrlTotalCreditos, saldo.Credits);
    Show(qrlDbImposto, f.ExitTax);
    Show(qrlOutDebitos, f.OtherDebits);
    Show(qrlEstCreditos, f.CreditReversals);
    Show(qrlTotalDebitos, saldo.Debits);
    Show(qrlSaldoDevedor, saldo.DebtorBalance);
    Show(qrlDeducoes, f.Deductions);
    Show(qrlImpostoRecolher, saldo.TaxPayable);
    Show(qrlSaldoCredor, saldo.CarriedForward);
    // The special terms and the final tax print only when there are special terms.
    const bool prazo = f.SpecialTerms > Currency();
    for (TReportLabel* label :
         {qrlRotuloPrazoEspecial, qrlPrazoEspecial, qrlRotuloImpostoFinal, qrlImpostoFinal})
        label->SetEnabled(prazo);
    Show(qrlPrazoEspecial, f.SpecialTerms);
    Show(qrlImpostoFinal, f.FinalTax);
}
