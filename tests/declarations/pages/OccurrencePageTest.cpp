// The twelve pages of other credits and debits, reversals, deductions and
// special terms: the grounds each offers, the rules of a row in their order
// with their messages and focus, the chooser locked outside insert, typed and
// pasted text, the shared legal-ground set, a refused apply.

#include "tests/declarations/pages/OccurrencePageTesting.h"

#include "components/data/TDBComboValues.h"
#include "components/data/TReconcileDialog.h"
#include "components/data/TfrmReconcileDialog.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "core/data/TDMDefBasica.h"
#include "core/data/TDMDefGeral.h"
#include "core/forms/TfrmModDocumento.h"
#include "declarations/pages/TfrmDetOpPropDeducoes.h"
#include "declarations/pages/TfrmDetOpPropEstCreditos.h"
#include "declarations/pages/TfrmDetOpPropOutCreditos.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TDBText.h"
#include "platform/ui/TEdit.h"
#include "tests/support/QStringPrinter.h"

namespace {

// Each page by its node: class, caption, rows, value field, kind, computation,
// description pair and grid name.
struct Pagina {
    int no;
    const char* classe;
    const char* legenda;
    TClientDataSet* TDMDef::*linhas;
    const char* valor;
    int tipo;
    char apuracao;
    const char* descricao;
    const char* grade;
};

const Pagina Paginas[] = {
    {4, "TfrmDetOpPropOutCreditos", "Outros Créditos", &TDMDef::cdsOutCreditos, "VL_OUTRO_CREDITO", 7, 'N',
     "DescOcorrencia", "dbgDetalhes"},
    {5, "TfrmDetOpPropOutDebitos", "Outros Débitos", &TDMDef::cdsOutDebitos, "VL_OUTRO_DEBITO", 2, 'N',
     "DescFundamento", "DBGrid1"},
    {6, "TfrmDetOpPropEstCreditos", "Estornos Creditos", &TDMDef::cdsEstCreditos, "VL_ESTORNO_CREDITO", 3,
     'N', "DescFundamento", "dbgDetalhes"},
    {7, "TfrmDetOpPropEstDebitos", "Estornos Débitos", &TDMDef::cdsEstDebitos, "VL_ESTORNO_DEBITO", 8, 'N',
     "DescFundamento", "DBGrid1"},
    {8, "TfrmDetOpPropDeducoes", "Deduções", &TDMDef::cdsDeducoes, "VL_DEDUCAO", 14, 'N', "DescFundamento",
     "dbgDetalhes"},
    {9, "TfrmDetOpPropPrazosEspeciais", "Prazos Especiais", &TDMDef::cdsPrazosEsp, "VL_PRAZO_ESPECIAL", 30,
     'N', "DescFundamento", "DBGrid1"},
    {13, "TfrmDetSubTribOutCreditos", "Outros Créditos", &TDMDef::cdsOutCreditosI, "VL_OUTRO_CREDITO", 7, 'S',
     "DescOcorrencia", "dbgDetalhes"},
    {14, "TfrmDetSubTribOutDebitos", "Outros Débitos", &TDMDef::cdsOutDebitosI, "VL_OUTRO_DEBITO", 2, 'S',
     "DescFundamento", "DBGrid1"},
    {15, "TfrmDetSubTribEstCreditos", "Estornos Creditos", &TDMDef::cdsEstCreditosI, "VL_ESTORNO_CREDITO", 3,
     'S', "DescFundamento", "dbgDetalhes"},
    {16, "TfrmDetSubTribEstDebitos", "Estornos Débitos", &TDMDef::cdsEstDebitosI, "VL_ESTORNO_DEBITO", 8, 'S',
     "DescFundamento", "DBGrid1"},
    {17, "TfrmDetSubTribDeducoes", "Deduções", &TDMDef::cdsDeducoesI, "VL_DEDUCAO", 14, 'S', "DescFundamento",
     "dbgDetalhes"},
    {18, "TfrmDetSubTribPrazosEspeciais", "Prazos Especiais", &TDMDef::cdsPrazosEspI, "VL_PRAZO_ESPECIAL", 30,
     'S', "DescFundamento", "DBGrid1"},
};

class OccurrencePageTest : public OccurrencePageTesting {};

} // namespace

