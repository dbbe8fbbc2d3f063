#pragma once
// The program block: the start-up in its fixed order, then the message loop.
//
//   formats -> one copy per user -> title -> main window (frmDef) -> splash
//   -> general data module (connection, data version, automatic backup)
//   -> unless it failed: basic, declaration and auxiliary data modules
//   -> splash hidden -> message loop.
//
// A failed start ends here: no further module, no main window shown, and a
// non-zero exit code. The main window never opens on a connection that is
// not there.
//
// SIGTERM and SIGINT end the run at every point, the normal way. While the
// program starts, a signal closes the box or window waiting for an answer,
// no further question is asked, the automatic backup stops (its temporary
// file goes) and the start ends without showing the main window (exit code
// 128 + the signal). Once started, the main window closes and the message
// loop ends, so the connections are closed and the data modules freed; a
// second signal while that close waits (e.g. on a question) ends the loop at
// once.

#include <QString>
#include <functional>
#include <memory>

class RunEndingPrompter;
class SingleInstanceGuard;
class TComponent;
class TDMDefGeral;
class TFrmSplash;
class TerminationSignalWatcher;

class ProgramStart {
public:
    // Exit codes of Executa.
    static constexpr int NormalExit = 0;
    static constexpr int StartFailedExit = 1;
    // Plus the signal's number: a start ended by a signal, as shells report it.
    static constexpr int SignalExit = 128;

    ProgramStart();
    ~ProgramStart();

    // The folder with Dados/ and Backup/; the executable's when empty.
    QString ProgramFolder;
    // The folder of the single-instance lock; the user's runtime folder when empty.
    QString InstanceFolder;
    // Creates the general data module and runs its start-up (default: the
    // module of the program, owned by the application object, prepared with
    // PrepareGeneralModule).
    std::function<TDMDefGeral*(TComponent* owner)> MakeGeneralModule;

    // Everything before the message loop (an application object must
    // exist). True when the loop is to run; otherwise ExitCode() tells
    // how the run ends.
    bool Start();
    // Start, then the message loop; returns the exit code.
    int Executa();
    int ExitCode() const { return m_exitCode; }

    // Hands the general data module what it needs from the windows: the
    // backup window (the one window that answers while the backup runs),
    // the events that keep it alive between the backup's lines (which also
    // tell it when a signal is ending the run), and the end of the run when
    // its connection is refused.
    void PrepareGeneralModule(TDMDefGeral* modulo);

    TFrmSplash* Splash() const { return m_splash; }

private:
    TDMDefGeral* MakeDefaultGeneralModule(TComponent* owner);
    bool Fail();
    bool Interrupted() const { return m_signal != 0; }
    void EndBySignal(int sinal);

    std::unique_ptr<TerminationSignalWatcher> m_signals;
    std::unique_ptr<RunEndingPrompter> m_prompter;
    std::unique_ptr<SingleInstanceGuard> m_guard;
    int m_signal = 0;
    bool m_started = false;
    TFrmSplash* m_splash = nullptr;
    int m_exitCode = NormalExit;
};

// main(): the application object and the program block.
int RunProgram(int argc, char** argv);
