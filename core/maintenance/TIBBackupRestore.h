#pragma once
// The backup and restore component of the main window: Backup and Restore
// open the dialog (TfrmBackupRestore) on its page, run it modally and keep
// the archive of a successful run in UsedFileName.

#include "core/maintenance/TfrmBackupRestore.h"
#include "platform/base/TComponent.h"

#include <functional>

class TIBBackupRestore : public TComponent {
    Q_OBJECT
public:
    explicit TIBBackupRestore(TComponent* owner);

    TIBDatabase* IBDatabase() const { return m_database; }
    void SetIBDatabase(TIBDatabase* database);
    const QString& DefaultFileName() const { return m_defaultFileName; }
    void SetDefaultFileName(const QString& name) { m_defaultFileName = name; }
    // The archive written or read by the last successful run; empty otherwise.
    const QString& UsedFileName() const { return m_usedFileName; }

    TBackupRestoreEvent OnBackup;
    TBackupRestoreEvent OnRestore;

    void Backup();
    void Restore();

    // Runs the dialog (default: modally); tests drive it instead.
    std::function<TModalResult(TfrmBackupRestore* dialog, int mode)> RunDialog;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Run(int mode);

    TIBDatabase* m_database = nullptr;
    QString m_defaultFileName;
    QString m_usedFileName;
};
