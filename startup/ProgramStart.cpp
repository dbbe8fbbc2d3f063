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
constexpr int ModalWindowLimit = 16;

// The window shown while the automatic backup runs, painted at once. It is
// the one window that answers meanwhile, and it cannot be closed.
TComponent* MakeBackupWindowFor(TComponent* owner) {
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
void CloseModalWindows() {
    for (int i = 0; i < ModalWindowLimit; ++i) {
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

void ProgramStart::PrepareGeneralModule(TDMDefGeral* modulo) {
    if (!ProgramFolder.isEmpty())
        modulo->SetProgramFolder(ProgramFolder);
    modulo->MakeBackupWindow = &MakeBackupWindowFor;
    modulo->ProcessEvents = [this] {
        Application->ProcessMessages();
        return !Interrupted();
    };
    modulo->EndRun = [] { Application->Terminate(); };
    modulo->RepairDatabase = [] {
        if (frmDef)
            frmDef->acRepararDatabase->Execute();
    };
}

TDMDefGeral* ProgramStart::MakeDefaultGeneralModule(TComponent*) {
    auto* modulo = Application->CreateForm<TDMDefGeral>();
    PrepareGeneralModule(modulo);
    modulo->DataModuleCreate();
    return modulo;
}

bool ProgramStart::Fail() {
    m_exitCode = Interrupted() ? SignalExit + m_signal : StartFailedExit;
    if (m_splash)
        m_splash->Hide();
    Application->Terminate();
    return false;
}

bool ProgramStart::Start() {
    m_exitCode = NormalExit;
    // Dates and numbers of every Qt control follow the program's formats.
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    // From here on a signal ends the run the program's way, at any point.
    if (!m_signals)
        m_signals = std::make_unique<TerminationSignalWatcher>([this](int sinal) { EndBySignal(sinal); });
    // While it starts, a signal leaves no question to be asked; once started,
    // the close it brings about may still ask (a second signal ends that).
    if (!m_prompter)
        m_prompter = std::make_unique<RunEndingPrompter>([this] { return Interrupted() && !m_started; });

    // Every box and window from here on, the second-start warning too,
    // carries the title and the program's icon.
    Application->SetTitle(QStringLiteral("ZEB-ICMS"));
    QApplication::setWindowIcon(ProgramIcon());
    m_guard = std::make_unique<SingleInstanceGuard>(QStringLiteral("TfrmDef"), InstanceFolder);
    const InstanceCheck instancia = VerificaInstanciaUnica(*m_guard);
    if (instancia != InstanceCheck::Sole) {
        // Another copy running is a normal end; a lock that cannot be made is not.
        if (Interrupted())
            m_exitCode = SignalExit + m_signal;
        else if (instancia == InstanceCheck::Failed)
            m_exitCode = StartFailedExit;
        return false;
    }

    try {
        Application->Initialize();
        auto* principal = Application->CreateForm<TfrmDef>();
        // Writing the client library refused: no database work at all.
        if (!principal->IBChecking->Passed())
            return Fail();
        ServeActivationRequests(*m_guard);

        m_splash = TForm::Create<TFrmSplash>(Application);
        m_splash->Show();
        m_splash->Repaint();
        Application->ProcessMessages();
        if (Interrupted())
            return Fail();

        TDMDefGeral* geral =
            MakeGeneralModule ? MakeGeneralModule(Application) : MakeDefaultGeneralModule(Application);
        if (!geral || geral->Failed() || Interrupted())
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
        if (Interrupted())
            return Fail();
        m_splash->Hide();
        m_started = true;
        return true;
    } catch (...) {
        Application->HandleException(Application);
        return Fail();
    }
}

void ProgramStart::EndBySignal(int sinal) {
    const bool primeiro = !Interrupted();
    if (primeiro)
        m_signal = sinal;
    if (!m_started) {
        CloseModalWindows();
    } else if (primeiro) {
        if (TForm* principal = Application->MainForm())
            principal->Close();
    }
    Application->Terminate();
}

int ProgramStart::Executa() {
    if (Start())
        Application->Run();
    return m_exitCode;
}

int RunProgram(int argc, char** argv) {
    int codigo = ProgramStart::NormalExit;
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
