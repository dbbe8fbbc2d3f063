// The general data module at start-up: connection, server wait, data-version
// refusal, automatic backup, counters and the restore fix-ups, each on a
// fresh program folder (Dados/dbdef.gdb copied from the built database).

#include "core/data/TDMDef.h"
#include "core/data/TDMDefGeral.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBRestoreService.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"
#include "platform/os/ServerProbe.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/database/ProgramFolder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString Encerramento = QStringLiteral("O sistema será encerrado...");

// A server that is down; its guardian starts (or not) but never brings it up.
class ServidorParado : public ServerProbe {
public:
    explicit ServidorParado(bool guardiaoInicia) : m_guardiaoInicia(guardiaoInicia) {}
    bool ServerRunning() override { return false; }
    QString GuardianPath() override {
        return m_guardiaoInicia ? QStringLiteral("/opt/ib/ibguard") : QString();
    }
    bool StartGuardian(const QString& path) override {
        ++tentativas;
        return m_guardiaoInicia && !path.isEmpty();
    }
    void Wait(int milliseconds) override { esperas.push_back(milliseconds); }

    int tentativas = 0;
    std::vector<int> esperas;

private:
    bool m_guardiaoInicia;
};

// Whether process `pid`, an orphan this process took in as its subreaper,
// ends within 5 s; it is reaped here, so that the engine sees it gone.
bool Termina(const QByteArray& pid) {
    const QDeadlineTimer prazo(5000);
    while (::waitpid(pid.toInt(), nullptr, WNOHANG) == 0) {
        if (prazo.hasExpired())
            return false;
        QThread::msleep(10);
    }
    return true;
}

class InicioModuloGeral : public ::testing::Test {
protected:
    InicioModuloGeral() {
        EXPECT_TRUE(pasta.CopyDatabase());
        geral.SetProgramFolder(pasta.Path());
    }
    ~InicioModuloGeral() override {
        if (geral.ibDBDef->Connected())
            geral.ibDBDef->Close();
    }

    QString Banco() const { return pasta.Database(); }
    QString Backup() const { return pasta.FilePath(QStringLiteral("Backup/dbdef.gbk")); }
    QStringList ArquivosBackup() const {
        return QDir(pasta.FilePath(QStringLiteral("Backup"))).entryList(QDir::Files | QDir::Hidden);
    }
    // Runs a statement on the copy through a connection of its own.
    void Executa(const QString& sql) {
        TIBDatabase banco;
        banco.SetDatabaseName(Banco());
        banco.Open();
        TIBTransaction transacao;
        transacao.SetDefaultDatabase(&banco);
        TIBSQL comando;
        comando.SetDatabase(&banco);
        comando.SetTransaction(&transacao);
        transacao.StartTransaction();
        comando.SetSQLText(sql);
        comando.ExecQuery();
        comando.Close();
        transacao.Commit();
        banco.Close();
    }
    QString Consulta(const QString& sql) {
        EXPECT_TRUE(geral.AbreConsulta(sql)) << sql.toStdString();
        return geral.cdsAuxiliar->IsEmpty() ? QString() : geral.cdsAuxiliar->Fields()[0]->AsString();
    }

    ProgramFolder pasta;
    ScriptedPrompter prompter;
    TDMDefGeral geral;
};

} // namespace

TEST_F(InicioModuloGeral, StartConnectsReadsTheMaximumAndWritesTheBackup) {
    ValorMaximo = Currency();
    int janelas = 0;
    QPointer<TComponent> janela;
    geral.MakeBackupWindow = [&](TComponent* owner) {
        ++janelas;
        janela = new TComponent(owner);
        EXPECT_FALSE(geral.ibDBDef->Connected()); // the backup runs on the closed database
        return janela.data();
    };
    geral.DataModuleCreate();
    EXPECT_FALSE(geral.Failed());
    EXPECT_EQ(prompter.Count(), 0);
    EXPECT_TRUE(geral.ibDBDef->Connected());
    EXPECT_EQ(QFileInfo(geral.ibDBDef->DatabaseName()).canonicalFilePath(),
              QFileInfo(Banco()).canonicalFilePath());
    EXPECT_EQ(ValorMaximo, geral.LeValorMaximo());
    EXPECT_GT(ValorMaximo, Currency());
    EXPECT_EQ(janelas, 1);
    EXPECT_TRUE(janela.isNull()); // freed once the backup ended
    EXPECT_EQ(ArquivosBackup(), QStringList{QStringLiteral("dbdef.gbk")});

    // The backup is one the engine restores.
    const QString restaurado = pasta.FilePath(QStringLiteral("restaurado.fdb"));
    TIBRestoreService restauracao;
    restauracao.Attach();
    restauracao.SetBackupFile({Backup()});
    restauracao.SetDatabaseName({restaurado});
    restauracao.SetOptions(TIBRestoreService::CreateNewDB);
    restauracao.ServiceStart();
    while (!restauracao.Eof())
        restauracao.GetNextLine();
    restauracao.Detach();
    TIBDatabase copia;
    copia.SetDatabaseName(restaurado);
    EXPECT_NO_THROW(copia.Open());
}

