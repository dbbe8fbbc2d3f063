#include "declarations/pages/InterstatePage.h"

#include "components/navigation/TfraMidasNavigator.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "declarations/pages/FigurePanels.h"
#include "declarations/registers/RegisterLayout.h"
#include "platform/db/DisabledControls.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/ui/Make.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBLookupComboBox.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TPanel.h"

namespace {

constexpr int ValueWidth = 150;
// The totals box at the right of the fields.
constexpr int TotalsLeft = 435;
constexpr int TotalsPanelLeft = 590;
constexpr int TotalWidth = 100;

GridPage::Shape GridShape(const InterstatePage::Shape& shape) {
    return GridPage::ShapeOf(shape);
}

} // namespace

InterstatePage::InterstatePage(TComponent* owner, TClientDataSet* rows, TClientDataSet* ownOperations,
                               const Shape& shape)
    : GridPage(owner, rows, GridShape(shape)), m_ownOperations(ownOperations),
      m_codePrefix(shape.codePrefix) {
    dsUFs = Make<TDataSource>(this, QStringLiteral("dsUFs"));
    dsUFs->SetDataSet(DMDefBasica->cdsUFs);
    dsOperacoes = Make<TDataSource>(this, shape.ownDataSourceName);
    dsOperacoes->SetDataSet(ownOperations);

    BuildAmounts(shape);
    BuildTotals(shape);
    fraMidasNavigator1->BeforeInsert =
        TDataSetNotifyEvent(this, &InterstatePage::fraNUBNavigator1BeforeInsert);
    fraMidasNavigator1->OnNewRecord = TDataSetNotifyEvent(this, &InterstatePage::fraNUBNavigator1NewRecord);
    dsDetalhe->OnStateChange = TNotifyEvent(this, &InterstatePage::dsInterStateChange);
    GuardApostrophes();
    dsInterStateChange(dsDetalhe);
}

void InterstatePage::BuildAmounts(const Shape& shape) {
    CaptionOver(this, pnlCampos, QStringLiteral("dblcUFs"), QStringLiteral("Estado"), 8, 6);
    dblcUFs = Make<TDBLookupComboBox>(this, QStringLiteral("dblcUFs"), pnlCampos);
    dblcUFs->SetDataSource(dsDetalhe);
    dblcUFs->SetDataField(QStringLiteral("CO_UF"));
    dblcUFs->SetListSource(dsUFs);
    dblcUFs->SetKeyField(QStringLiteral("CO_UF"));
    dblcUFs->SetListField(QStringLiteral("NO_UF"));
    dblcUFs->SetBounds(8, 6 + kCaptionHeight, 357, kEditHeight);

    for (const Heading& heading : shape.headings)
        FigureCaption(this, pnlCampos, heading.caption, heading.left, heading.top, true);
    for (const Amount& amount : shape.amounts)
        dbeValores.push_back(
            FieldEdit(amount.name, amount.caption, amount.field, amount.left, amount.top, ValueWidth));
}

void InterstatePage::BuildTotals(const Shape& shape) {
    mmTotais = Make<TMemo>(this, QStringLiteral("mmTotais"), pnlCampos);
    mmTotais->SetReadOnly(true);
    mmTotais->SetTabStop(false);
    mmTotais->SetBorderStyle(TBorderStyle::bsNone);
    mmTotais->SetScrollBars(TScrollStyle::ssNone);
    mmTotais->SetColor(clBtnFace);
    QFont negrito = mmTotais->Font();
    negrito.setBold(true);
    mmTotais->SetFont(negrito);
    mmTotais->SetText(shape.totalsHeading);
    mmTotais->SetBounds(TotalsLeft, 6, TotalsPanelLeft + TotalWidth - TotalsLeft, 22);
    struct Linha {
        TPanel** panel;
        QString name;
        const char* caption;
    };
    const Linha linhas[] = {{&pnlVlContabil, QStringLiteral("pnlVlContabil"), "Valor Contábil"},
                            {&pnlBaseCalculo, QStringLiteral("pnlBaseCalculo"), "Base de Cálculo"},
                            {&pnlIsentas, shape.exemptPanelName, "Isentas e não Tributadas"},
                            {&pnlOutras, QStringLiteral("pnlOutras"), "Outras"}};
    int top = 32;
    for (const Linha& linha : linhas) {
        FigureCaption(this, pnlCampos, QString::fromUtf8(linha.caption), TotalsLeft, top);
        *linha.panel = FigurePanel(this, pnlCampos, linha.name, TotalsPanelLeft, top, TotalWidth);
        top += kFigureHeight + 6;
    }
}

void InterstatePage::PreparaQuadro() {
    GridPage::PreparaQuadro();
    // The states first: the rows show their names as they open.
    DMDefBasica->cdsUFs->Open();
    DMDefAux->AbreTabelaDeclaracao(DataSet());
    DMDefAux->AbreTabelaDeclaracao(m_ownOperations);
    SumOperations();
}

void InterstatePage::SumOperations() {
    Currency contabil, base, isentas, outras;
    if (m_ownOperations->Active()) {
        DisabledControls semControles(*m_ownOperations);
        TField* codigo = m_ownOperations->FieldByName(QStringLiteral("CO_FISCAL_OPERACAO"));
        TField* vlContabil = m_ownOperations->FieldByName(QStringLiteral("VL_CONTABIL"));
        TField* vlBase = m_ownOperations->FieldByName(QStringLiteral("VL_BASE_CALCULO"));
        TField* vlIsentas = m_ownOperations->FieldByName(QStringLiteral("VL_OPERACOES_ISENTAS"));
        TField* vlOutras = m_ownOperations->FieldByName(QStringLiteral("VL_OUTRAS_OPERACOES"));
        for (m_ownOperations->First(); !m_ownOperations->Eof(); m_ownOperations->Next()) {
            if (!codigo->AsString().trimmed().startsWith(m_codePrefix))
                continue;
            contabil += vlContabil->AsCurrency();
            base += vlBase->AsCurrency();
            isentas += vlIsentas->AsCurrency();
            outras += vlOutras->AsCurrency();
        }
    }
    pnlVlContabil->SetCaption(Figure(contabil));
    pnlBaseCalculo->SetCaption(Figure(base));
    pnlIsentas->SetCaption(Figure(isentas));
    pnlOutras->SetCaption(Figure(outras));
}

void InterstatePage::fraNUBNavigator1BeforeInsert(TDataSet*) {
    DMDefBasica->FiltraUFsUsadas(DataSet(), DMDefBasica->cdsUFs);
}

void InterstatePage::fraNUBNavigator1NewRecord(TDataSet*) {
    if (dblcUFs->CanFocus())
        dblcUFs->SetFocus();
}

void InterstatePage::dsInterStateChange(TObject*) {
    const bool inserindo = DataSet()->State() == TDataSetState::dsInsert;
    ShowEditable(dblcUFs, inserindo);
    if (!inserindo && DMDefBasica->cdsUFs) {
        DMDefBasica->cdsUFs->SetFilter(QString());
        DMDefBasica->cdsUFs->SetFiltered(false);
    }
}
