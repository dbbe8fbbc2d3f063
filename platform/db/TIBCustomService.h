#pragma once
// Common part of the engine's services (backup, restore, validation), run
// through the embedded engine's service manager: no server and no host.
//
// Attach (or SetActive(true)) connects to the service manager as the user of
// Params ("user_name=SYSDBA" by default; "password=..." is passed on but not
// checked by the embedded engine). ServiceStart of a derived class starts its
// task; GetNextLine then returns the task's output one line at a time,
// waiting for the next line, until Eof is true. IsServiceRunning tells
// whether the task is still under way. Detach (or destroying the component)
// ends the attachment.
//
// The engine ends every line of output with a blank in place of its line
// feed, so that only the end of the output comes as an empty line. What the
// task reports as its error (the findings of a repair, the failure of a
// backup) may come in parts: with the answer to the start, which the engine
// gives once the task first reports, and with later lines. It is raised
// whole, as one EIBError, once the output is over: by ServiceStart when the
// task had nothing else to say, else by the GetNextLine that reaches the end.

#include "platform/base/TComponent.h"

#include "platform/db/EIBError.h"

#include <QStringList>

#include <optional>

class IBParamBlock;

class TIBCustomService : public TComponent {
    Q_OBJECT
public:
    using Handle = unsigned int;

    explicit TIBCustomService(TComponent* owner = nullptr);
    ~TIBCustomService() override;

    QStringList& Params() { return m_params; }
    void SetParams(const QStringList& params) { m_params = params; }
    // Only the local engine is supported: a non-empty name is refused at Attach.
    const QString& ServerName() const { return m_serverName; }
    void SetServerName(const QString& name) { m_serverName = name; }
    bool LoginPrompt() const { return m_loginPrompt; }
    void SetLoginPrompt(bool prompt) { m_loginPrompt = prompt; }

    bool Active() const { return m_handle != 0; }
    void SetActive(bool active);
    void Attach();
    void Detach();

    virtual void ServiceStart() = 0;
    bool IsServiceRunning();
    // The next line of the task's output; "" and Eof at its end.
    QString GetNextLine();
    bool Eof() const { return m_eof; }
    // Reads the remaining output to its end.
    QStringList ReadAllOutput();

protected:
    void CheckActive() const;
    // Starts a task described by a service parameter block.
    void StartTask(const IBParamBlock& request);

private:
    QString ParamValue(const QString& name) const;
    // The next line of output; false at its end. An error the answer
    // carries is added to the task's report.
    bool QueryLine(QString& line);
    // Adds what the engine reported to the task's report so far.
    void AddToReport(const EIBError& report);
    // The output is over: raises the task's report, if any.
    void EndOutput();

    QStringList m_params;
    QString m_serverName;
    bool m_loginPrompt = false;
    Handle m_handle = 0;
    bool m_eof = true;
    // The first line, read after a start that came with a report.
    std::optional<QString> m_pendingLine;
    std::optional<EIBError> m_report;
};
