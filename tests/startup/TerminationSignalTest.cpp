// SIGTERM and SIGINT end a running program normally (the database client
// library, once loaded, would otherwise swallow them). The program runs in a
// child copy of this test executable, on its own copy of the database.

#include "core/data/TDMDefGeral.h"
#include "platform/ui/TApplication.h"
#include "startup/ProgramStart.h"
#include "startup/TfrmDef.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/database/TempDatabase.h"

#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr const char* PastaFilhaVariavel = "ZEB_TERMINO_POR_SINAL_PASTA";
constexpr int PacienciaInicioMs = 60000;
constexpr int PacienciaFimMs = 15000;

// Starts this executable running only the child test named (one below).
std::unique_ptr<QProcess> IniciaFilho(const QString& pasta,
                                      const QString& teste = QStringLiteral("DISABLED_ProgramaFilho")) {
    auto filho = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(PastaFilhaVariavel), pasta);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    filho->setProcessEnvironment(env);
    filho->setProcessChannelMode(QProcess::MergedChannels);
    filho->start(QStringLiteral("/proc/self/exe"),
                 {QStringLiteral("--gtest_also_run_disabled_tests"),
                  QStringLiteral("--gtest_filter=TerminationSignalTest.") + teste});
    return filho;
}

bool EsperaSaida(QProcess& filho, QByteArray& saida, const QByteArray& marca, int paciencia) {
    const QDeadlineTimer prazo(paciencia);
    while (!saida.contains(marca) && !prazo.hasExpired() && filho.state() != QProcess::NotRunning) {
        filho.waitForReadyRead(100);
        saida += filho.readAll();
    }
    saida += filho.readAll();
    return saida.contains(marca);
}

void SinalEncerraOPrograma(int sinal) {
    QTemporaryDir pasta;
    const QString dados = pasta.filePath(QStringLiteral("programa/Dados"));
    ASSERT_TRUE(QDir().mkpath(dados));
    const QString banco = dados + QStringLiteral("/dbdef.gdb");
    ASSERT_TRUE(QFile::copy(TempDatabase::BuiltDatabase(), banco));
    QFile::setPermissions(banco, QFile::ReadOwner | QFile::WriteOwner);

    auto filho = IniciaFilho(pasta.path());
    ASSERT_TRUE(filho->waitForStarted());
    QByteArray saida;
    const bool pronto = EsperaSaida(*filho, saida, "programa-pronto", PacienciaInicioMs);
    if (!pronto)
        filho->kill();
    ASSERT_TRUE(pronto) << saida.constData();

    ::kill(static_cast<pid_t>(filho->processId()), sinal);
    const bool terminou = filho->waitForFinished(PacienciaFimMs);
    if (!terminou) {
        filho->kill();
        filho->waitForFinished();
    }
    saida += filho->readAll();
    ASSERT_TRUE(terminou) << "o programa ignorou o sinal " << sinal;
    EXPECT_EQ(filho->exitStatus(), QProcess::NormalExit) << saida.constData();
    EXPECT_EQ(filho->exitCode(), 0) << saida.constData();
    EXPECT_TRUE(saida.contains("programa-encerrado")) << saida.constData();
}

// A program folder whose data are too old: the start shows the refusal and
// then "O sistema será encerrado...", two boxes in a row.
void PreparaDadosAntigos(const QString& pasta) {
    const QString dados = pasta + QStringLiteral("/programa/Dados");
    ASSERT_TRUE(QDir().mkpath(dados));
    const QString banco = dados + QStringLiteral("/dbdef.gdb");
    ASSERT_TRUE(QFile::copy(TempDatabase::BuiltDatabase(), banco));
    QFile::setPermissions(banco, QFile::ReadOwner | QFile::WriteOwner);
    TIBDatabase conexao;
    conexao.SetDatabaseName(banco);
    conexao.Open();
    TIBTransaction transacao;
    transacao.SetDefaultDatabase(&conexao);
    TIBSQL sql;
    sql.SetDatabase(&conexao);
    sql.SetTransaction(&transacao);
    transacao.StartTransaction();
    sql.SetSQLText(QStringLiteral("UPDATE PARAMETROS_DEF SET TX_PARAM1 = '0.3.2.3' WHERE ID_PARAMETRO = 1"));
    sql.ExecQuery();
    sql.Close();
    transacao.Commit();
    conexao.Close();
}

} // namespace

