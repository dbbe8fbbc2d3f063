// The page of the other ICMS due and its value dialog: the date, period and
// import rules in their order, the import's type of declaration typed or
// pasted, the kind of period of O350014, and the companion rows of O350006
// and O350007 applied with the rows they accompany.

#include "tests/declarations/pages/OccurrencePageTesting.h"

#include "components/data/TDBComboValues.h"
#include "components/data/TReconcileDialog.h"
#include "components/data/TfrmReconcileDialog.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "core/util/CheckDigits.h"
#include "declarations/pages/TfrmDetOutICMS.h"
#include "declarations/pages/TfrmDlgValorOcorrencia.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TDBText.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TPanel.h"
#include "tests/support/QStringPrinter.h"

#include <memory>

namespace {

constexpr int NoOutrosICMS = 20;

class TfrmDetOutICMSTest : public OccurrencePageTesting {
protected:
    TfrmDetOutICMS* AbrePagina(int ano = 2011, int mes = 1) {
        OpenEditor(ano, mes);
        auto* pagina = Abre<TfrmDetOutICMS>(NoOutrosICMS);
        EXPECT_NE(pagina, nullptr);
        return pagina;
    }
    // Starts a row of `codigo` with an amount.
    void Inicia(TfrmDetOutICMS* pagina, const QString& codigo, const QString& valor = "100") {
        Clica(pagina->fraMidasNavigator1->acInsert());
        Escolhe(pagina, codigo);
        Digita(pagina->dbeVlContabil, valor);
    }
    // Answers the value dialog with `texto`, confirmed; none: cancelled.
    void ValorDaCompanheira(const QString& texto) {
        Application->OnModalBegin = TNotifyEvent::fromFunction([this, texto](TObject* sender) {
            auto* dialogo = dynamic_cast<TfrmDlgValorOcorrencia*>(sender);
            ASSERT_NE(dialogo, nullptr);
            ++dialogos;
            if (texto.isEmpty()) {
                dialogo->btnCancelar->Click();
                return;
            }
            dialogo->edtValor->SetText(texto);
            dialogo->btnConfirmar->Click();
        });
    }
    // A number of an import declaration that passes the check digits, or
    // one that fails them.
    static QString DeclaracaoImportacao(bool valida = true) {
        for (qint64 n = 1000000000; n < 1000000100; ++n) {
            const QString numero = QString::number(n);
            if ((ValidaDVSufixo2(numero) || ValidaDVSufixo4(numero)) == valida)
                return numero;
        }
        ADD_FAILURE() << "no such number";
        return {};
    }
    std::vector<QVariantList> Linhas() {
        return banco.Rows(
            "SELECT SQ_OCORRENCIA_DEF, VL_LANCAMENTO, VL_COMPLEMENTO_1, VL_COMPLEMENTO_2, "
            "COALESCE(VL_COMPLEMENTO_3, ''), COALESCE(DS_COMPLEMENTAR, '') FROM OUTRO_ICMS_DEVIDO "
            "ORDER BY SQ_OUTRO_ICMS_DEVIDO");
    }
    static QVariant Dinheiro(std::int64_t centavos) {
        return QVariant::fromValue(Currency::fromRaw(centavos * 100));
    }

    int dialogos = 0;
};

} // namespace

