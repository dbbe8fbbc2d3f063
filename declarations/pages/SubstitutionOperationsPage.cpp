#include "declarations/pages/SubstitutionOperationsPage.h"

#include "components/navigation/TfraMidasNavigator.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "core/util/MessageBoxes.h"
#include "declarations/registers/RegisterLayout.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/db/TIBQuery.h"
#include "platform/ui/Make.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDBLookupComboBox.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"

#include <QPainter>

namespace {

GridPage::Shape GridShape(const SubstitutionOperationsPage::Shape& shape) {
    return GridPage::ShapeOf(shape, NavFeature(nfEdit) | NavFeature(nfPost) | NavFeature(nfCancel) |
                                        NavFeature(nfNavigator));
}

TLabel* BoldTitle(TComponent* owner, TWinControl* parent, const QString& caption, int left, int top) {
    auto* label = new TLabel(owner, parent);
    QFont font = label->Font();
    font.setBold(true);
    label->SetFont(font);
    label->SetCaption(caption);
    label->SetLeft(left);
    label->SetTop(top);
    return label;
}

} // namespace

QStringList SubstitutionOperationsPage::FilteredQuery(const QString& table, const QString& alias) {
    // One row per code, whatever the number of group-1 history rows it has.
    return {QStringLiteral("select %1.* ").arg(alias),
            QStringLiteral("from %1 %2 ").arg(table, alias),
            QStringLiteral("WHERE %1.SQ_DECLARACAO = :SQ_DECLARACAO ").arg(alias),
            QStringLiteral("   AND EXISTS (SELECT 1 FROM GRUPAMENTO_CFOP GT "),
            QStringLiteral("               WHERE GT.CO_FISCAL_OPERACAO = %1.CO_FISCAL_OPERACAO ").arg(alias),
            QStringLiteral("                 AND GT.CO_GRUPO_CFOP = 1) "),
            QStringLiteral("order by %1.co_fiscal_operacao ").arg(alias)};
}

QStringList SubstitutionOperationsPage::FullQuery(const QString& table, const QString& alias) {
    return {QStringLiteral("select * "), QStringLiteral("from %1 %2 ").arg(table, alias),
            QStringLiteral("WHERE %1.SQ_DECLARACAO = :SQ_DECLARACAO ").arg(alias),
            QStringLiteral("order by %1.co_fiscal_operacao ").arg(alias)};
}

SubstitutionOperationsPage::SubstitutionOperationsPage(TComponent* owner, TClientDataSet* rows,
                                                       TClientDataSet* codes, const Shape& shape)
    : GridPage(owner, rows, GridShape(shape)), m_codes(codes), m_shape(shape) {
    OnCreate = TNotifyEvent(this, &SubstitutionOperationsPage::FormCreate);
    OnClose = TCloseEvent(this, &SubstitutionOperationsPage::FormClose);
    dsCFOPs = Make<TDataSource>(this, QStringLiteral("dsCFOPs"));
    dsCFOPs->SetDataSet(codes);

    BuildCodeFields();
    BuildAmountFields();
    cbFiltro = Make<TCheckBox>(this, QStringLiteral("cbFiltro"), pnlCampos);
    cbFiltro->SetCaption(QStringLiteral("Mostrar apenas os CFOPs de Substituição Tributária Interna"));
    cbFiltro->SetBounds(8, 196, 480, 20);
    cbFiltro->SetChecked(true);
    cbFiltro->OnClick = TNotifyEvent(this, &SubstitutionOperationsPage::cbFiltroClick);

    SetGridColumns({{"CO_FISCAL_OPERACAO", "CFOP", 45},
                    {"VL_CONTABIL", "Vl. Contábil", 80},
                    {"VL_BASE_CALCULO", "Base Cálc.", 80},
                    {"VL_IMPOSTO", "Imposto", 80},
                    {"VL_OPERACOES_ISENTAS", "Isentas", 80},
                    {"VL_OUTRAS_OPERACOES", "Outras", 80},
                    {"VL_BASE_CALCULO_ST", "Base Cálc. ST", 85},
                    {"VL_IMPOSTO_RETIDO_ST", "Imp. Retido", 80}});
    dbgDetalhes->OnDrawColumnCell =
        TDrawColumnCellEvent(this, &SubstitutionOperationsPage::dbgDetalhesDrawColumnCell);
    dsDetalhe->OnStateChange = TNotifyEvent(this, &SubstitutionOperationsPage::dsStateChange);
    GuardApostrophes();
}

void SubstitutionOperationsPage::BuildCodeFields() {
    CaptionOver(this, pnlCampos, QStringLiteral("dblcCFOPs"), QStringLiteral("CFOP"), 8, 6);
    dblcCFOPs = Make<TDBLookupComboBox>(this, QStringLiteral("dblcCFOPs"), pnlCampos);
    dblcCFOPs->SetDataSource(dsDetalhe);
    dblcCFOPs->SetDataField(QStringLiteral("CO_FISCAL_OPERACAO"));
    dblcCFOPs->SetListSource(dsCFOPs);
    dblcCFOPs->SetKeyField(QStringLiteral("CO_FISCAL_OPERACAO"));
    dblcCFOPs->SetListField(QStringLiteral("CO_FISCAL_OPERACAO"));
    dblcCFOPs->SetBounds(8, 6 + kCaptionHeight, 70, kEditHeight);
    ShowEditable(dblcCFOPs, false);
    dbmDescCFOP =
        FieldMemo(QStringLiteral("dbmDescCFOP"), QString(), QStringLiteral("DescCFOP"), 90, 6, 440, 38);
    dbmDescCFOP->SetReadOnly(true);
    dbmDescCFOP->SetTabStop(false);
}

