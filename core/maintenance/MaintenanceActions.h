#pragma once
// What the main window's backup, restore and repair actions do, over the
// general data module's connection: each refuses while a document window is
// open; backup and restore run with the connection closed and connect again
// afterwards (the data-version check runs again); after a restore the data
// fix-ups of version "0.3.3.4" run and the user is told.

#include <QDateTime>
#include <QString>

class TDMDefGeral;
class TForm;
class TIBBackupRestore;
class TIBRepair;
class TObject;

class MaintenanceActions {
public:
    static const QString OpenWindowsText;
    static const QString RestoreText;

    MaintenanceActions(TForm& mainForm, TDMDefGeral& geral, TIBBackupRestore& backup, TIBRepair& repair);

    void MakeBackup();
    // True when a restore went through.
    bool RestoreBackup();
    void RepairDatabaseFile();

    // The archive proposed for a backup made at now: "BkpZeb" + year, month,
    // day, hour, minute, second + ".zip" in the user's home folder.
    static QString DefaultBackupName(const QDateTime& now);
    // The restore's question whether a restored file is usable: it must open
    // through a bare connection (no version check, no update).
    static void CheckRestoredFile(TObject* sender, const QString& file, bool& cancel);

private:
    // Shows the refusal and answers false while document windows are open.
    bool NoWindowsOpen() const;

    TForm& m_mainForm;
    TDMDefGeral& m_general;
    TIBBackupRestore& m_backup;
    TIBRepair& m_repair;
};
