#include "declarations/pages/TfrmDetResOpInter.h"

#include "core/data/InterstateTotals.h"
#include "declarations/pages/FigurePanels.h"
#include "declarations/pages/SummaryFigures.h"
#include "platform/base/Exceptions.h"
#include "platform/ui/TPanel.h"

namespace {
constexpr int LeftCaptionX = 8;
constexpr int LeftValueX = 200;
constexpr int RightCaptionX = 360;
constexpr int RightValueX = 570;
constexpr int ValueWidth = 115;
constexpr int Step = 25;
} // namespace

TfrmDetResOpInter::TfrmDetResOpInter(TComponent* owner) : TfrmDetalheDEF(owner) {
    SetName(QStringLiteral("frmDetResOpInter"));
    SetCaption(QStringLiteral("Resumo de Operações Interestaduais"));
    FigureCaption(this, this, QStringLiteral("Totais de Entrada"), LeftCaptionX, 12, true);
    FigureCaption(this, this, QStringLiteral("Totais de Saída"), RightCaptionX, 12, true);
    struct Linha {
        TPanel** panel;
        const char* name;
        const char* caption;
    };
    const Linha entradas[] = {{&pnlVlContabilEntradas, "pnlVlContabilEntradas", "Valor Contábil"},
                              {&pnlBaseCalculoEntradas, "pnlBaseCalculoEntradas", "Base de Cálculo"},
                              {&pnlPetroleoEntradas, "pnlPetroleoEntradas", "Petróleo e Energia"},
                              {&pnlOutrosProdutos, "pnlOutrosProdutos", "Outros Produtos"},
                              {&pnlOutOpEntradas, "pnlOutOpEntradas", "Outras"}};
    const Linha saidas[] = {{&pnlContContrib, "pnlContContrib", "Valor Contábil Contrib."},
                            {&pnlContNaoContrib, "pnlContNaoContrib", "Valor Contábil não Contrib."},
                            {&pnlBaseContrib, "pnlBaseContrib", "Base de Cálculo Contrib."},
                            {&pnlBaseNaoContrib, "pnlBaseNaoContrib", "Base de Cálculo não Contrib."},
                            {&pnlOutOp, "pnlOutOp", "Outras Operações"},
                            {&pnlImpCobrado, "pnlImpCobrado", "Imposto Cobrado ST"}};
    int y = 12 + Step;
    for (const Linha& linha : entradas) {
        FigureCaption(this, this, QString::fromUtf8(linha.caption), LeftCaptionX, y);
        *linha.panel = FigurePanel(this, this, QString::fromLatin1(linha.name), LeftValueX, y, ValueWidth);
        y += Step;
    }
    y = 12 + Step;
    for (const Linha& linha : saidas) {
        FigureCaption(this, this, QString::fromUtf8(linha.caption), RightCaptionX, y);
        *linha.panel = FigurePanel(this, this, QString::fromLatin1(linha.name), RightValueX, y, ValueWidth);
        y += Step;
    }
}

void TfrmDetResOpInter::PreparaQuadro() {
    TfrmDetalheDEF::PreparaQuadro();
    InterstateTotals t;
    try {
        t = InterstateTotals::Of(SummaryFigures::Key());
    } catch (const EAbort&) {
        return; // the failing sum has said so; the sheet keeps what it showed
    }
    pnlVlContabilEntradas->SetCaption(Figure(t.EntryBookValue));
    pnlBaseCalculoEntradas->SetCaption(Figure(t.EntryTaxBase));
    pnlPetroleoEntradas->SetCaption(Figure(t.EntryOilAndEnergy));
    pnlOutrosProdutos->SetCaption(Figure(t.EntryOtherProducts));
    pnlOutOpEntradas->SetCaption(Figure(t.EntryOther));
    pnlContContrib->SetCaption(Figure(t.ExitBookValueTaxpayers));
    pnlContNaoContrib->SetCaption(Figure(t.ExitBookValueNonTaxpayers));
    pnlBaseContrib->SetCaption(Figure(t.ExitTaxBaseTaxpayers));
    pnlBaseNaoContrib->SetCaption(Figure(t.ExitTaxBaseNonTaxpayers));
    pnlOutOp->SetCaption(Figure(t.ExitOther));
    pnlImpCobrado->SetCaption(Figure(t.ExitTaxChargedST));
}
