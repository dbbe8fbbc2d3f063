#include "declarations/pages/NoMovementPage.h"

#include "components/data/TReconcileDialog.h"
#include "core/data/TDMDef.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/ui/ControlLayout.h"
#include "platform/ui/Make.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TDBCheckBox.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TTreeNode.h"
#include "platform/ui/TTreeView.h"

namespace {

constexpr int PageMargin = 16;
constexpr int ContentWidth = 520;

} // namespace

NoMovementPage::NoMovementPage(TComponent* owner, const Shape& shape)
    : TfrmDetalheDEFNo(owner), m_shape(shape) {
    SetName(shape.formName);
    SetCaption(shape.caption);

    dsNo = Make<TDataSource>(this, shape.dataSourceName);
    dsNo->SetDataSet(DMDef->cdsDeclaracao);
    dsNo->OnDataChange = TDataChangeEvent(this, &NoMovementPage::DataChange);

    Memo1 = Make<TMemo>(this, QStringLiteral("Memo1"), this);
    Memo1->SetReadOnly(true);
    Memo1->SetWordWrap(true);
    Memo1->SetTabStop(false);
    Memo1->SetBorderStyle(TBorderStyle::bsNone);
    Memo1->SetScrollBars(TScrollStyle::ssNone);
    Memo1->SetColor(clBtnFace);
    Memo1->SetLines(shape.helpText);
    Memo1->SetBounds(PageMargin, PageMargin, ContentWidth, 120);

    dbcbAtivo = Make<TDBCheckBox>(this, QStringLiteral("dbcbAtivo"), this);
    dbcbAtivo->SetCaption(shape.checkCaption);
    dbcbAtivo->SetValueChecked(QStringLiteral("S"));
    dbcbAtivo->SetValueUnchecked(QStringLiteral("N"));
    dbcbAtivo->SetDataSource(dsNo);
    dbcbAtivo->SetDataField(shape.flagField);
    dbcbAtivo->SetBounds(PageMargin, 150, ContentWidth, 20);
    dbcbAtivo->OnClick = TNotifyEvent(this, &NoMovementPage::dbcbAtivoClick);

    BuildBalanceFields();
    rdDetalheNo->SetDataSet(DMDef->cdsDeclaracao);
}

void NoMovementPage::BuildBalanceFields() {
    if (!m_shape.balanceField.isEmpty()) {
        lblSaldoAnterior = MakeLabel(this, this, QStringLiteral("lblSaldoAnterior"),
                                     QStringLiteral("Saldo Credor Anterior"), PageMargin, 186);
        dbeSaldoAnterior = Make<TDBEdit>(this, QStringLiteral("dbeSaldoAnterior"), this);
        dbeSaldoAnterior->SetDataSource(dsNo);
        dbeSaldoAnterior->SetDataField(m_shape.balanceField);
        dbeSaldoAnterior->SetBounds(PageMargin, 204, 160, 21);

        lblObservacoes = MakeLabel(this, this, QStringLiteral("lblObservacoes"),
                                   QStringLiteral("Observações"), PageMargin, 236);
        dbmObservacoes = Make<TDBMemo>(this, QStringLiteral("dbmObservacoes"), this);
        dbmObservacoes->SetDataSource(dsNo);
        dbmObservacoes->SetDataField(m_shape.notesField);
        // As long as the field, which is as long as the transmission file holds it.
        dbmObservacoes->SetMaxLength(DMDef->cdsDeclaracao->FieldByName(m_shape.notesField)->Size());
        dbmObservacoes->SetBounds(PageMargin, 254, ContentWidth, 96);
        dbmObservacoes->OnKeyPress = TKeyPressEvent(this, &NoMovementPage::dbmObservacoesKeyPress);
    }
}

void NoMovementPage::PreparaQuadro() {
    TfrmDetalheDEFNo::PreparaQuadro();
    if (m_shape.firstEditableYear > 0)
        dbcbAtivo->SetReadOnly(
            DMDef->cdsDeclaracao->FieldByName(QStringLiteral("AN_REFERENCIA"))->AsInteger() <
            m_shape.firstEditableYear);
}

void NoMovementPage::dbcbAtivoClick(TObject*) {
    TClientDataSet* declaracao = DMDef->cdsDeclaracao;
    const TDataSetState state = declaracao->State();
    const bool acts =
        state == TDataSetState::dsEdit || (m_shape.actsWhileInserting && state == TDataSetState::dsInsert);
    if (!acts)
        return;
    TField* flag = declaracao->FieldByName(m_shape.flagField);
    if (dbcbAtivo->Checked()) {
        flag->SetAsString(QStringLiteral("S"));
        if (flag->AsString() == QStringLiteral("S"))
            BranchMarked();
    } else {
        flag->SetAsString(QStringLiteral("N"));
    }
}

void NoMovementPage::DataChange(TObject*, TField* field) {
    if (!field || field->FieldName() != m_shape.flagField || field->AsString() != QStringLiteral("S"))
        return;
    if (TTreeView* tree = EditorTree(); tree && tree->Selected())
        tree->Selected()->Collapse(true);
}

void NoMovementPage::dbmObservacoesKeyPress(TObject*, QChar& key) {
    if (key == QLatin1Char('\''))
        key = QChar();
}
