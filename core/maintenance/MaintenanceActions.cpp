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

const QString MaintenanceActions::TextoJanelasAbertas =
    QStringLiteral("É necessário fechar todas janelas antes de executar esta função...");
const QString MaintenanceActions::TextoRestauracao =
    QStringLiteral("Restauração da cópia de segurança efetuada com sucesso.");

MaintenanceActions::MaintenanceActions(TForm& mainForm, TDMDefGeral& geral, TIBBackupRestore& backup,
                                       TIBRepair& repair)
    : m_mainForm(mainForm), m_geral(geral), m_backup(backup), m_repair(repair) {}

QString MaintenanceActions::NomePadraoBackup(const QDateTime& now) {
    return LocalPath::FromWindows(QStringLiteral("C:\\BkpZeb") +
                                  now.toString(QStringLiteral("yyyyMMddhhmmss")) + QStringLiteral(".zip"));
}

bool MaintenanceActions::SemJanelasAbertas() const {
    if (m_mainForm.MDIChildCount() == 0)
        return true;
    MsgErro(TextoJanelasAbertas);
    return false;
}

void MaintenanceActions::GerarBackup() {
    if (m_geral.PastaBackup().isEmpty())
        return;
    if (!SemJanelasAbertas())
        return;
    m_backup.SetDefaultFileName(NomePadraoBackup(SystemClock::Now()));
    if (m_geral.ibDBDef->Connected())
        m_geral.ibDBDef->Close();
    try {
        m_backup.Backup();
    } catch (...) {
        m_geral.ConectaBanco();
        throw;
    }
    m_geral.ConectaBanco();
}

bool MaintenanceActions::RestaurarBackup() {
    if (!SemJanelasAbertas())
        return false;
    m_backup.SetDefaultFileName(LocalPath::FromWindows(QStringLiteral("C:\\")));
    if (m_geral.ibDBDef->Connected())
        m_geral.ibDBDef->Close();
    try {
        m_backup.Restore();
    } catch (...) {
        m_geral.ConectaBanco();
        throw;
    }
    if (!m_geral.ConectaBanco() || m_backup.UsedFileName().isEmpty())
        return false;
    m_geral.ApplyRestoreFixUps();
    MsgInforma(TextoRestauracao);
    return true;
}

void MaintenanceActions::RepararBase() {
    if (!SemJanelasAbertas())
        return;
    try {
        const QString texto = m_repair.Executa();
        if (!texto.isEmpty())
            ShowMessage(texto);
    } catch (...) {
        MsgErro(QStringLiteral("Erro na reparação do Banco de Dados!"));
    }
}

void MaintenanceActions::ArquivoRestaurado(TObject*, const QString& file, bool& cancel) {
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
