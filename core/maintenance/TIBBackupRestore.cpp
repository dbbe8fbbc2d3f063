#include "core/maintenance/TIBBackupRestore.h"

#include "platform/db/TIBDatabase.h"

#include <memory>

TIBBackupRestore::TIBBackupRestore(TComponent* owner) : TComponent(owner) {}

void TIBBackupRestore::SetIBDatabase(TIBDatabase* database) {
    if (m_database)
        m_database->RemoveFreeNotification(this);
    m_database = database;
    if (m_database)
        m_database->FreeNotification(this);
}

void TIBBackupRestore::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_database)
        m_database = nullptr;
}

void TIBBackupRestore::Backup() {
    Run(TfrmBackupRestore::ModeBackup);
}

void TIBBackupRestore::Restore() {
    Run(TfrmBackupRestore::ModeRestore);
}

void TIBBackupRestore::Run(int mode) {
    if (!m_database)
        throw Exception(QStringLiteral("%1 has no database.").arg(Name()));
    m_usedFileName.clear();
    std::unique_ptr<TfrmBackupRestore> dialog(TForm::Create<TfrmBackupRestore>(this));
    if (mode == TfrmBackupRestore::ModeBackup)
        dialog->OnDialogBackup = OnBackup;
    else
        dialog->OnDialogRestore = OnRestore;
    if (RunDialog) {
        dialog->Prepare(m_database, m_defaultFileName, mode);
        RunDialog(dialog.get(), mode);
    } else {
        dialog->Executa(m_database, m_defaultFileName, mode);
    }
    m_usedFileName = dialog->UsedFileName();
}
