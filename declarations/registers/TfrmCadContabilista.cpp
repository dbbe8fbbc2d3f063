#include "declarations/registers/TfrmCadContabilista.h"

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
#include "declarations/registers/TrptContabilistas.h"
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
constexpr int kContador = 16;

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

TfrmCadContabilista::TfrmCadContabilista(TComponent* owner, int documentId)
    : TfrmModCadastroMidas(owner, documentId) {
    SetName(QStringLiteral("frmCadContabilista"));
    SetCaption(QStringLiteral("Cadastro de Contabilistas"));
    SetFormStyle(TFormStyle::fsMDIChild);
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetKeyPreview(true);
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);

    TClientDataSet* dados = DMDefAux->cdsContabilista;
    dsContabilista = new TDataSource(this);
    dsContabilista->SetName(QStringLiteral("dsContabilista"));
    dsContabilista->SetDataSet(dados);

    pnCadastro = new TPanel(this, this);
    pnCadastro->SetName(QStringLiteral("pnCadastro"));
    pnCadastro->SetCaption(QString());
    pnCadastro->SetBevelOuter(TBevelCut::bvNone);
    pnCadastro->SetAlign(TAlign::alClient);
    dbeNomeCont = LabeledEdit(this, pnCadastro, QStringLiteral("dbeNomeCont"), QStringLiteral("Nome"),
                              dsContabilista, QStringLiteral("NO_CONTABILISTA"), kMargin, 12, 550);
    dbeDDDCont = LabeledEdit(this, pnCadastro, QStringLiteral("dbeDDDCont"), QStringLiteral("DDD"),
                             dsContabilista, QStringLiteral("NU_DDD_CONTABILISTA"), kMargin, 60, 40);
    dbeTelCont = LabeledEdit(this, pnCadastro, QStringLiteral("dbeTelCont"), QStringLiteral("Telefone"),
                             dsContabilista, QStringLiteral("NU_TEL_CONTABILISTA"), kMargin + 50, 60, 90);

    fsnCadastro->SetVisibleFeatures(0xFF | NavFeature(nfSair));
    fsnCadastro->SetDataSet(dados);
    fsnCadastro->SetOnSearch(TNotifyEvent(this, &TfrmCadContabilista::fsnCadastroSearch));
    fsnCadastro->SetOnPrint(TNotifyEvent(this, &TfrmCadContabilista::fsnCadastroPrint));
    fsnCadastro->OnNewRecord = TDataSetNotifyEvent(this, &TfrmCadContabilista::fsnCadastroNewRecord);
    fsnCadastro->BeforePost = TDataSetNotifyEvent(this, &TfrmCadContabilista::fsnCadastroBeforePost);
    rdCadastro->SetDataSet(dados);
    rptCadastro->SetDataSet(dados);

    ibtPesquisa = SearchTransaction(this);
    ibqPesquisa = SearchQuery(this, QStringLiteral("ibqPesquisa"), ibtPesquisa,
                              {QStringLiteral("select * from CONTABILISTA")});
    CriaCampo<TFloatField>(ibqPesquisa, QStringLiteral("SQ_CONTABILISTA"))->SetVisible(false);
    CriaCampoTexto(ibqPesquisa, QStringLiteral("NO_CONTABILISTA"), 64, false, QStringLiteral("Nome"));
    CriaCampoTexto(ibqPesquisa, QStringLiteral("NU_DDD_CONTABILISTA"), 4, false, QStringLiteral("DDD"));
    CriaCampoTexto(ibqPesquisa, QStringLiteral("NU_TEL_CONTABILISTA"), 8, false, QStringLiteral("Telefone"));
    dssContabilista = SearchComponent(this, QStringLiteral("dssContabilista"), ibqPesquisa,
                                      QStringLiteral("NO_CONTABILISTA"));

    OnCreate = TNotifyEvent(this, &TfrmCadContabilista::FormCreate);
    OnClose = TCloseEvent(this, &TfrmCadContabilista::FormClose);
    OnKeyPress = TKeyPressEvent(this, &TfrmCadContabilista::FormKeyPress);
    ApostropheGuard::Install(pnCadastro);
}

void TfrmCadContabilista::FormCreate(TObject* sender) {
    TfrmModCadastroMidas::FormCreate(sender);
    DMDefAux->cdsContabilista->Open();
}

void TfrmCadContabilista::FormClose(TObject* sender, TCloseAction& action) {
    TfrmModCadastroMidas::FormClose(sender, action);
    DMDefAux->cdsContabilista->Close();
}

void TfrmCadContabilista::FormKeyPress(TObject*, QChar& key) {
    ApostropheGuard::Swallow(key);
}

void TfrmCadContabilista::fsnCadastroSearch(TObject*) {
    SearchAndLocate(dssContabilista, DMDefAux->cdsContabilista, QStringLiteral("SQ_CONTABILISTA"));
}

void TfrmCadContabilista::fsnCadastroNewRecord(TDataSet* dataSet) {
    dataSet->FieldByName(QStringLiteral("SQ_CONTABILISTA"))
        ->SetAsString(DMDefGeral->ProximoSequencial(kContador));
}

void TfrmCadContabilista::fsnCadastroBeforePost(TDataSet* dataSet) {
    if (Vazio(dataSet, "NO_CONTABILISTA"))
        Recusa(282, dbeNomeCont);
    if (Vazio(dataSet, "NU_DDD_CONTABILISTA"))
        Recusa(284, dbeDDDCont);
    if (Vazio(dataSet, "NU_TEL_CONTABILISTA"))
        Recusa(283, dbeTelCont);
}

void TfrmCadContabilista::fsnCadastroPrint(TObject*) {
    std::unique_ptr<TrptContabilistas> relatorio(new TrptContabilistas(this));
    relatorio->Preview();
}
