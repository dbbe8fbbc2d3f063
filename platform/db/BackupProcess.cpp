#include "platform/db/BackupProcess.h"

#include "platform/base/Exceptions.h"
#include "platform/db/BackupRequest.h"
#include "platform/db/BackupWorker.h"
#include "platform/os/AppFolders.h"

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

const char* const WorkerName = "zeb-icms-backup";
constexpr int KillWaitMs = 5000;

} // namespace

BackupProcess::BackupProcess(TIBBackupService& settings, const QString& workerPath) {
    const pid_t parent = ::getpid();
    m_process.setChildProcessModifier([parent] {
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127); // the program died before the line above took effect
    });
    m_process.start(workerPath, {});
    if (!m_process.waitForStarted())
        throw EDatabaseError(QStringLiteral("Não foi possível iniciar a cópia de segurança (%1): %2")
                                 .arg(workerPath, m_process.errorString()));
    m_process.write(BackupRequest::Of(settings).Encode());
    m_process.closeWriteChannel();
}

BackupProcess::~BackupProcess() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(KillWaitMs);
}

QString BackupProcess::DefaultWorkerPath() {
    return AppFolders::ExecutableFolder() + QLatin1Char('/') + QLatin1String(WorkerName);
}

bool BackupProcess::WaitForLine(int waitMs, QString* line) {
    if (m_eof)
        return false;
    if (!m_process.canReadLine() && m_process.state() != QProcess::NotRunning)
        m_process.waitForReadyRead(waitMs);
    if (m_process.canReadLine()) {
        const QByteArray bytes = m_process.readLine();
        if (line)
            *line = QString::fromUtf8(bytes.chopped(1));
        return true;
    }
    if (m_process.state() == QProcess::NotRunning)
        Finish();
    return false;
}

void BackupProcess::Finish() {
    m_eof = true;
    m_process.readAllStandardOutput(); // a last line without its end adds nothing
    if (m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0)
        return;
    const QString fallback =
        m_process.exitStatus() == QProcess::CrashExit
            ? QStringLiteral(
                  "A cópia de segurança foi interrompida: o processo que a fazia terminou de forma "
                  "inesperada.")
            : QStringLiteral("A cópia de segurança falhou (código %1).").arg(m_process.exitCode());
    BackupWorker::RaiseFailure(m_process.readAllStandardError(), fallback);
}
