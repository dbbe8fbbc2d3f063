// The data-version check and the updater on real data files of older
// versions, every box answered and read back through the scripted prompter.

#include "tests/core/data/DataAtVersion.h"
#include "tests/support/ScriptedPrompter.h"

#include "core/data/DataVersion.h"
#include "core/data/TDMDefAtualizador.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"

#include <gtest/gtest.h>

namespace {

const QString Pergunta0324 = QStringLiteral(
    "A T E N Ç Ã O !!!\r\rA versão dos dados atuais \"0.3.2.4\" é anterior à versão do sistema "
    "\"0.3.3.4\".\r\rConfirma a conversão dos dados para esta versão do sistema?");

const QString SemSuporte0323 = QStringLiteral(
    "Não existe mais suporte para esta versão dos dados do sistema (0.3.2.3) ou versões anteriores."
    "\r\rÉ necessário desinstalar esta versão e instalar a versão mais recente do sistema.");

// Opening words of the boxes of the groups.
const QString Grupo3Anistia =
    QStringLiteral("Inclusão dos CFOPs 5667, 6667 e 7667 e da Ocorrência de Anistia");
const QString Grupo3Cfops = QStringLiteral("Inclusão dos CFOPs 6360, 1934, 2934, 5934, 6934");
const QString Grupo4 = QStringLiteral("Inclusão dos CFOPs 1128, 2128, 3128");
const QString Grupo5 = QStringLiteral("Inclusão da ocorrência da anistia");
const QString Grupo6 = QStringLiteral("Inclusão de novas ocorrências relacionadas a ");
const QString Grupo7 = QStringLiteral("Inclusão de novas ocorrências relacionadas ao ");
// The last box of every update that was kept.
const QString Reinicio =
    QStringLiteral("Os dados foram atualizados com sucesso para a versão \"0.3.3.4\".\r\rPressione [Ok] para "
                   "completar a atualização e execute novamente o aplicativo da ZEB-ICMS...");

class VerificaVersaoTest : public ::testing::Test {
protected:
    void SetUp() override { DataUpdated = false; }
    void TearDown() override { DataUpdated = false; }

    // Answers the conversion question Yes and every later box OK.
    void ConfirmaEAceitaAvisos(int avisos) {
        prompter.Answer(mrYes);
        for (int i = 0; i < avisos; ++i)
            prompter.Answer(mrOk);
    }

    // The texts of the boxes after the question.
    std::vector<QString> Avisos() const {
        std::vector<QString> textos;
        for (std::size_t i = 1; i < prompter.Requests().size(); ++i)
            textos.push_back(prompter.Requests()[i].Text);
        return textos;
    }

    ScriptedPrompter prompter;
};

int ContaGround(const DataAtVersion& dados, int sq) {
    return dados.Count(
        QStringLiteral("SELECT COUNT(*) FROM FUNDAMENTACAO_LEGAL_DEF WHERE SQ_OCORRENCIA_DEF = %1").arg(sq));
}

int ContaCfop(const DataAtVersion& dados, int codigo) {
    return dados.Count(QStringLiteral("SELECT COUNT(*) FROM CFOP WHERE CO_FISCAL_OPERACAO = %1").arg(codigo));
}

} // namespace

TEST_F(VerificaVersaoTest, DataOlderThanTheOldestSupportedAreRefusedWithoutQuestion) {
    DataAtVersion dados(QStringLiteral("0.3.2.4"));
    prompter.Answer(mrOk);
    EXPECT_FALSE(VerificaVersao(QStringLiteral("0.3.2.3"), dados.Path()));
    ASSERT_EQ(prompter.Count(), 1);
    const TPromptRequest& box = prompter.Last();
    EXPECT_EQ(box.Caption, "Erro");
    EXPECT_EQ(box.Icon, TMsgDlgType::mtError);
    EXPECT_TRUE(box.SystemModal);
    EXPECT_EQ(box.Text, SemSuporte0323);
    EXPECT_EQ(dados.Version(), "0.3.2.4");
    EXPECT_FALSE(DataUpdated);
}

