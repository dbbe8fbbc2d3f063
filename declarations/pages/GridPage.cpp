#include "declarations/pages/GridPage.h"

#include "components/data/TReconcileDialog.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "declarations/registers/ApostropheGuard.h"
#include "declarations/registers/RegisterLayout.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/ui/ControlLayout.h"
#include "platform/ui/GridColumn.h"
#include "platform/ui/Make.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TPanel.h"

namespace {
constexpr int HelpHeight = 44;
constexpr int GridHeight = 170;
} // namespace

GridPage::GridPage(TComponent* owner, TClientDataSet* dataSet, const Shape& shape)
    : TfrmDetalheDEF(owner), m_dataSet(dataSet) {
    SetName(shape.formName);
    SetCaption(shape.caption);

    dsDetalhe = Make<TDataSource>(this, shape.dataSourceName);
    dsDetalhe->SetAutoEdit(false);
    dsDetalhe->SetDataSet(dataSet);

    BuildHelpAndNavigator(shape);
    dbgDetalhes = Make<TDBGrid>(this, QStringLiteral("dbgDetalhes"), this);
    dbgDetalhes->SetAlign(TAlign::alBottom);
    dbgDetalhes->SetHeight(GridHeight);
    dbgDetalhes->SetReadOnly(true);
    dbgDetalhes->SetOptions(dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgTabs |
                            dgRowSelect | dgAlwaysShowSelection);
    dbgDetalhes->SetDataSource(dsDetalhe);

    pnlCampos = MakePanel(this, this, QStringLiteral("pnlCampos"), TAlign::alClient);

    ReconcileDialog1 = Make<TReconcileDialog>(this, QStringLiteral("ReconcileDialog1"));
    ReconcileDialog1->SetDataSet(dataSet);

    dsDetalhe->OnDataChange =
        TDataChangeEvent::fromFunction([this](TObject* sender, TField*) { FocusedFieldChanged(sender); });
}

void GridPage::BuildHelpAndNavigator(const Shape& shape) {
    Memo1 = Make<TMemo>(this, QStringLiteral("Memo1"), this);
    Memo1->SetAlign(TAlign::alTop);
    Memo1->SetHeight(HelpHeight);
    Memo1->SetReadOnly(true);
    Memo1->SetWordWrap(true);
    Memo1->SetTabStop(false);
    Memo1->SetBorderStyle(TBorderStyle::bsNone);
    Memo1->SetScrollBars(TScrollStyle::ssNone);
    Memo1->SetColor(clBtnFace);
    Memo1->SetLines(shape.helpText);

    fraMidasNavigator1 = Make<TfraMidasNavigator>(this, QStringLiteral("fraMidasNavigator1"), this);
    fraMidasNavigator1->SetAlign(TAlign::alTop);
    fraMidasNavigator1->SetShowHints(false);
    // A narrower face than the page's, so every caption fits its button.
    QFont fonte(QStringLiteral("Liberation Sans"));
    fonte.setPixelSize(11);
    fraMidasNavigator1->SetFont(fonte);
    fraMidasNavigator1->SetVisibleFeatures(shape.features);
    fraMidasNavigator1->SetDataSet(m_dataSet);
}

TDBEdit* GridPage::FieldEdit(const QString& name, const QString& caption, const QString& field, int left,
                             int top, int width) {
    TDBEdit* edit = LabeledEdit(this, pnlCampos, name, caption, dsDetalhe, field, left, top, width);
    edit->OnEnter = TNotifyEvent(this, &GridPage::FocusedFieldChanged);
    return edit;
}

TDBMemo* GridPage::FieldMemo(const QString& name, const QString& caption, const QString& field, int left,
                             int top, int width, int height) {
    TDBMemo* memo = LabeledMemo(this, pnlCampos, name, caption, dsDetalhe, field, left, top, width, height);
    memo->OnEnter = TNotifyEvent(this, &GridPage::FocusedFieldChanged);
    return memo;
}

unsigned GridPage::RowFeatures() {
    return NavFeature(nfInsert) | NavFeature(nfEdit) | NavFeature(nfDelete) | NavFeature(nfPost) |
           NavFeature(nfCancel) | NavFeature(nfNavigator);
}

void GridPage::SetGridColumns(std::initializer_list<GridColumn> columns) {
    AddColumns(dbgDetalhes, columns);
}

void GridPage::ShowEditable(TWinControl* control, bool editable) {
    control->SetEnabled(editable);
    control->SetColor(editable ? clWindow : clInfoBk);
}

void GridPage::GuardApostrophes() {
    ApostropheGuard::Install(this);
}

void GridPage::FocusedFieldChanged(TObject*) {
    MostraDescricaoCampo(dsDetalhe);
}
