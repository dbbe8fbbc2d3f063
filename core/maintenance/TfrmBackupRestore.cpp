#include "core/maintenance/TfrmBackupRestore.h"

#include "core/maintenance/BackupToArchive.h"
#include "core/maintenance/MessageDlg.h"
#include "core/maintenance/RestoreFromArchive.h"
#include "core/util/FileRoutines.h"
#include "platform/base/TPrompter.h"
#include "platform/db/TIBDatabase.h"
#include "platform/os/LocalPath.h"
#include "platform/os/TempPaths.h"
#include "platform/ui/ControlFont.h"
#include "platform/ui/ControlLayout.h"
#include "platform/ui/Make.h"
#include "platform/ui/ShowMessage.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPageControl.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TProgressBar.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TSpinEdit.h"
#include "platform/ui/TTabSheet.h"
#include "zip/TZipWriter.h"
#include "zip/ZipExceptions.h"
#include "zip/ZipFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRect>

namespace {

constexpr int ClientWidthPixels = 349;
constexpr int ClientHeightPixels = 290;
constexpr qint64 Megabyte = 1024 * 1024;
// A floppy's room, the size proposed for pieces.
constexpr int DefaultPieceMB = 1;
constexpr int MaximumPieceMB = 4095;

QString PathOf(const QString& text) {
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() ? trimmed : LocalPath::FromWindows(trimmed);
}

} // namespace

TfrmBackupRestore::TfrmBackupRestore(TComponent* owner) : TForm(owner) {
    SetName(QStringLiteral("frmBackupRestore"));
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons(biSystemMenu);
    SetCaption(QStringLiteral("Backup"));
    SetClientWidth(ClientWidthPixels);
    SetClientHeight(ClientHeightPixels);
    SetPosition(TPosition::poMainFormCenter);
    OnCloseQuery = TCloseQueryEvent(this, &TfrmBackupRestore::FormCloseQuery);

    pcKind = Make<TPageControl>(this, QStringLiteral("pcKind"), this);
    pcKind->SetBounds(0, 0, ClientWidthPixels, 196);
    tabBackup = Make<TTabSheet>(this, QStringLiteral("tabBackup"));
    tabBackup->SetPageControl(pcKind);
    tabBackup->SetTabVisible(false);
    atbRestore = Make<TTabSheet>(this, QStringLiteral("atbRestore"));
    atbRestore->SetPageControl(pcKind);
    atbRestore->SetTabVisible(false);

    BuildBackupPage();
    BuildRestorePage();
    BuildStatusAndButtons();
    BuildZip();
}

TfrmBackupRestore::~TfrmBackupRestore() = default;

void TfrmBackupRestore::BuildBackupPage() {
    MakeWrappedLabel(
        this, tabBackup, QStringLiteral("lblBkpTexto"),
        QStringLiteral("Esta rotina irá realizar uma cópia de segurança dos seus dados. Selecione a unidade "
                       "de disco onde será colocado o arquivo de backup."),
        QRect(8, 4, 333, 42));
    SetBold(MakeWrappedLabel(this, tabBackup, QStringLiteral("lblBkpAtencao"), QStringLiteral("ATENÇÃO"),
                             QRect(8, 48, 333, 16)));
    MakeWrappedLabel(
        this, tabBackup, QStringLiteral("lblBkpAviso"),
        QStringLiteral("Caso esteja ocorrendo algum problema com a sua base de dados, não realize o backup, "
                       "pois isto irá destruir a base íntegra."),
        QRect(8, 64, 333, 42));
    MakeWrappedLabel(this, tabBackup, QStringLiteral("lblBkpArquivo"), QStringLiteral("Arquivo de Backup:"),
                     QRect(8, 110, 200, 16));
    cboBak = Make<TComboBox>(this, QStringLiteral("cboBak"), tabBackup);
    cboBak->SetBounds(8, 128, 300, 21);
    cboBak->SetText(QStringLiteral("A:\\"));
    cboBak->OnChange = TNotifyEvent(this, &TfrmBackupRestore::cboBakChange);
    btnLocalizarBkp = MakeButton(this, tabBackup, QStringLiteral("btnLocalizarBkp"), QStringLiteral("..."),
                                 QRect(312, 128, 25, 21));
    btnLocalizarBkp->SetTag(1);
    btnLocalizarBkp->OnClick = TNotifyEvent(this, &TfrmBackupRestore::btnLocalizarClick);
    chkPartes = Make<TCheckBox>(this, QStringLiteral("chkPartes"), tabBackup);
    chkPartes->SetCaption(QStringLiteral("Dividir em partes de (MB):"));
    chkPartes->SetBounds(8, 158, 200, 21);
    chkPartes->OnClick = TNotifyEvent(this, &TfrmBackupRestore::chkPartesClick);
    sePartes = Make<TSpinEdit>(this, QStringLiteral("sePartes"), tabBackup);
    sePartes->SetMinValue(1);
    sePartes->SetMaxValue(MaximumPieceMB);
    sePartes->SetValue(DefaultPieceMB);
    sePartes->SetBounds(212, 158, 96, 21);
    sePartes->SetEnabled(false);
}