TEST_F(VerificaVersaoTest, CurrentOrNewerDataPassWithoutAWord) {
    // Compared as texts: anything sorting at or after the program's version.
    for (const char* versao : {"0.3.3.4", "0.3.3.5", "0.3.4", "0.4.0.0", "1"}) {
        EXPECT_TRUE(VerificaVersao(QString::fromLatin1(versao), QStringLiteral("/no/such/file.gdb")))
            << versao;
    }
    EXPECT_EQ(prompter.Count(), 0);
    EXPECT_FALSE(DataUpdated);
}

TEST_F(VerificaVersaoTest, VersionsCompareAsPlainText) {
    // "0.3.10.0" sorts before "0.3.2.4": refused as too old.
    prompter.Answer(mrOk);
    EXPECT_FALSE(VerificaVersao(QStringLiteral("0.3.10.0"), QStringLiteral("/no/such/file.gdb")));
    EXPECT_TRUE(prompter.Last().Text.startsWith("Não existe mais suporte"));
}

TEST_F(VerificaVersaoTest, DecliningTheConversionChangesNothing) {
    DataAtVersion dados(QStringLiteral("0.3.2.4"));
    prompter.Answer(mrNo);
    EXPECT_FALSE(VerificaVersao(QStringLiteral("0.3.2.4"), dados.Path()));
    ASSERT_EQ(prompter.Count(), 1);
    const TPromptRequest& pergunta = prompter.Last();
    EXPECT_EQ(pergunta.Caption, "Confirmação");
    EXPECT_EQ(pergunta.Icon, TMsgDlgType::mtWarning);
    EXPECT_EQ(pergunta.DefaultButton, TMsgDlgBtn::mbNo);
    EXPECT_EQ(pergunta.Text, Pergunta0324);
    EXPECT_EQ(dados.Version(), "0.3.2.4");
    EXPECT_EQ(dados.Count("SELECT COUNT(*) FROM MUNICIPIO WHERE CO_LOCALIDADE = 7375"), 0);
    EXPECT_FALSE(DataUpdated);
}

TEST_F(VerificaVersaoTest, Data0324RunGroupsOneToSixWhileTheProgramStaysConnected) {
    DataAtVersion dados(QStringLiteral("0.3.2.4"));
    // The program's own connection stays open during the update.
    TIBDatabase programa;
    programa.SetDatabaseName(dados.Path());
    programa.Open();

    ConfirmaEAceitaAvisos(6);
    EXPECT_TRUE(VerificaVersao(QStringLiteral("0.3.2.4"), dados.Path()));
    EXPECT_TRUE(DataUpdated);
    const std::vector<QString> avisos = Avisos();
    ASSERT_EQ(avisos.size(), 6u);
    EXPECT_TRUE(avisos[0].startsWith(Grupo3Anistia));
    EXPECT_TRUE(avisos[0].endsWith(" efetuada com sucesso."));
    EXPECT_TRUE(avisos[1].startsWith(Grupo3Cfops));
    EXPECT_TRUE(avisos[2].startsWith(Grupo4));
    EXPECT_TRUE(avisos[3].startsWith(Grupo5));
    EXPECT_TRUE(avisos[4].startsWith(Grupo6));
    // Once, after the update: the run is to end and the program started again.
    EXPECT_EQ(avisos[5], Reinicio);
    for (std::size_t i = 1; i < prompter.Requests().size(); ++i) {
        EXPECT_EQ(prompter.Requests()[i].Caption, "Informa");
        EXPECT_TRUE(prompter.Requests()[i].SystemModal);
    }

    // The program's connection reads the new version in its next transaction.
    TIBTransaction transacao;
    transacao.SetDefaultDatabase(&programa);
    TIBSQL sql;
    sql.SetDatabase(&programa);
    sql.SetTransaction(&transacao);
    transacao.StartTransaction();
    sql.SetSQLText("SELECT TX_PARAM1 FROM PARAMETROS_DEF WHERE ID_PARAMETRO = 1");
    sql.ExecQuery();
    EXPECT_EQ(sql.Fields(0).AsString(), "0.3.3.4");
    transacao.Commit();

    // Each group left its rows: group 1 (free-trade locality, fuel codes,
    // grounds), 2 (rule messages), 3 (new text of 316, codes), 4 to 6.
    EXPECT_EQ(dados.Count("SELECT COUNT(*) FROM MUNICIPIO_ALC WHERE CO_LOCALIDADE = 7375"), 1);
    EXPECT_EQ(dados.Value("SELECT DT_FIM FROM MUNICIPIO_ALC WHERE CO_LOCALIDADE = 7383").toDate(),
              QDate(2008, 8, 29));
    EXPECT_EQ(ContaCfop(dados, 1651), 1);
    EXPECT_EQ(ContaGround(dados, 143), 1);
    EXPECT_EQ(dados.Count("SELECT COUNT(*) FROM TIPO_ERRO_DECLARACAO WHERE CO_ERRO IN (321, 322)"), 2);
    EXPECT_EQ(dados.Value("SELECT TX_MENSAGEM FROM TIPO_ERRO_DECLARACAO WHERE CO_ERRO = 316").toString(),
              "Descrição da ocorrência não preenchida.");
    EXPECT_EQ(ContaCfop(dados, 5667), 1);
    EXPECT_EQ(dados.Count("SELECT COUNT(*) FROM CFOP_HIST WHERE CO_FISCAL_OPERACAO = 5923"), 2);
    EXPECT_EQ(ContaCfop(dados, 1128), 1);
    EXPECT_EQ(ContaGround(dados, 256), 1);
    EXPECT_EQ(ContaGround(dados, 214), 1);
    // Group 7 is not among them.
    EXPECT_EQ(ContaGround(dados, 276), 0);
    programa.Close();
}

