#include "tests/declarations/pages/BalancePagesFixture.h"

#include "components/data/TDBComboValues.h"
#include "components/data/TReconcileDialog.h"
#include "components/data/TfrmReconcileDialog.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "declarations/pages/TfrmDetDemSaldoAcumulado.h"
#include "declarations/pages/TfrmDetSCCompProprio.h"
#include "declarations/pages/TfrmDetSCCompensado.h"
#include "declarations/pages/TfrmDetSCRecebido.h"
#include "declarations/pages/TfrmDetSCTransferido.h"
#include "declarations/pages/TfrmDetSaldoCredor.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TMemo.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

constexpr int NoSaldoCredor = 26;
constexpr int NoDemonstrativo = 27;
constexpr int NoCompProprio = 28;
constexpr int NoCompensados = 29;
constexpr int NoTransferidos = 30;
constexpr int NoRecebidos = 33;
// A registration with a valid check digit, another taxpayer's.
constexpr int OutraInscricao = 87654320;
// The other party of the fixture rows.
constexpr int InscricaoDasLinhas = 87654321;

class CreditBalancePageTest : public BalancePages {
protected:
    ~CreditBalancePageTest() override { Application->OnModalBegin = nullptr; }

    template <class P> P* Abre(int no) {
        BalancePages::Abre();
        auto* pagina = Pagina<P>(no);
        linhas = pagina->DataSet();
        return pagina;
    }
    void Campo(const char* nome, const QString& texto) { linhas->FieldByName(nome)->SetText(texto); }
    void Finalidade(const char* campo, int tipo) {
        linhas->FieldByName(campo)->SetAsInteger(Linhas().LegalGround('E', tipo, 1));
    }
    QString Texto(const char* nome) const { return linhas->FieldByName(nome)->AsString(); }

    TClientDataSet* linhas = nullptr;
};

} // namespace

