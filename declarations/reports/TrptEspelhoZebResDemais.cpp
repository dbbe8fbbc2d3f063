#include "declarations/reports/TrptEspelhoZebResDemais.h"

#include "core/data/OtherSummaryTotals.h"
#include "declarations/reports/SummaryColumn.h"
#include "platform/report/TReportLabel.h"

namespace {
// Design units (1/96 inch).
constexpr double kTop = 8;
constexpr double kBlockGap = 12;
constexpr double kCaptionWidth = 300;
constexpr double kValueWidth = 120;
} // namespace

TrptEspelhoZebResDemais::TrptEspelhoZebResDemais(TComponent* owner)
    : MirrorSummaryReport(owner, QStringLiteral("rptEspelhoZebResDemais"), QStringLiteral("Demais Resumos")) {
    SummaryColumn folha = Column(0, kTop, kCaptionWidth, kValueWidth);
    folha.Heading(QStringLiteral("Outros ICMS Devidos"));
    qrlOutrosICMS = folha.Line(QStringLiteral("qrlOutrosICMS"), QStringLiteral("Outros ICMS a recolher"));
    folha.Skip(kBlockGap);
    folha.Heading(QStringLiteral("Zona Franca de Manaus e Área de Livre Comércio"));
    qrlVlNotaFiscal =
        folha.Line(QStringLiteral("qrlVlNotaFiscal"), QStringLiteral("Valor das Notas Fiscais"));
    qrlNumeroNotas = folha.Line(QStringLiteral("qrlNumeroNotas"), QStringLiteral("Número de Notas Fiscais"),
                                QStringLiteral("0"));
    qrlVlIsentas = folha.Line(QStringLiteral("qrlVlIsentas"), QStringLiteral("Valor do ICMS abatido"));
}

void TrptEspelhoZebResDemais::ComputeValues() {
    const OtherSummaryTotals outros = OtherSummaryTotals::Of(Key());
    Show(qrlOutrosICMS, outros.OtherIcms);
    Show(qrlVlNotaFiscal, outros.FreeTradeInvoices);
    Show(qrlVlIsentas, outros.FreeTradeExempt);
    qrlNumeroNotas->SetCaption(QString::number(outros.FreeTradeInvoiceCount));
}
