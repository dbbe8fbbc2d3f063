#include "declarations/reports/TrptEspelhoZebResOperacoes.h"

#include "core/data/TDMDefAux.h"
#include "declarations/reports/MirrorLayout.h"
#include "declarations/reports/PeriodSummary.h"
#include "declarations/reports/SummaryColumn.h"
#include "platform/report/TReportChildBand.h"
#include "platform/report/TReportLabel.h"

namespace {
// Design units (1/96 inch).
constexpr double kTop = 8;
constexpr double kCaptionWidth = 250;
constexpr double kValueWidth = 130;
constexpr double kSecondValue = 140;
constexpr double kBlockGap = 12;
const QString kNo = QStringLiteral("NÃO");
const QString kYes = QStringLiteral("SIM");

void ShowColumn(std::array<TReportLabel*, TrptEspelhoZebResOperacoes::LineCount>& coluna,
                const PeriodSummary& f) {
    using R = TrptEspelhoZebResOperacoes;
    const Currency valores[R::LineCount] = {f.OpeningBalance,
                                            f.Balance.Credits,
                                            f.Balance.Debits,
                                            f.Deductions,
                                            f.Balance.DebtorBalance,
                                            f.Balance.TaxPayable,
                                            f.Balance.CarriedForward,
                                            f.SpecialTerms,
                                            f.FinalTax};
    for (int i = 0; i < R::LineCount; ++i)
        coluna[static_cast<std::size_t>(i)]->SetCaption(MirrorSummaryReport::MoneyText(valores[i]));
}
} // namespace

TrptEspelhoZebResOperacoes::TrptEspelhoZebResOperacoes(TComponent* owner)
    : MirrorSummaryReport(owner, QStringLiteral("rptEspelhoZebResOperacoes"),
                          QStringLiteral("Resumo das Operações de ICMS")) {
    SummaryColumn saldos = Column(0, kTop, kCaptionWidth, kValueWidth);
    BuildBalances(saldos);
    BuildMovements(saldos);
}

void TrptEspelhoZebResOperacoes::BuildBalances(SummaryColumn& saldos) {
    SummaryColumn proprias = Column(kSecondValue, kTop, kCaptionWidth, kValueWidth);
    const TReportFont titulo = MirrorFont(9, TFontStyle::fsBold);
    for (const auto& [texto, esquerda] : {std::pair{"Substituição Tributária", kCaptionWidth},
                                          std::pair{"Operações Próprias", kSecondValue + kCaptionWidth}}) {
        TReportLabel* label = MirrorLabel(this, qrbValores, QString::fromUtf8(texto), esquerda - 30, kTop + 4,
                                          kValueWidth + 30, taRightJustify, titulo);
        label->Frame().DrawBottom = true;
    }
    saldos.Skip(24);
    const char* nomes[LineCount] = {"SaldoAnterior", "Creditos",      "Debitos",
                                    "Deducoes",      "SaldoDevedor",  "ImpostoRecolher",
                                    "SaldoCredor",   "PrazoEspecial", "ImpostoFinal"};
    const char* rotulos[LineCount] = {"Saldo Credor Anterior:",
                                      "Créditos do Imposto:",
                                      "Débitos do Imposto:",
                                      "Deduções:",
                                      "Saldo Devedor:",
                                      "Imposto a Recolher:",
                                      "Saldo Credor a Transportar:",
                                      "ICMS Prazo Especial:",
                                      "Imposto final a recolher:"};
    for (int i = 0; i < LineCount; ++i) {
        const double top = saldos.Top();
        const QString nome = QString::fromLatin1(nomes[i]);
        qrlSubstituicao[static_cast<std::size_t>(i)] =
            saldos.Line(QStringLiteral("qrl") + nome + QStringLiteral("ST"), QString::fromUtf8(rotulos[i]));
        qrlProprias[static_cast<std::size_t>(i)] =
            proprias.Value(QStringLiteral("qrl") + nome + QStringLiteral("OP"), top);
    }
}

void TrptEspelhoZebResOperacoes::BuildMovements(SummaryColumn& saldos) {
    saldos.Skip(kBlockGap);
    saldos.Heading(QStringLiteral("Apresentou movimento de:"));
    qrlMovOperProp =
        saldos.Line(QStringLiteral("qrlMovOperProp"), QStringLiteral("Operações Próprias:"), kNo);
    qrlMovSubstTribut =
        saldos.Line(QStringLiteral("qrlMovSubstTribut"), QStringLiteral("Subst. Tributária Interna:"), kNo);
    qrlMovOutrosICMS =
        saldos.Line(QStringLiteral("qrlMovOutrosICMS"), QStringLiteral("Outros ICMS Devidos:"), kNo);
    qrlMovOpInter =
        saldos.Line(QStringLiteral("qrlMovOpInter"), QStringLiteral("Operações Interestaduais:"), kNo);
    qrlMovALCZFM = saldos.Line(QStringLiteral("qrlMovALCZFM"), QStringLiteral("ZFM/ALC:"), kNo);
    saldos.Skip(kBlockGap);
    saldos.Heading(QStringLiteral("Saldo Credor de Exportação"));
    qrlSaldoAcumulado =
        saldos.Line(QStringLiteral("qrlSaldoAcumulado"), QStringLiteral("Dem. Saldos Acumulados:"), kNo);
    qrlSaldoRecebido =
        saldos.Line(QStringLiteral("qrlSaldoRecebido"), QStringLiteral("Dem. Saldos Recebidos:"), kNo);
}

void TrptEspelhoZebResOperacoes::ComputeValues() {
    const DeclarationKey chave = Key();
    ShowColumn(qrlSubstituicao, TaxSubstitutionSummary(DMDefAux->CalculaSubstTributaria(chave),
                                                       DeclarationField("VL_SALDO_ANTERIOR_ST")));
    ShowColumn(qrlProprias, OwnOperationsSummary(DMDefAux->CalculaOperacoesProprias(chave),
                                                 DeclarationField("VL_SALDO_ANTERIOR")));

    const OperationsMovement r = DMDefAux->CalculaResumoOperacoes(
        chave, DeclarationField("VL_SCE_ANTERIOR"), DeclarationField("VL_SCE_CREDITO_ICMS_ENERGIA"),
        DeclarationField("VL_SCE_PROVISAO"));
    for (const auto& [label, movimento] :
         {std::pair{qrlMovOperProp, r.ComMovOperProp}, std::pair{qrlMovSubstTribut, r.ComMovSubstTribut},
          std::pair{qrlMovOutrosICMS, r.ComMovOutrosICMS}, std::pair{qrlMovOpInter, r.ComOpInter},
          std::pair{qrlMovALCZFM, r.ComMovALCZFM}, std::pair{qrlSaldoAcumulado, r.ComSaldoAcumulado},
          std::pair{qrlSaldoRecebido, r.ComSaldoRecebido}})
        label->SetCaption(movimento ? kYes : kNo);
}
