#include "startup/TfrmDef.h"

#include "core/data/DataVersion.h"
#include "core/data/TDMDefGeral.h"
#include "core/forms/DocumentWindows.h"
#include "core/forms/TfrmModDocumento.h"
#include "core/maintenance/MaintenanceActions.h"
#include "core/maintenance/TIBBackupRestore.h"
#include "core/maintenance/TIBChecking.h"
#include "core/maintenance/TIBRepair.h"
#include "core/util/MessageBoxes.h"
#include "core/util/SystemIdentity.h"
#include "core/util/TExeVer.h"
#include "declarations/list/TfrmGeracao.h"
#include "declarations/list/TfrmSelDeclaracao.h"
#include "declarations/registers/TfrmCadContabilista.h"
#include "declarations/registers/TfrmCadContribuintes.h"
#include "declarations/registers/TfrmCadRepresentante.h"
#include "declarations/registers/TfrmConCFOPs.h"
#include "declarations/registers/TfrmConFinalidades.h"
#include "declarations/registers/TfrmConFundamentos.h"
#include "declarations/registers/TfrmConMunicipios.h"
#include "declarations/registers/TfrmConUFs.h"
#include "declarations/registers/TfrmParametros.h"
#include "platform/ui/Make.h"
#include "platform/ui/MenuLayout.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TImage.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMainMenu.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TStatusBar.h"
#include "startup/ProgramImages.h"

#include <QApplication>
#include <QMenuBar>
#include <algorithm>

TfrmDef* frmDef = nullptr;

namespace {

const QColor BackgroundColour(4, 54, 143);
// The authority's name is placed this far from the right edge.
constexpr int StateTextDistance = 247;
// The window was laid out for a screen this wide.
constexpr int DesignWidth = 1024;

bool IsOneOf(const QString& name, std::initializer_list<const char*> classes) {
    for (const char* className : classes)
        if (name == QLatin1String(className))
            return true;
    return false;
}

} // namespace

TfrmDef::TfrmDef(TComponent* owner) : TfrmModPrincipal(owner) {
    SetName(QStringLiteral("frmDef"));
    SetCaption(QStringLiteral("Declarações Econômico-Fiscais"));
    SetClientWidth(849);
    SetClientHeight(567);
    BuildTitle();
    imgFundo->SetPicture(MainBackground(QSize(1024, 768)));
    mniPrincipal->SetVisible(false);
    BuildActions();
    AddProgramMenus();
    evApp->SeteMail(QStringLiteral("suporte.zeb@sefaz.kv.gov.br"));
    BuildMaintenance();

    OnCreate = TNotifyEvent(this, &TfrmDef::FormCreate);
    OnShow = TNotifyEvent(this, &TfrmDef::FormShow);
    OnClose = TCloseEvent(this, &TfrmDef::FormClose);
    if (!frmDef)
        frmDef = this;
}

TfrmDef::~TfrmDef() {
    if (frmDef == this)
        frmDef = nullptr;
}

void TfrmDef::BuildTitle() {
    lblSigla->SetCaption(QStringLiteral("ZEB"));
    lblSistema->SetCaption(ProductLongName);
    QFont sigla(QStringLiteral("Liberation Sans"));
    sigla.setPixelSize(40);
    sigla.setBold(true);
    lblSigla->SetFont(sigla);
    lblSigla->SetCaption(lblSigla->Caption());
    QFont sistema(QStringLiteral("Liberation Sans"));
    sistema.setPixelSize(18);
    sistema.setBold(true);
    lblSistema->SetFont(sistema);
    lblSistema->SetCaption(lblSistema->Caption());
    for (TLabel* label : {lblSigla, lblSistema})
        label->SetFontColor(Qt::white);
}