TEST_F(TfrmDetOutICMSTest, OffersTheGroundsOfKind35AndChecksDatesAgainstTheReferenceMonth) {
    auto* pagina = AbrePagina();
    EXPECT_EQ(pagina->Caption(), "Outros ICMS Devidos");
    EXPECT_EQ(pagina->dbgDetalhes->Name(), "dbgDetalhes");
    EXPECT_EQ(pagina->ReconcileDialog1->DataSet(), def->cdsOutICMS);
    EXPECT_EQ(DMDefBasica->cdsConFundamento->Filter(), "TP_OCORRENCIA = 35");
    EXPECT_TRUE(pagina->dbcvCFOPs->Items().contains("O350006"));
    EXPECT_TRUE(pagina->dbcvCFOPs->Items().contains("O350011"));
    ASSERT_NE(pagina->dbeDadoComp3, nullptr);

    TClientDataSet* linhas = pagina->DataSet();
    Inicia(pagina, "O350006");
    EXPECT_TRUE(linhas->FieldByName("TP_APURACAO")->IsNull()) << "the page presets nothing";
    Digita(pagina->dbeDadoComp1, "10/12/2010");
    EXPECT_TRUE(Recusado(pagina, "Dado Complementar 1 - " + Mensagem(307), pagina->dbeDadoComp1));
    Digita(pagina->dbeDadoComp1, "15/01/2011");
    Digita(pagina->dbeDadoComp2, "5");
    EXPECT_TRUE(Recusado(pagina, "Dado Complementar 2 - " + Mensagem(306), pagina->dbeDadoComp2));
    Digita(pagina->dbeDadoComp2, "2");
    Digita(pagina->dbeDadoComp3, "x");
    EXPECT_TRUE(Recusado(pagina, "Dado Complementar 3 - " + Mensagem(253), pagina->dbeDadoComp3));
    Digita(pagina->dbeDadoComp3, "");
    // A ten-day period begins on the 1st, 11th or 21st.
    EXPECT_TRUE(Recusado(pagina, "Dado Complementar 1 - " + Mensagem(314), pagina->dbeDadoComp1));
    Digita(pagina->dbeDadoComp1, "11/01/2011");
    prompter.Answer(mrNo);
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_EQ(prompter.Last().Text,
              "Deseja também incluir a ocorrência \"O350011\" para o respectivo FECP devido?");
    EXPECT_EQ(Linhas(), (std::vector<QVariantList>{{206, Dinheiro(10000), "11/01/2011", "2", "", ""}}));

    // A month's period begins on the 1st.
    Clica(pagina->fraMidasNavigator1->acEdit());
    Digita(pagina->dbeDadoComp2, "1");
    EXPECT_TRUE(Recusado(pagina, "Dado Complementar 1 - " + Mensagem(314), pagina->dbeDadoComp1, dsEdit));
    Digita(pagina->dbeDadoComp1, "01/01/2011");
    const int perguntas = prompter.Count();
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_EQ(prompter.Count(), perguntas) << "no companion after an edit";
    EXPECT_EQ(linhas->ChangeCount(), 0);
}

TEST_F(TfrmDetOutICMSTest, AnImportNamesItsDeclarationOrDescribesTheOccurrence) {
    auto* pagina = AbrePagina();
    TClientDataSet* linhas = pagina->DataSet();
    Inicia(pagina, "O350007");
    EXPECT_EQ(linhas->FieldByName("VL_COMPLEMENTO_2")->AsString(), "D")
        << "chosen, the import presets its type";
    Digita(pagina->dbeDadoComp1, "20/01/2011");

    // Datum 2 takes "D" or "O" only, typed or pasted.
    pagina->dbeDadoComp2->SetFocus();
    ASSERT_TRUE(pagina->dbeDadoComp2->Focused());
    for (auto [tecla, fica] :
         {std::pair{'x', '\0'}, std::pair{'o', 'O'}, std::pair{'D', 'D'}, std::pair{'\'', '\0'}}) {
        QChar k = QLatin1Char(tecla);
        pagina->dbeDadoComp2->OnKeyPress(pagina->dbeDadoComp2, k);
        EXPECT_EQ(k, QChar(QLatin1Char(fica))) << tecla;
    }
    QChar retrocesso = QLatin1Char('\b');
    pagina->dbeDadoComp2->OnKeyPress(pagina->dbeDadoComp2, retrocesso);
    EXPECT_EQ(retrocesso, QLatin1Char('\b'));
    Digita(pagina->dbeDadoComp2, "xo");
    EXPECT_EQ(pagina->dbeDadoComp2->Text(), "O");
    EXPECT_TRUE(Recusado(pagina, "Dado Complementar 2 - " + Mensagem(316), pagina->dbeDadoComp2));
    Digita(pagina->dbeDadoComp2, "d");
    Digita(pagina->dbeDadoComp3, DeclaracaoImportacao(false));
    EXPECT_TRUE(Recusado(pagina, "Dado Complementar 2 - " + Mensagem(294), pagina->dbeDadoComp2));
    const QString numero = DeclaracaoImportacao();
    Digita(pagina->dbeDadoComp3, numero);
    Digita(pagina->dbmDescComplementar, "Importação");

    // Other grounds take datum 2 as it comes.
    Escolhe(pagina, "O350006");
    EXPECT_TRUE(linhas->FieldByName("VL_COMPLEMENTO_2")->IsNull()) << "another ground clears it";
    pagina->dbeDadoComp2->SetFocus();
    QChar k = QLatin1Char('x');
    pagina->dbeDadoComp2->OnKeyPress(pagina->dbeDadoComp2, k);
    EXPECT_EQ(k, QLatin1Char('x'));
    Escolhe(pagina, "O350007");

    prompter.Answer(mrYes);
    ValorDaCompanheira("12,5");
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_EQ(prompter.Last().Text,
              "Deseja também incluir a ocorrência \"O350009\" para o respectivo FECP devido?");
    EXPECT_EQ(dialogos, 1);
    EXPECT_EQ(linhas->ChangeCount(), 0);
    EXPECT_EQ(linhas->RecordCount(), 2);
    EXPECT_EQ(Linhas(),
              (std::vector<QVariantList>{{207, Dinheiro(10000), "20/01/2011", "D", numero, "Importação"},
                                         {209, Dinheiro(1250), "20/01/2011", "D", numero, "Importação"}}));
}

