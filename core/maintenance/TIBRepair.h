#pragma once
// Repairs the database file through the engine's validation service
// (mending damaged structures), showing a small progress window that the
// user cannot close, and by default ends the program afterwards.
//
// The program's own connection (IBDatabase) is closed while the service
// runs. The success message is shown only after a repair that found nothing
// wrong; otherwise Executa returns the service's findings for the caller to
// show. A relative GDBFile is taken from the program's folder.

#include "platform/base/TComponent.h"
#include "platform/base/TEvent.h"

#include <functional>

class TForm;
class TIBDatabase;
class TIBValidationService;
class TLabel;
class TProgressBar;
class TStatusBar;

class TIBRepair : public TComponent {
    Q_OBJECT
public:
    static const QString DefaultDescription;
    static const QString DefaultVersion;
    static const QString SuccessText;
    static const QString NotSelectedText;

    explicit TIBRepair(TComponent* owner);
    ~TIBRepair() override;

    TIBDatabase* IBDatabase() const { return m_database; }
    void SetIBDatabase(TIBDatabase* database);
    const QString& GDBFile() const { return m_gdbFile; }
    // Accepts only a different, non-empty name of an existing file (a
    // relative name is taken from the program's folder).
    void SetGDBFile(const QString& file);
    bool FinalizarAplicacao() const { return m_finalizarAplicacao; }
    void SetFinalizarAplicacao(bool finalizar) { m_finalizarAplicacao = finalizar; }
    TStatusBar* StatusBar() const { return m_statusBar; }
    void SetStatusBar(TStatusBar* statusBar);
    const QString& Status() const { return m_status; }
    const QString& Description() const { return m_description; }
    void SetDescription(const QString& text) { m_description = text; }
    const QString& Version() const { return m_version; }
    void SetVersion(const QString& text) { m_version = text; }

    TNotifyEvent OnInitialization;
    TNotifyEvent OnFinalization;

    // Runs the repair; returns an empty text after a clean repair, else the
    // reason it did not run or the service's findings.
    QString Executa();
    // 0 or less closes the progress window; more shows it with the gauge there.
    void SetProgresso(int percent);
    void SetStatus(const QString& text);

    // The folder relative names are taken from; the executable's when empty.
    void SetProgramFolder(const QString& folder) { m_programFolder = folder; }
    // Waits that long while the window stays painted (tests: no wait).
    std::function<void(int ms)> WaitOverride;
    // Ends the program (default: the application's run ends).
    std::function<void()> EndApplication;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    QString Resolve(const QString& file) const;
    // Runs the service; returns its findings (empty when clean).
    QString RunService();
    void Finish(bool clean, bool ran, bool reconnect);
    void Wait(int ms);
    void BuildWindow();

    TIBDatabase* m_database = nullptr;
    QString m_gdbFile;
    bool m_finalizarAplicacao = true;
    TStatusBar* m_statusBar = nullptr;
    QString m_status;
    QString m_description = DefaultDescription;
    QString m_version = DefaultVersion;
    QString m_programFolder;
    TIBValidationService* m_service;
    TForm* m_window = nullptr;
    TLabel* m_label = nullptr;
    TProgressBar* m_gauge = nullptr;
};