TEST_F(InicioModuloGeral, ASecondStartReplacesTheBackup) {
    QDir(pasta.Path()).mkpath(QStringLiteral("Backup"));
    {
        QFile antigo(Backup());
        ASSERT_TRUE(antigo.open(QIODevice::WriteOnly));
        antigo.write("antigo");
    }
    geral.DataModuleCreate();
    EXPECT_GT(QFileInfo(Backup()).size(), 1000);
    EXPECT_EQ(ArquivosBackup(), QStringList{QStringLiteral("dbdef.gbk")});
}

TEST_F(InicioModuloGeral, AFailedBackupKeepsTheLastGoodOneAndStartUpGoesOn) {
    QDir(pasta.Path()).mkpath(QStringLiteral("Backup"));
    {
        QFile antigo(Backup());
        ASSERT_TRUE(antigo.open(QIODevice::WriteOnly));
        antigo.write("ultimo bom");
    }
    // A database file that is no database: the backup service refuses it.
    const QString lixo = pasta.FilePath(QStringLiteral("lixo.gdb"));
    {
        QFile arquivo(lixo);
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(QByteArray(8192, 'x'));
    }
    geral.ibDBDef->SetDatabaseName(lixo);
    prompter.Answer(mrOk);
    geral.BackupAutomatico();
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_EQ(prompter.Last().Icon, TMsgDlgType::mtError);
    EXPECT_EQ(prompter.Last().Buttons, std::vector<TMsgDlgBtn>{TMsgDlgBtn::mbOK});
    EXPECT_TRUE(prompter.Last().Text == QStringLiteral("O Banco de dados está corrompido.") ||
                prompter.Last().Text.startsWith(
                    QStringLiteral("Erro ao criar a cópia de segurança automática dos dados.\r\rErro: ")))
        << prompter.Last().Text.toStdString();
    QFile bom(Backup());
    ASSERT_TRUE(bom.open(QIODevice::ReadOnly));
    EXPECT_EQ(bom.readAll(), QByteArray("ultimo bom"));
    EXPECT_EQ(ArquivosBackup(), QStringList{QStringLiteral("dbdef.gbk")});
    EXPECT_FALSE(geral.Failed());
}

TEST_F(InicioModuloGeral, ABackupFolderThatCannotBeMadeIsReportedAndStartUpGoesOn) {
    {
        QFile obstaculo(pasta.FilePath(QStringLiteral("Backup")));
        ASSERT_TRUE(obstaculo.open(QIODevice::WriteOnly));
    }
    prompter.Answer(mrOk);
    geral.DataModuleCreate();
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_EQ(prompter.Last().Caption, QStringLiteral("Erro"));
    EXPECT_TRUE(prompter.Last().SystemModal);
    EXPECT_EQ(prompter.Last().Text,
              QStringLiteral("Erro ao criar a pasta para cópia de segurança dos dados: \r") +
                  pasta.FilePath(QStringLiteral("Backup/")));
    EXPECT_FALSE(geral.Failed());
    EXPECT_TRUE(geral.ibDBDef->Connected());
}