TEST_F(TfrmDetOutICMSTest, TheCompanionIsOfferedOnlyAfterANewRowAndTakesTheAmountCut) {
    auto* pagina = AbrePagina();
    TClientDataSet* linhas = pagina->DataSet();
    auto novaLinha = [&](TModalResult resposta, const QString& valor) {
        Inicia(pagina, "O350006");
        Digita(pagina->dbeDadoComp1, "01/01/2011");
        Digita(pagina->dbeDadoComp2, "1");
        Digita(pagina->dbmDescComplementar, "Diferencial");
        prompter.Answer(resposta);
        ValorDaCompanheira(valor);
        Clica(pagina->fraMidasNavigator1->acPost());
        EXPECT_EQ(linhas->ChangeCount(), 0);
    };
    novaLinha(mrNo, "1");
    EXPECT_EQ(dialogos, 0) << "No asks nothing more";
    novaLinha(mrYes, QString());
    EXPECT_EQ(dialogos, 1);
    EXPECT_EQ(banco.Count("SELECT COUNT(*) FROM OUTRO_ICMS_DEVIDO WHERE SQ_OCORRENCIA_DEF = 211"), 0)
        << "a cancelled dialog adds nothing";
    novaLinha(mrYes, "12,349");
    EXPECT_EQ(banco.Rows("SELECT VL_LANCAMENTO, VL_COMPLEMENTO_1, VL_COMPLEMENTO_2, VL_COMPLEMENTO_3, "
                         "DS_COMPLEMENTAR FROM OUTRO_ICMS_DEVIDO WHERE SQ_OCORRENCIA_DEF = 211"),
              (std::vector<QVariantList>{{Dinheiro(1234), "01/01/2011", "1", QVariant(), "Diferencial"}}));
    EXPECT_EQ(banco.Count("SELECT COUNT(*) FROM OUTRO_ICMS_DEVIDO"), 4);
}

TEST_F(TfrmDetOutICMSTest, ACompanionTheDatabaseRefusesStaysOnThePageToCorrect) {
    auto* pagina = AbrePagina();
    TClientDataSet* linhas = pagina->DataSet();
    // The key the companion will draw is taken meanwhile, by another hand.
    const int chave =
        banco.Count("SELECT CAST(VL_PARAM1 AS INTEGER) FROM PARAMETROS_DEF WHERE ID_PARAMETRO = 10") + 2;
    DeclarationFixture fixture(*geral->ibDBDef);
    fixture.AddOccurrence(DeclarationFixture::Occurrences::OutroICMS, 1, chave, 201, Currency::fromUnits(1),
                          {"Lei"});
    Inicia(pagina, "O350006");
    Digita(pagina->dbeDadoComp1, "01/01/2011");
    Digita(pagina->dbeDadoComp2, "1");
    prompter.Answer(mrYes);
    QStringList recusas;
    Application->OnModalBegin = TNotifyEvent::fromFunction([&](TObject* sender) {
        if (auto* dialogo = dynamic_cast<TfrmDlgValorOcorrencia*>(sender)) {
            dialogo->edtValor->SetText("3");
            dialogo->btnConfirmar->Click();
        } else if (auto* janela = dynamic_cast<TfrmReconcileDialog*>(sender)) {
            recusas << janela->edOperacao->Text();
            janela->SetModalResult(mrOk);
        }
    });
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_EQ(recusas.size(), 1);
    EXPECT_EQ(banco.Count("SELECT COUNT(*) FROM OUTRO_ICMS_DEVIDO WHERE SQ_DECLARACAO = 1 AND "
                          "SQ_OCORRENCIA_DEF = 206"),
              1)
        << "the row it accompanies is written";
    EXPECT_EQ(linhas->ChangeCount(), 1) << "the companion waits to be corrected";
    EXPECT_EQ(linhas->RecordCount(), 2);
    Application->OnModalBegin = nullptr;
    Clica(pagina->fraMidasNavigator1->acCancel());
    EXPECT_EQ(linhas->ChangeCount(), 0);
}

