// Backup, restore and repair run from the main window's menu on a started
// program: the dialog driven as a user would, every box recorded, the
// windows rendered for the record.

#include "core/data/TDMDefGeral.h"
#include "core/forms/TDatabaseTimeout.h"
#include "core/maintenance/TIBRepair.h"
#include "core/maintenance/TfrmBackupRestore.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TTimer.h"
#include "startup/ProgramStart.h"
#include "startup/TfrmDef.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/database/ProgramFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

class MaintenanceMenuTest : public ::testing::Test {
protected:
    MaintenanceMenuTest() {
        inicio.ProgramFolder = programa.Path();
        inicio.InstanceFolder = pasta.filePath(QStringLiteral("instancia"));
        EXPECT_TRUE(programa.CopyDatabase());
        QDir().mkpath(imagens);
    }
    ~MaintenanceMenuTest() override {
        Application->OnModalBegin = nullptr;
        while (Application->ComponentCount() > 1)
            delete Application->Components(Application->ComponentCount() - 1);
    }

    // The dialog, once shown modally, gets the file, its button is pressed,
    // it is rendered and closed.
    void Dirige(const QString& arquivo, const QString& imagem) {
        Application->OnModalBegin = TNotifyEvent::fromFunction([this, arquivo, imagem](TObject* sender) {
            auto* dialogo = dynamic_cast<TfrmBackupRestore*>(sender);
            if (!dialogo)
                return;
            const bool backup = dialogo->btnBkp->Visible();
            (backup ? dialogo->cboBak : dialogo->cboRes)->SetText(arquivo);
            prompter.Answer(mrOk);
            if (backup)
                dialogo->btnBkpClick(dialogo->btnBkp);
            else
                dialogo->btnRestoreClick(dialogo->btnRestore);
            Application->ProcessMessages();
            dialogo->Widget()->grab().save(imagens + imagem);
            dialogo->SetModalResult(mrOk);
        });
    }

    QString Contador() {
        EXPECT_TRUE(DMDefGeral->AbreConsulta(
            QStringLiteral("SELECT VL_PARAM1 FROM PARAMETROS_DEF WHERE ID_PARAMETRO = 3")));
        return DMDefGeral->cdsAuxiliar->Fields()[0]->AsString();
    }

    QTemporaryDir pasta;
    ProgramFolder programa;
    ScriptedPrompter prompter;
    ProgramStart inicio;
    const QString imagens = QStringLiteral(ZEB_BUILD_DIR) + QStringLiteral("/screenshots/");
};

TEST_F(MaintenanceMenuTest, BackupRestoreAndRepairRunFromTheMenu) {
    ASSERT_TRUE(inicio.Start());
    ASSERT_NE(frmDef, nullptr);
    const QString arquivo = pasta.filePath(QStringLiteral("BkpZeb.zip"));
    const QString antes = Contador();

    Dirige(arquivo, QStringLiteral("backup-dialog.png"));
    EXPECT_TRUE(frmDef->acGerarBkp->Execute());
    EXPECT_EQ(prompter.Last().Text, QStringLiteral("Backup completado.\rO seguinte arquivo foi gerado: "
                                                   "\r\r\"%1\"\r\rGuarde-o num local seguro.")
                                        .arg(arquivo));
    EXPECT_TRUE(DMDefGeral->ibDBDef->Connected());

    ASSERT_TRUE(DMDefGeral->ExecutaSQL(
        QStringLiteral("UPDATE PARAMETROS_DEF SET VL_PARAM1 = 999 WHERE ID_PARAMETRO = 3")));
    Dirige(arquivo, QStringLiteral("restore-dialog.png"));
    prompter.Answer(mrOk);
    EXPECT_TRUE(frmDef->acRestaurarBkp->Execute());
    ASSERT_GE(prompter.Count(), 2);
    EXPECT_EQ(prompter.Requests()[prompter.Count() - 2].Text,
              QStringLiteral("Restauração completada com sucesso."));
    EXPECT_EQ(prompter.Last().Text,
              QStringLiteral("Restauração da cópia de segurança efetuada com sucesso."));
    EXPECT_TRUE(DMDefGeral->ibDBDef->Connected());
    EXPECT_EQ(Contador(), antes);

    int encerrado = 0;
    frmDef->IBRepair->WaitOverride = [](int) {};
    frmDef->IBRepair->EndApplication = [&] { ++encerrado; };
    prompter.Answer(mrOk);
    EXPECT_TRUE(frmDef->acRepararDatabase->Execute());
    EXPECT_EQ(prompter.Last().Text,
              QStringLiteral("O reparador do Interbase para a base de dados foi executado com "
                             "sucesso!\nSe o problema persistir, utilize o último backup "
                             "confiável!"));
    EXPECT_EQ(encerrado, 1);
    // The template's idle time-out names no database and never runs.
    EXPECT_EQ(frmDef->dtApp->DatabaseName(), QString());
    EXPECT_EQ(frmDef->dtApp->Database(), nullptr);
    EXPECT_FALSE(frmDef->dtApp->Timer()->Enabled());
    EXPECT_EQ(frmDef->dtApp->DisconnectMsg(),
              QStringLiteral("A conexão com o Banco de Dados expirou. Por favor, conecte novamente"));
    for (const TPromptRequest& pedido : prompter.Requests())
        std::printf("[%s] %s\n", qPrintable(pedido.Caption),
                    qPrintable(QString(pedido.Text).replace('\r', '\n')));
}

} // namespace
