#include "declarations/pages/NoMovementPage.h"

#include "components/data/TReconcileDialog.h"
#include "core/data/TDMDef.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TDBCheckBox.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TTreeNode.h"
#include "platform/ui/TTreeView.h"

namespace {

constexpr int Margem = 16;
constexpr int LarguraConteudo = 520;

TLabel* Rotulo(TfrmDetalheDEF* page, const QString& name, const QString& caption, int top) {
    auto* label = new TLabel(page, page);
    label->SetName(name);
    label->SetCaption(caption);
    label->SetLeft(Margem);
    label->SetTop(top);
    return label;
}

} // namespace

NoMovementPage::NoMovementPage(TComponent* owner, const Layout& layout)
    : TfrmDetalheDEFNo(owner), m_layout(layout) {
    SetName(layout.formName);
    SetCaption(layout.caption);

    dsNo = new TDataSource(this);
    dsNo->SetName(layout.dataSourceName);
    dsNo->SetDataSet(DMDef->cdsDeclaracao);
    dsNo->OnDataChange = TDataChangeEvent(this, &NoMovementPage::DataChange);

    Memo1 = new TMemo(this, this);
    Memo1->SetName(QStringLiteral("Memo1"));
    Memo1->SetReadOnly(true);
    Memo1->SetWordWrap(true);
    Memo1->SetTabStop(false);
    Memo1->SetBorderStyle(TBorderStyle::bsNone);
    Memo1->SetScrollBars(TScrollStyle::ssNone);
    Memo1->SetColor(clBtnFace);
    Memo1->SetLines(layout.helpText);
    Memo1->SetBounds(Margem, Margem, LarguraConteudo, 120);

    dbcbAtivo = new TDBCheckBox(this, this);
    dbcbAtivo->SetName(QStringLiteral("dbcbAtivo"));
    dbcbAtivo->SetCaption(layout.checkCaption);
    dbcbAtivo->SetValueChecked(QStringLiteral("S"));
    dbcbAtivo->SetValueUnchecked(QStringLiteral("N"));
    dbcbAtivo->SetDataSource(dsNo);
    dbcbAtivo->SetDataField(layout.flagField);
    dbcbAtivo->SetBounds(Margem, 150, LarguraConteudo, 20);
    dbcbAtivo->OnClick = TNotifyEvent(this, &NoMovementPage::dbcbAtivoClick);

    if (!layout.balanceField.isEmpty()) {
        lblSaldoAnterior =
            Rotulo(this, QStringLiteral("lblSaldoAnterior"), QStringLiteral("Saldo Credor Anterior"), 186);
        dbeSaldoAnterior = new TDBEdit(this, this);
        dbeSaldoAnterior->SetName(QStringLiteral("dbeSaldoAnterior"));
        dbeSaldoAnterior->SetDataSource(dsNo);
        dbeSaldoAnterior->SetDataField(layout.balanceField);
        dbeSaldoAnterior->SetBounds(Margem, 204, 160, 21);

        lblObservacoes = Rotulo(this, QStringLiteral("lblObservacoes"), QStringLiteral("Observações"), 236);
        dbmObservacoes = new TDBMemo(this, this);
        dbmObservacoes->SetName(QStringLiteral("dbmObservacoes"));
        dbmObservacoes->SetDataSource(dsNo);
        dbmObservacoes->SetDataField(layout.notesField);
        // As long as the field, which is as long as the transmission file holds it.
        dbmObservacoes->SetMaxLength(DMDef->cdsDeclaracao->FieldByName(layout.notesField)->Size());
        dbmObservacoes->SetBounds(Margem, 254, LarguraConteudo, 96);
        dbmObservacoes->OnKeyPress = TKeyPressEvent(this, &NoMovementPage::dbmObservacoesKeyPress);
    }
    rdDetalheNo->SetDataSet(DMDef->cdsDeclaracao);
}

void NoMovementPage::PreparaQuadro() {
    TfrmDetalheDEFNo::PreparaQuadro();
    if (m_layout.firstEditableYear > 0)
        dbcbAtivo->SetReadOnly(
            DMDef->cdsDeclaracao->FieldByName(QStringLiteral("AN_REFERENCIA"))->AsInteger() <
            m_layout.firstEditableYear);
}

void NoMovementPage::dbcbAtivoClick(TObject*) {
    TClientDataSet* declaracao = DMDef->cdsDeclaracao;
    const TDataSetState state = declaracao->State();
    const bool acts =
        state == TDataSetState::dsEdit || (m_layout.actsWhileInserting && state == TDataSetState::dsInsert);
    if (!acts)
        return;
    TField* flag = declaracao->FieldByName(m_layout.flagField);
    if (dbcbAtivo->Checked()) {
        flag->SetAsString(QStringLiteral("S"));
        if (flag->AsString() == QStringLiteral("S"))
            BranchMarked();
    } else {
        flag->SetAsString(QStringLiteral("N"));
    }
}

void NoMovementPage::DataChange(TObject*, TField* field) {
    if (!field || field->FieldName() != m_layout.flagField || field->AsString() != QStringLiteral("S"))
        return;
    if (TTreeView* tree = EditorTree(); tree && tree->Selected())
        tree->Selected()->Collapse(true);
}

void NoMovementPage::dbmObservacoesKeyPress(TObject*, QChar& key) {
    if (key == QLatin1Char('\''))
        key = QChar();
}
