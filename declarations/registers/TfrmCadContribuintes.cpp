#include "declarations/registers/TfrmCadContribuintes.h"

#include "components/data/TReconcileDialog.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "components/report/TDataSetReport.h"
#include "components/report/TLinkedDbGridColumns.h"
#include "components/search/TDataSetSearch.h"
#include "core/data/ModuleComponents.h"
#include "core/data/RuleMessages.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefGeral.h"
#include "core/forms/RefuseAt.h"
#include "core/util/CheckDigits.h"
#include "core/util/MessageBoxes.h"
#include "declarations/registers/ApostropheGuard.h"
#include "declarations/registers/RegisterLayout.h"
#include "declarations/registers/RegisterSearch.h"
#include "declarations/registers/TrptContribuinte.h"
#include "platform/db/SqlLiteral.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TIntegerField.h"
#include "platform/ui/ControlLayout.h"
#include "platform/ui/Make.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TPanel.h"

#include <memory>

namespace {
constexpr int kClientWidth = 580;
constexpr int kClientHeight = 300;
constexpr int kMargin = 12;

// A rule of the register failed: its message, the focus on the edit, a silent abort.
[[noreturn]] void RefuseCode(int codigo, TDBEdit* edit) {
    RefuseAt(TDMDefAux::BuscaMensagemErro(codigo), edit, RefusalFocus::Return);
}
} // namespace

TfrmCadContribuintes::TfrmCadContribuintes(TComponent* owner, int documentId)
    : TfrmModCadastroMidas(owner, documentId) {
    SetName(QStringLiteral("frmCadContribuintes"));
    SetCaption(QStringLiteral("Cadastro de Contribuintes Declarantes"));
    SetFormStyle(TFormStyle::fsMDIChild);
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetKeyPreview(true);
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);

    TClientDataSet* contribuintes = DMDef->cdsContribuintes;
    dsCadContribuintes = Make<TDataSource>(this, QStringLiteral("dsCadContribuintes"));
    dsCadContribuintes->SetDataSet(contribuintes);
    dsCadContribuintes->OnStateChange =
        TNotifyEvent(this, &TfrmCadContribuintes::dsCadContribuintesStateChange);

    BuildFields();
    ShowDataSet(contribuintes, TNotifyEvent(this, &TfrmCadContribuintes::fsnCadastroSearch),
                TNotifyEvent(this, &TfrmCadContribuintes::fsnCadastroPrint));
    fsnCadastro->OnNewRecord = TDataSetNotifyEvent(this, &TfrmCadContribuintes::fsnCadastroNewRecord);
    fsnCadastro->BeforePost = TDataSetNotifyEvent(this, &TfrmCadContribuintes::fsnCadastroBeforePost);
    fsnCadastro->BeforeDelete = TDataSetNotifyEvent(this, &TfrmCadContribuintes::fsnCadastroBeforeDelete);

    BuildListing();
    BuildSearch();
    OnCreate = TNotifyEvent(this, &TfrmCadContribuintes::FormCreate);
    OnClose = TCloseEvent(this, &TfrmCadContribuintes::FormClose);
    OnKeyPress = TKeyPressEvent(this, &TfrmCadContribuintes::FormKeyPress);
    ApostropheGuard::Install(pnCadastro);
}

void TfrmCadContribuintes::BuildFields() {
    pnCadastro = MakePanel(this, this, QStringLiteral("pnCadastro"), TAlign::alClient);
    TDataSource* ds = dsCadContribuintes;
    const int x = kMargin;
    dbeNumInscricao =
        LabeledEdit(this, pnCadastro, QStringLiteral("dbeNumInscricao"), QStringLiteral("Nº Inscrição"), ds,
                    QStringLiteral("NU_INSCRICAO"), x, 12, 90);
    dbeCNPJ_CPF = LabeledEdit(this, pnCadastro, QStringLiteral("dbeCNPJ_CPF"), QStringLiteral("CNPJ"), ds,
                              QStringLiteral("NU_CGC_CPF"), x + 110, 12, 140);
    dbeRazaoSocial = LabeledEdit(this, pnCadastro, QStringLiteral("dbeRazaoSocial"),
                                 QStringLiteral("Razão Social"), ds, QStringLiteral("NO_RAZAO"), x, 60, 550);
    dbeEMail = LabeledEdit(this, pnCadastro, QStringLiteral("dbeEMail"), QStringLiteral("Correio Eletrônico"),
                           ds, QStringLiteral("NO_CORREIO_ELETRONICO"), x, 108, 330);
    dbeDDDTelefone = LabeledEdit(this, pnCadastro, QStringLiteral("dbeDDDTelefone"), QStringLiteral("DDD"),
                                 ds, QStringLiteral("NU_DDD"), x, 156, 40);
    dbeTelefone = LabeledEdit(this, pnCadastro, QStringLiteral("dbeTelefone"), QStringLiteral("Telefone"), ds,
                              QStringLiteral("NU_TEL"), x + 50, 156, 90);
    dbeDDDFax = LabeledEdit(this, pnCadastro, QStringLiteral("dbeDDDFax"), QStringLiteral("DDD"), ds,
                            QStringLiteral("NU_DDD_FAX"), x + 170, 156, 40);
    dbeFax = LabeledEdit(this, pnCadastro, QStringLiteral("dbeFax"), QStringLiteral("Nº FAX"), ds,
                         QStringLiteral("NU_FAX"), x + 220, 156, 90);
}

