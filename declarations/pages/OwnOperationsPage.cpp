#include "declarations/pages/OwnOperationsPage.h"

#include "components/navigation/TfraMidasNavigator.h"
#include "core/data/ReferenceLookups.h"
#include "core/data/RuleMessages.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "core/util/MessageBoxes.h"
#include "declarations/registers/RegisterLayout.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/ui/Make.h"
#include "platform/ui/TDBComboBox.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"

namespace {

const QString CfopField = QStringLiteral("CO_FISCAL_OPERACAO");

GridPage::Shape GridShape(const OwnOperationsPage::Shape& shape) {
    return GridPage::ShapeOf(shape);
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

OwnOperationsPage::OwnOperationsPage(TComponent* owner, TClientDataSet* rows, TClientDataSet* codes,
                                     const Shape& shape)
    : GridPage(owner, rows, GridShape(shape)), m_codes(codes) {
    OnClose = TCloseEvent(this, &OwnOperationsPage::FormClose);
    dsCFOPs = Make<TDataSource>(this, QStringLiteral("dsCFOPs"));
    dsCFOPs->SetDataSet(codes);

    BuildFields(shape);
    SetGridColumns({{"CO_FISCAL_OPERACAO", "CFOP", 50},
                    {"VL_CONTABIL", "Valor Contábil", 100},
                    {"VL_BASE_CALCULO", "Base de Cálculo", 100},
                    {"VL_IMPOSTO", "Imposto", 100},
                    {"VL_OPERACOES_ISENTAS", "Isentas/não Trib.", 100},
                    {"VL_OUTRAS_OPERACOES", "Outras", 100}});

    fraMidasNavigator1->BeforeInsert =
        TDataSetNotifyEvent(this, &OwnOperationsPage::fraNUBNavigator1BeforeInsert);
    fraMidasNavigator1->OnNewRecord =
        TDataSetNotifyEvent(this, &OwnOperationsPage::fraNUBNavigator1NewRecord);
    fraMidasNavigator1->BeforePost =
        TDataSetNotifyEvent(this, &OwnOperationsPage::fraMidasNavigator1BeforePost);
    dsDetalhe->OnStateChange = TNotifyEvent(this, &OwnOperationsPage::dsStateChange);
    dsDetalhe->OnDataChange = TDataChangeEvent(this, &OwnOperationsPage::dsDataChange);
    GuardApostrophes();
    dsStateChange(dsDetalhe);
}

void OwnOperationsPage::BuildFields(const Shape& shape) {
    CaptionOver(this, pnlCampos, QStringLiteral("dbcCFOPs"), QStringLiteral("CFOP"), 8, 6);
    dbcCFOPs = Make<TDBComboBox>(this, QStringLiteral("dbcCFOPs"), pnlCampos);
    dbcCFOPs->SetDataSource(dsDetalhe);
    dbcCFOPs->SetDataField(CfopField);
    dbcCFOPs->SetBounds(8, 6 + kCaptionHeight, 70, kEditHeight);
    dbmDescCFOP =
        FieldMemo(QStringLiteral("dbmDescCFOP"), QString(), QStringLiteral("DescCFOP"), 90, 6, 440, 38);
    dbmDescCFOP->SetReadOnly(true);
    dbmDescCFOP->SetTabStop(false);

    BoldTitle(this, pnlCampos, QStringLiteral("Operações com %1 do Imposto").arg(shape.creditWord), 8, 66);
    dbeVlContabil = FieldEdit(QStringLiteral("dbeVlContabil"), QStringLiteral("Valor Contábil"),
                              QStringLiteral("VL_CONTABIL"), 8, 84, 120);
    dbeVlBaseCalculo = FieldEdit(QStringLiteral("dbeVlBaseCalculo"), QStringLiteral("Base de Cálculo"),
                                 QStringLiteral("VL_BASE_CALCULO"), 138, 84, 120);
    dbeVlImposto = FieldEdit(shape.taxEditName, QStringLiteral("Imposto %1").arg(shape.creditedWord),
                             QStringLiteral("VL_IMPOSTO"), 268, 84, 120);
    BoldTitle(this, pnlCampos, QStringLiteral("Operações sem %1 do Imposto").arg(shape.creditWord), 8, 130);
    dbeVlIsentas = FieldEdit(QStringLiteral("dbeVlIsentas"), QStringLiteral("Isentas e não Tributadas"),
                             QStringLiteral("VL_OPERACOES_ISENTAS"), 8, 148, 120);
    dbeVlOutras = FieldEdit(QStringLiteral("dbeVlOutras"), QStringLiteral("Outras"),
                            QStringLiteral("VL_OUTRAS_OPERACOES"), 150, 148, 120);
}

TField* OwnOperationsPage::CodeField() const {
    return DataSet()->FindField(CfopField);
}

void OwnOperationsPage::PreparaQuadro() {
    GridPage::PreparaQuadro();
    DMDefBasica->AbrePorPeriodo(m_codes);
    DMDefAux->AbreTabelaDeclaracao(DataSet());
}

void OwnOperationsPage::FormClose(TObject* sender, TCloseAction& action) {
    DataSet()->Close();
    m_codes->Close();
    GridPage::FormClose(sender, action);
}

void OwnOperationsPage::fraNUBNavigator1BeforeInsert(TDataSet*) {
    DMDefBasica->FiltraCFOPsUsados(DataSet(), m_codes);
    QStringList codigos;
    m_codes->DisableControls();
    try {
        for (m_codes->First(); !m_codes->Eof(); m_codes->Next())
            codigos << m_codes->FieldByName(CfopField)->AsString();
        m_codes->First();
    } catch (...) {
        m_codes->EnableControls();
        throw;
    }
    m_codes->EnableControls();
    dbcCFOPs->SetItems(codigos);
}

void OwnOperationsPage::fraNUBNavigator1NewRecord(TDataSet*) {
    if (dbcCFOPs->CanFocus())
        dbcCFOPs->SetFocus();
}

void OwnOperationsPage::dsStateChange(TObject*) {
    const bool inserindo = DataSet()->State() == TDataSetState::dsInsert;
    ShowEditable(dbcCFOPs, inserindo);
    if (!inserindo && m_codes) {
        m_codes->SetFilter(QString());
        m_codes->SetFiltered(false);
    }
}

void OwnOperationsPage::dsDataChange(TObject* sender, TField* field) {
    FocusedFieldChanged(sender);
    if (!field || field != CodeField() || field->IsNull())
        return;
    if (!dbcCFOPs->Items().contains(dbcCFOPs->Text())) {
        RuleMessages::Refuse(290);
    }
}

void OwnOperationsPage::fraMidasNavigator1BeforePost(TDataSet* dataSet) {
    TField* codigo = dataSet->FieldByName(CfopField);
    // A new row's code must be one of those offered, however it was typed.
    if (dataSet->State() == TDataSetState::dsInsert && !dbcCFOPs->Items().contains(codigo->AsString())) {
        MsgErro(TDMDefAux::BuscaMensagemErro(290));
        if (dbcCFOPs->CanFocus())
            dbcCFOPs->SetFocus();
        Abort();
    }
    const Currency contabil = dataSet->FieldByName(QStringLiteral("VL_CONTABIL"))->AsCurrency();
    if (PertenceGrupoCFOP2(codigo->AsInteger())) {
        if (contabil == Currency() &&
            !MsgAdvertencia(QStringLiteral(
                "O \"Valor Contábil\" informado para este CFOP é zero. Deseja realmente gravá-lo assim?")))
            Abort();
        return;
    }
    if (contabil < Currency::fromRaw(100)) {
        MsgErro(TDMDefAux::BuscaMensagemErro(223));
        if (dbeVlContabil->CanFocus())
            dbeVlContabil->SetFocus();
        Abort();
    }
}
