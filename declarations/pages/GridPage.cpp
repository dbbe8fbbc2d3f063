#include "declarations/pages/GridPage.h"

#include "components/data/TReconcileDialog.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "declarations/registers/ApostropheGuard.h"
#include "declarations/registers/RegisterLayout.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TPanel.h"

namespace {
constexpr int AlturaAjuda = 44;
constexpr int AlturaGrade = 170;
} // namespace

GridPage::GridPage(TComponent* owner, TClientDataSet* dataSet, const Layout& layout)
    : TfrmDetalheDEF(owner), m_dataSet(dataSet) {
    SetName(layout.formName);
    SetCaption(layout.caption);

    dsDetalhe = new TDataSource(this);
    dsDetalhe->SetName(layout.dataSourceName);
    dsDetalhe->SetAutoEdit(false);
    dsDetalhe->SetDataSet(dataSet);

    Memo1 = new TMemo(this, this);
    Memo1->SetName(QStringLiteral("Memo1"));
    Memo1->SetAlign(TAlign::alTop);
    Memo1->SetHeight(AlturaAjuda);
    Memo1->SetReadOnly(true);
    Memo1->SetWordWrap(true);
    Memo1->SetTabStop(false);
    Memo1->SetBorderStyle(TBorderStyle::bsNone);
    Memo1->SetScrollBars(TScrollStyle::ssNone);
    Memo1->SetColor(clBtnFace);
    Memo1->SetLines(layout.helpText);

    fraMidasNavigator1 = new TfraMidasNavigator(this, this);
    fraMidasNavigator1->SetName(QStringLiteral("fraMidasNavigator1"));
    fraMidasNavigator1->SetAlign(TAlign::alTop);
    fraMidasNavigator1->SetShowHints(false);
    // A narrower face than the page's, so every caption fits its button.
    QFont fonte(QStringLiteral("Liberation Sans"));
    fonte.setPixelSize(11);
    fraMidasNavigator1->SetFont(fonte);
    fraMidasNavigator1->SetVisibleFeatures(layout.features);
    fraMidasNavigator1->SetDataSet(dataSet);

    dbgDetalhes = new TDBGrid(this, this);
    dbgDetalhes->SetName(QStringLiteral("dbgDetalhes"));
    dbgDetalhes->SetAlign(TAlign::alBottom);
    dbgDetalhes->SetHeight(AlturaGrade);
    dbgDetalhes->SetReadOnly(true);
    dbgDetalhes->SetOptions(dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgTabs |
                            dgRowSelect | dgAlwaysShowSelection);
    dbgDetalhes->SetDataSource(dsDetalhe);

    pnlCampos = new TPanel(this, this);
    pnlCampos->SetName(QStringLiteral("pnlCampos"));
    pnlCampos->SetCaption(QString());
    pnlCampos->SetBevelOuter(TBevelCut::bvNone);
    pnlCampos->SetAlign(TAlign::alClient);

    ReconcileDialog1 = new TReconcileDialog(this);
    ReconcileDialog1->SetName(QStringLiteral("ReconcileDialog1"));
    ReconcileDialog1->SetDataSet(dataSet);

    dsDetalhe->OnDataChange =
        TDataChangeEvent::fromFunction([this](TObject* sender, TField*) { FocusedFieldChanged(sender); });
}

TDBEdit* GridPage::Campo(const QString& name, const QString& caption, const QString& field, int left, int top,
                         int width) {
    TDBEdit* edit = LabeledEdit(this, pnlCampos, name, caption, dsDetalhe, field, left, top, width);
    edit->OnEnter = TNotifyEvent(this, &GridPage::FocusedFieldChanged);
    return edit;
}

TDBMemo* GridPage::Texto(const QString& name, const QString& caption, const QString& field, int left, int top,
                         int width, int height) {
    TDBMemo* memo = LabeledMemo(this, pnlCampos, name, caption, dsDetalhe, field, left, top, width, height);
    memo->OnEnter = TNotifyEvent(this, &GridPage::FocusedFieldChanged);
    return memo;
}

void GridPage::Colunas(std::initializer_list<GridColumn> columns) {
    for (const GridColumn& spec : columns) {
        TColumn* column = dbgDetalhes->Columns().Add();
        column->SetFieldName(QString::fromLatin1(spec.field));
        column->SetTitleCaption(QString::fromUtf8(spec.caption));
        column->SetWidth(spec.width);
    }
}

void GridPage::Editavel(TWinControl* control, bool editable) {
    control->SetEnabled(editable);
    control->SetColor(editable ? clWindow : clInfoBk);
}

void GridPage::ProtegeTextos() {
    ApostropheGuard::Install(this);
}

void GridPage::FocusedFieldChanged(TObject*) {
    MostraDescricaoCampo(dsDetalhe);
}