void TfrmDef::BuildActions() {
    const auto acao = [this](const char* name, const QString& caption) {
        return MakeAction(this, alApp, QString::fromLatin1(name), caption);
    };
    acContribuintes = acao("acContribuintes", QStringLiteral("&Contribuintes"));
    acRepresentante = acao("acRepresentante", QStringLiteral("&Representante Legal"));
    acContabilista = acao("acContabilista", QStringLiteral("Con&tabilista"));
    acCFOPs = acao("acCFOPs", QStringLiteral("CF&OPs"));
    acFundamentos = acao("acFundamentos", QStringLiteral("&Ocorrências"));
    acFinalidades = acao("acFinalidades", QStringLiteral("&Finalidades de SCE"));
    acMunicipios = acao("acMunicipios", QStringLiteral("&Municípios"));
    acUFs = acao("acUFs", QStringLiteral("&UFs"));
    acDeclaracao = acao("acDeclaracao", QStringLiteral("&Declaração"));
    acGeracao = acao("acGeracao", QStringLiteral("&Geração"));
    acParametros = acao("acParametros", QStringLiteral("&Parâmetros"));
    acGerarBkp = acao("acGerarBkp", QStringLiteral("&Gerar"));
    acRestaurarBkp = acao("acRestaurarBkp", QStringLiteral("&Restaurar"));
    acRepararDatabase = acao("acRepararDatabase", QStringLiteral("&Reparar Base de Dados Corrompida"));
    acGerarBkp->OnExecute = TNotifyEvent(this, &TfrmDef::acGerarBkpExecute);
    acRestaurarBkp->OnExecute = TNotifyEvent(this, &TfrmDef::acRestaurarBkpExecute);
    acRepararDatabase->OnExecute = TNotifyEvent(this, &TfrmDef::acRepararDatabaseExecute);
    ConnectWindows();
}

void TfrmDef::ConnectWindows() {
    // The registers and lookups open as document windows; the parameters
    // window is shown modally.
    const auto abre = [this](TAction* action, auto show) {
        action->OnExecute = TNotifyEvent::fromFunction([this, show](TObject*) { show(this); });
    };
    abre(acDeclaracao, [](TfrmDef* def) { ShowDocument<TfrmSelDeclaracao>(def, -1); });
    abre(acGeracao, [](TfrmDef* def) { ShowDocument<TfrmGeracao>(def, -1); });
    abre(acContribuintes, [](TfrmDef* def) { ShowDocument<TfrmCadContribuintes>(def, -1); });
    abre(acRepresentante, [](TfrmDef* def) { ShowDocument<TfrmCadRepresentante>(def, -1); });
    abre(acContabilista, [](TfrmDef* def) { ShowDocument<TfrmCadContabilista>(def, -1); });
    abre(acCFOPs, [](TfrmDef* def) { ShowDocument<TfrmConCFOPs>(def, -1); });
    abre(acFundamentos, [](TfrmDef* def) { ShowDocument<TfrmConFundamentos>(def, -1); });
    abre(acFinalidades, [](TfrmDef* def) { ShowDocument<TfrmConFinalidades>(def, -1); });
    abre(acMunicipios, [](TfrmDef* def) { ShowDocument<TfrmConMunicipios>(def, -1); });
    abre(acUFs, [](TfrmDef* def) { ShowDocument<TfrmConUFs>(def, -1); });
    abre(acParametros, [](TfrmDef* def) {
        std::unique_ptr<TfrmParametros> parametros(TfrmModDocumento::CreateDocument<TfrmParametros>(def, -1));
        parametros->ShowModal();
    });
}