void TfrmCadContribuintes::BuildListing() {
    rptCadastro->SetTitle(QStringLiteral("Relatório de Contribuintes"));
    rptCadastro->SetOrientation(TPrinterOrientation::poLandscape);
    for (const char* campo : {"NU_INSCRICAO", "NU_CGC_CPF", "NO_RAZAO", "NO_CORREIO_ELETRONICO", "NU_DDD",
                              "NU_TEL", "NU_DDD_FAX", "NU_FAX"})
        rptCadastro->Columns().Add()->SetFieldName(QString::fromLatin1(campo));
}

void TfrmCadContribuintes::BuildSearch() {
    ibtPesquisa = SearchTransaction(this);
    ibqPesquisa = SearchQuery(this, QStringLiteral("ibqPesquisa"), ibtPesquisa,
                              {QStringLiteral("select * from CONTRIBUINTE")});
    auto* inscricao = MakeField<TIntegerField>(ibqPesquisa, QStringLiteral("NU_INSCRICAO"), false,
                                               QStringLiteral("Inscrição"));
    inscricao->SetDisplayFormat(QStringLiteral("00.000.000"));
    inscricao->SetDisplayWidth(12);
    MakeTextField(ibqPesquisa, QStringLiteral("NO_RAZAO"), 64, false, QStringLiteral("Razão"));
    dssContribuinte =
        SearchComponent(this, QStringLiteral("dssContribuinte"), ibqPesquisa, QStringLiteral("NU_INSCRICAO"));
}

void TfrmCadContribuintes::FormCreate(TObject* sender) {
    TfrmModCadastroMidas::FormCreate(sender);
    DMDef->cdsContribuintes->Open();
    dsCadContribuintesStateChange(dsCadContribuintes);
}

void TfrmCadContribuintes::FormClose(TObject* sender, TCloseAction& action) {
    TfrmModCadastroMidas::FormClose(sender, action);
    DMDef->cdsContribuintes->Close();
}

void TfrmCadContribuintes::FormKeyPress(TObject*, QChar& key) {
    ApostropheGuard::Swallow(key);
}

void TfrmCadContribuintes::fsnCadastroSearch(TObject*) {
    SearchAndLocate(dssContribuinte, DMDef->cdsContribuintes, QStringLiteral("NU_INSCRICAO"));
}

void TfrmCadContribuintes::fsnCadastroNewRecord(TDataSet*) {
    if (dbeNumInscricao->CanFocus())
        dbeNumInscricao->SetFocus();
}

void TfrmCadContribuintes::fsnCadastroBeforePost(TDataSet* dataSet) {
    // The check digits hold for every record stored, however its values came in.
    if (!ValidaInscricao(dataSet->FieldByName(QStringLiteral("NU_INSCRICAO"))->AsString()))
        RefuseCode(12, dbeNumInscricao);
    if (!ValidaCNPJ(QString::number(dataSet->FieldByName(QStringLiteral("NU_CGC_CPF"))->AsLargeInt())))
        RefuseCode(231, dbeCNPJ_CPF);
}

void TfrmCadContribuintes::fsnCadastroBeforeDelete(TDataSet* dataSet) {
    const QString sql =
        QStringLiteral("SELECT * FROM DECLARACAO_ECONOMICO_FISCAL\nWHERE NU_INSCRICAO = ") +
        SqlLiteral(QVariant::fromValue(dataSet->FieldByName(QStringLiteral("NU_INSCRICAO"))->AsLargeInt()));
    if (!DMDefGeral->AbreConsulta(sql)) {
        RuleMessages::Refuse(RuleMessages::QueryFailed);
    }
    if (!DMDefGeral->cdsAuxiliar->IsEmpty()) {
        RuleMessages::Refuse(
            QStringLiteral("Este Contribuinte não pode ser apagado porque possui alguma Declaração!"));
    }
}

void TfrmCadContribuintes::fsnCadastroPrint(TObject* sender) {
    TfrmModCadastroMidas::fsnCadastroPrint(sender);
    std::unique_ptr<TrptContribuinte> relatorio(new TrptContribuinte(this));
    relatorio->Preview();
}

void TfrmCadContribuintes::dsCadContribuintesStateChange(TObject*) {
    const bool alterando = DMDef->cdsContribuintes->State() == dsEdit;
    dbeNumInscricao->SetEnabled(!alterando);
    dbeNumInscricao->SetColor(alterando ? clInfoBk : clWindow);
}