TEST_F(OccurrencePageTest, EveryPageOpensOnItsNodeWithTheGroundsOfItsKindInTheirOwnOrder) {
    OpenEditor(2011, 1);
    for (const Pagina& p : Paginas) {
        SCOPED_TRACE(p.no);
        auto* pagina = Abre<OccurrencePage>(p.no);
        ASSERT_NE(pagina, nullptr);
        EXPECT_EQ(TfrmModDocumento::ClassNameOf(typeid(*pagina)), QString::fromLatin1(p.classe));
        EXPECT_EQ(pagina->Caption(), QString::fromUtf8(p.legenda));
        EXPECT_EQ(pagina->DataSet(), def.get()->*p.linhas);
        EXPECT_TRUE(pagina->DataSet()->Active());
        EXPECT_EQ(pagina->dbeVlContabil->DataField(), QString::fromLatin1(p.valor));
        EXPECT_EQ(pagina->dbmDescFundamento->DataField(), QString::fromLatin1(p.descricao));
        EXPECT_EQ(pagina->dbmDescComplemento->DataField(), QString::fromLatin1(p.descricao) + "Comp");
        EXPECT_EQ(pagina->dbgDetalhes->Name(), QString::fromLatin1(p.grade));
        EXPECT_EQ(pagina->ReconcileDialog1->DataSet(), pagina->DataSet()) << "refusals stay with the page";
        EXPECT_EQ(pagina->dbeDadoComp3, nullptr);

        TClientDataSet* fundamentos = DMDefBasica->cdsConFundamento;
        EXPECT_EQ(fundamentos->Filter(), QStringLiteral("TP_OCORRENCIA = %1 AND TP_APURACAO = '%2'")
                                             .arg(p.tipo)
                                             .arg(QChar::fromLatin1(p.apuracao)));
        EXPECT_EQ(fundamentos->IndexFieldNames(), QStringLiteral("SQ_OCORRENCIA_DEF"));
        // The codes in the order of the grounds, each with its key.
        const QStringList codigos = pagina->dbcvCFOPs->Items();
        ASSERT_FALSE(codigos.isEmpty());
        ASSERT_EQ(pagina->dbcvCFOPs->Values().size(), codigos.size());
        QStringList ordenados = codigos;
        ordenados.sort();
        EXPECT_EQ(codigos, ordenados);
        const QString prefixo =
            QStringLiteral("%1%2").arg(QChar::fromLatin1(p.apuracao)).arg(p.tipo, 2, 10, QLatin1Char('0'));
        for (int i = 0; i < codigos.size(); ++i) {
            EXPECT_TRUE(codigos[i].startsWith(prefixo)) << codigos[i].toStdString();
            EXPECT_TRUE(fundamentos->Locate("SQ_OCORRENCIA_DEF", pagina->dbcvCFOPs->Values()[i].toInt()));
            EXPECT_EQ(fundamentos->FieldByName("Codigo")->AsString(), codigos[i]);
        }
    }
}

TEST_F(OccurrencePageTest, TheOtherCreditsOfThePeriodAreOfferedAndOnlyThose) {
    OpenEditor(2001, 6);
    auto* pagina = Abre<OccurrencePage>(4);
    // N070032 begins in April 2002.
    EXPECT_EQ(pagina->dbcvCFOPs->Items(), (QStringList{"N070001", "N070002", "N070003"}));
    EXPECT_EQ(pagina->dbcvCFOPs->Values(), (QStringList{"121", "122", "123"}));
}

