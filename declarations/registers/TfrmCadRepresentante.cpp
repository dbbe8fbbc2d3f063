#include "declarations/registers/TfrmCadRepresentante.h"

#include "components/data/TReconcileDialog.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "components/report/TDataSetReport.h"
#include "components/search/TDataSetSearch.h"
#include "core/data/ModuleComponents.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefGeral.h"
#include "core/util/MessageBoxes.h"
#include "declarations/registers/ApostropheGuard.h"
#include "declarations/registers/RegisterLayout.h"
#include "declarations/registers/RegisterSearch.h"
#include "declarations/registers/TrptRepresentante.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TFloatField.h"
#include "platform/db/TIBQuery.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TPanel.h"

#include <memory>

namespace {
constexpr int kClientWidth = 580;
constexpr int kClientHeight = 200;
constexpr int kMargin = 12;
constexpr int kContador = 15;

// A rule of the register failed: its message, the focus on the edit, a silent abort.
[[noreturn]] void Recusa(int codigo, TDBEdit* edit) {
    MsgErro(TDMDefAux::BuscaMensagemErro(codigo));
    if (edit->CanFocus())
        edit->ReturnFocus();
    Abort();
}

bool Vazio(TDataSet* dataSet, const char* campo) {
    return dataSet->FieldByName(QString::fromLatin1(campo))->AsString().trimmed().isEmpty();
}
} // namespace

TfrmCadRepresentante::TfrmCadRepresentante(TComponent* owner, int documentId)
    : TfrmModCadastroMidas(owner, documentId) {
    SetName(QStringLiteral("frmCadRepresentante"));
    SetCaption(QStringLiteral("Cadastro de Representantes Legais"));
    SetFormStyle(TFormStyle::fsMDIChild);
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetKeyPreview(true);
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);

    TClientDataSet* dados = DMDefAux->cdsRepresentante;
    dsRepresentante = new TDataSource(this);
    dsRepresentante->SetName(QStringLiteral("dsRepresentante"));
    dsRepresentante->SetDataSet(dados);

    pnCadastro = new TPanel(this, this);
    pnCadastro->SetName(QStringLiteral("pnCadastro"));
    pnCadastro->SetCaption(QString());
    pnCadastro->SetBevelOuter(TBevelCut::bvNone);
    pnCadastro->SetAlign(TAlign::alClient);
    dbeNomeRep = LabeledEdit(this, pnCadastro, QStringLiteral("dbeNomeRep"), QStringLiteral("Nome"),
                             dsRepresentante, QStringLiteral("NO_REPRESENTANTE_LEGAL"), kMargin, 12, 550);
    dbeDDDRep = LabeledEdit(this, pnCadastro, QStringLiteral("dbeDDDRep"), QStringLiteral("DDD"),
                            dsRepresentante, QStringLiteral("NU_DDD_REPRESENTANTE_LEGAL"), kMargin, 60, 40);
    dbeTelRep =
        LabeledEdit(this, pnCadastro, QStringLiteral("dbeTelRep"), QStringLiteral("Telefone"),
                    dsRepresentante, QStringLiteral("NU_TEL_REPRESENTANTE_LEGAL"), kMargin + 50, 60, 90);

    fsnCadastro->SetVisibleFeatures(0xFF | NavFeature(nfSair));
    fsnCadastro->SetDataSet(dados);
    fsnCadastro->SetOnSearch(TNotifyEvent(this, &TfrmCadRepresentante::fsnCadastroSearch));
    fsnCadastro->SetOnPrint(TNotifyEvent(this, &TfrmCadRepresentante::fsnCadastroPrint));
    fsnCadastro->OnNewRecord = TDataSetNotifyEvent(this, &TfrmCadRepresentante::fsnCadastroNewRecord);
    fsnCadastro->BeforePost = TDataSetNotifyEvent(this, &TfrmCadRepresentante::fsnCadastroBeforePost);
    rdCadastro->SetDataSet(dados);
    rptCadastro->SetDataSet(dados);

    ibtPesquisa = SearchTransaction(this);
    ibqPesquisa = SearchQuery(this, QStringLiteral("ibqPesquisa"), ibtPesquisa,
                              {QStringLiteral("select * from  REPRESENTANTE")});
    CriaCampo<TFloatField>(ibqPesquisa, QStringLiteral("SQ_REPRESENTANTE"))->SetVisible(false);
    CriaCampoTexto(ibqPesquisa, QStringLiteral("NO_REPRESENTANTE_LEGAL"), 64, false, QStringLiteral("Nome"));
    CriaCampoTexto(ibqPesquisa, QStringLiteral("NU_DDD_REPRESENTANTE_LEGAL"), 4, false,
                   QStringLiteral("DDD"));
    CriaCampoTexto(ibqPesquisa, QStringLiteral("NU_TEL_REPRESENTANTE_LEGAL"), 8, false,
                   QStringLiteral("Telefone"));
    dssRepresentante = SearchComponent(this, QStringLiteral("dssRepresentante"), ibqPesquisa,
                                       QStringLiteral("NO_REPRESENTANTE_LEGAL"));

    OnCreate = TNotifyEvent(this, &TfrmCadRepresentante::FormCreate);
    OnClose = TCloseEvent(this, &TfrmCadRepresentante::FormClose);
    OnKeyPress = TKeyPressEvent(this, &TfrmCadRepresentante::FormKeyPress);
    ApostropheGuard::Install(pnCadastro);
}

void TfrmCadRepresentante::FormCreate(TObject* sender) {
    TfrmModCadastroMidas::FormCreate(sender);
    DMDefAux->cdsRepresentante->Open();
}

void TfrmCadRepresentante::FormClose(TObject* sender, TCloseAction& action) {
    TfrmModCadastroMidas::FormClose(sender, action);
    DMDefAux->cdsRepresentante->Close();
}

void TfrmCadRepresentante::FormKeyPress(TObject*, QChar& key) {
    ApostropheGuard::Swallow(key);
}

void TfrmCadRepresentante::fsnCadastroSearch(TObject*) {
    SearchAndLocate(dssRepresentante, DMDefAux->cdsRepresentante, QStringLiteral("SQ_REPRESENTANTE"));
}

void TfrmCadRepresentante::fsnCadastroNewRecord(TDataSet* dataSet) {
    dataSet->FieldByName(QStringLiteral("SQ_REPRESENTANTE"))
        ->SetAsString(DMDefGeral->ProximoSequencial(kContador));
}

void TfrmCadRepresentante::fsnCadastroBeforePost(TDataSet* dataSet) {
    if (Vazio(dataSet, "NO_REPRESENTANTE_LEGAL"))
        Recusa(279, dbeNomeRep);
    if (Vazio(dataSet, "NU_DDD_REPRESENTANTE_LEGAL"))
        Recusa(281, dbeDDDRep);
    if (Vazio(dataSet, "NU_TEL_REPRESENTANTE_LEGAL"))
        Recusa(280, dbeTelRep);
}

void TfrmCadRepresentante::fsnCadastroPrint(TObject* sender) {
    TfrmModCadastroMidas::fsnCadastroPrint(sender);
    std::unique_ptr<TrptRepresentante> relatorio(new TrptRepresentante(this));
    relatorio->Preview();
}
