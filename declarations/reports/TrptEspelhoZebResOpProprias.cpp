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
    CriaFolha(completa);
}

void TrptEspelhoZebResOpProprias::CriaFolha(bool completa) {
    SummaryColumn esquerda = Coluna(0, kTop, kCaptionWidth, kValueWidth);
    SummaryColumn direita = Coluna(kRightColumn, kTop, kCaptionWidth, kValueWidth);
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

void TrptEspelhoZebResOpProprias::CalculaValores() {
    DMDefAux->CalculaOperacoesProprias(Chave());
    const TTotaisOperacoesProprias& t = DMDefAux->Figures.OwnOperations;
    Apuracao a;
    a.EntContabil = t.VlEntContabil;
    a.EntBaseCalculo = t.VlEntBaseCalculo;
    a.EntImposto = t.VlEntImposto;
    a.EntIsentas = t.VlEntIsentas;
    a.EntOutras = t.VlEntOutras;
    a.SaiContabil = t.VlSaiContabil;
    a.SaiBaseCalculo = t.VlSaiBaseCalculo;
    a.SaiImposto = t.VlSaiImposto;
    a.SaiIsentas = t.VlSaiIsentas;
    a.SaiOutras = t.VlSaiOutras;
    a.OutCreditos = t.VlOutroCredito;
    a.EstDebitos = t.VlEstornoDebito;
    a.OutDebitos = t.VlOutroDebito;
    a.EstCreditos = t.VlEstornoCredito;
    a.Deducoes = t.VlDeducao;
    a.PrazoEspecial = t.VlPrazoEspecial;
    a.SaldoAnterior = CampoDeclaracao("VL_SALDO_ANTERIOR");
    a.Resumo = OwnOperationsSummary(t, a.SaldoAnterior, TOpeningBalance::obAsStored);
    MostraApuracao(a);
}

void TrptEspelhoZebResOpProprias::MostraApuracao(const Apuracao& a) {
    Mostra(qrlEntContabil, a.EntContabil);
    Mostra(qrlEntBaseCalculo, a.EntBaseCalculo);
    Mostra(qrlEntImposto, a.EntImposto);
    Mostra(qrlEntIsentas, a.EntIsentas);
    Mostra(qrlEntOutras, a.EntOutras);
    Mostra(qrlSaiContabil, a.SaiContabil);
    Mostra(qrlSaiBaseCalculo, a.SaiBaseCalculo);
    Mostra(qrlSaiImposto, a.SaiImposto);
    Mostra(qrlSaiIsentas, a.SaiIsentas);
    Mostra(qrlSaiOutras, a.SaiOutras);
    const PeriodBalance& saldo = a.Resumo.Balance;
    Mostra(qrlCrImposto, a.EntImposto);
    Mostra(qrlOutCreditos, a.OutCreditos);
    Mostra(qrlEstDebitos, a.EstDebitos);
    Mostra(qrlSubtotalCreditos, a.EntImposto + a.OutCreditos + a.EstDebitos);
    Mostra(qrlSaldoAnterior, a.SaldoAnterior);
    Mostra(qrlTotalCreditos, saldo.Credits);
    Mostra(qrlDbImposto, a.SaiImposto);
    Mostra(qrlOutDebitos, a.OutDebitos);
    Mostra(qrlEstCreditos, a.EstCreditos);
    Mostra(qrlTotalDebitos, saldo.Debits);
    Mostra(qrlSaldoDevedor, a.Resumo.DebtorBalance);
    Mostra(qrlDeducoes, a.Deducoes);
    Mostra(qrlImpostoRecolher, saldo.TaxPayable);
    Mostra(qrlSaldoCredor, saldo.CarriedForward);
    // The special terms and the final tax print only when there are special terms.
    const bool prazo = a.PrazoEspecial > Currency();
    for (TReportLabel* label :
         {qrlRotuloPrazoEspecial, qrlPrazoEspecial, qrlRotuloImpostoFinal, qrlImpostoFinal})
        label->SetEnabled(prazo);
    Mostra(qrlPrazoEspecial, a.PrazoEspecial);
    Mostra(qrlImpostoFinal, a.Resumo.FinalTax);
}