TEST_F(CreditBalancePageTest, CompensatedRowRulesInTheirOrder) {
    auto* pagina = Abre<TfrmDetSCCompensado>(NoCompensados);
    EXPECT_EQ(pagina->Caption(), "Compensados");
    Clica(pagina->fraMidasNavigator1->acInsert());
    EXPECT_EQ(Focado(), "dbcvCFOPs");
    EXPECT_TRUE(pagina->dbcvCFOPs->Enabled());
    EXPECT_EQ(pagina->dbcvCFOPs->Color(), clWindow);
    TAction* grava = pagina->fraMidasNavigator1->acPost();
    // (an untouched new row is dropped, not posted)
    Campo("NU_SUBSERIE_NOTA_FISCAL", "a");
    EXPECT_EQ(Recusa(grava), std::make_pair(Mensagem(292), QString("dbcvCFOPs")));
    Finalidade("SQ_OCORRENCIA_DEF", 58);
    EXPECT_EQ(pagina->dbcvCFOPs->ComboText(), "0001");
    // The invoice is looked at before the registration and the amount.
    EXPECT_EQ(Recusa(grava), std::make_pair(Mensagem(266), QString("dbeNumNotaFiscal")));
    Campo("NU_NOTA_FISCAL", "12");
    Campo("NU_INSCRICAO", "87654322");
    EXPECT_EQ(Recusa(grava), std::make_pair(Mensagem(229), QString("dbeNumInscricao")));
    Campo("NU_INSCRICAO", QString::number(OutraInscricao));
    EXPECT_EQ(Recusa(grava), std::make_pair(Mensagem(47), QString("dbeVlCompensado")));
    EXPECT_EQ(linhas->State(), TDataSetState::dsInsert) << "nothing posted";

    Campo("VL_COMPENSADO", "4,5");
    Clica(grava);
    EXPECT_EQ(linhas->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(
        banco.Value("SELECT '[' || NU_SERIE_NOTA_FISCAL || ']' FROM SALDO_CREDOR_COMPENSADO").toString(),
        "[ ]")
        << "a null series is stored as one blank";
    EXPECT_FALSE(pagina->dbcvCFOPs->Enabled());
    EXPECT_EQ(pagina->dbcvCFOPs->Color(), clInfoBk);
}

TEST_F(CreditBalancePageTest, AnObservationOutsideItsPurposesFormatIsRefusedThere) {
    // A purpose whose datum is a whole number up to 999.
    Executa(QStringLiteral("UPDATE FUNDAMENTACAO_LEGAL_DEF_HIST SET TP_DADO_COMPLEMENTAR_1 = 'B' WHERE "
                           "SQ_OCORRENCIA_DEF = %1")
                .arg(Linhas().LegalGround('E', 50, 1)));
    auto* pagina = Abre<TfrmDetSCCompProprio>(NoCompProprio);
    Clica(pagina->fraMidasNavigator1->acInsert());
    Finalidade("SQ_OCORRENCIA_DEF", 50);
    TAction* grava = pagina->fraMidasNavigator1->acPost();
    EXPECT_EQ(Recusa(grava), std::make_pair(Mensagem(224), QString("dbeVlCompensado")));
    Campo("VL_COMPENSACAO", "9");
    Campo("TX_OBSERVACAO", "AMANHA");
    const auto [texto, foco] = Recusa(grava);
    EXPECT_TRUE(texto.contains("Dado Complementar")) << texto.toStdString();
    EXPECT_EQ(foco, "dbmObservacao");
    Campo("TX_OBSERVACAO", "15");
    Clica(grava);
    EXPECT_EQ(banco.Count("SELECT COUNT(*) FROM SALDO_CREDOR_COMP_PROPRIO"), 1);
}

TEST_F(CreditBalancePageTest, ReceivedProcessIsCheckedSplitAndClearedWhenEmptied) {
    auto* pagina = Abre<TfrmDetSCRecebido>(NoRecebidos);
    Clica(pagina->fraMidasNavigator1->acInsert());
    Finalidade("SQ_OCORRENCIA_DEF", 56);
    TAction* grava = pagina->fraMidasNavigator1->acPost();
    // A process with its year missing goes to the process check.
    Campo("DESC_PROCESSO", "E04-123456/    ");
    const int antes = prompter.Count();
    prompter.Answer(mrOk);
    Clica(grava);
    EXPECT_EQ(prompter.Count(), antes + 1);
    EXPECT_EQ(Focado(), "dbeProcesso");
    Campo("DESC_PROCESSO", "E04-123456/2010");
    EXPECT_EQ(Recusa(grava), std::make_pair(Mensagem(266), QString("dbeNumNotaFiscal")));
    Campo("NU_NOTA_FISCAL", "5");
    Campo("NU_INSCRICAO", "11111111");
    EXPECT_EQ(Recusa(grava), std::make_pair(Mensagem(230), QString("dbeNumInscRemetente")));
    Campo("NU_INSCRICAO", QString::number(OutraInscricao));
    EXPECT_EQ(Recusa(grava), std::make_pair(Mensagem(56), QString("dbeVlSaldoRecebido")));
    Campo("VL_SALDO_RECEBIDO", "8");
    Clica(grava);
    ASSERT_EQ(linhas->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(banco
                  .Value("SELECT CO_PREF_PROCESSO || '|' || NU_PROCESSO || '|' || NU_ANO_PROCESSO FROM "
                         "SALDO_CREDOR_RECEBIDO")
                  .toString(),
              "E04|123456|2010");

    // Emptying the process clears what was stored of it.
    Clica(pagina->fraMidasNavigator1->acEdit());
    Campo("DESC_PROCESSO", "");
    Clica(grava);
    ASSERT_EQ(linhas->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(banco.Count("SELECT COUNT(*) FROM SALDO_CREDOR_RECEBIDO WHERE NU_PROCESSO IS NULL AND "
                          "NU_ANO_PROCESSO IS NULL AND CO_PREF_PROCESSO IS NULL"),
              1);
}

TEST_F(CreditBalancePageTest, TransferRulesAndItsTwoPurposes) {
    const int destino = Linhas().LegalGround('E', 54, 1);
    auto* pagina = Abre<TfrmDetSCTransferido>(NoTransferidos);
    EXPECT_EQ(pagina->dbcvCFOPs->Name(), "dbcvFinalidades");
    Clica(pagina->fraMidasNavigator1->acInsert());
    EXPECT_EQ(Focado(), "dbcvFinalidades");
    TAction* grava = pagina->fraMidasNavigator1->acPost();
    Campo("NU_SUBSERIE_NOTA_FISCAL", "a");
    EXPECT_EQ(Recusa(grava), std::make_pair(Mensagem(292), QString("dbcvFinalidades")));
    Finalidade("SQ_OCORRENCIA_DEF", 52);
    EXPECT_EQ(Recusa(grava), std::make_pair(Mensagem(292), QString("dbcvDestinatario")));
    linhas->FieldByName("SQ_OCORRENCIA_DEF_DESTINO")->SetAsInteger(destino);
    EXPECT_EQ(pagina->dbcvDestinatario->ComboText(), "0001");
    EXPECT_EQ(Recusa(grava), std::make_pair(Mensagem(266), QString("dbeNumNotaFiscal")));
    Campo("NU_NOTA_FISCAL", "9");
    EXPECT_EQ(Recusa(grava), std::make_pair(Mensagem(52), QString("dbeVlSaldoTransferido")));
    Campo("VL_SALDO_TRANSFERIDO", "6");
    Campo("NU_INSCRICAO", "87654329");
    EXPECT_EQ(Recusa(grava), std::make_pair(Mensagem(229), QString("dbeNumInscDestinatario")));
    // No transfer to the declaring taxpayer itself.
    Campo("NU_INSCRICAO", QString::number(DeclarationFixture::DefaultInscricao));
    EXPECT_EQ(Recusa(grava), std::make_pair(Mensagem(296), QString("dbeNumInscDestinatario")));
    Campo("NU_INSCRICAO", QString::number(OutraInscricao));
    Clica(grava);
    ASSERT_EQ(linhas->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(banco.Count("SELECT COUNT(*) FROM SALDO_CREDOR_TRANSFERIDO"), 1);

    // A stored transfer keeps its origin purpose; the destination can still change.
    Clica(pagina->fraMidasNavigator1->acEdit());
    EXPECT_FALSE(pagina->dbcvCFOPs->Enabled());
    EXPECT_EQ(pagina->dbcvCFOPs->Color(), clInfoBk);
    EXPECT_TRUE(pagina->dbcvDestinatario->Enabled());
    Clica(pagina->fraMidasNavigator1->acCancel());
    EXPECT_FALSE(pagina->dbcvDestinatario->Enabled());
}

TEST_F(CreditBalancePageTest, TheTransferObservationFollowsTheDestinationPurpose) {
    const int origem = Linhas().LegalGround('E', 52, 1);
    const int destino = Linhas().LegalGround('E', 54, 1);
    Executa(QStringLiteral("UPDATE FUNDAMENTACAO_LEGAL_DEF_HIST SET TP_DADO_COMPLEMENTAR_1 = 'R' WHERE "
                           "SQ_OCORRENCIA_DEF = %1")
                .arg(destino));
    auto* pagina = Abre<TfrmDetSCTransferido>(NoTransferidos);
    Clica(pagina->fraMidasNavigator1->acInsert());
    linhas->FieldByName("SQ_OCORRENCIA_DEF")->SetAsInteger(origem);
    linhas->FieldByName("SQ_OCORRENCIA_DEF_DESTINO")->SetAsInteger(destino);
    Campo("NU_NOTA_FISCAL", "9");
    Campo("VL_SALDO_TRANSFERIDO", "6");
    Campo("NU_INSCRICAO", QString::number(OutraInscricao));
    Campo("TX_OBSERVACAO_DESTINO", "TEXTO LIVRE");
    const auto [texto, foco] = Recusa(pagina->fraMidasNavigator1->acPost());
    EXPECT_TRUE(texto.contains("Dado Complementar")) << texto.toStdString();
    EXPECT_EQ(foco, "dbmObservacao");
    Campo("TX_OBSERVACAO_DESTINO", "01/2011");
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_EQ(banco.Count("SELECT COUNT(*) FROM SALDO_CREDOR_TRANSFERIDO"), 1);
}

TEST_F(CreditBalancePageTest, ARefusedTransferIsShownOnTheTransferRowsAndStaysCorrectable) {
    const int destino = Linhas().LegalGround('E', 54, 2);
    auto* pagina = Abre<TfrmDetSCTransferido>(NoTransferidos);
    EXPECT_EQ(pagina->ReconcileDialog1->DataSet(), linhas);
    Clica(pagina->fraMidasNavigator1->acInsert());
    Finalidade("SQ_OCORRENCIA_DEF", 52);
    linhas->FieldByName("SQ_OCORRENCIA_DEF_DESTINO")->SetAsInteger(destino);
    Campo("NU_NOTA_FISCAL", "9");
    Campo("VL_SALDO_TRANSFERIDO", "6");
    Campo("NU_INSCRICAO", QString::number(OutraInscricao));
    Campo("TX_OBSERVACAO_DESTINO", "LEI 1");
    // The destination purpose disappears from the database meanwhile.
    for (const char* tabela : {"FUNDAMENTACAO_LEGAL_DEF_HIST", "FUNDAMENTACAO_LEGAL_DEF"})
        Executa(QStringLiteral("DELETE FROM %1 WHERE SQ_OCORRENCIA_DEF = %2").arg(tabela).arg(destino));
    QStringList mostradas;
    Application->OnModalBegin = TNotifyEvent::fromFunction([&](TObject* sender) {
        auto* janela = dynamic_cast<TfrmReconcileDialog*>(sender);
        ASSERT_NE(janela, nullptr);
        mostradas << janela->mmMensagem->Text();
        janela->SetModalResult(mrOk);
    });
    Clica(pagina->fraMidasNavigator1->acPost());
    ASSERT_EQ(mostradas.size(), 1);
    EXPECT_TRUE(mostradas.first().contains("FK_SC_TRANSF_FUND_DEST")) << mostradas.first().toStdString();
    EXPECT_EQ(linhas->ChangeCount(), 1) << "the refused row is kept, not lost";
    EXPECT_EQ(banco.Count("SELECT COUNT(*) FROM SALDO_CREDOR_TRANSFERIDO"), 0);
}

TEST_F(CreditBalancePageTest, ThePagesWithRowsAsTheyShow) {
    AbreComLinhas();
    auto* ramo = Pagina<TfrmDetSaldoCredor>(NoSaldoCredor);
    EXPECT_EQ(ramo->Caption(), "Saldo Credor");
    Foto(NoSaldoCredor, "credit-balance");
    auto* demonstrativo = Pagina<TfrmDetDemSaldoAcumulado>(NoDemonstrativo);
    EXPECT_TRUE(demonstrativo->Memo1->Text().startsWith("Subficha utilizada para informar o saldo credor"));
    Foto(NoDemonstrativo, "accumulated-balance");

    auto* proprio = Pagina<TfrmDetSCCompProprio>(NoCompProprio);
    ASSERT_EQ(proprio->DataSet()->RecordCount(), 1);
    EXPECT_EQ(proprio->DataSet()->FieldByName("Codigo")->AsString(), "0001");
    EXPECT_EQ(proprio->dbmObservacao->MaxLength(), 100);
    Foto(NoCompProprio, "own-compensation");
    auto* compensados = Pagina<TfrmDetSCCompensado>(NoCompensados);
    EXPECT_EQ(compensados->DataSet()->FieldByName("NU_INSCRICAO")->AsInteger(), InscricaoDasLinhas);
    Foto(NoCompensados, "compensated");
    auto* transferidos = Pagina<TfrmDetSCTransferido>(NoTransferidos);
    EXPECT_EQ(transferidos->DataSet()->RecordCount(), 1);
    Foto(NoTransferidos, "transferred");
    auto* recebidos = Pagina<TfrmDetSCRecebido>(NoRecebidos);
    EXPECT_EQ(recebidos->DataSet()->FieldByName("VL_SALDO_RECEBIDO")->AsCurrency(), Currency::fromUnits(8));
    Foto(NoRecebidos, "received");
}