void TfrmBackupRestore::BuildRestorePage() {
    MakeWrappedLabel(
        this, atbRestore, QStringLiteral("lblResTexto"),
        QStringLiteral("Esta rotina irá realizar a recuperação dos seus dados. Selecione a unidade de disco "
                       "onde está o backup."),
        QRect(8, 4, 333, 42));
    SetBold(MakeWrappedLabel(this, atbRestore, QStringLiteral("lblResAtencao"), QStringLiteral("ATENÇÃO"),
                             QRect(8, 48, 333, 16)));
    MakeWrappedLabel(
        this, atbRestore, QStringLiteral("lblResAviso"),
        QStringLiteral("Você irá substituir a atual base de dados pela contida no backup. Todos os dados "
                       "entrados a partir do último backup serão perdidos e substituidos pelos dados "
                       "armazenados no backup."),
        QRect(8, 64, 333, 56));
    MakeWrappedLabel(this, atbRestore, QStringLiteral("lblResArquivo"), QStringLiteral("Arquivo de Backup:"),
                     QRect(8, 124, 200, 16));
    cboRes = Make<TComboBox>(this, QStringLiteral("cboRes"), atbRestore);
    cboRes->SetBounds(8, 142, 300, 21);
    cboRes->OnChange = TNotifyEvent(this, &TfrmBackupRestore::cboResChange);
    btnLocalizarRes = MakeButton(this, atbRestore, QStringLiteral("btnLocalizarRes"), QStringLiteral("..."),
                                 QRect(312, 142, 25, 21));
    btnLocalizarRes->SetTag(2);
    btnLocalizarRes->OnClick = TNotifyEvent(this, &TfrmBackupRestore::btnLocalizarClick);
}

void TfrmBackupRestore::BuildStatusAndButtons() {
    pnlCopia = Make<TPanel>(this, QStringLiteral("pnlCopia"), this);
    pnlCopia->SetCaption(QString());
    pnlCopia->SetBounds(0, 196, ClientWidthPixels, 56);
    lblStatus = MakeWrappedLabel(this, pnlCopia, QStringLiteral("lblStatus"), QStringLiteral("Status"),
                                 QRect(8, 4, 333, 28));
    ggPercent = Make<TProgressBar>(this, QStringLiteral("ggPercent"), pnlCopia);
    ggPercent->SetBounds(8, 34, 333, 16);
    ggPercent->SetMin(0);
    ggPercent->SetMax(100);

    pnBotoes = Make<TPanel>(this, QStringLiteral("pnBotoes"), this);
    pnBotoes->SetCaption(QString());
    pnBotoes->SetBounds(0, 252, ClientWidthPixels, 38);
    btnFechar = MakeButton(this, pnBotoes, QStringLiteral("btnFechar"), QStringLiteral("&Fechar"),
                           QRect(266, 6, 75, 25));
    btnFechar->SetCancel(true);
    btnFechar->OnClick = TNotifyEvent::fromFunction([this](TObject*) { Close(); });
    btnAbort = MakeButton(this, pnBotoes, QStringLiteral("btnAbort"), QStringLiteral("&Abortar"),
                          QRect(186, 6, 75, 25));
    btnAbort->SetVisible(false);
    btnAbort->SetEnabled(false);
    btnAbort->OnClick = TNotifyEvent(this, &TfrmBackupRestore::btnAbortClick);
    btnBkp = MakeButton(this, pnBotoes, QStringLiteral("btnBkp"), QStringLiteral("&Backup"),
                        QRect(106, 6, 75, 25));
    btnBkp->SetDefault(true);
    btnBkp->SetEnabled(false);
    btnBkp->OnClick = TNotifyEvent(this, &TfrmBackupRestore::btnBkpClick);
    btnRestore = MakeButton(this, pnBotoes, QStringLiteral("btnRestore"), QStringLiteral("&Restaurar"),
                            QRect(106, 6, 75, 25));
    btnRestore->SetDefault(true);
    btnRestore->SetVisible(false);
    btnRestore->SetEnabled(false);
    btnRestore->OnClick = TNotifyEvent(this, &TfrmBackupRestore::btnRestoreClick);
}

