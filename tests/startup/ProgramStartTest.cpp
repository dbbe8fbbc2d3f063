// The program block run in this process: a scripted prompter answers, the
// program folder and the single-instance lock live in a temporary folder.

#include "startup/ProgramStart.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "core/data/TDMDefGeral.h"
#include "platform/os/SingleInstanceGuard.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TQtPrompter.h"
#include "startup/TFrmSplash.h"
#include "startup/TfrmDef.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/application/TitledPicture.h"
#include "tests/support/database/ProgramFolder.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>

namespace {

class ProgramStartTest : public ::testing::Test {
protected:
    ProgramStartTest() {
        inicio.ProgramFolder = programa.Path();
        inicio.InstanceFolder = pasta.filePath(QStringLiteral("instancia"));
    }
    ~ProgramStartTest() override {
        // Everything the start made goes, last made first; the screen stays.
        while (Application->ComponentCount() > 1)
            delete Application->Components(Application->ComponentCount() - 1);
    }
    QString Banco() const { return programa.Database(); }
    void CopiaBanco() { ASSERT_TRUE(programa.CopyDatabase()); }
    void NadaDepoisDoModuloGeral(int codigoSaida = ProgramStart::StartFailedExit) {
        EXPECT_EQ(DMDefBasica, nullptr);
        EXPECT_EQ(DMDef, nullptr);
        EXPECT_EQ(DMDefAux, nullptr);
        ASSERT_NE(frmDef, nullptr);
        EXPECT_FALSE(frmDef->Widget()->isVisible());
        EXPECT_FALSE(inicio.Splash()->Widget()->isVisible());
        EXPECT_EQ(inicio.ExitCode(), codigoSaida);
    }

    QTemporaryDir pasta;
    ProgramFolder programa;
    ScriptedPrompter prompter;
    ProgramStart inicio;
};

} // namespace

TEST_F(ProgramStartTest, AFailingGeneralModuleStopsTheStartBeforeAnyOtherModule) {
    QStringList ordem;
    inicio.MakeGeneralModule = [&](TComponent* owner) {
        ordem << QStringLiteral("geral");
        EXPECT_NE(frmDef, nullptr);
        EXPECT_EQ(Application->MainForm(), frmDef);
        EXPECT_TRUE(inicio.Splash()->Widget()->isVisible());
        EXPECT_EQ(Application->Title(), QStringLiteral("ZEB-ICMS"));
        auto* geral = new TDMDefGeral(owner);
        geral->SetProgramFolder(pasta.filePath(QStringLiteral("vazia"))); // no database there
        geral->DataModuleCreate();
        return geral;
    };
    prompter.Answer(mrOk);
    EXPECT_FALSE(inicio.Start());
    EXPECT_EQ(ordem, QStringList{QStringLiteral("geral")});
    NadaDepoisDoModuloGeral();
    EXPECT_TRUE(Application->Terminated());
}

TEST_F(ProgramStartTest, AMissingDatabaseIsReportedAndTheRunEnds) {
    prompter.Answer(mrOk);
    EXPECT_FALSE(inicio.Start());
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_EQ(prompter.Last().Text, QStringLiteral("O arquivo do banco de dados não foi encontrado:\r") +
                                        Banco() + QStringLiteral("\r\rO sistema será encerrado..."));
    NadaDepoisDoModuloGeral();
}

TEST_F(ProgramStartTest, AFileThatIsNoDatabaseIsReportedAndTheRunEnds) {
    {
        QFile arquivo(Banco());
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write("isto nao e um banco de dados");
    }
    prompter.Answer(mrOk);
    EXPECT_FALSE(inicio.Start());
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_TRUE(prompter.Last().Text.startsWith(QStringLiteral("Não foi possível efetuar a conexão")));
    NadaDepoisDoModuloGeral();
}

