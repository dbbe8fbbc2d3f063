// The client-library check with a fake probe: nothing asked when the library
// works; otherwise Yes writes the carried library, No ends the run.
#include "core/maintenance/TIBChecking.h"
#include "platform/db/FbClient.h"
#include "tests/support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ClientLibraryCheckTest : public ::testing::Test {
protected:
    QString Library() const { return m_folder.filePath(TIBChecking::LibraryFileName); }
    TIBChecking::Probe Fails() {
        return [this](QString* reason) {
            ++m_probes;
            *reason = QStringLiteral("not found");
            return false;
        };
    }

    QTemporaryDir m_folder;
    ScriptedPrompter prompter;
    int m_probes = 0;
    int m_terminations = 0;
    std::function<void()> m_terminate = [this] { ++m_terminations; };
};

TEST_F(ClientLibraryCheckTest, AWorkingLibraryAsksNothing) {
    TIBChecking check(
        nullptr, [](QString*) { return true; }, m_folder.path(), m_terminate);
    EXPECT_TRUE(check.Passed());
    EXPECT_EQ(prompter.Count(), 0);
    EXPECT_FALSE(QFileInfo::exists(Library()));
    EXPECT_EQ(check.Version(), QStringLiteral("2.0.0"));
    EXPECT_TRUE(check.Description().startsWith(QStringLiteral("Componente responsável por copiar")));
}

TEST_F(ClientLibraryCheckTest, YesWritesTheCarriedLibraryAndGoesOn) {
    // A damaged copy is replaced whole.
    QFile damaged(Library());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("ELF?");
    damaged.close();
    prompter.Answer(mrYes);
    TIBChecking check(nullptr, Fails(), m_folder.path(), m_terminate);
    EXPECT_TRUE(check.Passed());
    EXPECT_EQ(m_probes, 1);
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_EQ(
        prompter.Last().Text,
        QStringLiteral("A DLL do Interbase foi corrompida ou está faltando e você deverá atualizá-la.\n\r"
                       "Deseja Atualizar Agora?"));
    EXPECT_EQ(prompter.Last().Buttons, (std::vector<TMsgDlgBtn>{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}));
    EXPECT_EQ(m_terminations, 0);
    QFile written(Library());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_EQ(bytes, TIBChecking::Resource());
    EXPECT_GT(bytes.size(), 100000);
    EXPECT_TRUE(bytes.startsWith("\x7f"
                                 "ELF"));
    // Only the library is left in the folder: no temporary file.
    EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{TIBChecking::LibraryFileName});
}

TEST_F(ClientLibraryCheckTest, NoEndsTheRunAndWritesNothing) {
    prompter.Answer(mrNo);
    TIBChecking check(nullptr, Fails(), m_folder.path(), m_terminate);
    EXPECT_FALSE(check.Passed());
    EXPECT_EQ(m_terminations, 1);
    EXPECT_FALSE(QFileInfo::exists(Library()));
}

TEST_F(ClientLibraryCheckTest, ADamagedCopyBesideTheProgramIsFoundFromItsOwnFolderToo) {
    QFile damaged(Library());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("ELF?");
    damaged.close();
    // Started from its own folder: the damaged copy does not load, the
    // system's does, under the same bare name.
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_folder.path()));
    const FbClient client({Library(), TIBChecking::LibraryFileName});
    QString reason;
    EXPECT_FALSE(TIBChecking::UsesLibraryIn(client, m_folder.path(), &reason));
    EXPECT_TRUE(reason.contains(client.LoadedFile())) << reason.toStdString();
    QDir::setCurrent(before);
    EXPECT_TRUE(TIBChecking::UsesLibraryIn(client, m_folder.path() + QStringLiteral("/none"), &reason));
}

TEST_F(ClientLibraryCheckTest, TheRealLibraryOfThisMachineLoads) {
    QString reason;
    EXPECT_TRUE(TIBChecking::LoadsLibrary(&reason)) << reason.toStdString();
}

} // namespace