void TfrmBackupRestore::BuildZip() {
    bkpZip = Make<TZipWriter>(this, QStringLiteral("bkpZip"));
    bkpZip->SetOverwriteMode(TUZOverwriteMode::Always);
    bkpZip->SetZipAction(TZipAction::zaReplace);
    bkpZip->MultiZipInfo().CheckDiskLabels = false;
    bkpZip->MultiZipInfo().WriteDiskLabels = false;
    bkpZip->SetMessagePump([] {
        if (Application)
            Application->ProcessMessages();
    });
    bkpZip->OnStartZip = TStartZipEvent(this, &TfrmBackupRestore::bkpZipStartZip);
    bkpZip->OnEndZip = TEndZipFileEvent(this, &TfrmBackupRestore::bkpZipEndZip);
    bkpZip->OnTotalPercentDone = TTotalPercentDone(this, &TfrmBackupRestore::bkpZipTotalPercentDone);
    bkpZip->OnNoSuchFile = TNoSuchFileEvent(this, &TfrmBackupRestore::bkpZipNoSuchFile);
    bkpZip->OnGetNextDisk = TGetNextDisk(this, &TfrmBackupRestore::bkpZipGetNextDisk);
}

void TfrmBackupRestore::Prepare(TIBDatabase* database, const QString& defaultFileName, int mode) {
    m_database = database;
    m_defaultFileName = defaultFileName;
    cboBak->SetText(defaultFileName);
    cboRes->SetText(defaultFileName);
    // Only the page of the mode shows: the tabs are hidden.
    pcKind->SetActivePageIndex(mode == ModeBackup ? 0 : 1);
    btnBkp->SetVisible(mode == ModeBackup);
    btnRestore->SetVisible(mode != ModeBackup);
    SetCaption(mode == ModeBackup ? QStringLiteral("Cópia de Segurança") : QStringLiteral("Restauração"));
    cboBakChange(cboBak);
    cboResChange(cboRes);
}

TModalResult TfrmBackupRestore::Executa(TIBDatabase* database, const QString& defaultFileName, int mode) {
    Prepare(database, defaultFileName, mode);
    return ShowModal();
}

void TfrmBackupRestore::cboBakChange(TObject*) {
    btnBkp->SetEnabled(!cboBak->Text().isEmpty());
}

void TfrmBackupRestore::cboResChange(TObject*) {
    btnRestore->SetEnabled(!cboRes->Text().isEmpty());
}

void TfrmBackupRestore::chkPartesClick(TObject*) {
    sePartes->SetEnabled(chkPartes->Checked());
}

void TfrmBackupRestore::btnLocalizarClick(TObject* sender) {
    const bool backup = static_cast<TComponent*>(sender)->Tag() == 1;
    TComboBox* combo = backup ? cboBak : cboRes;
    const QFileInfo atual(PathOf(combo->Text()));
    TPromptRequest request;
    request.Kind = backup ? TPromptKind::pkSaveFile : TPromptKind::pkOpenFile;
    request.Caption = QStringLiteral("Selecionar Arquivo");
    // A backup in pieces is restored from its first piece (name.001).
    request.Filter = backup ? QStringLiteral("Arquivos ZIP (*.zip)|*.zip")
                            : QStringLiteral("Arquivos ZIP e partes (*.zip, *.001, *.002, ...)|"
                                             "*.zip;*.[0-9][0-9][0-9]|Arquivos ZIP (*.zip)|*.zip");
    request.DefaultExt = QStringLiteral("zip");
    request.OverwritePrompt = false; // the backup asks itself, and keeps the old archive until the end
    request.InitialDir = atual.isDir() ? atual.absoluteFilePath() : atual.absolutePath();
    request.FileName = atual.isDir() ? QStringLiteral("*.zip") : atual.fileName();
    const TPromptResult answer = TPrompter::Current().Prompt(request);
    if (answer.Button != mrOk || answer.Path.isEmpty())
        return;
    combo->SetText(answer.Path);
    if (backup)
        cboBakChange(combo);
    else
        cboResChange(combo);
}

