#pragma once
// A backup run in a worker process of its own (zeb-icms-backup, beside the
// executable), with the settings of a TIBBackupService.
//
// Ended part-way (the object destroyed before Eof), the backup ends whole: the
// worker is killed and waited for, so nothing of it writes any more once the
// caller removes its file, and the engine of this process never has a task of
// its own running that it would have to outlive at exit. The worker is killed
// too when this process dies, and keeps out of the terminal's process group,
// so that an interrupt typed there reaches the program alone.
//
// WaitForLine waits a bounded time for the next line of the service's output,
// so that a caller stays responsive on slow stretches of the backup. At the
// end it raises what the worker reported (EIBError with the engine's codes,
// or EDatabaseError), or sets Eof.

#include <QProcess>
#include <QString>

class TIBBackupService;

class BackupProcess {
public:
    explicit BackupProcess(TIBBackupService& settings, const QString& workerPath = DefaultWorkerPath());
    ~BackupProcess();
    BackupProcess(const BackupProcess&) = delete;
    BackupProcess& operator=(const BackupProcess&) = delete;

    // The next line, when one came within `waitMs`.
    bool WaitForLine(int waitMs, QString* line = nullptr);
    bool Eof() const { return m_eof; }
    qint64 ProcessId() const { return m_process.processId(); }

    static QString DefaultWorkerPath();

private:
    void Finish();

    QProcess m_process;
    bool m_eof = false;
};