TEST_F(OccurrencePageTest, ARowIsRefusedRuleByRuleWithItsMessageAndFocus) {
    OpenEditor(2011, 1);
    auto* pagina = Abre<OccurrencePage>(4);
    TClientDataSet* linhas = pagina->DataSet();
    Clica(pagina->fraMidasNavigator1->acInsert());
    ASSERT_EQ(linhas->State(), dsInsert);
    EXPECT_EQ(linhas->FieldByName("TP_APURACAO")->AsString(), "N");
    // A new row left untouched is dropped by the post; one with an amount is checked.
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_EQ(linhas->State(), dsBrowse);
    EXPECT_EQ(prompter.Count(), 0);
    Clica(pagina->fraMidasNavigator1->acInsert());
    Digita(pagina->dbeVlContabil, "0");

    EXPECT_TRUE(Recusado(pagina, Mensagem(291), pagina->dbcvCFOPs));
    Escolhe(pagina, "N070009");
    EXPECT_TRUE(Recusado(pagina, Mensagem(291), pagina->dbcvCFOPs)) << "a code that is not offered";
    Escolhe(pagina, "N070001");
    EXPECT_TRUE(Recusado(pagina, Mensagem(224), pagina->dbeVlContabil));
    Digita(pagina->dbeVlContabil, "0,009");
    EXPECT_TRUE(Recusado(pagina, Mensagem(224), pagina->dbeVlContabil)) << "less than a cent is nothing";
    Digita(pagina->dbeVlContabil, "0,019");
    EXPECT_TRUE(Recusado(pagina, "Dado Complementar 1 inválido!", pagina->dbeDadoComp1));
    Digita(pagina->dbeDadoComp1, "Lei 1");
    EXPECT_TRUE(Recusado(pagina, "Dado Complementar 2 inválido!", pagina->dbeDadoComp2));
    Digita(pagina->dbeDadoComp2, "Decreto 1");
    Digita(pagina->dbmDescComplementar, "Crédito de teste");
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_EQ(linhas->State(), dsBrowse);
    EXPECT_EQ(linhas->ChangeCount(), 0);
    EXPECT_EQ(banco.Rows("SELECT SQ_OCORRENCIA_DEF, VL_OUTRO_CREDITO, VL_COMPLEMENTO_1, VL_COMPLEMENTO_2, "
                         "DS_COMPLEMENTAR FROM OUTRO_CREDITO_DECLARADO WHERE SQ_DECLARACAO = 1"),
              (std::vector<QVariantList>{{121, QVariant::fromValue(Currency::fromRaw(100)), "Lei 1",
                                          "Decreto 1", "Crédito de teste"}}));
    EXPECT_EQ(linhas->FieldByName("Codigo")->AsString(), "N070001");
    EXPECT_EQ(pagina->dbmDescComplemento->Text(), "Outros créditos não especificados");
}

TEST_F(OccurrencePageTest, AmountsAboveTheMaximumAreRefusedAsTheyAreTyped) {
    OpenEditor(2011, 1);
    auto* pagina = Abre<OccurrencePage>(5);
    Clica(pagina->fraMidasNavigator1->acInsert());
    Escolhe(pagina, "N020002");
    Digita(pagina->dbeDadoComp1, "123456782");
    Digita(pagina->dbeVlContabil, "9999999999999");
    prompter.Answer(mrOk);
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_TRUE(prompter.Last().Text.startsWith("O campo Valor excede o limite parametrizado !"));
    EXPECT_EQ(pagina->DataSet()->State(), dsInsert);
    EXPECT_EQ(banco.Count("SELECT COUNT(*) FROM OUTRO_DEBITO_DECLARADO"), 0);
    Clica(pagina->fraMidasNavigator1->acCancel());
}

TEST_F(OccurrencePageTest, TheGroundOfAStoredRowCannotChangeItsAmountAndDataCan) {
    OpenEditor(2011, 1);
    DeclarationFixture fixture(*geral->ibDBDef);
    fixture.AddOccurrence(DeclarationFixture::Occurrences::OutroCredito, 1, 1, 121, Currency::fromUnits(10),
                          {"Lei 1", "Decreto 1"});
    auto* pagina = Abre<OccurrencePage>(4);
    TClientDataSet* linhas = pagina->DataSet();
    ASSERT_EQ(linhas->RecordCount(), 1);
    EXPECT_EQ(pagina->dbcvCFOPs->Text(), "N070001") << "the ground shows once the grounds are open";
    EXPECT_EQ(pagina->dbmDescFundamento->Text(), "Legislação tributária estadual do ICMS");
    EXPECT_FALSE(pagina->dbcvCFOPs->Enabled());
    EXPECT_EQ(pagina->dbcvCFOPs->Color(), clInfoBk);

    Clica(pagina->fraMidasNavigator1->acEdit());
    ASSERT_EQ(linhas->State(), dsEdit);
    EXPECT_FALSE(pagina->dbcvCFOPs->Enabled()) << "no ground changes outside an insert";
    EXPECT_EQ(pagina->dbcvCFOPs->Color(), clInfoBk);
    Digita(pagina->dbeVlContabil, "0");
    EXPECT_TRUE(Recusado(pagina, Mensagem(224), pagina->dbeVlContabil, dsEdit));
    Digita(pagina->dbeVlContabil, "12,5");
    Digita(pagina->dbeDadoComp1, "");
    EXPECT_TRUE(Recusado(pagina, "Dado Complementar 1 inválido!", pagina->dbeDadoComp1, dsEdit));
    Digita(pagina->dbeDadoComp1, "Lei 2");
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_EQ(banco.Rows("SELECT SQ_OCORRENCIA_DEF, VL_OUTRO_CREDITO, VL_COMPLEMENTO_1 FROM "
                         "OUTRO_CREDITO_DECLARADO"),
              (std::vector<QVariantList>{{121, QVariant::fromValue(Currency::fromRaw(125000)), "Lei 2"}}));

    Clica(pagina->fraMidasNavigator1->acInsert());
    EXPECT_TRUE(pagina->dbcvCFOPs->Enabled());
    EXPECT_EQ(pagina->dbcvCFOPs->Color(), clWindow);
    Clica(pagina->fraMidasNavigator1->acCancel());
    EXPECT_FALSE(pagina->dbcvCFOPs->Enabled());
}