TEST_F(VerificaVersaoTest, Data0332RunGroupsFourToSixOnly) {
    DataAtVersion dados(QStringLiteral("0.3.3.2"));
    // Rows of groups 2 and 3 removed here would come back if those groups ran.
    dados.Execute("DELETE FROM FUNDAMENTACAO_LEGAL_DEF_HIST WHERE SQ_OCORRENCIA_DEF = 255");
    dados.Execute("DELETE FROM FUNDAMENTACAO_LEGAL_DEF WHERE SQ_OCORRENCIA_DEF = 255");
    dados.Execute("DELETE FROM TIPO_ERRO_DECLARACAO WHERE CO_ERRO = 321");

    ConfirmaEAceitaAvisos(4);
    EXPECT_TRUE(VerificaVersao(QStringLiteral("0.3.3.2"), dados.Path()));
    const std::vector<QString> avisos = Avisos();
    ASSERT_EQ(avisos.size(), 4u);
    EXPECT_TRUE(avisos[0].startsWith(Grupo4));
    EXPECT_TRUE(avisos[1].startsWith(Grupo5));
    EXPECT_TRUE(avisos[2].startsWith(Grupo6));
    EXPECT_EQ(avisos[3], Reinicio);
    EXPECT_EQ(dados.Version(), "0.3.3.4");
    EXPECT_EQ(ContaCfop(dados, 1128), 1);
    EXPECT_EQ(ContaGround(dados, 256), 1);
    EXPECT_EQ(ContaGround(dados, 214), 1);
    EXPECT_EQ(ContaGround(dados, 255), 0);
    EXPECT_EQ(dados.Count("SELECT COUNT(*) FROM TIPO_ERRO_DECLARACAO WHERE CO_ERRO = 321"), 0);
    EXPECT_EQ(ContaGround(dados, 276), 0);
}

TEST_F(VerificaVersaoTest, Data0333RunGroupSevenOnly) {
    DataAtVersion dados(QStringLiteral("0.3.3.3"));
    dados.Execute("DELETE FROM FUNDAMENTACAO_LEGAL_DEF_HIST WHERE SQ_OCORRENCIA_DEF = 256");
    dados.Execute("DELETE FROM FUNDAMENTACAO_LEGAL_DEF WHERE SQ_OCORRENCIA_DEF = 256");

    ConfirmaEAceitaAvisos(2);
    EXPECT_TRUE(VerificaVersao(QStringLiteral("0.3.3.3"), dados.Path()));
    const std::vector<QString> avisos = Avisos();
    ASSERT_EQ(avisos.size(), 2u);
    EXPECT_TRUE(avisos[0].startsWith(Grupo7));
    EXPECT_EQ(avisos[1], Reinicio);
    EXPECT_EQ(dados.Version(), "0.3.3.4");
    EXPECT_EQ(ContaGround(dados, 256), 0);
    EXPECT_EQ(
        dados.Value("SELECT DT_FIM FROM FUNDAMENTACAO_LEGAL_DEF_HIST WHERE SQ_OCORRENCIA_DEF = 276").toDate(),
        QDate(2018, 7, 31));
}

