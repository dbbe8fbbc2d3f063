// Repair through the validation service: a good file reports success, a
// damaged copy its findings; the connection is closed while the service runs.
#include "core/forms/TfrmModPrincipal.h"
#include "core/maintenance/TIBRepair.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TStatusBar.h"
#include "tests/core/maintenance/MaintenanceFixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <gmock/gmock.h>

namespace {

constexpr int PageSize = 4096;
constexpr char DataPage = 5;

class RepairTest : public MaintenanceFixture {
protected:
    RepairTest() {
        repair.SetName(QStringLiteral("IBRepair"));
        repair.WaitOverride = [this](int ms) { m_waited += ms; };
        repair.EndApplication = [this] { ++m_ended; };
        repair.SetProgramFolder(ProgramFolder());
        repair.OnFinalization =
            TNotifyEvent::fromFunction([this](TObject*) { m_connectedAtEnd = live.Connected(); });
    }

    // Garbles the records of one data page in the middle of the file.
    void Damage(const QString& file) {
        QByteArray bytes = ReadAll(file);
        std::vector<int> pages;
        for (int page = 0; page < bytes.size() / PageSize; ++page)
            if (bytes[page * PageSize] == DataPage)
                pages.push_back(page);
        ASSERT_GT(pages.size(), 50u);
        const qsizetype start = qsizetype(pages[40]) * PageSize;
        for (int i = PageSize - 600; i < PageSize - 100; ++i)
            bytes[start + i] = char(0xA5);
        WriteAll(file, bytes);
    }

    TIBRepair repair{nullptr};
    int m_waited = 0;
    int m_ended = 0;
    bool m_connectedAtEnd = true;
};

TEST_F(RepairTest, AGoodFileIsRepairedWithTheConnectionClosedAndTheProgramEnds) {
    live.Open();
    repair.SetIBDatabase(&live);
    prompter.Answer(mrOk);
    EXPECT_EQ(repair.Executa(), QString());
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_EQ(prompter.Last().Text,
              QStringLiteral("O reparador do Interbase para a base de dados foi executado com "
                             "sucesso!\nSe o problema persistir, utilize o último backup "
                             "confiável!"));
    EXPECT_FALSE(m_connectedAtEnd);
    EXPECT_EQ(m_ended, 1);
    EXPECT_GE(m_waited, 3000);
    EXPECT_EQ(repair.Status(), QString());
    EXPECT_EQ(repair.GDBFile(), Live());
}

TEST_F(RepairTest, TheClosingTextReadsWholeInTheMainWindowsStatusBar) {
    auto* principal = Application->CreateForm<TfrmModPrincipal>();
    principal->Show();
    principal->Widget()->resize(800, 300);
    repair.SetStatusBar(principal->sbApp);
    live.Open();
    repair.SetIBDatabase(&live);
    QString fechamento;
    repair.WaitOverride = [&](int ms) {
        if (ms < 3000)
            return;
        // The program is about to end: what the user reads meanwhile.
        Application->ProcessMessages();
        auto* texto = principal->sbApp->Widget()->findChild<QLabel*>();
        const auto simples = principal->sbApp->Widget()->findChildren<QLabel*>();
        for (QLabel* label : simples)
            if (label->isVisible() && !label->text().isEmpty())
                texto = label;
        ASSERT_NE(texto, nullptr);
        fechamento = texto->text();
        EXPECT_LE(texto->sizeHint().height(), texto->height()) << fechamento.toStdString();
        EXPECT_LE(texto->fontMetrics().horizontalAdvance(fechamento), texto->width());
        const QString pasta = QStringLiteral(ZEB_BUILD_DIR "/screenshots");
        ASSERT_TRUE(QDir().mkpath(pasta));
        EXPECT_TRUE(principal->Widget()->grab().save(pasta + "/repair-closing-text.png"));
    };
    prompter.Answer(mrOk);
    repair.Executa();
    EXPECT_EQ(fechamento, QStringLiteral("A aplicação \"ZEB-ICMS\" está sendo finalizada! Aguarde..."));
    delete principal;
}

TEST_F(RepairTest, ADamagedCopyReportsItsFindingsAndNoSuccess) {
    const QString copy = Scratch(QStringLiteral("danificado.gdb"));
    ASSERT_TRUE(QFile::copy(Live(), copy));
    Damage(copy);
    repair.SetFinalizarAplicacao(false);
    repair.SetGDBFile(copy);
    const QString result = repair.Executa();
    // The findings with their counts, not only their heading.
    EXPECT_THAT(result.toStdString(), testing::ContainsRegex("Number of record level errors\\s*: [1-9]"));
    EXPECT_TRUE(result.startsWith(QStringLiteral("O reparador do Interbase encontrou problemas")));
    EXPECT_EQ(prompter.Count(), 0);
    EXPECT_EQ(m_ended, 0);
}

TEST_F(RepairTest, WithoutAFileNothingRunsAndNoSuccessIsClaimed) {
    EXPECT_EQ(repair.Executa(), QStringLiteral("GDB não selecionado"));
    EXPECT_EQ(prompter.Count(), 0);
    EXPECT_EQ(m_ended, 0);
    // A name that is no file is not taken.
    repair.SetGDBFile(QStringLiteral("Dados/nada.gdb"));
    EXPECT_EQ(repair.GDBFile(), QString());
}

TEST_F(RepairTest, ARelativeNameIsTakenFromTheProgramsFolderAndTheConnectionComesBack) {
    live.Open();
    repair.SetIBDatabase(&live);
    repair.SetGDBFile(QStringLiteral("Dados/dbdef.gdb"));
    EXPECT_EQ(repair.GDBFile(), Live());
    repair.SetFinalizarAplicacao(false);
    prompter.Answer(mrOk);
    EXPECT_EQ(repair.Executa(), QString());
    EXPECT_FALSE(m_connectedAtEnd);
    EXPECT_TRUE(live.Connected());
    EXPECT_EQ(m_ended, 0);
}

} // namespace
