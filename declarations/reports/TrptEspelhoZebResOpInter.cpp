#include "declarations/reports/TrptEspelhoZebResOpInter.h"

#include "core/data/InterstateTotals.h"
#include "declarations/reports/SummaryColumn.h"

namespace {
// Design units (1/96 inch).
constexpr double kTop = 8;
constexpr double kRightColumn = 372;
constexpr double kCaptionWidth = 226;
constexpr double kValueWidth = 110;
} // namespace

TrptEspelhoZebResOpInter::TrptEspelhoZebResOpInter(TComponent* owner)
    : MirrorSummaryReport(owner, QStringLiteral("rptEspelhoZebResOpInter"),
                          QStringLiteral("Resumo de Operações Interestaduais")) {
    SummaryColumn entradas = Column(0, kTop, kCaptionWidth, kValueWidth);
    entradas.Heading(QStringLiteral("Totais de Entrada"));
    qrlEntContabil = entradas.Line(QStringLiteral("qrlEntContabil"), QStringLiteral("Valor Contábil"));
    qrlEntBaseCalculo = entradas.Line(QStringLiteral("qrlEntBaseCalculo"), QStringLiteral("Base de Cálculo"));
    qrlEntOutras = entradas.Line(QStringLiteral("qrlEntOutras"), QStringLiteral("Outras"));
    qrlEntPetroleoEnergia =
        entradas.Line(QStringLiteral("qrlEntPetroleoEnergia"), QStringLiteral("Petróleo e Energia"));
    qrlEntOutrosProdutos =
        entradas.Line(QStringLiteral("qrlEntOutrosProdutos"), QStringLiteral("Outros Produtos"));
    SummaryColumn saidas = Column(kRightColumn, kTop, kCaptionWidth, kValueWidth);
    saidas.Heading(QStringLiteral("Totais de Saída"));
    qrlSaiContabilCntb =
        saidas.Line(QStringLiteral("qrlSaiContabilCntb"), QStringLiteral("Valor Contábil Contribuinte"));
    qrlSaiContabilNaoCntb = saidas.Line(QStringLiteral("qrlSaiContabilNaoCntb"),
                                        QStringLiteral("Valor Contábil não Contribuinte"));
    qrlSaiBaseCalculoCntb =
        saidas.Line(QStringLiteral("qrlSaiBaseCalculoCntb"), QStringLiteral("B. de Cálculo Contribuinte"));
    qrlSaiBaseCalculoNaoCntb = saidas.Line(QStringLiteral("qrlSaiBaseCalculoNaoCntb"),
                                           QStringLiteral("B. de Cálculo não Contribuinte"));
    qrlSaiOutras = saidas.Line(QStringLiteral("qrlSaiOutras"), QStringLiteral("Outras"));
    qrlSaiImpostoCobradoST =
        saidas.Line(QStringLiteral("qrlSaiImpostoCobradoST"), QStringLiteral("Imposto Cobrado ST"));
}

void TrptEspelhoZebResOpInter::ComputeValues() {
    const InterstateTotals t = InterstateTotals::Of(Key());
    Show(qrlEntContabil, t.EntryBookValue);
    Show(qrlEntBaseCalculo, t.EntryTaxBase);
    Show(qrlEntOutras, t.EntryOther);
    Show(qrlEntPetroleoEnergia, t.EntryOilAndEnergy);
    Show(qrlEntOutrosProdutos, t.EntryOtherProducts);
    Show(qrlSaiContabilCntb, t.ExitBookValueTaxpayers);
    Show(qrlSaiContabilNaoCntb, t.ExitBookValueNonTaxpayers);
    Show(qrlSaiBaseCalculoCntb, t.ExitTaxBaseTaxpayers);
    Show(qrlSaiBaseCalculoNaoCntb, t.ExitTaxBaseNonTaxpayers);
    Show(qrlSaiOutras, t.ExitOther);
    Show(qrlSaiImpostoCobradoST, t.ExitTaxChargedST);
}
