#include "core/startup/ProgramStart.h"

#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "core/data/TDMDefGeral.h"
#include "core/forms/TfrmAutoBackup.h"
#include "core/startup/SingleInstance.h"
#include "core/startup/TFrmSplash.h"
#include "core/startup/TfrmDef.h"
#include "imaging/ImagingRegistrations.h"
#include "platform/os/SingleInstanceGuard.h"
#include "platform/os/TerminationSignalWatcher.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TForm.h"

#include <QLocale>

namespace {

// The window shown while the automatic backup runs, painted at once.
TComponent* JanelaBackup(TComponent* owner) {
    auto* janela = TForm::Create<TfrmAutoBackup>(owner);
    janela->Show();
    janela->Repaint();
    Application->ProcessMessages();
    return janela;
}

} // namespace

ProgramStart::ProgramStart() = default;
ProgramStart::~ProgramStart() = default;

TDMDefGeral* ProgramStart::CriaModuloGeralPadrao(TComponent*) const {
    auto* modulo = Application->CreateForm<TDMDefGeral>();
    if (!PastaPrograma.isEmpty())
        modulo->SetPastaPrograma(PastaPrograma);
    modulo->CriaJanelaBackup = &JanelaBackup;
    modulo->DataModuleCreate();
    return modulo;
}

bool ProgramStart::Falha() {
    m_codigoSaida = SaidaFalhaInicio;
    if (m_splash)
        m_splash->Hide();
    Application->Terminate();
    return false;
}

bool ProgramStart::Inicia() {
    m_codigoSaida = SaidaNormal;
    // Dates and numbers of every Qt control follow the program's formats.
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));

    m_guard = std::make_unique<SingleInstanceGuard>(QStringLiteral("TfrmDef"), PastaInstancia);
    if (!VerificaInstanciaUnica(*m_guard))
        return false;

    try {
        Application->Initialize();
        Application->SetTitle(QStringLiteral("ZEB-ICMS"));
        Application->CreateForm<TfrmDef>();
        AtendePedidosDeAtivacao(*m_guard);

        m_splash = TForm::Create<TFrmSplash>(Application);
        m_splash->Show();
        m_splash->Repaint();
        Application->ProcessMessages();

        TDMDefGeral* geral =
            CriaModuloGeral ? CriaModuloGeral(Application) : CriaModuloGeralPadrao(Application);
        if (!geral || geral->Falhou())
            return Falha();

        Application->ProcessMessages();
        Application->CreateForm<TDMDefBasica>();
        Application->CreateForm<TDMDef>();
        Application->CreateForm<TDMDefAux>();
        m_splash->Hide();
        // The database client is loaded by now and has taken these signals.
        m_sinais = std::make_unique<TerminationSignalWatcher>([this](int) { TerminaPorSinal(); });
        return true;
    } catch (...) {
        Application->HandleException(Application);
        return Falha();
    }
}

void ProgramStart::TerminaPorSinal() {
    if (!m_terminandoPorSinal) {
        m_terminandoPorSinal = true;
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
    TApplication application(argc, argv);
    ImagingRegistrations imagens;
    ProgramStart inicio;
    return inicio.Executa();
}