TEST(TerminationSignalTest, ASignalWhileAStartUpBoxWaitsEndsTheStartWithoutFurtherBoxes) {
    QTemporaryDir pasta;
    PreparaDadosAntigos(pasta.path());
    auto filho = IniciaFilho(pasta.path(), QStringLiteral("DISABLED_InicioComCaixas"));
    ASSERT_TRUE(filho->waitForStarted());
    QByteArray saida;
    const bool aberta = EsperaSaida(*filho, saida, "caixa-aberta", PacienciaInicioMs);
    if (!aberta)
        filho->kill();
    ASSERT_TRUE(aberta) << saida.constData();

    ::kill(static_cast<pid_t>(filho->processId()), SIGTERM);
    const bool terminou = filho->waitForFinished(PacienciaFimMs);
    if (!terminou) {
        filho->kill();
        filho->waitForFinished();
    }
    saida += filho->readAll();
    ASSERT_TRUE(terminou) << "a caixa sobreviveu ao sinal: " << saida.constData();
    EXPECT_EQ(saida.count("caixa-aberta"), 1)
        << saida.constData(); // no "O sistema será encerrado..." after it
    EXPECT_TRUE(saida.contains("caixa-aberta: Não existe mais suporte")) << saida.constData();
    EXPECT_TRUE(saida.contains("inicio-encerrado 143")) << saida.constData(); // 128 + SIGTERM
    EXPECT_TRUE(saida.contains("janela-principal oculta")) << saida.constData();
    EXPECT_EQ(filho->exitStatus(), QProcess::NormalExit);
}

// The child's side: the real boxes of the program, each told on the output
// when it opens, until a signal ends the start.
TEST(TerminationSignalTest, DISABLED_InicioComCaixas) {
    const QString pasta = qEnvironmentVariable(PastaFilhaVariavel);
    ASSERT_FALSE(pasta.isEmpty());
    ::alarm(120);
    QPointer<QWidget> vista;
    QTimer vigia;
    QObject::connect(&vigia, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == vista)
            return;
        vista = modal;
        auto* caixa = qobject_cast<QMessageBox*>(modal);
        std::printf("caixa-aberta: %s\n", caixa ? caixa->text().toUtf8().constData() : "?");
        std::fflush(stdout);
    });
    vigia.start(20);
    ProgramStart inicio;
    inicio.ProgramFolder = pasta + QStringLiteral("/programa");
    inicio.InstanceFolder = pasta + QStringLiteral("/instancia");
    const bool iniciou = inicio.Start();
    vigia.stop();
    std::printf("inicio-encerrado %d\n", inicio.ExitCode());
    std::printf("janela-principal %s\n", frmDef && frmDef->Widget()->isVisible() ? "visivel" : "oculta");
    std::fflush(stdout);
    EXPECT_FALSE(iniciou);
}

TEST(TerminationSignalTest, SigtermAndSigintEndTheRunningProgramNormally) {
    for (const int sinal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(sinal);
        SinalEncerraOPrograma(sinal);
    }
}

// The child's side: the program block with its message loop, until a signal
// ends it. Runs only in the child started above.
TEST(TerminationSignalTest, DISABLED_ProgramaFilho) {
    const QString pasta = qEnvironmentVariable(PastaFilhaVariavel);
    ASSERT_FALSE(pasta.isEmpty());
    // Never outlive a parent that stopped waiting.
    ::alarm(120);
    ScriptedPrompter prompter;
    ProgramStart inicio;
    inicio.ProgramFolder = pasta + QStringLiteral("/programa");
    inicio.InstanceFolder = pasta + QStringLiteral("/instancia");
    ASSERT_TRUE(inicio.Start());
    QTimer::singleShot(0, [] {
        std::printf("programa-pronto\n");
        std::fflush(stdout);
    });
    Application->Run();
    EXPECT_EQ(inicio.ExitCode(), ProgramStart::NormalExit);
    ASSERT_NE(DMDefGeral, nullptr);
    EXPECT_TRUE(DMDefGeral->ibDBDef->Connected());
    // The data modules go as at the end of the program; the connection with them.
    while (Application->ComponentCount() > 1)
        delete Application->Components(Application->ComponentCount() - 1);
    EXPECT_EQ(DMDefGeral, nullptr);
    std::printf("programa-encerrado\n");
    std::fflush(stdout);
}