void SubstitutionOperationsPage::BuildAmountFields() {
    BoldTitle(this, pnlCampos, QStringLiteral("Operações com %1 do Imposto").arg(m_shape.creditWord), 8, 66);
    dbeVlContabil = FieldEdit(QStringLiteral("dbeVlContabil"), QStringLiteral("Valor Contábil"),
                              QStringLiteral("VL_CONTABIL"), 8, 84, 110);
    dbeVlBaseCalculo = FieldEdit(QStringLiteral("dbeVlBaseCalculo"), QStringLiteral("Base de Cálculo"),
                                 QStringLiteral("VL_BASE_CALCULO"), 126, 84, 110);
    dbeVlImposto = FieldEdit(m_shape.taxEditName, QStringLiteral("Imposto %1").arg(m_shape.creditedWord),
                             QStringLiteral("VL_IMPOSTO"), 244, 84, 110);
    BoldTitle(this, pnlCampos, QStringLiteral("Operações sem %1 do Imposto").arg(m_shape.creditWord), 8, 130);
    dbeVlIsentas = FieldEdit(QStringLiteral("dbeVlIsentas"), QStringLiteral("Isentas e não Tributadas"),
                             QStringLiteral("VL_OPERACOES_ISENTAS"), 8, 148, 110);
    dbeVlOutras = FieldEdit(QStringLiteral("dbeVlOutras"), QStringLiteral("Outras"),
                            QStringLiteral("VL_OUTRAS_OPERACOES"), 150, 148, 110);
    for (TDBEdit* edit : {dbeVlContabil, dbeVlBaseCalculo, dbeVlImposto, dbeVlIsentas, dbeVlOutras}) {
        edit->SetReadOnly(true);
        ShowEditable(edit, false);
        edit->SetEnabled(true);
    }
    BoldTitle(this, pnlCampos, QStringLiteral("Substituição Tributária Interna"), 372, 66);
    dbeBaseCalcSt = FieldEdit(QStringLiteral("dbeBaseCalcSt"), QStringLiteral("Base de Cálculo"),
                              QStringLiteral("VL_BASE_CALCULO_ST"), 372, 84, 110);
    dbeVlImpRetidos = FieldEdit(QStringLiteral("dbeVlImpRetidos"), QStringLiteral("Imposto Retido"),
                                QStringLiteral("VL_IMPOSTO_RETIDO_ST"), 490, 84, 110);
}

void SubstitutionOperationsPage::FormCreate(TObject* sender) {
    cbFiltroClick(sender);
}

void SubstitutionOperationsPage::cbFiltroClick(TObject*) {
    if (m_reverting)
        return;
    TClientDataSet* linhas = DataSet();
    const bool filtrar = cbFiltro->Checked();
    // The rows are read again: never under a pending change.
    const bool pendente =
        linhas->Active() && (linhas->State() == TDataSetState::dsEdit ||
                             linhas->State() == TDataSetState::dsInsert || linhas->ChangeCount() > 0);
    if (pendente) {
        MsgErro(QStringLiteral("Inclusão ou Alteração em andamento. Confirme ou cancele."));
        m_reverting = true;
        cbFiltro->SetChecked(m_filtered);
        m_reverting = false;
        return;
    }
    linhas->Close();
    auto* consulta = dynamic_cast<TIBQuery*>(DMDef->FindComponent(m_shape.queryName));
    if (consulta)
        consulta->SetSQL(filtrar ? FilteredQuery(m_shape.table, m_shape.alias)
                                 : FullQuery(m_shape.table, m_shape.alias));
    m_filtered = filtrar;
    if (DMDef->cdsDeclaracao->Active())
        DMDefAux->AbreTabelaDeclaracao(linhas);
}

void SubstitutionOperationsPage::PreparaQuadro() {
    GridPage::PreparaQuadro();
    DMDefBasica->AbrePorPeriodo(m_codes);
    DMDefAux->AbreTabelaDeclaracao(DataSet());
}

void SubstitutionOperationsPage::dsStateChange(TObject*) {
    cbFiltro->SetEnabled(DataSet()->State() != TDataSetState::dsEdit);
}

void SubstitutionOperationsPage::dbgDetalhesDrawColumnCell(TObject*, QPainter& painter, const QRect& rect,
                                                           int dataCol, TColumn* column, unsigned state) {
    TField* field = column ? column->Field() : nullptr;
    if (!field || DataSet()->IsEmpty())
        return;
    const QString nome = column->FieldName();
    if (nome != QStringLiteral("VL_BASE_CALCULO_ST") && nome != QStringLiteral("VL_IMPOSTO_RETIDO_ST"))
        return;
    if (field->AsCurrency() <= Currency())
        return;
    painter.setPen(Qt::blue);
    dbgDetalhes->DefaultDrawColumnCell(painter, rect, dataCol, column, state);
}

void SubstitutionOperationsPage::FormClose(TObject* sender, TCloseAction& action) {
    GridPage::FormClose(sender, action);
    DataSet()->Close();
    m_codes->Close();
}
