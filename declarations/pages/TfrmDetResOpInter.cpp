#include "declarations/pages/TfrmDetResOpInter.h"

#include "core/data/TDMDefAux.h"
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
    try {
        DMDefAux->CalculaOperacoesProprias(SummaryFigures::Key());
    } catch (const EAbort&) {
        return; // the failing total has said so; the sheet keeps what it showed
    }
    const TTotaisOperacoesProprias& t = DMDefAux->Figures.OwnOperations;
    pnlVlContabilEntradas->SetCaption(Figure(t.VlEntIEContabil));
    pnlBaseCalculoEntradas->SetCaption(Figure(t.VlEntIEBaseCalculo));
    pnlPetroleoEntradas->SetCaption(Figure(t.VlEntIEPetroleoEnergia));
    pnlOutrosProdutos->SetCaption(Figure(t.VlEntIEOutrosProdutos));
    pnlOutOpEntradas->SetCaption(Figure(t.VlEntIEOutras));
    pnlContContrib->SetCaption(Figure(t.VlSaiIEContabilCntb));
    pnlContNaoContrib->SetCaption(Figure(t.VlSaiIEContabilNaoCntb));
    pnlBaseContrib->SetCaption(Figure(t.VlSaiIEBaseCalculoCntb));
    pnlBaseNaoContrib->SetCaption(Figure(t.VlSaiIEBaseCalculoNaoCntb));
    pnlOutOp->SetCaption(Figure(t.VlSaiIEOutras));
    pnlImpCobrado->SetCaption(Figure(t.VlSaiIEImpostoCobradoST));
}
