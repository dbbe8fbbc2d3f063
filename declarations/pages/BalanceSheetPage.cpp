#include "declarations/pages/BalanceSheetPage.h"

#include "declarations/pages/FigurePanels.h"
#include "platform/base/Exceptions.h"
#include "platform/ui/Make.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"

namespace {

constexpr int ValueWidth = 100;
constexpr int Step = 23;
// The two columns of the tax computation: caption and figure.
constexpr int LeftCaptionX = 8;
constexpr int LeftValueX = 240;
constexpr int RightCaptionX = 352;
constexpr int RightValueX = 598;

const char* const Columns[5] = {"Valor Contábil", "Base de Cálculo", "Imposto", "Operações Isentas",
                                "Outras Operações"};
const char* const ColumnNames[5] = {"VlContabil", "BaseCalculo", "Imposto", "OpIsentas", "OutOp"};
// Columns of the sheets that show only the base and the tax.
constexpr bool BaseAndTaxOnly[5] = {false, true, true, false, false};

} // namespace

BalanceSheetPage::BalanceSheetPage(TComponent* owner, const Shape& shape) : TfrmDetalheDEF(owner) {
    SetName(shape.formName);
    SetCaption(shape.caption);

    BuildTotals(shape.baseAndTaxOnly);
    BuildBalance();
}

void BalanceSheetPage::BuildTotals(bool baseAndTaxOnly) {
    // Totals of the entries and exits, one column per amount.
    FigureCaption(this, this, QStringLiteral("Totais de Entrada"), LeftCaptionX, 30, true);
    FigureCaption(this, this, QStringLiteral("Totais de Saída"), LeftCaptionX, 30 + Step, true);
    int coluna = 0;
    for (int i = 0; i < 5; ++i) {
        const bool mostra = !baseAndTaxOnly || BaseAndTaxOnly[i];
        const int x = 130 + coluna * (ValueWidth + 8);
        const QString nome = QString::fromLatin1(ColumnNames[i]);
        pnlEntradas[i] =
            FigurePanel(this, this, QStringLiteral("pnl%1Entradas").arg(nome), x, 30, ValueWidth);
        pnlSaidas[i] =
            FigurePanel(this, this, QStringLiteral("pnl%1Saidas").arg(nome), x, 30 + Step, ValueWidth);
        pnlEntradas[i]->SetVisible(mostra);
        pnlSaidas[i]->SetVisible(mostra);
        if (!mostra)
            continue;
        FigureCaption(this, this, QString::fromUtf8(Columns[i]), x, 10);
        ++coluna;
    }
}