void TfrmBackupRestore::FormCloseQuery(TObject*, bool& canClose) {
    canClose = !btnAbort->Enabled();
}

void TfrmBackupRestore::btnAbortClick(TObject*) {
    m_abort = true;
    bkpZip->CancelOperation();
}

void TfrmBackupRestore::SetStatus(const QString& text) {
    lblStatus->SetCaption(text);
    lblStatus->Repaint();
}

void TfrmBackupRestore::Running(bool running, TButton* button) {
    button->SetEnabled(!running);
    btnAbort->SetVisible(running);
    btnAbort->SetEnabled(running);
    if (Screen)
        Screen->SetCursor(running ? crHourGlass : crDefault);
    if (running) {
        m_abort = false;
        ggPercent->SetPosition(0);
        m_usedFileName.clear();
    }
}

void TfrmBackupRestore::btnBkpClick(TObject*) {
    try {
        Backup(PathOf(cboBak->Text()));
    } catch (...) {
        Running(false, btnBkp);
        if (Application)
            Application->HandleException(this);
    }
}

void TfrmBackupRestore::Backup(const QString& target) {
    const QFileInfo info(target);
    if (target.isEmpty() || info.isDir() || info.fileName().isEmpty())
        throw Exception(QStringLiteral("Nome de arquivo inválido!"));
    const bool existe = info.exists();
    if (existe &&
        MessageDlg(QStringLiteral("O arquivo\r%1\rjá existe.\r\rDeseja sobrescrevê-lo?").arg(target),
                   TMsgDlgType::mtConfirmation,
                   {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbCancel}) != mrYes) {
        MessageDlg(QStringLiteral("Operação cancelada."), TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
        return;
    }
    // The archive is written beside the target first: that folder must take files.
    try {
        QFile::remove(TempPaths::CreateFile(BackupToArchive::StagingPrefix, QString(), info.absolutePath()));
    } catch (const Exception&) {
        MessageDlg(QStringLiteral("Não foi possível criar o arquivo %1.").arg(target), TMsgDlgType::mtError,
                   {TMsgDlgBtn::mbOK});
        return;
    }

    Running(true, btnBkp);
    SetStatus(QStringLiteral("Iniciando backup... Aguarde."));
    bool cancel = false;
    if (OnDialogBackup)
        OnDialogBackup(this, target, cancel);
    if (cancel) {
        SetStatus(QStringLiteral("Backup cancelado pelo usuário."));
        Running(false, btnBkp);
        return;
    }
    BackupToArchive backup(*m_database, *bkpZip);
    backup.Status = [this](const QString& line) {
        SetStatus(line);
        if (Application)
            Application->ProcessMessages();
    };
    backup.Cancelled = [this] { return Aborted(); };
    backup.PieceSize = chkPartes->Checked() ? sePartes->Value() * Megabyte : 0;
    QStringList written;
    try {
        written = backup.Run(target);
    } catch (const EUserCanceled&) {
        Running(false, btnBkp);
        SetStatus(QStringLiteral("Backup cancelado pelo usuário."));
        MessageDlg(QStringLiteral("Backup cancelado pelo usuário.") +
                       (existe ? QStringLiteral("\r\rO arquivo anterior foi mantido.") : QString()),
                   TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
        return;
    } catch (const Exception& e) {
        Running(false, btnBkp);
        SetStatus(QStringLiteral("Backup não realizado."));
        MessageDlg(QStringLiteral("Não foi possível gerar o arquivo de backup %1.\r\r").arg(target) +
                       e.Message() +
                       (existe ? QStringLiteral("\r\rO arquivo anterior foi mantido.") : QString()),
                   TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
        return;
    }
    Running(false, btnBkp);
    ggPercent->SetPosition(ggPercent->Max());
    const QString gerado = written.join(QStringLiteral("\"\r\""));
    MessageDlg(
        QStringLiteral("Backup completado.\rO seguinte arquivo foi gerado: \r\r\"%1\"\r\rGuarde-o num local "
                       "seguro.")
            .arg(gerado),
        TMsgDlgType::mtInformation, {TMsgDlgBtn::mbOK});
    SetStatus(QStringLiteral("Arquivo gerado: %1").arg(written.last()));
    m_usedFileName = written.last();
}

void TfrmBackupRestore::btnRestoreClick(TObject*) {
    const QString archive = PathOf(cboRes->Text());
    const QFileInfo info(archive);
    if (archive.size() <= 3 || cboRes->Text().trimmed() == QStringLiteral("C:\\") || info.isDir()) {
        ShowMessage(QStringLiteral("Favor selecionar o arquivo de backup "));
        return;
    }
    try {
        if (!info.isFile())
            throw Exception(QStringLiteral("Não foi possível abrir o arquivo %1").arg(archive));
        Restore(archive);
    } catch (...) {
        Running(false, btnRestore);
        try {
            throw;
        } catch (const Exception& e) {
            SetStatus(e.Message());
        } catch (...) {
        }
        if (Application)
            Application->HandleException(this);
    }
}

void TfrmBackupRestore::Restore(const QString& archive) {
    SetStatus(QStringLiteral("Iniciando restauração... Aguarde."));
    Running(true, btnRestore);
    RestoreFromArchive restore(*m_database, *bkpZip);
    restore.Status = [this](const QString& line) {
        SetStatus(line);
        if (Application)
            Application->ProcessMessages();
    };
    restore.Cancelled = [this] { return Aborted(); };
    restore.Refuse = [this](const QString& file) {
        bool cancel = false;
        if (OnDialogRestore)
            OnDialogRestore(this, file, cancel);
        return cancel;
    };
    const bool conectado = m_database->Connected();
    restore.Run(archive);
    const QString sucesso = QStringLiteral("Restauração completada com sucesso.");
    SetStatus(sucesso);
    Running(false, btnRestore);
    ggPercent->SetPosition(ggPercent->Max());
    MessageDlg(sucesso, TMsgDlgType::mtInformation, {TMsgDlgBtn::mbOK});
    m_usedFileName = archive;
    if (conectado && !m_database->Connected())
        m_database->Open();
}

void TfrmBackupRestore::bkpZipStartZip(TObject*, const QString&, TZipHeaderInfo&, bool&) {
    if (pcKind->ActivePageIndex() == ModeBackup)
        SetStatus(QStringLiteral("Compactando ") + cboBak->Text() + QStringLiteral("..."));
    else
        SetStatus(QStringLiteral("Restaurando ") + cboRes->Text() + QStringLiteral("..."));
}

void TfrmBackupRestore::bkpZipTotalPercentDone(TObject*, int percent) {
    ggPercent->SetPosition(percent);
    if (Application)
        Application->ProcessMessages();
}

void TfrmBackupRestore::bkpZipEndZip(TObject*, const QString&, qint64, qint64, qint64) {
    ggPercent->SetPosition(ggPercent->Max());
}

void TfrmBackupRestore::bkpZipNoSuchFile(TObject*, const QString& name) {
    MessageDlg(QStringLiteral("O arquivo %1 não foi encontrado.").arg(name), TMsgDlgType::mtError,
               {TMsgDlgBtn::mbOK});
}

void TfrmBackupRestore::bkpZipGetNextDisk(TObject*, int nextDisk, QString& fileName) {
    const QString drive = bkpZip->RootDir().isEmpty() ? fileName : bkpZip->RootDir();
    // Only a disk to be written must not be write-protected; pieces are also
    // read from media that take no writes.
    const bool writing = pcKind->ActivePageIndex() == ModeBackup;
    if (!PedeDisco(QFileInfo(drive).absolutePath(),
                   QStringLiteral("Por favor insira o disco %1:").arg(nextDisk), writing, m_drives)) {
        bkpZip->CancelOperation();
        fileName.clear();
        return;
    }
    fileName =
        ZipFiles::ReplaceExtension(fileName, QStringLiteral(".%1").arg(nextDisk, 3, 10, QLatin1Char('0')));
}
