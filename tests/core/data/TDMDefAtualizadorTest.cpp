// The updater module on its own: its scripts, its result codes and the
// one-script runner the build and the restore fix-up use.

#include "tests/core/data/DataAtVersion.h"
#include "tests/support/ScriptedPrompter.h"

#include "core/data/TDMDefAtualizador.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBSQL.h"

#include <gtest/gtest.h>

TEST(TDMDefAtualizadorTest, LoadsEveryScriptInDeclarationOrder) {
    TDMDefAtualizador atualizador;
    QStringList nomes;
    for (TIBSQL* script : atualizador.Scripts()) {
        nomes << script->Name();
        EXPECT_FALSE(script->SQLText().trimmed().isEmpty()) << script->Name().toStdString();
        for (const QString& linha : script->SQL())
            EXPECT_FALSE(linha.trimmed().endsWith(QLatin1Char(';'))) << linha.toStdString();
    }
    EXPECT_EQ(nomes,
              QStringList({"ibSQLCodes", "ibSQLGrupoCFOP", "IBSQL_0324_CFOP", "IBSQL_0324_ZFM",
                           "IBSQL_0324_OCO", "IBSQL_0325_OCO", "IBSQL_0325_ERRO", "IBSQL_0326_CFOP_1",
                           "IBSQL_0326_OCO", "IBSQL_0326_ERRO", "IBSQL_0326_CFOP_2", "IBSQL_0330_CFOP_1",
                           "IBSQL_0331_ANISTIA", "IBSQL_0332_OCORRENCIA", "IBSQL_0334_OCORRENCIA"}));
    EXPECT_EQ(atualizador.FindComponent("IBSQL_0334_OCORRENCIA"), atualizador.IBSQL_0334_OCORRENCIA);
    EXPECT_EQ(atualizador.ibSQLCodes->SQL().filter("D TP COMPLEMENTO").size(), 15);
}

TEST(TDMDefAtualizadorTest, ResultCodesOfDataTooOldAndDataCurrent) {
    DataAtVersion dados(QStringLiteral("0.3.2.4"));
    ScriptedPrompter prompter;
    TDMDefAtualizador atualizador;
    atualizador.ibDBDef->SetDatabaseName(dados.Path());
    atualizador.ibDBDef->Open();

    prompter.Answer(mrOk);
    atualizador.Atualiza(QStringLiteral("0.3.2.3"));
    EXPECT_EQ(atualizador.ResultCode(), TDMDefAtualizador::UpdateFailedCode);
    EXPECT_TRUE(prompter.Last().Text.startsWith("Não existe mais suporte"));

    // Current data: nothing runs, not even the stamp.
    atualizador.Atualiza(QStringLiteral("0.3.3.4"));
    EXPECT_EQ(atualizador.ResultCode(), TDMDefAtualizador::SuccessCode);
    EXPECT_EQ(prompter.Count(), 1);
    atualizador.ibDBDef->Close();
    EXPECT_EQ(dados.Version(), "0.3.2.4");
}

TEST(TDMDefAtualizadorTest, ReadsTheDataVersionOfItsConnection) {
    DataAtVersion dados(QStringLiteral("0.3.2.6"));
    TDMDefAtualizador atualizador;
    atualizador.ibDBDef->SetDatabaseName(dados.Path());
    atualizador.ibDBDef->Open();
    EXPECT_EQ(atualizador.LeVersaoDados(), "0.3.2.6");
}

TEST(TDMDefAtualizadorTest, AppliedScriptIsCommittedOrRolledBackWhole) {
    DataAtVersion dados(QStringLiteral("0.3.3.4"));
    TDMDefAtualizador atualizador;
    atualizador.ibDBDef->SetDatabaseName(dados.Path());
    atualizador.ibDBDef->Open();
    atualizador.ApplyScript(atualizador.IBSQL_0334_OCORRENCIA);
    EXPECT_EQ(dados.Count("SELECT COUNT(*) FROM FUNDAMENTACAO_LEGAL_DEF_HIST WHERE SQ_OCORRENCIA_DEF = 276"),
              1);

    // A script failing at its second line leaves nothing of its first.
    TIBSQL script(&atualizador);
    script.SetName("ibSQLTeste");
    script.SetSQL(
        {"INSERT INTO TIPO_ERRO_DECLARACAO (CO_ERRO, TX_MENSAGEM, TP_ERRO) VALUES (999, 'Teste', 'E')", "",
         "INSERT INTO TABELA_INEXISTENTE VALUES (1)"});
    try {
        atualizador.ApplyScript(&script);
        FAIL() << "the second statement must fail the script";
    } catch (const EDatabaseError& erro) {
        EXPECT_TRUE(erro.Message().startsWith("ibSQLTeste, linha 3: ")) << erro.what();
    }
    EXPECT_EQ(dados.Count("SELECT COUNT(*) FROM TIPO_ERRO_DECLARACAO WHERE CO_ERRO = 999"), 0);
}

TEST(TDMDefAtualizadorTest, ScriptsKeepTheirLinesBeforeAFailureInsideTheUpdate) {
    // Data of 0.3.3.2 whose code 2128 is already there: the script of group
    // 4 stops at that line, the lines before it stay with the update.
    DataAtVersion dados(QStringLiteral("0.3.3.2"));
    dados.Execute("INSERT INTO CFOP (CO_FISCAL_OPERACAO, TP_NATUREZA_CFOP, DT_INICIO, DT_FIM, ST_CFOP) "
                  "VALUES (2128, 'E', '2011-01-01', NULL, 'A')");
    ScriptedPrompter prompter;
    prompter.Answer(mrOk).Answer(mrOk).Answer(mrOk);
    TDMDefAtualizador atualizador;
    atualizador.ibDBDef->SetDatabaseName(dados.Path());
    atualizador.ibDBDef->Open();
    atualizador.Atualiza(QStringLiteral("0.3.3.2"));
    EXPECT_EQ(atualizador.ResultCode(), TDMDefAtualizador::SuccessCode);
    EXPECT_EQ(atualizador.FailedScripts(), QStringList{"IBSQL_0330_CFOP_1"});
    EXPECT_TRUE(prompter.Requests()[0].Text.contains("IBSQL_0330_CFOP_1"));
    atualizador.ibDBDef->Close();
    EXPECT_EQ(dados.Count("SELECT COUNT(*) FROM CFOP_HIST WHERE CO_FISCAL_OPERACAO = 1128"), 1);
    EXPECT_EQ(dados.Count("SELECT COUNT(*) FROM CFOP_HIST WHERE CO_FISCAL_OPERACAO = 3128"), 0);
    EXPECT_EQ(dados.Version(), "0.3.3.4");
}