TEST_F(VerificaVersaoTest, AFailingScriptOfAnAbortingGroupKeepsNothing) {
    DataAtVersion dados(QStringLiteral("0.3.2.4"));
    // The locality the free-trade script inserts is already there.
    dados.Execute("INSERT INTO MUNICIPIO (CO_LOCALIDADE, CO_UF, NO_LOCALIDADE, NU_CEP_LOCALIDADE) "
                  "VALUES (7375, 14, 'Boa Vista', 69300000)");

    ConfirmaEAceitaAvisos(1);
    EXPECT_FALSE(VerificaVersao(QStringLiteral("0.3.2.4"), dados.Path()));
    EXPECT_FALSE(DataUpdated);
    ASSERT_EQ(prompter.Count(), 2);
    const TPromptRequest& erro = prompter.Last();
    EXPECT_EQ(erro.Caption, "Erro");
    EXPECT_EQ(erro.Icon, TMsgDlgType::mtError);
    EXPECT_TRUE(erro.Text.startsWith(
        "Erro inesperado ao atualizar os dados para esta versão do sistema (0.3.3.4):\r\r"));
    EXPECT_TRUE(erro.Text.contains("IBSQL_0324_ZFM, linha 1"));
    // Not even the script that ran before the failing one stays.
    EXPECT_EQ(dados.Version(), "0.3.2.4");
    EXPECT_EQ(ContaCfop(dados, 1651), 0);
    EXPECT_EQ(dados.Count("SELECT COUNT(*) FROM MUNICIPIO_ALC WHERE CO_LOCALIDADE = 7375"), 0);
}

TEST_F(VerificaVersaoTest, AFailingScriptOfAContinuingGroupIsNamedAndTheUpdateGoesOn) {
    DataAtVersion dados(QStringLiteral("0.3.3.2"));
    // The amnesty ground is already there: its script stops at its first line.
    dados.Execute(
        "INSERT INTO FUNDAMENTACAO_LEGAL_DEF (SQ_OCORRENCIA_DEF, TP_APURACAO, TP_OCORRENCIA, "
        "NU_OCORRENCIA, DS_OCORRENCIA, ST_OCORRENCIA_DEF) VALUES (256, 'O', 35, 13, 'Anistia', 'A')");

    ConfirmaEAceitaAvisos(4);
    EXPECT_TRUE(VerificaVersao(QStringLiteral("0.3.3.2"), dados.Path()));
    EXPECT_TRUE(DataUpdated);
    ASSERT_EQ(prompter.Count(), 5);
    EXPECT_TRUE(prompter.Requests()[1].Text.startsWith(Grupo4));
    const TPromptRequest& falha = prompter.Requests()[2];
    EXPECT_EQ(falha.Icon, TMsgDlgType::mtError);
    EXPECT_TRUE(falha.Text.contains("IBSQL_0331_ANISTIA"));
    EXPECT_FALSE(falha.Text.contains("sucesso"));
    EXPECT_TRUE(prompter.Requests()[3].Text.startsWith(Grupo6));
    EXPECT_EQ(prompter.Requests()[4].Text, Reinicio);
    EXPECT_EQ(dados.Version(), "0.3.3.4");
    EXPECT_EQ(ContaGround(dados, 214), 1);
    EXPECT_EQ(dados.Value("SELECT DS_OCORRENCIA FROM FUNDAMENTACAO_LEGAL_DEF WHERE SQ_OCORRENCIA_DEF = 256")
                  .toString(),
              "Anistia");
}

TEST_F(VerificaVersaoTest, AFileThatCannotBeOpenedIsReportedByName) {
    ConfirmaEAceitaAvisos(1);
    EXPECT_FALSE(VerificaVersao(QStringLiteral("0.3.2.4"), QStringLiteral("/no/such/folder/dbdef.gdb")));
    const TPromptRequest& erro = prompter.Last();
    EXPECT_EQ(erro.Text, "Erro na conexão com o Banco de Dados:\r/no/such/folder/dbdef.gdb");
    EXPECT_TRUE(erro.SystemModal);
    EXPECT_FALSE(DataUpdated);
}
