// SIGTERM and SIGINT end a running program normally (the database client
// library, once loaded, would otherwise swallow them). The program runs in a
// child copy of this test executable, on its own copy of the database.

#include "core/data/TDMDefGeral.h"
#include "core/startup/ProgramStart.h"
#include "platform/ui/TApplication.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TempDatabase.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
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

// Starts this executable running only the child test below.
std::unique_ptr<QProcess> IniciaFilho(const QString& pasta) {
    auto filho = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(PastaFilhaVariavel), pasta);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    filho->setProcessEnvironment(env);
    filho->setProcessChannelMode(QProcess::MergedChannels);
    filho->start(QStringLiteral("/proc/self/exe"),
                 {QStringLiteral("--gtest_also_run_disabled_tests"),
                  QStringLiteral("--gtest_filter=TerminoPorSinal.DISABLED_ProgramaFilho")});
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

} // namespace

TEST(TerminoPorSinal, SigtermAndSigintEndTheRunningProgramNormally) {
    for (const int sinal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(sinal);
        SinalEncerraOPrograma(sinal);
    }
}

// The child's side: the program block with its message loop, until a signal
// ends it. Runs only in the child started above.
TEST(TerminoPorSinal, DISABLED_ProgramaFilho) {
    const QString pasta = qEnvironmentVariable(PastaFilhaVariavel);
    ASSERT_FALSE(pasta.isEmpty());
    // Never outlive a parent that stopped waiting.
    ::alarm(120);
    ScriptedPrompter prompter;
    ProgramStart inicio;
    inicio.PastaPrograma = pasta + QStringLiteral("/programa");
    inicio.PastaInstancia = pasta + QStringLiteral("/instancia");
    ASSERT_TRUE(inicio.Inicia());
    QTimer::singleShot(0, [] {
        std::printf("programa-pronto\n");
        std::fflush(stdout);
    });
    Application->Run();
    EXPECT_EQ(inicio.CodigoSaida(), ProgramStart::SaidaNormal);
    ASSERT_NE(DMDefGeral, nullptr);
    EXPECT_TRUE(DMDefGeral->ibDBDef->Connected());
    // The data modules go as at the end of the program; the connection with them.
    while (Application->ComponentCount() > 1)
        delete Application->Components(Application->ComponentCount() - 1);
    EXPECT_EQ(DMDefGeral, nullptr);
    std::printf("programa-encerrado\n");
    std::fflush(stdout);
}