void BalanceSheetPage::BuildBalance() {
    auto linha = [this](const char* caption, const QString& name, bool direita, int top,
                        bool negrito = false) {
        FigureCaption(this, this, QString::fromUtf8(caption), direita ? RightCaptionX : LeftCaptionX, top,
                      negrito);
        return FigurePanel(this, this, name, direita ? RightValueX : LeftValueX, top, ValueWidth);
    };
    int y = 96;
    FigureCaption(this, this, QStringLiteral("Débito do Imposto"), LeftCaptionX, y, true);
    FigureCaption(this, this, QStringLiteral("Crédito do Imposto"), RightCaptionX, y, true);
    y += Step;
    pnlDebImposto =
        linha("001  - Por saídas com débito de imposto", QStringLiteral("pnlDebImposto"), false, y);
    pnlCrImposto =
        linha("006  - Por entradas com crédito de imposto", QStringLiteral("pnlCrImposto"), true, y);
    y += Step;
    pnlDI_OutDebitos = linha("002  - Outros Débitos", QStringLiteral("pnlDI_OutDebitos"), false, y);
    pnlCI_OutCreditos = linha("007  - Outros Créditos", QStringLiteral("pnlCI_OutCreditos"), true, y);
    y += Step;
    pnlDI_EstCreditos = linha("003  - Estornos de Créditos", QStringLiteral("pnlDI_EstCreditos"), false, y);
    pnlCI_EstDebitos = linha("008  - Estornos de Débitos", QStringLiteral("pnlCI_EstDebitos"), true, y);
    y += Step;
    pnlTotalDb_Imp = linha("005  - Total   ", QStringLiteral("pnlTotalDb_Imp"), false, y, true);
    pnlTotalPartCRI = linha("010  - Subtotal    ", QStringLiteral("pnlTotalPartCRI"), true, y);
    y += Step;
    pnlSCPerAnterior =
        linha("011  - Saldo Credor do período anterior", QStringLiteral("pnlSCPerAnterior"), true, y);
    y += Step;
    pnlTotalCr_Imp = linha("012  - Total   ", QStringLiteral("pnlTotalCr_Imp"), true, y, true);

    y += Step + 14;
    FigureCaption(this, this, QStringLiteral("Apuração dos Saldos"), LeftCaptionX, y, true);
    y += Step;
    const int apuracao = y;
    pnlSaldoDevedor = linha("013  - Saldo Devedor   ", QStringLiteral("pnlSaldoDevedor"), false, y);
    y += Step;
    pnlDeducoes = linha("014  - Deduções", QStringLiteral("pnlDeducoes"), false, y);
    y += Step;
    pnlImpRecolher = linha("015  - Imposto a recolher  ", QStringLiteral("pnlImpRecolher"), false, y, true);
    y += Step;
    pnlSCTransportar =
        linha("016  - Saldo credor a transportar  ", QStringLiteral("pnlSCTransportar"), false, y, true);

    // Special payment terms: shown only when the period has them.
    pnlAuxiliar = Make<TPanel>(this, QStringLiteral("pnlAuxiliar"), this);
    pnlAuxiliar->SetCaption(QString());
    pnlAuxiliar->SetBevelOuter(TBevelCut::bvNone);
    pnlAuxiliar->SetBounds(RightCaptionX, apuracao, RightValueX + ValueWidth - RightCaptionX, 2 * Step);
    pnlAuxiliar->SetVisible(false);
    FigureCaption(this, pnlAuxiliar, QStringLiteral("Total a deduzir do Imp. a Rec."), 0, 0);
    pnlPrazoEsp = FigurePanel(this, pnlAuxiliar, QStringLiteral("pnlPrazoEsp"), RightValueX - RightCaptionX,
                              0, ValueWidth);
    FigureCaption(this, pnlAuxiliar, QStringLiteral("Imposto final a Recolher"), 0, Step, true);
    pnlImpFinalRec = FigurePanel(this, pnlAuxiliar, QStringLiteral("pnlImpFinalRec"),
                                 RightValueX - RightCaptionX, Step, ValueWidth);
}

void BalanceSheetPage::PreparaQuadro() {
    TfrmDetalheDEF::PreparaQuadro();
    try {
        ShowSheet(Sheet());
    } catch (const EAbort&) {
        // The failing total has said so; the sheet keeps what it showed.
    }
}

void BalanceSheetPage::ShowSheet(const PeriodSummary& f) {
    for (std::size_t i = 0; i < 5; ++i) {
        pnlEntradas[i]->SetCaption(Figure(f.Entries[i]));
        pnlSaidas[i]->SetCaption(Figure(f.Exits[i]));
    }
    const PeriodBalance& saldo = f.Balance;
    pnlDebImposto->SetCaption(Figure(f.ExitTax));
    pnlDI_OutDebitos->SetCaption(Figure(f.OtherDebits));
    pnlDI_EstCreditos->SetCaption(Figure(f.CreditReversals));
    pnlTotalDb_Imp->SetCaption(Figure(saldo.Debits));
    pnlCrImposto->SetCaption(Figure(f.EntryTax));
    pnlCI_OutCreditos->SetCaption(Figure(f.OtherCredits));
    pnlCI_EstDebitos->SetCaption(Figure(f.DebitReversals));
    pnlTotalPartCRI->SetCaption(Figure(f.CreditSubtotal()));
    pnlSCPerAnterior->SetCaption(Figure(f.OpeningBalance));
    pnlTotalCr_Imp->SetCaption(Figure(saldo.Credits));
    pnlSaldoDevedor->SetCaption(Figure(saldo.DebtorBalance));
    pnlDeducoes->SetCaption(Figure(f.Deductions));
    pnlImpRecolher->SetCaption(Figure(saldo.TaxPayable));
    pnlSCTransportar->SetCaption(Figure(saldo.CarriedForward));
    if (f.SpecialTerms > Currency()) {
        pnlPrazoEsp->SetCaption(Figure(f.SpecialTerms));
        pnlImpFinalRec->SetCaption(Figure(f.FinalTax));
        pnlAuxiliar->SetVisible(true);
    }
}
