#include "declarations/pages/TfrmDetResOpInter.h"

#include "core/data/InterstateTotals.h"
#include "declarations/pages/FigurePanels.h"
#include "declarations/pages/SummaryFigures.h"
#include "platform/base/Exceptions.h"
#include "platform/ui/TPanel.h"

namespace {
constexpr int Esquerda = 8;
constexpr int ValorEsquerda = 200;
constexpr int Direita = 360;
constexpr int ValorDireita = 570;
constexpr int LarguraValor = 115;
constexpr int Passo = 25;
} // namespace

TfrmDetResOpInter::TfrmDetResOpInter(TComponent* owner) : TfrmDetalheDEF(owner) {
    SetName(QStringLiteral("frmDetResOpInter"));
    SetCaption(QStringLiteral("Resumo de Operações Interestaduais"));
    FigureCaption(this, this, QStringLiteral("Totais de Entrada"), Esquerda, 12, true);
    FigureCaption(this, this, QStringLiteral("Totais de Saída"), Direita, 12, true);
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
    int y = 12 + Passo;
    for (const Linha& linha : entradas) {
        FigureCaption(this, this, QString::fromUtf8(linha.caption), Esquerda, y);
        *linha.panel =
            FigurePanel(this, this, QString::fromLatin1(linha.name), ValorEsquerda, y, LarguraValor);
        y += Passo;
    }
    y = 12 + Passo;
    for (const Linha& linha : saidas) {
        FigureCaption(this, this, QString::fromUtf8(linha.caption), Direita, y);
        *linha.panel =
            FigurePanel(this, this, QString::fromLatin1(linha.name), ValorDireita, y, LarguraValor);
        y += Passo;
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
    pnlVlContabilEntradas->SetCaption(Figure(t.EntContabil));
    pnlBaseCalculoEntradas->SetCaption(Figure(t.EntBaseCalculo));
    pnlPetroleoEntradas->SetCaption(Figure(t.EntPetroleoEnergia));
    pnlOutrosProdutos->SetCaption(Figure(t.EntOutrosProdutos));
    pnlOutOpEntradas->SetCaption(Figure(t.EntOutras));
    pnlContContrib->SetCaption(Figure(t.SaiContabilCntb));
    pnlContNaoContrib->SetCaption(Figure(t.SaiContabilNaoCntb));
    pnlBaseContrib->SetCaption(Figure(t.SaiBaseCalculoCntb));
    pnlBaseNaoContrib->SetCaption(Figure(t.SaiBaseCalculoNaoCntb));
    pnlOutOp->SetCaption(Figure(t.SaiOutras));
    pnlImpCobrado->SetCaption(Figure(t.SaiImpostoCobradoST));
}