TEST_F(OccurrencePageTest, ComplementaryDataAreCheckedByTheTypeOfTheirGround) {
    OpenEditor(2011, 1);
    auto* pagina = Abre<OccurrencePage>(8);
    ASSERT_EQ(TfrmModDocumento::ClassNameOf(typeid(*pagina)), "TfrmDetOpPropDeducoes");
    Clica(pagina->fraMidasNavigator1->acInsert());
    // N140001: a date of payment and a bank.
    Escolhe(pagina, "N140001");
    Digita(pagina->dbeVlContabil, "7");
    EXPECT_EQ(pagina->dbtComplemento1->Caption(), "Data de Pagamento");
    EXPECT_EQ(pagina->dbtComplemento2->Caption(), "Nº do Banco");
    for (const char* data : {"31/02/2010", "1/1/2010", "10/01/1949"}) {
        Digita(pagina->dbeDadoComp1, data);
        EXPECT_TRUE(Recusado(pagina, "Dado Complementar 1 - " + Mensagem(252), pagina->dbeDadoComp1)) << data;
    }
    Digita(pagina->dbeDadoComp1, "10/01/2011");
    for (const char* numero : {"1000", "x", ""}) {
        Digita(pagina->dbeDadoComp2, numero);
        EXPECT_TRUE(Recusado(pagina, "Dado Complementar 2 - " + Mensagem(255), pagina->dbeDadoComp2))
            << numero;
    }
    Digita(pagina->dbeDadoComp2, "341");
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_EQ(banco.Count("SELECT COUNT(*) FROM DEDUCAO_DECLARADA WHERE SQ_OCORRENCIA_DEF = 141"), 1);

    // N140002: a process number.
    Clica(pagina->fraMidasNavigator1->acInsert());
    Escolhe(pagina, "N140002");
    Digita(pagina->dbeVlContabil, "3");
    Digita(pagina->dbeDadoComp1, "E01-12345/2010");
    EXPECT_TRUE(Recusado(pagina, "Dado Complementar 1 - " + Mensagem(256), pagina->dbeDadoComp1));
    Digita(pagina->dbeDadoComp1, "EAB-123456/2010");
    EXPECT_TRUE(Recusado(pagina, "Dado Complementar 1 - " + Mensagem(256), pagina->dbeDadoComp1))
        << "refused by an abort of the check, still focused";
    Digita(pagina->dbeDadoComp1, "E01-123456/1987");
    EXPECT_TRUE(Recusado(pagina, Mensagem(264), pagina->dbeDadoComp1));
    Digita(pagina->dbeDadoComp1, "E01-123456/2010");
    Digita(pagina->dbeDadoComp2, "x");
    EXPECT_TRUE(Recusado(pagina, "Dado Complementar 2 - " + Mensagem(253), pagina->dbeDadoComp2))
        << "a datum the ground does not ask for stays empty";
    Digita(pagina->dbeDadoComp2, "");
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_EQ(banco.Count("SELECT COUNT(*) FROM DEDUCAO_DECLARADA"), 2);
}

