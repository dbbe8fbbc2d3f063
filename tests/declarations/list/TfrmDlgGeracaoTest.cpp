#include "declarations/list/TfrmDlgGeracao.h"

#include "platform/ui/TButton.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TSpeedButton.h"
#include "tests/declarations/list/TfrmGeracaoFixture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>

namespace {

QByteArray Conteudo(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

using TfrmDlgGeracaoTest = TfrmGeracaoFixture;
using Chaves = std::vector<int>;

TEST_F(TfrmDlgGeracaoTest, StartsInTheHomeFolderAndKeepsItsFolderWhenTheChoiceIsCancelled) {
    Seleciona({1});
    QString inicial;
    QString escolhido;
    Gera([&](TfrmDlgGeracao& dialogo) {
        inicial = dialogo.edtDiretorio->Text();
        prompter.AnswerPath(pasta.path());
        dialogo.btnSelecionar->Click();
        escolhido = dialogo.edtDiretorio->Text();
        prompter.Answer(mrCancel);
        dialogo.btnSelecionar->Click();
        EXPECT_EQ(dialogo.edtDiretorio->Text(), escolhido);
        const QString pastaInicial = QDir::homePath();
        EXPECT_EQ(inicial, QDir(pastaInicial).filePath(dialogo.TargetFileName()));
        dialogo.btnCancelar->Click();
    });
    EXPECT_TRUE(QRegularExpression(QStringLiteral("/ZEB\\d{14}\\.zeb$")).match(inicial).hasMatch())
        << inicial.toStdString();
    EXPECT_EQ(escolhido, QDir(pasta.path()).filePath(QFileInfo(inicial).fileName()));
    EXPECT_EQ(prompter.Requests()[0].Caption, QStringLiteral("Selecione uma pasta"));
    EXPECT_EQ(prompter.Requests()[0].Kind, TPromptKind::pkFolder);
    EXPECT_EQ(Transmitidas(), 0);
}

TEST_F(TfrmDlgGeracaoTest, WritesTheSelectedDeclarationsAndStampsThem) {
    Seleciona({5, 1});
    QString arquivo;
    Gera([&](TfrmDlgGeracao& dialogo) {
        prompter.AnswerPath(pasta.path());
        dialogo.btnSelecionar->Click();
        arquivo = dialogo.edtDiretorio->Text();
        prompter.Answer(mrOk);
        dialogo.btnConfirmar->Click();
        const QString screenshots = QStringLiteral(ZEB_BUILD_DIR "/screenshots");
        ASSERT_TRUE(QDir().mkpath(screenshots));
        ASSERT_TRUE(
            dialogo.Widget()->grab().toImage().save(screenshots + QStringLiteral("/generation-dialog.png")));
    });
    EXPECT_EQ(prompter.Last().Text, QStringLiteral("Arquivo para transmissão gerado com sucesso!"));
    const QByteArray bytes = Conteudo(arquivo);
    const QList<QByteArray> linhas = bytes.split('\n');
    // header, 20 lines of declaration 1, 1 of declaration 5 (in the list's order), trailer
    ASSERT_EQ(linhas.size(), 1 + 20 + 1 + 1 + 1);
    EXPECT_TRUE(linhas[1].startsWith("0110000000001"));
    EXPECT_TRUE(linhas[21].startsWith("0110000000005"));
    EXPECT_TRUE(linhas[22].startsWith("9999"));
    EXPECT_EQ(linhas[22].mid(29, 10), QByteArray("0000200023"));
    EXPECT_EQ(Transmitidas(), 2);
    EXPECT_EQ(geracao->dbgGeracao->SelectedRows().Count(), 0);
    EXPECT_TRUE(Listadas().empty()); // generated now, so no longer offered
}

TEST_F(TfrmDlgGeracaoTest, AFailedRunShowsMessage269OnceAndLeavesNoFileNoStampAndTheSelection) {
    Seleciona({1, 5});
    Executa(QStringLiteral("UPDATE CAMPOS_DEF SET NO_CAMPO = 'NAO_EXISTE' WHERE SQ_CAMPO = 302"));
    const int antes = prompter.Count();
    QString arquivo;
    Gera([&](TfrmDlgGeracao& dialogo) {
        prompter.AnswerPath(pasta.path());
        dialogo.btnSelecionar->Click();
        arquivo = dialogo.edtDiretorio->Text();
        prompter.Answer(mrOk);
        dialogo.btnConfirmar->Click();
    });
    ASSERT_EQ(prompter.Count(), antes + 2); // the folder, then one error box
    EXPECT_EQ(prompter.Last().Caption, QStringLiteral("Erro"));
    EXPECT_EQ(prompter.Last().Text, Mensagem(269));
    EXPECT_FALSE(QFile::exists(arquivo));
    EXPECT_TRUE(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_EQ(Transmitidas(), 0);
    EXPECT_EQ(geracao->dbgGeracao->SelectedRows().Count(), 2);
}

TEST_F(TfrmDlgGeracaoTest, AnExistingFileIsReplacedOnlyWhenTheUserAgrees) {
    Seleciona({1});
    QString arquivo;
    auto gera = [&](TModalResult resposta) {
        Gera([&](TfrmDlgGeracao& dialogo) {
            prompter.AnswerPath(pasta.path());
            dialogo.btnSelecionar->Click();
            arquivo = dialogo.edtDiretorio->Text();
            QFile anterior(arquivo);
            ASSERT_TRUE(anterior.open(QIODevice::WriteOnly));
            anterior.write("anterior");
            anterior.close();
            prompter.Answer(resposta);
            if (resposta == mrYes)
                prompter.Answer(mrOk);
            dialogo.btnConfirmar->Click();
        });
    };
    gera(mrNo);
    EXPECT_EQ(prompter.Requests()[1].Text, QStringLiteral("Esse arquivo já existe. Deseja substituí-lo?"));
    EXPECT_EQ(Conteudo(arquivo), QByteArray("anterior"));
    EXPECT_EQ(Transmitidas(), 0);
    gera(mrYes);
    EXPECT_TRUE(Conteudo(arquivo).startsWith("0000"));
    EXPECT_EQ(Transmitidas(), 1);
}

TEST_F(TfrmDlgGeracaoTest, AnEmptyDestinationAsksForAFolder) {
    Seleciona({1});
    Gera([&](TfrmDlgGeracao& dialogo) {
        dialogo.edtDiretorio->SetText(QString());
        prompter.Answer(mrOk);
        prompter.Answer(mrCancel);
        dialogo.btnConfirmar->Click();
    });
    EXPECT_EQ(prompter.Requests()[0].Text,
              QStringLiteral("Selecione um local de destino para geração do arquivo!"));
    EXPECT_EQ(prompter.Requests()[1].Kind, TPromptKind::pkFolder);
    EXPECT_EQ(Transmitidas(), 0);
}
