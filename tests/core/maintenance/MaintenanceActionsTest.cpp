// The main window's backup, restore and repair actions over the general data
// module: refusals while document windows are open, reconnection, and the
// data fix-ups after a restore of version "0.3.3.4" only.
#include "core/maintenance/MaintenanceActions.h"
#include "core/data/TDMDefGeral.h"
#include "core/maintenance/TIBBackupRestore.h"
#include "core/maintenance/TIBRepair.h"
#include "platform/base/SystemClock.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TForm.h"
#include "tests/core/maintenance/MaintenanceFixture.h"
#include "tests/support/QStringPrinter.h"

#include <QDir>
#include <QFile>
#include <memory>

namespace {

const QString Ocorrencia =
    QStringLiteral("SELECT COUNT(*) FROM FUNDAMENTACAO_LEGAL_DEF WHERE SQ_OCORRENCIA_DEF = 276");
const QString Campo = QStringLiteral("SELECT NU_TAMANHO_CAMPO FROM CAMPOS_DEF WHERE SQ_CAMPO = 204");

class MaintenanceActionsTest : public MaintenanceFixture {
protected:
    MaintenanceActionsTest() {
        principal.SetFormStyle(TFormStyle::fsMDIForm);
        geral.SetProgramFolder(ProgramFolder());
        EXPECT_TRUE(geral.ConectaBanco());
        backup.SetIBDatabase(geral.ibDBDef);
        repair.SetIBDatabase(geral.ibDBDef);
        repair.WaitOverride = [](int) {};
        repair.EndApplication = [this] { ++m_ended; };
    }
    ~MaintenanceActionsTest() override {
        delete &principal;
        if (geral.ibDBDef->Connected())
            geral.ibDBDef->Close();
    }