TEST_F(OccurrencePageTest, AMonthAndYearDatumIsCheckedOnTheCreditReversals) {
    OpenEditor(2011, 1);
    auto* pagina = Abre<OccurrencePage>(6);
    Clica(pagina->fraMidasNavigator1->acInsert());
    Escolhe(pagina, "N030002");
    Digita(pagina->dbeVlContabil, "1");
    Digita(pagina->dbeDadoComp1, "13/2010");
    EXPECT_TRUE(Recusado(pagina, "Dado Complementar 1 - " + Mensagem(254), pagina->dbeDadoComp1));
    Digita(pagina->dbeDadoComp1, "12/1999");
    EXPECT_TRUE(Recusado(pagina, "Dado Complementar 1 - " + Mensagem(263), pagina->dbeDadoComp1));
    Digita(pagina->dbeDadoComp1, "12/2010");
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_EQ(banco.Value("SELECT VL_COMPLEMENTO_1 FROM ESTORNO_CREDITO_DECLARADO").toString(), "12/2010");
}

TEST_F(OccurrencePageTest, TypedAndPastedTextKeepNoApostropheAndCodesComeInUpperCase) {
    OpenEditor(2011, 1);
    auto* pagina = Abre<OccurrencePage>(13);
    Clica(pagina->fraMidasNavigator1->acInsert());
    for (TWinControl* controle : std::initializer_list<TWinControl*>{
             pagina->dbeDadoComp1, pagina->dbeDadoComp2, pagina->dbmDescComplementar}) {
        QChar tecla = QLatin1Char('\'');
        controle->OnKeyPress(controle, tecla);
        EXPECT_TRUE(tecla.isNull()) << controle->Name().toStdString();
        tecla = QLatin1Char('a');
        controle->OnKeyPress(controle, tecla);
        EXPECT_EQ(tecla, QLatin1Char('a'));
    }
    // Pasted: the code of a ground in lower case, texts with apostrophes.
    Escolhe(pagina, "s070001");
    EXPECT_EQ(pagina->dbcvCFOPs->Text(), "S070001");
    Digita(pagina->dbeVlContabil, "2");
    Digita(pagina->dbeDadoComp1, "d'Ávila");
    Digita(pagina->dbeDadoComp2, "o'que");
    Digita(pagina->dbmDescComplementar, "it's; DROP TABLE X; --'");
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_EQ(banco.Rows("SELECT SQ_OCORRENCIA_DEF, VL_COMPLEMENTO_1, VL_COMPLEMENTO_2, DS_COMPLEMENTAR FROM "
                         "OUTRO_CREDITO_DECLARADO"),
              (std::vector<QVariantList>{{163, "dÁvila", "oque", "its; DROP TABLE X; --"}}));
}

TEST_F(OccurrencePageTest, WithNoGroundOfItsKindInThePeriodEveryRowIsRefused) {
    OpenEditor(1997, 5);
    auto* pagina = Abre<OccurrencePage>(9);
    EXPECT_TRUE(pagina->dbcvCFOPs->Items().isEmpty());
    EXPECT_TRUE(pagina->DataSet()->Active()) << "an empty page stays open";
    Clica(pagina->fraMidasNavigator1->acInsert());
    Escolhe(pagina, "N300001");
    Digita(pagina->dbeVlContabil, "5");
    EXPECT_TRUE(Recusado(pagina, Mensagem(291), pagina->dbcvCFOPs));
    Clica(pagina->fraMidasNavigator1->acCancel());
}

TEST_F(OccurrencePageTest, TheSharedLegalGroundSetIsClosedByEachPageAndFilteredByTheNext) {
    OpenEditor(2011, 1);
    TClientDataSet* fundamentos = DMDefBasica->cdsConFundamento;
    Abre<OccurrencePage>(5);
    EXPECT_TRUE(fundamentos->Active());
    EXPECT_TRUE(def->cdsOutDebitos->Active());
    Seleciona(2);
    EXPECT_FALSE(fundamentos->Active()) << "closed with its page";
    EXPECT_FALSE(def->cdsOutDebitos->Active());
    auto* pagina = Abre<OccurrencePage>(16);
    EXPECT_TRUE(fundamentos->Active());
    EXPECT_EQ(fundamentos->Filter(), "TP_OCORRENCIA = 8 AND TP_APURACAO = 'S'");
    EXPECT_EQ(pagina->dbcvCFOPs->Items(), QStringList{"S080001"});
}

