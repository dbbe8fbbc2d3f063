#include "core/maintenance/MaintenanceActions.h"

#include "core/data/TDMDefGeral.h"
#include "core/maintenance/TIBBackupRestore.h"
#include "core/maintenance/TIBRepair.h"
#include "core/util/MessageBoxes.h"
#include "platform/base/SystemClock.h"
#include "platform/db/TIBDatabase.h"
#include "platform/os/LocalPath.h"
#include "platform/ui/ShowMessage.h"
#include "platform/ui/TForm.h"

const QString MaintenanceActions::OpenWindowsText =
    QStringLiteral("É necessário fechar todas janelas antes de executar esta função...");
const QString MaintenanceActions::RestoreText =
    QStringLiteral("Restauração da cópia de segurança efetuada com sucesso.");

MaintenanceActions::MaintenanceActions(TForm& mainForm, TDMDefGeral& geral, TIBBackupRestore& backup,
                                       TIBRepair& repair)
    : m_mainForm(mainForm), m_general(geral), m_backup(backup), m_repair(repair) {}

QString MaintenanceActions::DefaultBackupName(const QDateTime& now) {
    return LocalPath::FromWindows(QStringLiteral("C:\\BkpZeb") +
                                  now.toString(QStringLiteral("yyyyMMddhhmmss")) + QStringLiteral(".zip"));
}

bool MaintenanceActions::NoWindowsOpen() const {
    if (m_mainForm.MDIChildCount() == 0)
        return true;
    MsgErro(OpenWindowsText);
    return false;
}

void MaintenanceActions::MakeBackup() {
    if (m_general.PastaBackup().isEmpty())
        return;
    if (!NoWindowsOpen())
        return;
    m_backup.SetDefaultFileName(DefaultBackupName(SystemClock::Now()));
    if (m_general.ibDBDef->Connected())
        m_general.ibDBDef->Close();
    try {
        m_backup.Backup();
    } catch (...) {
        m_general.ConectaBanco();
        throw;
    }
    m_general.ConectaBanco();
}

bool MaintenanceActions::RestoreBackup() {
    if (!NoWindowsOpen())
        return false;
    m_backup.SetDefaultFileName(LocalPath::FromWindows(QStringLiteral("C:\\")));
    if (m_general.ibDBDef->Connected())
        m_general.ibDBDef->Close();
    try {
        m_backup.Restore();
    } catch (...) {
        m_general.ConectaBanco();
        throw;
    }
    if (!m_general.ConectaBanco() || m_backup.UsedFileName().isEmpty())
        return false;
    m_general.ApplyRestoreFixUps();
    MsgInforma(RestoreText);
    return true;
}

void MaintenanceActions::RepairDatabaseFile() {
    if (!NoWindowsOpen())
        return;
    try {
        const QString texto = m_repair.Executa();
        if (!texto.isEmpty())
            ShowMessage(texto);
    } catch (...) {
        MsgErro(QStringLiteral("Erro na reparação do Banco de Dados!"));
    }
}

void MaintenanceActions::CheckRestoredFile(TObject*, const QString& file, bool& cancel) {
    TIBDatabase database;
    database.SetDatabaseName(file);
    database.SetParams({QStringLiteral("user_name=SYSDBA"), QStringLiteral("lc_ctype=UTF8")});
    database.SetLoginPrompt(false);
    try {
        database.Open();
    } catch (const Exception&) {
        // Not a database: refused below.
    }
    cancel = !database.Connected();
    if (database.Connected())
        database.Close();
}