    // An archive of a copy of the live data at version, lacking the
    // occurrence 276 and with field 204 nine wide.
    QString ArchiveAt(const QString& version) {
        const QString copy = Scratch(QStringLiteral("dbdef.gdb"));
        QFile::remove(copy);
        EXPECT_TRUE(QFile::copy(Live(), copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        Execute(copy,
                {QStringLiteral("DELETE FROM FUNDAMENTACAO_LEGAL_DEF_HIST WHERE SQ_OCORRENCIA_DEF = 276"),
                 QStringLiteral("DELETE FROM FUNDAMENTACAO_LEGAL_DEF WHERE SQ_OCORRENCIA_DEF = 276"),
                 QStringLiteral("UPDATE CAMPOS_DEF SET NU_TAMANHO_CAMPO = 9 WHERE SQ_CAMPO = 204"),
                 QStringLiteral("UPDATE PARAMETROS_DEF SET TX_PARAM1 = '%1' WHERE ID_PARAMETRO = 1")
                     .arg(version)});
        const QString archive = Scratch(QStringLiteral("copia-%1.zip").arg(version));
        PythonZip(archive, {copy});
        return archive;
    }

    // The restore dialog picks archive and restores it.
    void RestoreDialogPicks(const QString& archive) {
        backup.RunDialog = [this, archive](TfrmBackupRestore* dialog, int mode) {
            EXPECT_EQ(mode, TfrmBackupRestore::ModeRestore);
            EXPECT_EQ(dialog->cboRes->Text(), QDir::homePath() + QLatin1Char('/'));
            dialog->cboRes->SetText(archive);
            prompter.Answer(mrOk);
            dialog->btnRestoreClick(dialog->btnRestore);
            return mrOk;
        };
    }

    // The application's main form, so that document windows can open in it.
    TForm& principal = *Application->CreateForm<TForm>();
    TDMDefGeral geral;
    TIBBackupRestore backup{nullptr};
    TIBRepair repair{nullptr};
    MaintenanceActions actions{principal, geral, backup, repair};
    int m_ended = 0;
};

TEST_F(MaintenanceActionsTest, ARestoreOfVersion0334GetsTheFixUps) {
    RestoreDialogPicks(ArchiveAt(QStringLiteral("0.3.3.4")));
    prompter.Answer(mrOk);
    EXPECT_TRUE(actions.RestoreBackup());
    EXPECT_EQ(prompter.Last().Text,
              QStringLiteral("Restauração da cópia de segurança efetuada com sucesso."));
    EXPECT_TRUE(geral.ibDBDef->Connected());
    geral.ibDBDef->Close();
    EXPECT_EQ(Scalar(Live(), Ocorrencia), QStringLiteral("1"));
    EXPECT_EQ(Scalar(Live(), Campo), QStringLiteral("6"));
}

TEST_F(MaintenanceActionsTest, ARestoreOfAnotherVersionGetsNoFixUp) {
    RestoreDialogPicks(ArchiveAt(QStringLiteral("0.3.3.5")));
    prompter.Answer(mrOk);
    EXPECT_TRUE(actions.RestoreBackup());
    geral.ibDBDef->Close();
    EXPECT_EQ(Scalar(Live(), Ocorrencia), QStringLiteral("0"));
    EXPECT_EQ(Scalar(Live(), Campo), QStringLiteral("9"));
}

TEST_F(MaintenanceActionsTest, AFailedRestoreClaimsNoSuccessAndReconnects) {
    const QString archive = Scratch(QStringLiteral("ruim.zip"));
    WriteAll(archive, "nada");
    RestoreDialogPicks(archive);
    EXPECT_FALSE(actions.RestoreBackup());
    EXPECT_EQ(prompter.Last().Icon, TMsgDlgType::mtError);
    EXPECT_NE(prompter.Last().Text, MaintenanceActions::RestoreText);
    EXPECT_TRUE(geral.ibDBDef->Connected());
}

TEST_F(MaintenanceActionsTest, BackupProposesAnArchiveInTheHomeFolderAndReconnects) {
    EXPECT_EQ(MaintenanceActions::DefaultBackupName(QDateTime(QDate(2024, 1, 31), QTime(23, 59, 59))),
              QDir::homePath() + QStringLiteral("/BkpZeb20240131235959.zip"));
    const QString archive = Scratch(QStringLiteral("copia.zip"));
    backup.RunDialog = [&](TfrmBackupRestore* dialog, int mode) {
        EXPECT_EQ(mode, TfrmBackupRestore::ModeBackup);
        EXPECT_TRUE(dialog->cboBak->Text().startsWith(QDir::homePath() + QStringLiteral("/BkpZeb")));
        EXPECT_FALSE(geral.ibDBDef->Connected());
        dialog->cboBak->SetText(archive);
        prompter.Answer(mrOk);
        dialog->btnBkpClick(dialog->btnBkp);
        return mrOk;
    };
    actions.MakeBackup();
    EXPECT_EQ(backup.UsedFileName(), archive);
    EXPECT_TRUE(QFile::exists(archive));
    EXPECT_TRUE(geral.ibDBDef->Connected());
}

TEST_F(MaintenanceActionsTest, TheProposedArchiveIsNamedByTheProgramsClock) {
    const QDateTime moment(QDate(2011, 2, 3), QTime(4, 5, 6));
    SystemClock::Fix([moment] { return moment; });
    QString proposed;
    backup.RunDialog = [&](TfrmBackupRestore* dialog, int) {
        proposed = dialog->cboBak->Text();
        return mrCancel;
    };
    actions.MakeBackup();
    SystemClock::Fix(nullptr);
    EXPECT_EQ(proposed, MaintenanceActions::DefaultBackupName(moment));
}

TEST_F(MaintenanceActionsTest, NothingRunsWhileADocumentWindowIsOpen) {
    TForm* filho = TForm::Create<TForm>(&principal);
    filho->SetFormStyle(TFormStyle::fsMDIChild);
    filho->Show();
    ASSERT_EQ(principal.MDIChildCount(), 1);
    backup.RunDialog = [](TfrmBackupRestore*, int) {
        ADD_FAILURE() << "no dialog while a window is open";
        return mrCancel;
    };
    for (auto action : {&MaintenanceActions::MakeBackup, &MaintenanceActions::RepairDatabaseFile}) {
        prompter.Answer(mrOk);
        (actions.*action)();
        EXPECT_EQ(prompter.Last().Text, MaintenanceActions::OpenWindowsText);
        EXPECT_EQ(prompter.Last().Caption, QStringLiteral("Erro"));
    }
    prompter.Answer(mrOk);
    EXPECT_FALSE(actions.RestoreBackup());
    EXPECT_EQ(prompter.Last().Text, MaintenanceActions::OpenWindowsText);
    EXPECT_EQ(m_ended, 0);
    EXPECT_TRUE(geral.ibDBDef->Connected());
    delete filho;
}

TEST_F(MaintenanceActionsTest, RepairShowsItsSuccessAndEndsTheRun) {
    prompter.Answer(mrOk);
    actions.RepairDatabaseFile();
    EXPECT_EQ(prompter.Count(), 1);
    EXPECT_TRUE(prompter.Last().Text.startsWith(TIBRepair::SuccessText));
    EXPECT_EQ(m_ended, 1);
}

TEST_F(MaintenanceActionsTest, TheRestoreCheckOpensTheFileBare) {
    bool cancel = true;
    MaintenanceActions::CheckRestoredFile(nullptr, Live(), cancel);
    EXPECT_FALSE(cancel);
    const QString text = Scratch(QStringLiteral("texto.gdb"));
    WriteAll(text, QByteArray(4096, 't'));
    MaintenanceActions::CheckRestoredFile(nullptr, text, cancel);
    EXPECT_TRUE(cancel);
}

} // namespace