TEST_F(InicioModuloGeral, AReadOnlyBackupFolderIsReportedAndStartUpGoesOn) {
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into read-only folders";
    QDir(pasta.Path()).mkpath(QStringLiteral("Backup"));
    QFile::setPermissions(pasta.FilePath(QStringLiteral("Backup")), QFile::ReadOwner | QFile::ExeOwner);
    prompter.Answer(mrOk);
    geral.DataModuleCreate();
    QFile::setPermissions(pasta.FilePath(QStringLiteral("Backup")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_TRUE(prompter.Last().Text.startsWith(QStringLiteral("Erro ao criar a pasta")));
    EXPECT_FALSE(geral.Failed());
    EXPECT_TRUE(ArquivosBackup().isEmpty());
}

TEST_F(InicioModuloGeral, AMissingDatabaseFileEndsTheStart) {
    QFile::remove(Banco());
    prompter.Answer(mrOk);
    geral.DataModuleCreate();
    EXPECT_TRUE(geral.Failed());
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_EQ(prompter.Last().Caption, QStringLiteral("Erro"));
    EXPECT_EQ(prompter.Last().Text, QStringLiteral("O arquivo do banco de dados não foi encontrado:\r") +
                                        Banco() + QStringLiteral("\r\r") + Encerramento);
    EXPECT_FALSE(QFile::exists(Banco())); // nothing was created
    EXPECT_FALSE(QFile::exists(pasta.FilePath(QStringLiteral("Backup"))));
}

TEST_F(InicioModuloGeral, AFileThatIsNoDatabaseEndsTheStartUntouched) {
    QFile::remove(Banco());
    {
        QFile arquivo(Banco());
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(QByteArray(4096, 'z'));
    }
    prompter.Answer(mrOk);
    geral.DataModuleCreate();
    EXPECT_TRUE(geral.Failed());
    EXPECT_FALSE(geral.ibDBDef->Connected());
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_TRUE(prompter.Last().SystemModal);
    EXPECT_TRUE(prompter.Last().Text.startsWith(
        QStringLiteral("Não foi possível efetuar a conexão com o banco de dados:\r") + Banco() +
        QStringLiteral("\r\rErro: ")));
    EXPECT_TRUE(prompter.Last().Text.endsWith(QStringLiteral("\r\r") + Encerramento));
    QFile arquivo(Banco());
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    EXPECT_EQ(arquivo.readAll(), QByteArray(4096, 'z'));
}

TEST_F(InicioModuloGeral, AStoppedServerWithoutGuardianIsReportedOnceThenTheStartEnds) {
    ServidorParado servidor(false);
    ServerProbe::Install instala(servidor);
    prompter.Answer(mrOk).Answer(mrOk);
    geral.DataModuleCreate();
    EXPECT_EQ(servidor.tentativas, 1);
    ASSERT_EQ(prompter.Count(), 2);
    EXPECT_EQ(prompter.Requests()[0].Text,
              QStringLiteral("Não foi possível efetuar a conexão com o banco de dados.\r\r"
                             "Motivo: O servidor do Interbase não encontra-se ativo."));
    EXPECT_TRUE(prompter.Requests()[1].Text.endsWith(Encerramento));
    EXPECT_TRUE(geral.Failed());
    EXPECT_FALSE(geral.ibDBDef->Connected());
}

TEST_F(InicioModuloGeral, ASlowServerIsWaitedForTenTimesOneSecondApart) {
    ServidorParado servidor(true);
    ServerProbe::Install instala(servidor);
    EXPECT_TRUE(geral.ConectaBanco());
    EXPECT_EQ(servidor.tentativas, 10);
    EXPECT_EQ(servidor.esperas, std::vector<int>(10, 1000));
    EXPECT_EQ(prompter.Count(), 0);
    EXPECT_TRUE(geral.ibDBDef->Connected());
}

TEST_F(InicioModuloGeral, DataOlderThanTheOldestSupportedAreRefused) {
    Executa(QStringLiteral("UPDATE PARAMETROS_DEF SET TX_PARAM1 = '0.3.2.3' WHERE ID_PARAMETRO = 1"));
    prompter.Answer(mrOk).Answer(mrOk);
    EXPECT_FALSE(geral.ConectaBanco());
    EXPECT_TRUE(geral.Failed());
    EXPECT_FALSE(geral.ibDBDef->Connected());
    ASSERT_EQ(prompter.Count(), 2);
    EXPECT_TRUE(prompter.Requests()[0].Text.contains(QStringLiteral("0.3.2.3")));
    EXPECT_EQ(prompter.Requests()[1].Text, Encerramento);
    EXPECT_TRUE(prompter.Requests()[1].SystemModal);
}

TEST_F(InicioModuloGeral, DecliningTheUpdateEndsTheStartWithoutABackup) {
    Executa(QStringLiteral("UPDATE PARAMETROS_DEF SET TX_PARAM1 = '0.3.3.3' WHERE ID_PARAMETRO = 1"));
    prompter.Answer(mrNo).Answer(mrOk);
    geral.DataModuleCreate();
    EXPECT_TRUE(geral.Failed());
    ASSERT_EQ(prompter.Count(), 2);
    EXPECT_EQ(prompter.Requests()[0].DefaultButton, TMsgDlgBtn::mbNo);
    EXPECT_EQ(prompter.Requests()[1].Text, Encerramento);
    EXPECT_FALSE(QFile::exists(Backup()));
}

TEST_F(InicioModuloGeral, ProximoSequencialStoresAndReturnsTheNextNumber) {
    Executa(QStringLiteral("UPDATE PARAMETROS_DEF SET VL_PARAM1 = 41 WHERE ID_PARAMETRO = 3"));
    ASSERT_TRUE(geral.ConectaBanco());
    EXPECT_EQ(geral.ProximoSequencial(3), QStringLiteral("42"));
    EXPECT_EQ(Consulta(QStringLiteral("SELECT CAST(VL_PARAM1 AS INTEGER) FROM PARAMETROS_DEF "
                                      "WHERE ID_PARAMETRO = 3")),
              QStringLiteral("42"));
    EXPECT_EQ(geral.ProximoSequencial(3), QStringLiteral("43"));
}

TEST_F(InicioModuloGeral, RestoreFixUpsRunOnlyOnData0334) {
    Executa(QStringLiteral("DELETE FROM FUNDAMENTACAO_LEGAL_DEF_HIST WHERE SQ_OCORRENCIA_DEF = 276"));
    Executa(QStringLiteral("DELETE FROM FUNDAMENTACAO_LEGAL_DEF WHERE SQ_OCORRENCIA_DEF = 276"));
    Executa(QStringLiteral("UPDATE CAMPOS_DEF SET NU_TAMANHO_CAMPO = 9 WHERE SQ_CAMPO = 204"));
    ASSERT_TRUE(geral.ConectaBanco());
    EXPECT_FALSE(geral.OcorrenciaExiste());
    EXPECT_TRUE(geral.CampoTamanhoNove());

    EXPECT_TRUE(geral.ApplyRestoreFixUps());
    EXPECT_TRUE(geral.OcorrenciaExiste());
    EXPECT_EQ(Consulta(QStringLiteral("SELECT COUNT(*) FROM FUNDAMENTACAO_LEGAL_DEF_HIST "
                                      "WHERE SQ_OCORRENCIA_DEF = 276")),
              QStringLiteral("1"));
    EXPECT_EQ(Consulta(QStringLiteral("SELECT NU_TAMANHO_CAMPO FROM CAMPOS_DEF WHERE SQ_CAMPO = 204")),
              QStringLiteral("6"));
    EXPECT_EQ(prompter.Count(), 0);
}

TEST_F(InicioModuloGeral, RestoreFixUpsLeaveOtherVersionsAlone) {
    Executa(QStringLiteral("UPDATE CAMPOS_DEF SET NU_TAMANHO_CAMPO = 9 WHERE SQ_CAMPO = 204"));
    ASSERT_TRUE(geral.ConectaBanco());
    ASSERT_TRUE(geral.ExecutaSQL(QStringLiteral("UPDATE PARAMETROS_DEF SET TX_PARAM1 = '0.3.3.5' "
                                                "WHERE ID_PARAMETRO = 1")));
    EXPECT_FALSE(geral.ApplyRestoreFixUps());
    EXPECT_TRUE(geral.CampoTamanhoNove());
}

// ---- the run never goes on without its database ------------------------------------

TEST_F(InicioModuloGeral, ARefusedReconnectionEndsTheRun) {
    int encerramentos = 0;
    geral.EndRun = [&] { ++encerramentos; };
    geral.DataModuleCreate();
    ASSERT_FALSE(geral.Failed());
    EXPECT_EQ(encerramentos, 0);

    // After a backup or a restore the file is no database any more.
    geral.ibDBDef->Close();
    QFile::remove(Banco());
    {
        QFile arquivo(Banco());
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(QByteArray(4096, 'z'));
    }
    prompter.Answer(mrOk);
    EXPECT_FALSE(geral.ConectaBanco());
    EXPECT_TRUE(geral.Failed());
    EXPECT_EQ(encerramentos, 1);
    EXPECT_FALSE(geral.ibDBDef->Connected());
    EXPECT_TRUE(prompter.Last().Text.endsWith(Encerramento));
}

TEST_F(InicioModuloGeral, ARefusedVersionOnReconnectionEndsTheRun) {
    int encerramentos = 0;
    geral.EndRun = [&] { ++encerramentos; };
    ASSERT_TRUE(geral.ConectaBanco());
    // A restored backup of data too old for the program.
    ASSERT_TRUE(geral.ExecutaSQL(QStringLiteral("UPDATE PARAMETROS_DEF SET TX_PARAM1 = '0.3.2.3' "
                                                "WHERE ID_PARAMETRO = 1")));
    prompter.Answer(mrOk).Answer(mrOk);
    EXPECT_FALSE(geral.ConectaBanco());
    EXPECT_TRUE(geral.Failed());
    EXPECT_EQ(encerramentos, 1);
    EXPECT_FALSE(geral.ibDBDef->Connected());
    ASSERT_EQ(prompter.Count(), 2);
    EXPECT_EQ(prompter.Requests()[1].Text, Encerramento);
}

TEST_F(InicioModuloGeral, AReconnectionThatFailsAfterTheBackupEndsTheRun) {
    int encerramentos = 0;
    geral.EndRun = [&] { ++encerramentos; };
    ASSERT_TRUE(geral.ConectaBanco());
    // The database goes while the backup runs (its copy is already taken).
    bool levado = false;
    geral.ProcessEvents = [&] {
        if (!levado)
            levado = QFile::rename(Banco(), Banco() + QStringLiteral(".longe"));
        return true;
    };
    prompter.Answer(mrOk);
    geral.BackupAutomatico();
    EXPECT_TRUE(levado);
    EXPECT_TRUE(geral.Failed());
    EXPECT_EQ(encerramentos, 1);
    EXPECT_FALSE(geral.ibDBDef->Connected());
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_TRUE(
        prompter.Last().Text.startsWith(QStringLiteral("O arquivo do banco de dados não foi encontrado:")));
}

// ---- a damaged database -------------------------------------------------------------

class BancoDanificado : public InicioModuloGeral {
protected:
    const QString SaidaDanificado = QStringLiteral(
        "Ele pode ser reparado em Ferramentas → Reparar Base de Dados Corrompida, ou substituído por uma "
        "cópia de segurança em Ferramentas → Cópia de Segurança → Restaurar.");
    void EsperaDanificado() {
        prompter.Answer(mrOk);
        geral.DataModuleCreate();
        EXPECT_TRUE(geral.Failed());
        EXPECT_FALSE(geral.ibDBDef->Connected());
        ASSERT_EQ(prompter.Count(), 1);
        const TPromptRequest& caixa = prompter.Last();
        EXPECT_EQ(caixa.Icon, TMsgDlgType::mtError);
        EXPECT_TRUE(caixa.SystemModal);
        EXPECT_EQ(
            caixa.Text,
            QStringLiteral("O banco de dados está danificado: a versão dos dados não pôde ser lida.\r") +
                Banco() + QStringLiteral("\r\r") + SaidaDanificado + QStringLiteral("\r\r") + Encerramento);
        EXPECT_FALSE(caixa.Text.contains(QStringLiteral(".gbk"))) << "not a file the program cannot read";
        EXPECT_FALSE(caixa.Text.contains(QStringLiteral("suporte")));
        // Nothing is backed up from it: the last good backup stays.
        EXPECT_FALSE(QFile::exists(Backup()));
    }
};

TEST_F(BancoDanificado, WithoutTheParametersTable) {
    Executa(QStringLiteral("DROP TABLE PARAMETROS_DEF"));
    EsperaDanificado();
}

TEST_F(BancoDanificado, TheRepairIsOfferedAtOnceAndTheRunEndsEitherWay) {
    Executa(QStringLiteral("DELETE FROM PARAMETROS_DEF WHERE ID_PARAMETRO = 1"));
    int reparos = 0;
    geral.RepairDatabase = [&] {
        EXPECT_FALSE(geral.ibDBDef->Connected()) << "the repair needs the file alone";
        ++reparos;
    };
    for (const TModalResult resposta : {mrNo, mrYes}) {
        prompter.Answer(resposta).Answer(mrOk);
        const int antes = prompter.Count();
        geral.DataModuleCreate();
        EXPECT_TRUE(geral.Failed());
        ASSERT_EQ(prompter.Count(), antes + 2);
        const TPromptRequest& pergunta = prompter.Requests()[static_cast<std::size_t>(antes)];
        EXPECT_TRUE(pergunta.Text.contains(SaidaDanificado));
        EXPECT_TRUE(pergunta.Text.endsWith(QStringLiteral("Deseja repará-lo agora?")));
        EXPECT_EQ(prompter.Last().Text, Encerramento);
    }
    EXPECT_EQ(reparos, 1);
}

TEST_F(BancoDanificado, WithoutTheVersionRow) {
    Executa(QStringLiteral("DELETE FROM PARAMETROS_DEF WHERE ID_PARAMETRO = 1"));
    EsperaDanificado();
}

TEST_F(BancoDanificado, WithAnEmptyVersion) {
    Executa(QStringLiteral("UPDATE PARAMETROS_DEF SET TX_PARAM1 = NULL WHERE ID_PARAMETRO = 1"));
    EsperaDanificado();
}

TEST_F(BancoDanificado, CutInHalfIsNeverTakenForOldData) {
    QFile arquivo(Banco());
    ASSERT_TRUE(arquivo.resize(arquivo.size() / 2));
    prompter.Answer(mrOk);
    geral.DataModuleCreate();
    EXPECT_TRUE(geral.Failed());
    EXPECT_FALSE(geral.ibDBDef->Connected());
    ASSERT_EQ(prompter.Count(), 1);
    const QString texto = prompter.Last().Text;
    EXPECT_FALSE(texto.contains(QStringLiteral("Não existe mais suporte"))) << texto.toStdString();
    EXPECT_TRUE(texto.startsWith(QStringLiteral("O banco de dados está danificado"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(Banco())) << texto.toStdString();
    EXPECT_TRUE(texto.endsWith(Encerramento));
}

// ---- the automatic backup -----------------------------------------------------------

TEST_F(InicioModuloGeral, TemporaryBackupsLeftByAnInterruptedRunGoAtTheNextStart) {
    QDir(pasta.Path()).mkpath(QStringLiteral("Backup"));
    for (const char* nome :
         {"dbdef-a1B2c3.gbk", "dbdef-XXXXXX.gbk", "dbdef-zz.gbk", "outro.gbk", "dbdef.gbk"}) {
        QFile arquivo(pasta.FilePath(QStringLiteral("Backup/") + QLatin1String(nome)));
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(QByteArray(147, 'p'));
    }
    geral.DataModuleCreate();
    EXPECT_FALSE(geral.Failed());
    QStringList restantes = ArquivosBackup();
    restantes.sort();
    EXPECT_EQ(restantes, (QStringList{QStringLiteral("dbdef-zz.gbk"), QStringLiteral("dbdef.gbk"),
                                      QStringLiteral("outro.gbk")}));
    EXPECT_GT(QFileInfo(Backup()).size(), 1000);
}

TEST_F(InicioModuloGeral, AProgramKilledDuringTheBackupLeavesNothingAfterTheNextStart) {
    // A copy of this test program starts on the same folder and is killed
    // (SIGKILL: nothing of it runs any more) in the middle of its backup.
    static int argc = 1;
    static char nome[] = "test_core_data";
    static char* argv[] = {nome, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
    // The copy's orphans (its backup's process) come to this process.
    ::prctl(PR_SET_CHILD_SUBREAPER, 1);
    QProcess copia;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZEB_PASTA_PROGRAMA"), pasta.Path());
    copia.setProcessEnvironment(env);
    copia.start(QStringLiteral("/proc/self/exe"),
                {QStringLiteral("--gtest_also_run_disabled_tests"),
                 QStringLiteral("--gtest_filter=InicioInterrompido.DISABLED_MorreDuranteOBackup")});
    ASSERT_TRUE(copia.waitForFinished(60000));
    EXPECT_EQ(copia.exitStatus(), QProcess::CrashExit);
    // Its backup's process dies with it, a moment later.
    const QByteArray saida = copia.readAllStandardOutput();
    const qsizetype marca = saida.indexOf("processos:");
    ASSERT_GE(marca, 0) << saida.constData();
    const QList<QByteArray> filhos = saida.mid(marca + 10).split('\n').value(0).simplified().split(' ');
    ASSERT_FALSE(filhos.value(0).isEmpty()) << "no backup process ran";
    for (const QByteArray& filho : filhos)
        EXPECT_TRUE(Termina(filho)) << "the backup's process " << filho.constData()
                                    << " outlived the program";
    ::prctl(PR_SET_CHILD_SUBREAPER, 0);
    const QStringList deixados = ArquivosBackup();
    ASSERT_EQ(deixados.size(), 1) << deixados.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(deixados[0].startsWith(TDMDefGeral::TemporaryBackupPrefix)) << deixados[0].toStdString();

    geral.DataModuleCreate();
    EXPECT_FALSE(geral.Failed());
    EXPECT_EQ(ArquivosBackup(), QStringList{QStringLiteral("dbdef.gbk")});
}

// The killed copy's side.
TEST(InicioInterrompido, DISABLED_MorreDuranteOBackup) {
    ScriptedPrompter prompter;
    TDMDefGeral geral;
    geral.SetProgramFolder(qEnvironmentVariable("ZEB_PASTA_PROGRAMA"));
    int linhas = 0;
    geral.ProcessEvents = [&] {
        if (++linhas == 100) {
            QFile filhos(QStringLiteral("/proc/self/task/%1/children").arg(::getpid()));
            filhos.open(QIODevice::ReadOnly);
            std::printf("processos: %s\n", filhos.readAll().constData());
            std::fflush(stdout);
            ::kill(::getpid(), SIGKILL);
        }
        return true;
    };
    geral.DataModuleCreate();
    FAIL() << "the backup ended before it was killed (" << linhas << " lines)";
}

TEST_F(InicioModuloGeral, TheBackupWindowLivesOnTheServicesLines) {
    int chamadas = 0;
    bool janelaViva = false;
    QPointer<TComponent> janela;
    geral.MakeBackupWindow = [&](TComponent* owner) {
        janela = new TComponent(owner);
        return janela.data();
    };
    geral.ProcessEvents = [&] {
        ++chamadas;
        janelaViva = janelaViva || !janela.isNull();
        return true;
    };
    geral.DataModuleCreate();
    EXPECT_FALSE(geral.Failed());
    // One call per line: a table at a time, not one wait for the whole.
    EXPECT_GT(chamadas, 20);
    EXPECT_TRUE(janelaViva);
    EXPECT_TRUE(janela.isNull());
    EXPECT_TRUE(geral.ibDBDef->Connected());
}

TEST_F(InicioModuloGeral, AnEndingRunStopsTheBackupAndKeepsTheLastGoodOne) {
    QDir(pasta.Path()).mkpath(QStringLiteral("Backup"));
    {
        QFile antigo(Backup());
        ASSERT_TRUE(antigo.open(QIODevice::WriteOnly));
        antigo.write("ultimo bom");
    }
    int encerramentos = 0;
    geral.EndRun = [&] { ++encerramentos; };
    int chamadas = 0;
    geral.ProcessEvents = [&] { return ++chamadas < 3; };
    geral.DataModuleCreate();
    EXPECT_EQ(chamadas, 3);
    EXPECT_TRUE(geral.Failed());
    EXPECT_EQ(encerramentos, 1);
    EXPECT_EQ(prompter.Count(), 0); // ended, not failed: nothing to say
    EXPECT_FALSE(geral.ibDBDef->Connected());
    EXPECT_EQ(ArquivosBackup(), QStringList{QStringLiteral("dbdef.gbk")});
    QFile bom(Backup());
    ASSERT_TRUE(bom.open(QIODevice::ReadOnly));
    EXPECT_EQ(bom.readAll(), QByteArray("ultimo bom"));
}

TEST_F(InicioModuloGeral, ABackupThatCannotTakeTheOldOnesPlaceSaysWhy) {
    // A folder with contents stands where the backup goes.
    ASSERT_TRUE(QDir(pasta.Path()).mkpath(QStringLiteral("Backup/dbdef.gbk/dentro")));
    prompter.Answer(mrOk);
    geral.DataModuleCreate();
    EXPECT_FALSE(geral.Failed());
    ASSERT_EQ(prompter.Count(), 1);
    const QString texto = prompter.Last().Text;
    EXPECT_TRUE(texto.startsWith(QStringLiteral("Erro ao criar a cópia de segurança automática dos dados.\r\r"
                                                "Erro: Não foi possível pôr ")))
        << texto.toStdString();
    EXPECT_TRUE(texto.endsWith(QStringLiteral(": o caminho é uma pasta."))) << texto.toStdString();
    EXPECT_EQ(ArquivosBackup(), QStringList());
    EXPECT_TRUE(geral.ibDBDef->Connected());
}
