#include "startup/ProgramStart.h"

#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "core/data/TDMDefGeral.h"
#include "core/forms/TfrmAutoBackup.h"
#include "core/maintenance/TIBChecking.h"
#include "core/util/MessageBoxes.h"
#include "imaging/ImagingRegistrations.h"
#include "platform/db/FbClient.h"
#include "platform/db/TIBDatabase.h"
#include "platform/os/SingleInstanceGuard.h"
#include "platform/os/TerminationSignalWatcher.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TForm.h"
#include "startup/ProgramImages.h"
#include "startup/RunEndingPrompter.h"
#include "startup/SingleInstance.h"
#include "startup/TFrmSplash.h"
#include "startup/TfrmDef.h"

#include <QApplication>
#include <QDialog>
#include <QLocale>

namespace {

// Windows waiting for an answer when a signal comes: each one closed is the
// next one's turn; a bound keeps a window that refuses from holding the end.
constexpr int LimiteJanelasModais = 16;

// The window shown while the automatic backup runs, painted at once. It is
// the one window that answers meanwhile, and it cannot be closed.
TComponent* JanelaBackup(TComponent* owner) {
    auto* janela = TForm::Create<TfrmAutoBackup>(owner);
    janela->Widget()->setWindowModality(Qt::ApplicationModal);
    janela->OnCloseQuery =
        TCloseQueryEvent::fromFunction([](TObject*, bool& podeFechar) { podeFechar = false; });
    janela->Show();
    janela->Repaint();
    Application->ProcessMessages();
    return janela;
}

// Closes the boxes and windows that wait for an answer; their answer is none.
void FechaJanelasModais() {
    for (int i = 0; i < LimiteJanelasModais; ++i) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* dialogo = qobject_cast<QDialog*>(modal))
            dialogo->reject();
        else
            modal->close();
        if (QApplication::activeModalWidget() == modal)
            return;
    }
}

} // namespace

ProgramStart::ProgramStart() = default;
ProgramStart::~ProgramStart() = default;

void ProgramStart::PreparaModuloGeral(TDMDefGeral* modulo) {
    if (!ProgramFolder.isEmpty())
        modulo->SetProgramFolder(ProgramFolder);
    modulo->MakeBackupWindow = &JanelaBackup;
    modulo->ProcessEvents = [this] {
        Application->ProcessMessages();
        return !Interrompido();
    };
    modulo->EndRun = [] { Application->Terminate(); };
    modulo->RepairDatabase = [] {
        if (frmDef)
            frmDef->acRepararDatabase->Execute();
    };
}

TDMDefGeral* ProgramStart::CriaModuloGeralPadrao(TComponent*) {
    auto* modulo = Application->CreateForm<TDMDefGeral>();
    PreparaModuloGeral(modulo);
    modulo->DataModuleCreate();
    return modulo;
}

bool ProgramStart::Fail() {
    m_codigoSaida = Interrompido() ? SaidaSinal + m_sinal : SaidaFalhaInicio;
    if (m_splash)
        m_splash->Hide();
    Application->Terminate();
    return false;
}

bool ProgramStart::Inicia() {
    m_codigoSaida = SaidaNormal;
    // Dates and numbers of every Qt control follow the program's formats.
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    // From here on a signal ends the run the program's way, at any point.
    if (!m_sinais)
        m_sinais = std::make_unique<TerminationSignalWatcher>([this](int sinal) { TerminaPorSinal(sinal); });
    // While it starts, a signal leaves no question to be asked; once started,
    // the close it brings about may still ask (a second signal ends that).
    if (!m_prompter)
        m_prompter = std::make_unique<RunEndingPrompter>([this] { return Interrompido() && !m_iniciado; });

    // Every box and window from here on, the second-start warning too,
    // carries the title and the program's icon.
    Application->SetTitle(QStringLiteral("ZEB-ICMS"));
    QApplication::setWindowIcon(IconePrograma());
    m_guard = std::make_unique<SingleInstanceGuard>(QStringLiteral("TfrmDef"), PastaInstancia);
    const Instancia instancia = VerificaInstanciaUnica(*m_guard);
    if (instancia != Instancia::Unica) {
        // Another copy running is a normal end; a lock that cannot be made is not.
        if (Interrompido())
            m_codigoSaida = SaidaSinal + m_sinal;
        else if (instancia == Instancia::Failed)
            m_codigoSaida = SaidaFalhaInicio;
        return false;
    }

    try {
        Application->Initialize();
        auto* principal = Application->CreateForm<TfrmDef>();
        // Writing the client library refused: no database work at all.
        if (!principal->IBChecking->Passed())
            return Fail();
        AtendePedidosDeAtivacao(*m_guard);

        m_splash = TForm::Create<TFrmSplash>(Application);
        m_splash->Show();
        m_splash->Repaint();
        Application->ProcessMessages();
        if (Interrompido())
            return Fail();

        TDMDefGeral* geral =
            CriaModuloGeral ? CriaModuloGeral(Application) : CriaModuloGeralPadrao(Application);
        if (!geral || geral->Failed() || Interrompido())
            return Fail();
        if (!geral->ibDBDef->TestConnected()) {
            MsgErroSistema(QStringLiteral("Não foi possível efetuar a conexão com o banco de dados:\r") +
                           geral->ibDBDef->DatabaseName() +
                           QStringLiteral("\r\rErro: a conexão foi perdida.\r\rO sistema será encerrado..."));
            return Fail();
        }

        Application->ProcessMessages();
        Application->CreateForm<TDMDefBasica>();
        Application->CreateForm<TDMDef>();
        Application->CreateForm<TDMDefAux>();
        if (Interrompido())
            return Fail();
        m_splash->Hide();
        m_iniciado = true;
        return true;
    } catch (...) {
        Application->HandleException(Application);
        return Fail();
    }
}

void ProgramStart::TerminaPorSinal(int sinal) {
    const bool primeiro = !Interrompido();
    if (primeiro)
        m_sinal = sinal;
    if (!m_iniciado) {
        FechaJanelasModais();
    } else if (primeiro) {
        if (TForm* principal = Application->MainForm())
            principal->Close();
    }
    Application->Terminate();
}

int ProgramStart::Executa() {
    if (Inicia())
        Application->Run();
    return m_codigoSaida;
}

int ExecutaPrograma(int argc, char** argv) {
    int codigo = ProgramStart::SaidaNormal;
    {
        TApplication application(argc, argv);
        ImagingRegistrations imagens;
        ProgramStart inicio;
        codigo = inicio.Executa();
    }
    // Every window and connection is gone: the engine ends before the process.
    FbClient::ShutDown();
    return codigo;
}
