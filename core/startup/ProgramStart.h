#pragma once
// The program block: the start-up in its fixed order, then the message loop.
//
//   formats -> one copy per user -> title -> main window (frmDef) -> splash
//   -> general data module (connection, data version, automatic backup)
//   -> unless it failed: basic, declaration and auxiliary data modules
//   -> splash hidden -> message loop.
//
// A failed start ends here: no further module, no main window shown, and a
// non-zero exit code.
//
// Once started, SIGTERM and SIGINT end the run the normal way: the main
// window closes and the message loop ends, so the connections are closed and
// the data modules freed. A second signal while that close waits (e.g. on a
// question) ends the loop at once.

#include <QString>
#include <functional>
#include <memory>

class SingleInstanceGuard;
class TComponent;
class TDMDefGeral;
class TFrmSplash;
class TerminationSignalWatcher;

class ProgramStart {
public:
    // Exit codes of Executa.
    static constexpr int SaidaNormal = 0;
    static constexpr int SaidaFalhaInicio = 1;

    ProgramStart();
    ~ProgramStart();

    // The folder with Dados/ and Backup/; the executable's when empty.
    QString PastaPrograma;
    // The folder of the single-instance lock; the user's runtime folder when empty.
    QString PastaInstancia;
    // Creates the general data module and runs its start-up (default: the
    // module of the program, owned by the application object).
    std::function<TDMDefGeral*(TComponent* owner)> CriaModuloGeral;

    // Everything before the message loop (an application object must
    // exist). True when the loop is to run; otherwise CodigoSaida() tells
    // how the run ends.
    bool Inicia();
    // Inicia, then the message loop; returns the exit code.
    int Executa();
    int CodigoSaida() const { return m_codigoSaida; }

    TFrmSplash* Splash() const { return m_splash; }

private:
    TDMDefGeral* CriaModuloGeralPadrao(TComponent* owner) const;
    bool Falha();
    void TerminaPorSinal();

    std::unique_ptr<SingleInstanceGuard> m_guard;
    std::unique_ptr<TerminationSignalWatcher> m_sinais;
    bool m_terminandoPorSinal = false;
    TFrmSplash* m_splash = nullptr;
    int m_codigoSaida = SaidaNormal;
};

// main(): the application object and the program block.
int ExecutaPrograma(int argc, char** argv);