void TfrmDef::AddProgramMenus() {
    // Menu bar: Arquivos, Declaração, Geração, Ferramentas, Sair, then the
    // template's Ajuda.
    TMenuItem* barra = mmApp->Items();
    int posicao = barra->Count() - 1; // before Ajuda
    const auto item = [this](TMenuItem* parent, int index, const char* name, TAction* action,
                             const QString& caption = QString()) {
        return MakeMenuItem(this, parent, index, QString::fromLatin1(name), action, caption);
    };
    Tabelas1 = item(barra, posicao++, "Tabelas1", nullptr, QStringLiteral("Ar&quivos"));
    int arquivo = 0;
    for (auto [name, action] :
         std::initializer_list<std::pair<const char*, TAction*>>{{"Contribuintes1", acContribuintes},
                                                                 {"RepresentanteLegal1", acRepresentante},
                                                                 {"Contabilista1", acContabilista},
                                                                 {"CFOPs1", acCFOPs},
                                                                 {"Ocorrencias1", acFundamentos},
                                                                 {"FinalidadesdeSCE1", acFinalidades},
                                                                 {"Municipios1", acMunicipios},
                                                                 {"UFs1", acUFs}})
        item(Tabelas1, arquivo++, name, action);
    Tabelas1->Items(6)->SetCaption(QStringLiteral("&Municípios da ALC e ZFM"));
    Declarao1 = item(barra, posicao++, "Declarao1", acDeclaracao);
    Geracao1 = item(barra, posicao++, "Geracao1", acGeracao);
    mniFerramentas = item(barra, posicao++, "mniFerramentas", nullptr, QStringLiteral("&Ferramentas"));
    mniCopSeg = item(mniFerramentas, 0, "mniCopSeg", nullptr, QStringLiteral("&Cópia de Segurança"));
    mniGerarBackup = item(mniCopSeg, 0, "mniGerarBackup", acGerarBkp);
    mniRestaurarBackup = item(mniCopSeg, 1, "mniRestaurarBackup", acRestaurarBkp);
    Parmetros1 = item(mniFerramentas, 1, "Parmetros1", acParametros);
    RepararDatabase1 = item(mniFerramentas, 2, "RepararDatabase1", acRepararDatabase);
    Sair1 = item(barra, posicao++, "Sair1", acSair);
}

void TfrmDef::BuildMaintenance() {
    // The client library is checked while the window is made, before any
    // database work; refusing to write it ends the run.
    IBChecking = Make<TIBChecking>(this, QStringLiteral("IBChecking"));
    IBChecking->SetVersion(QStringLiteral("2.0.0"));
    ibBackupDef = Make<TIBBackupRestore>(this, QStringLiteral("ibBackupDef"));
    ibBackupDef->OnRestore = TBackupRestoreEvent::fromFunction(&MaintenanceActions::CheckRestoredFile);
    IBRepair = Make<TIBRepair>(this, QStringLiteral("IBRepair"));
    IBRepair->SetFinalizarAplicacao(true);
    IBRepair->SetVersion(QStringLiteral("2.0.0"));
}

void TfrmDef::FormCreate(TObject* sender) {
    TfrmModPrincipal::FormCreate(sender);
    m_sql = std::make_unique<QStringList>();
    SetColor(BackgroundColour);
    // The colour is the frame's: menus and status bar keep the desktop's.
    QPalette desktop = QApplication::palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Button,
                                     QPalette::ButtonText, QPalette::Base, QPalette::Text})
        desktop.setColor(role, desktop.color(role)); // set, so not inherited from the frame
    mmApp->MenuBar()->setPalette(desktop);
    sbApp->Widget()->setPalette(desktop);
    sbApp->Widget()->setAutoFillBackground(true);
    SetCaption(QStringLiteral("ZEB-ICMS - ") + ProductLongName + QStringLiteral(" (Versão ") +
               VersaoSistema() + QLatin1Char(')'));
}

QString TfrmDef::VersaoSistema() const {
    return evApp->FileVersion();
}

int TfrmDef::DistanceFromRight(const TLabel* label) const {
    const int escalada = Screen ? StateTextDistance * Screen->Width() / DesignWidth : StateTextDistance;
    // A name wider than that still shows whole.
    return std::max(escalada, label->Width() + 8);
}