TEST_F(ProgramStartTest, ASecondCopyWarnsAsksTheFirstForwardAndEnds) {
    SingleInstanceGuard primeira(QStringLiteral("TfrmDef"), inicio.InstanceFolder);
    ASSERT_TRUE(primeira.TryAcquire());
    bool chamada = false;
    QObject::connect(&primeira, &SingleInstanceGuard::ActivationRequested, [&] { chamada = true; });
    Application->SetTitle(QString()); // as a fresh run has it
    prompter.Answer(mrOk);
    EXPECT_FALSE(inicio.Start());
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_EQ(prompter.Last().Caption, QStringLiteral("ZEB-ICMS"));
    EXPECT_EQ(prompter.Last().Text, QStringLiteral("Esta aplicação já se encontra ativa neste computador."));
    EXPECT_EQ(prompter.Last().Icon, TMsgDlgType::mtWarning);
    EXPECT_EQ(prompter.Last().Buttons, std::vector<TMsgDlgBtn>{TMsgDlgBtn::mbOK});
    EXPECT_EQ(frmDef, nullptr); // nothing was created
    EXPECT_EQ(DMDefGeral, nullptr);
    EXPECT_FALSE(Application->ShowMainForm());
    EXPECT_EQ(inicio.ExitCode(), ProgramStart::NormalExit);
    for (int i = 0; i < 100 && !chamada; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    EXPECT_TRUE(chamada);
    Application->SetShowMainForm(true);
}

TEST_F(ProgramStartTest, TheSecondStartWarningCarriesTheProgramsTitle) {
    SingleInstanceGuard primeira(QStringLiteral("TfrmDef"), inicio.InstanceFolder);
    ASSERT_TRUE(primeira.TryAcquire());
    Application->SetTitle(QString()); // as a fresh run has it
    TQtPrompter janelas;
    TPrompter::Install instala(janelas);
    QString titulo;
    QTimer::singleShot(0, [&titulo] {
        auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(caixa, nullptr);
        titulo = caixa->windowTitle();
        const QString pasta = QStringLiteral(ZEB_BUILD_DIR "/screenshots");
        QDir().mkpath(pasta);
        EXPECT_TRUE(TitledPicture(caixa).save(pasta + QStringLiteral("/second-start-warning.png")));
        QTest::keyClick(caixa, Qt::Key_Return);
    });
    EXPECT_FALSE(inicio.Start());
    EXPECT_EQ(titulo, QStringLiteral("ZEB-ICMS"));
}

TEST_F(ProgramStartTest, AGoodStartCreatesEveryModuleBacksUpAndRendersTheMainWindow) {
    CopiaBanco();
    EXPECT_TRUE(inicio.Start());
    EXPECT_EQ(prompter.Count(), 0);
    ASSERT_NE(DMDefGeral, nullptr);
    EXPECT_TRUE(DMDefGeral->ibDBDef->Connected());
    EXPECT_NE(DMDefBasica, nullptr);
    EXPECT_NE(DMDef, nullptr);
    EXPECT_NE(DMDefAux, nullptr);
    EXPECT_FALSE(inicio.Splash()->Widget()->isVisible());
    EXPECT_EQ(QDir(inicio.ProgramFolder + QStringLiteral("/Backup")).entryList(QDir::Files),
              QStringList{QStringLiteral("dbdef.gbk")});
    // The auxiliary module is the last one made.
    EXPECT_EQ(Application->Components(Application->ComponentCount() - 1), DMDefAux);

    // The main window as the message loop shows it, rendered for the record.
    frmDef->Show();
    frmDef->SetWindowState(TWindowState::wsNormal);
    frmDef->Widget()->resize(1024, 700);
    Application->ProcessMessages();
    const QString pastaImagens = QStringLiteral(ZEB_BUILD_DIR) + QStringLiteral("/screenshots");
    QDir().mkpath(pastaImagens);
    const QImage imagem = frmDef->Widget()->grab().toImage();
    EXPECT_TRUE(imagem.save(pastaImagens + QStringLiteral("/main-window.png")));
    // The client area fills the window between the menu bar and the status bar.
    EXPECT_EQ(imagem.size(), QSize(1024, 700));
    EXPECT_LT(frmDef->ClientWidget()->y(), 40);
    EXPECT_GT(frmDef->MdiArea()->height(), 600);
    EXPECT_EQ(frmDef->MdiArea()->background().style(), Qt::TexturePattern);
    // The authority's name stays on the right half, whole.
    const QRect nome = frmDef->AuthorityNameLabel()->Widget()->geometry();
    const int largura = frmDef->MdiArea()->viewport()->width();
    EXPECT_GT(nome.left(), largura / 2);
    EXPECT_LE(nome.right(), largura) << nome.left() << " " << nome.width();
    EXPECT_TRUE(frmDef->AuthorityNameLabel()->Widget()->isVisible());

    // The program's icon, not the toolkit's, on the main window and on a
    // document window's title bar.
    const qint64 icone = QApplication::windowIcon().cacheKey();
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_EQ(frmDef->Widget()->windowIcon().cacheKey(), icone);
    ASSERT_TRUE(frmDef->acUFs->Execute());
    Application->ProcessMessages();
    ASSERT_EQ(frmDef->MDIChildCount(), 1);
    EXPECT_EQ(frmDef->MdiArea()->subWindowList().value(0)->windowIcon().cacheKey(), icone);
    EXPECT_TRUE(frmDef->Widget()->grab().save(pastaImagens + QStringLiteral("/program-icon.png")));
}

// ---- the backup window, signals, a lost connection ------------------------------------

namespace {

// The module of the program, as the program block makes it, with `durante`
// run between the backup's lines before the program's own handling.
TDMDefGeral* ModuloComVigia(ProgramStart& inicio, const std::function<void()>& durante) {
    auto* modulo = Application->CreateForm<TDMDefGeral>();
    inicio.PrepareGeneralModule(modulo);
    const std::function<bool()> doPrograma = modulo->ProcessEvents;
    modulo->ProcessEvents = [durante, doPrograma] {
        durante();
        return doPrograma();
    };
    modulo->DataModuleCreate();
    return modulo;
}

} // namespace

TEST_F(ProgramStartTest, WhileTheBackupRunsItsWindowAloneAnswersAndCannotBeClosed) {
    CopiaBanco();
    int linhas = 0;
    int modal = 0;
    inicio.MakeGeneralModule = [&](TComponent*) {
        return ModuloComVigia(inicio, [&] {
            ++linhas;
            QWidget* janela = QApplication::activeModalWidget();
            if (janela && janela->objectName() == QStringLiteral("frmAutoBackup") && janela->isVisible())
                ++modal;
            if (linhas == 1 && janela) {
                janela->close(); // the user tries to close it
                EXPECT_TRUE(janela->isVisible());
            }
        });
    };
    EXPECT_TRUE(inicio.Start());
    EXPECT_EQ(prompter.Count(), 0);
    EXPECT_GT(linhas, 20);
    EXPECT_EQ(modal, linhas);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr); // gone with the backup
    EXPECT_TRUE(DMDefGeral->ibDBDef->Connected());
}