TEST_F(OccurrencePageTest, ARowTheDatabaseRefusesIsShownByThePageAndStaysToCorrect) {
    OpenEditor(2011, 1);
    auto* pagina = Abre<OccurrencePage>(5);
    // The next key of the other debits is taken meanwhile, by another hand.
    const int proxima =
        banco.Count("SELECT CAST(VL_PARAM1 AS INTEGER) FROM PARAMETROS_DEF WHERE ID_PARAMETRO = 5") + 1;
    DeclarationFixture fixture(*geral->ibDBDef);
    fixture.AddOccurrence(DeclarationFixture::Occurrences::OutroDebito, 1, proxima, 101,
                          Currency::fromUnits(1), {"Lei", "Descrição"});
    TClientDataSet* linhas = pagina->DataSet();
    QStringList mostrados;
    Application->OnModalBegin = TNotifyEvent::fromFunction([&](TObject* sender) {
        auto* janela = dynamic_cast<TfrmReconcileDialog*>(sender);
        ASSERT_NE(janela, nullptr);
        mostrados << janela->edOperacao->Text();
        janela->SetModalResult(mrOk);
    });
    Clica(pagina->fraMidasNavigator1->acInsert());
    Escolhe(pagina, "N020002");
    Digita(pagina->dbeVlContabil, "4");
    Digita(pagina->dbeDadoComp1, "123456782");
    Clica(pagina->fraMidasNavigator1->acPost());
    Application->OnModalBegin = nullptr;
    EXPECT_EQ(mostrados.size(), 1) << "the page's own dialog answered";
    EXPECT_EQ(linhas->ChangeCount(), 1) << "kept for correction";
    EXPECT_EQ(linhas->RecordCount(), 1);
    EXPECT_EQ(banco.Count("SELECT COUNT(*) FROM OUTRO_DEBITO_DECLARADO WHERE SQ_DECLARACAO = 1"), 1);
    Clica(pagina->fraMidasNavigator1->acCancel());
    EXPECT_EQ(linhas->ChangeCount(), 0);
}

TEST_F(OccurrencePageTest, EachPageIsDrawnWithItsRows) {
    OpenEditor(2011, 1);
    DeclarationFixture fixture(*geral->ibDBDef);
    fixture.FillSmall(1);
    using O = DeclarationFixture::Occurrences;
    fixture.AddOccurrence(O::OutroCredito, 1, 3, 122, Currency::fromRaw(2503400), {"05/01/2011", "341"});
    fixture.AddOccurrence(O::OutroDebito, 1, 2, fixture.LegalGround('S', 2, 1), Currency::fromUnits(30),
                          {"Legislação", "Imposto retido como responsável"});
    fixture.AddOccurrence(O::EstornoCredito, 1, 2, fixture.LegalGround('S', 3, 1), Currency::fromUnits(4),
                          {"Legislação"});
    fixture.AddOccurrence(O::EstornoDebito, 1, 2, fixture.LegalGround('S', 8, 1), Currency::fromUnits(6),
                          {"Legislação"});
    fixture.AddOccurrence(O::Deducao, 1, 2, fixture.LegalGround('S', 14, 1), Currency::fromUnits(8),
                          {"10/01/2011"});
    fixture.AddOccurrence(O::PrazoEspecial, 1, 2, fixture.LegalGround('S', 30, 1), Currency::fromUnits(9),
                          {"E04-654321/2010"});
    const std::pair<int, const char*> paginas[] = {{4, "4-own-other-credits"},
                                                   {5, "5-own-other-debits"},
                                                   {6, "6-own-credit-reversals"},
                                                   {7, "7-own-debit-reversals"},
                                                   {8, "8-own-deductions"},
                                                   {9, "9-own-special-terms"},
                                                   {13, "13-substitution-other-credits"},
                                                   {14, "14-substitution-other-debits"},
                                                   {15, "15-substitution-credit-reversals"},
                                                   {16, "16-substitution-debit-reversals"},
                                                   {17, "17-substitution-deductions"},
                                                   {18, "18-substitution-special-terms"}};
    for (const auto& [no, nome] : paginas) {
        auto* pagina = Abre<OccurrencePage>(no);
        ASSERT_NE(pagina, nullptr) << no;
        EXPECT_GE(pagina->DataSet()->RecordCount(), 1) << no;
        EXPECT_FALSE(pagina->dbcvCFOPs->Text().isEmpty()) << no;
        Retrata(QString::fromLatin1(nome));
    }
}