void TfrmDef::FormShow(TObject* sender) {
    TfrmModPrincipal::FormShow(sender);
    if (!m_shown) {
        m_shown = true;
        imgFundo->SetStretch(true);
        // The frame's texts were laid out for a screen 1024 pixels wide.
        for (int i = 0; i < ComponentCount(); ++i)
            if (auto* label = dynamic_cast<TLabel*>(Components(i)); label && Screen)
                label->ScaleBy(Screen->Width(), DesignWidth);
        for (int i = 0; i < ComponentCount(); ++i)
            if (auto* label = dynamic_cast<TLabel*>(Components(i));
                label && label->Caption().contains(QStringLiteral("Estado")))
                KeepFromRightEdge(label, DistanceFromRight(label) + (label == AuthorityNameShadow() ? 2 : 0));
        DrawBackground();
    }
    MostraDadosAtualizados();
}

void TfrmDef::MostraDadosAtualizados() {
    if (!DataUpdated)
        return;
    DataUpdated = false;
    MsgInformaSistema(QStringLiteral("Os dados foram atualizados com sucesso para a versão do sistema \"") +
                      VersaoSistema() + QStringLiteral("\"."));
    if (Application)
        Application->Terminate();
}

void TfrmDef::FormClose(TObject* sender, TCloseAction& action) {
    // The declaration list goes first; while it stays open (an editor that
    // cannot save) the program goes on.
    if (frmSelDeclaracao) {
        frmSelDeclaracao->Close();
        if (frmSelDeclaracao) {
            action = TCloseAction::caNone;
            return;
        }
    }
    TfrmModPrincipal::FormClose(sender, action);
}

void TfrmDef::DocumentNotification(TfrmModDocumento* document, TOperation operation) {
    TfrmModPrincipal::DocumentNotification(document, operation);
    const int passo = operation == TOperation::opInsert ? 1 : -1;
    const QString classe = document->ClassName();
    if (IsOneOf(classe, {"TfrmDeclaracao", "TfrmGeracao", "TfrmSelDeclaracao"})) {
        m_declarationWindows += passo;
        Tabelas1->SetEnabled(m_declarationWindows == 0);
        mniFerramentas->SetEnabled(m_declarationWindows == 0);
    }
    if (IsOneOf(classe, {"TfrmDeclaracao", "TfrmSelDeclaracao"})) {
        m_listOrDeclarationWindows += passo;
        Geracao1->SetEnabled(m_listOrDeclarationWindows == 0);
    }
    if (IsOneOf(classe, {"TfrmGeracao", "TfrmDeclaracao"}))
        Declarao1->SetEnabled(operation == TOperation::opRemove);
    if (IsOneOf(classe, {"TfrmCadContribuintes", "TfrmConCFOPs", "TfrmConFundamentos", "TfrmCadRepresentante",
                         "TfrmCadContabilista", "TfrmConFinalidades", "TfrmConMunicipios", "TfrmConUFs"})) {
        m_registerWindows += passo;
        Geracao1->SetEnabled(m_registerWindows == 0);
        Declarao1->SetEnabled(m_registerWindows == 0);
    }
}

void TfrmDef::acGerarBkpExecute(TObject*) {
    ibBackupDef->SetIBDatabase(DMDefGeral->ibDBDef);
    IBRepair->SetIBDatabase(DMDefGeral->ibDBDef);
    MaintenanceActions(*this, *DMDefGeral, *ibBackupDef, *IBRepair).MakeBackup();
}

void TfrmDef::acRestaurarBkpExecute(TObject*) {
    ibBackupDef->SetIBDatabase(DMDefGeral->ibDBDef);
    IBRepair->SetIBDatabase(DMDefGeral->ibDBDef);
    if (MaintenanceActions(*this, *DMDefGeral, *ibBackupDef, *IBRepair).RestoreBackup())
        MostraDadosAtualizados();
}

void TfrmDef::acRepararDatabaseExecute(TObject*) {
    ibBackupDef->SetIBDatabase(DMDefGeral->ibDBDef);
    IBRepair->SetIBDatabase(DMDefGeral->ibDBDef);
    IBRepair->SetStatusBar(sbApp);
    MaintenanceActions(*this, *DMDefGeral, *ibBackupDef, *IBRepair).RepairDatabaseFile();
}