TEST_F(ProgramStartTest, ASignalDuringTheBackupStopsItAndNoWindowOpens) {
    CopiaBanco();
    int linhas = 0;
    inicio.MakeGeneralModule = [&](TComponent*) {
        return ModuloComVigia(inicio, [&] {
            if (++linhas == 2)
                ::raise(SIGTERM);
        });
    };
    EXPECT_FALSE(inicio.Start());
    EXPECT_LT(linhas, 10); // stopped, not finished
    EXPECT_EQ(prompter.Count(), 0);
    NadaDepoisDoModuloGeral(ProgramStart::SignalExit + SIGTERM);
    ASSERT_NE(DMDefGeral, nullptr);
    EXPECT_FALSE(DMDefGeral->ibDBDef->Connected());
    // Nothing of the backup is left behind.
    EXPECT_TRUE(QDir(inicio.ProgramFolder + QStringLiteral("/Backup")).entryList(QDir::Files).isEmpty());
}

TEST_F(ProgramStartTest, AConnectionThatIsGoneNeverGetsAMainWindow) {
    CopiaBanco();
    inicio.MakeGeneralModule = [&](TComponent* owner) {
        auto* geral = new TDMDefGeral(owner);
        geral->SetProgramFolder(inicio.ProgramFolder);
        geral->DataModuleCreate();
        geral->ibDBDef->Close(); // as the engine would drop it
        return geral;
    };
    prompter.Answer(mrOk);
    EXPECT_FALSE(inicio.Start());
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_TRUE(prompter.Last().Text.contains(QStringLiteral("a conexão foi perdida")));
    EXPECT_TRUE(prompter.Last().Text.endsWith(QStringLiteral("O sistema será encerrado...")));
    NadaDepoisDoModuloGeral();
}

TEST_F(ProgramStartTest, ALockThatCannotBeMadeIsReportedAndTheRunEnds) {
    QDir().mkpath(inicio.InstanceFolder);
    QFile::setPermissions(inicio.InstanceFolder, QFileDevice::Permissions(0x7777)); // open to all
    prompter.Answer(mrOk);
    EXPECT_FALSE(inicio.Start());
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_EQ(prompter.Last().Caption, QStringLiteral("Erro"));
    EXPECT_TRUE(prompter.Last().Text.contains(inicio.InstanceFolder)) << prompter.Last().Text.toStdString();
    EXPECT_FALSE(prompter.Last().Text.contains(QStringLiteral("já se encontra ativa")));
    EXPECT_EQ(frmDef, nullptr);
    EXPECT_EQ(DMDefGeral, nullptr);
    EXPECT_EQ(inicio.ExitCode(), ProgramStart::StartFailedExit);
    Application->SetShowMainForm(true);
}

TEST_F(ProgramStartTest, ARefusedReconnectionEndsTheRunningProgram) {
    if (Application->Terminated())
        GTEST_SKIP() << "an earlier test in this process ended the application's run";
    CopiaBanco();
    ASSERT_TRUE(inicio.Start());
    // As after a restore: the data now in the file are too old for the program.
    prompter.Answer(mrOk).Answer(mrOk);
    bool reconectou = true;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(DMDefGeral->ExecutaSQL(
            QStringLiteral("UPDATE PARAMETROS_DEF SET TX_PARAM1 = '0.3.2.3' WHERE ID_PARAMETRO = 1")));
        DMDefGeral->ibDBDef->Close();
        reconectou = DMDefGeral->ConectaBanco();
    });
    QTimer espera;
    espera.setSingleShot(true);
    QObject::connect(&espera, &QTimer::timeout, [] { QCoreApplication::quit(); });
    espera.start(30000);
    Application->Run();
    EXPECT_TRUE(espera.isActive()) << "the loop ran on without its database";
    EXPECT_FALSE(reconectou);
    EXPECT_TRUE(Application->Terminated());
    EXPECT_FALSE(DMDefGeral->ibDBDef->Connected());
    ASSERT_EQ(prompter.Count(), 2);
    EXPECT_EQ(prompter.Last().Text, QStringLiteral("O sistema será encerrado..."));
}