TEST_F(TfrmDetOutICMSTest, TheKindOfPeriodOfO350014IsOneThreeOrFourAndLeavingItIsFree) {
    if (banco.Count("SELECT COUNT(*) FROM FUNDAMENTACAO_LEGAL_DEF WHERE SQ_OCORRENCIA_DEF = 214") == 0) {
        Executa(
            "INSERT INTO FUNDAMENTACAO_LEGAL_DEF (SQ_OCORRENCIA_DEF, TP_APURACAO, TP_OCORRENCIA, "
            "NU_OCORRENCIA, DS_OCORRENCIA, ST_OCORRENCIA_DEF) VALUES (214, 'O', 35, 14, 'Documento', 'A')");
        Executa(
            "INSERT INTO FUNDAMENTACAO_LEGAL_DEF_HIST (SQ_OCORRENCIA_DEF, DT_INICIO, "
            "DS_LEGISLACAO_OCORRENCIA, "
            "TP_DADO_COMPLEMENTAR_1, TP_DADO_COMPLEMENTAR_2) VALUES (214, '2012-01-01', 'Lei', 'D', 'T')");
    }
    auto* pagina = AbrePagina(2012, 3);
    Inicia(pagina, "O350014");
    Digita(pagina->dbeDadoComp1, "11/03/2012");
    pagina->dbeDadoComp2->SetFocus();
    EXPECT_EQ(pagina->pnlMensagemRodape->Caption(), TfrmDetOutICMS::PeriodFormatText);
    Digita(pagina->dbeDadoComp2, "2");
    prompter.Answer(mrOk);
    pagina->dbmDescComplementar->SetFocus();
    EXPECT_EQ(prompter.Last().Text, TfrmDetOutICMS::InvalidPeriodText);
    EXPECT_EQ(Focado(pagina), pagina->dbmDescComplementar) << "the focus goes where it was going";
    EXPECT_TRUE(Recusado(pagina, TfrmDetOutICMS::InvalidPeriodText, pagina->dbeDadoComp2))
        << "refused on posting";
    Digita(pagina->dbeDadoComp2, "");
    EXPECT_TRUE(Recusado(pagina, "Dado Complementar 2 - " + Mensagem(306), pagina->dbeDadoComp2));
    Digita(pagina->dbeDadoComp2, "3");
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_EQ(banco.Value("SELECT VL_COMPLEMENTO_2 FROM OUTRO_ICMS_DEVIDO").toString(), "3");
}

TEST_F(TfrmDetOutICMSTest, IsDrawnWithItsRows) {
    OpenEditor(2011, 1);
    DeclarationFixture fixture(*geral->ibDBDef);
    fixture.FillSmall(1);
    using O = DeclarationFixture::Occurrences;
    fixture.AddOccurrence(O::OutroICMS, 1, 2, 206, Currency::fromRaw(1234500), {"11/01/2011", "2"});
    fixture.AddOccurrence(O::OutroICMS, 1, 3, 211, Currency::fromRaw(24600), {"11/01/2011", "2"});
    fixture.AddOccurrence(O::OutroICMS, 1, 4, 207, Currency::fromUnits(980), {"20/01/2011", "O", "Remessa"});
    auto* pagina = Abre<TfrmDetOutICMS>(NoOutrosICMS);
    ASSERT_NE(pagina, nullptr);
    EXPECT_EQ(pagina->DataSet()->RecordCount(), 4);
    ASSERT_TRUE(pagina->DataSet()->Locate("SQ_OUTRO_ICMS_DEVIDO", 2));
    EXPECT_EQ(pagina->dbcvCFOPs->Text(), "O350006");
    EXPECT_EQ(pagina->dbtComplemento3->Caption(), "Não preencher");
    Retrata("20-other-icms-due");
}
