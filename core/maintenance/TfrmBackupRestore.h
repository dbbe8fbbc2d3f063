#pragma once
// The backup and restore dialog. Page 0 packs a backup of the database into
// a zip archive the user names (one file or pieces); page 1 puts the
// database back from such an archive. The work itself is done by
// BackupToArchive and RestoreFromArchive; this window asks, shows the
// progress and the service's lines, and offers Abort while the work runs
// (closing is refused meanwhile).

#include "platform/base/TEvent.h"
#include "platform/os/RemovableDrives.h"
#include "platform/ui/TForm.h"

class TButton;
class TCheckBox;
class TComboBox;
class TIBDatabase;
class TLabel;
class TPageControl;
class TPanel;
class TProgressBar;
class TSpinEdit;
class TTabSheet;
class TZipHeaderInfo;
class TZipWriter;

// Sender, the archive (backup) or the restored file (restore), Cancel.
using TBackupRestoreEvent = TEvent<TObject*, const QString&, bool&>;

class TfrmBackupRestore : public TForm {
    Q_OBJECT
public:
    enum Mode { ModeBackup = 0, ModeRestore = 1 };

    explicit TfrmBackupRestore(TComponent* owner);
    ~TfrmBackupRestore() override;

    // Shows the page of mode with defaultFileName proposed; runs modally.
    TModalResult Executa(TIBDatabase* database, const QString& defaultFileName, int mode);
    // Prepares the window as Executa does, without showing it (tests).
    void Prepare(TIBDatabase* database, const QString& defaultFileName, int mode);

    // The archive written or read by the last successful run; empty otherwise.
    const QString& UsedFileName() const { return m_usedFileName; }

    // The drives on which a further disk is asked for (the system's unless set).
    void SetDrives(const RemovableDrives& drives) { m_drives = drives; }

    TBackupRestoreEvent OnDialogBackup;
    TBackupRestoreEvent OnDialogRestore;

    void btnBkpClick(TObject* sender);
    void btnRestoreClick(TObject* sender);
    void btnLocalizarClick(TObject* sender);
    void btnAbortClick(TObject* sender);
    void cboBakChange(TObject* sender);
    void cboResChange(TObject* sender);
    void chkPartesClick(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);

    TPageControl* pcKind;
    TTabSheet* tabBackup;
    TTabSheet* atbRestore;
    TComboBox* cboBak;
    TButton* btnLocalizarBkp;
    TCheckBox* chkPartes;
    TSpinEdit* sePartes;
    TComboBox* cboRes;
    TButton* btnLocalizarRes;
    TPanel* pnBotoes;
    TButton* btnFechar;
    TButton* btnAbort;
    TButton* btnBkp;
    TButton* btnRestore;
    TPanel* pnlCopia;
    TLabel* lblStatus;
    TProgressBar* ggPercent;
    TZipWriter* bkpZip;

private:
    void BuildBackupPage();
    void BuildRestorePage();
    void BuildStatusAndButtons();
    void BuildZip();
    void Backup(const QString& target);
    void Restore(const QString& archive);
    void SetStatus(const QString& text);
    void Running(bool running, TButton* button);
    bool Aborted() const { return m_abort; }
    void bkpZipStartZip(TObject* sender, const QString& name, TZipHeaderInfo& header, bool& skip);
    void bkpZipTotalPercentDone(TObject* sender, int percent);
    void bkpZipEndZip(TObject* sender, const QString& name, qint64 size, qint64 compressed, qint64 zipSize);
    void bkpZipNoSuchFile(TObject* sender, const QString& name);
    // The next disk (asked for on a removable drive) or the next piece:
    // the name with the extension "." + the disk number in three digits.
    void bkpZipGetNextDisk(TObject* sender, int nextDisk, QString& fileName);

    TIBDatabase* m_database = nullptr;
    QString m_defaultFileName;
    QString m_usedFileName;
    bool m_abort = false;
    RemovableDrives m_drives;
};
