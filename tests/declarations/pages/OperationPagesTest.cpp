#include "tests/support/editor/EditorFixture.h"

#include "components/navigation/TfraMidasNavigator.h"
#include "core/data/TDMDefBasica.h"
#include "declarations/pages/OwnOperationsPage.h"
#include "declarations/pages/SubstitutionOperationsPage.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TDBComboBox.h"
#include "platform/ui/TDBEdit.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/buttons/ActionButtons.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class OperationPagesTest : public EditorFixture {
protected:
    template <class P> P* Pagina(int no) {
        Seleciona(no);
        auto* pagina = dynamic_cast<P*>(editor->Page());
        EXPECT_NE(pagina, nullptr) << no;
        return pagina;
    }
    // Clicks the navigator's button of the action.
    void Clica(TAction* acao) { UserInput::ClickButtonOf(acao, editor->Widget()); }
    void Entrada(int cfop, const QString& valores = QStringLiteral("10, 0, 0")) {
        Executa(
            QStringLiteral("INSERT INTO ENTRADA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO, VL_CONTABIL, "
                           "VL_BASE_CALCULO_ST, VL_IMPOSTO_RETIDO_ST) VALUES (1, %1, %2)")
                .arg(cfop)
                .arg(valores));
    }
    QStringList Codigos(TClientDataSet* linhas) {
        QStringList codigos;
        for (linhas->First(); !linhas->Eof(); linhas->Next())
            codigos << linhas->FieldByName("CO_FISCAL_OPERACAO")->AsString();
        return codigos;
    }
};

} // namespace

TEST_F(OperationPagesTest, ANewRowOffersOnlyTheCodesNotYetOnThePage) {
    OpenEditor(2005, 6);
    Entrada(1102);
    auto* pagina = Pagina<OwnOperationsPage>(2);
    ASSERT_EQ(pagina->DataSet()->RecordCount(), 1);
    Clica(pagina->fraMidasNavigator1->acInsert());
    ASSERT_EQ(pagina->DataSet()->State(), TDataSetState::dsInsert);
    const QStringList oferecidos = pagina->dbcCFOPs->Items();
    EXPECT_FALSE(oferecidos.contains("1102"));
    EXPECT_TRUE(oferecidos.contains("1101"));
    EXPECT_TRUE(pagina->dbcCFOPs->Enabled());
    Clica(pagina->fraMidasNavigator1->acCancel());
    EXPECT_FALSE(DMDefBasica->cdsCFOPsEntradas->Filtered()) << "the list holds every code again";
    EXPECT_FALSE(pagina->dbcCFOPs->Enabled());
}

TEST_F(OperationPagesTest, TheAccountingValueRulesDependOnTheCodesGroup) {
    OpenEditor(2005, 6);
    auto* pagina = Pagina<OwnOperationsPage>(2);
    TClientDataSet* linhas = pagina->DataSet();

    Clica(pagina->fraMidasNavigator1->acInsert());
    pagina->dbcCFOPs->SetText("1102");
    linhas->FieldByName("CO_FISCAL_OPERACAO")->SetAsInteger(1102);
    prompter.Answer(mrOk);
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_EQ(prompter.Last().Text, Mensagem(223));
    EXPECT_EQ(linhas->State(), TDataSetState::dsInsert) << "the row waits for correction";
    linhas->FieldByName("VL_CONTABIL")->SetAsString("0,01");
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_EQ(banco.Count("SELECT COUNT(*) FROM ENTRADA_DECLARADA WHERE CO_FISCAL_OPERACAO = 1102"), 1);

    // Group 2 admits a zero accounting value, after a question.
    for (auto [resposta, gravadas] : {std::pair{mrNo, 0}, std::pair{mrYes, 1}}) {
        if (linhas->State() != TDataSetState::dsInsert) {
            Clica(pagina->fraMidasNavigator1->acInsert());
            pagina->dbcCFOPs->SetText("1601");
            linhas->FieldByName("CO_FISCAL_OPERACAO")->SetAsInteger(1601);
        }
        prompter.Answer(resposta);
        Clica(pagina->fraMidasNavigator1->acPost());
        EXPECT_TRUE(prompter.Last().Text.startsWith("O \"Valor Contábil\" informado para este CFOP é zero."));
        EXPECT_EQ(banco.Count("SELECT COUNT(*) FROM ENTRADA_DECLARADA WHERE CO_FISCAL_OPERACAO = 1601"),
                  gravadas);
    }
    const QString pasta = QStringLiteral(ZEB_BUILD_DIR "/screenshots/pages");
    ASSERT_TRUE(QDir().mkpath(pasta));
    ASSERT_TRUE(editor->Widget()->grab().toImage().save(pasta + "/2-own-entries.png"));
}

TEST_F(OperationPagesTest, ACodeThatWasNotOfferedIsRefusedHoweverItArrives) {
    OpenEditor(2005, 6);
    Entrada(1102);
    auto* pagina = Pagina<OwnOperationsPage>(2);
    TClientDataSet* linhas = pagina->DataSet();
    Clica(pagina->fraMidasNavigator1->acInsert());
    // A code already on the page: refused as it is typed...
    prompter.Answer(mrOk);
    EXPECT_THROW(linhas->FieldByName("CO_FISCAL_OPERACAO")->SetAsInteger(1102), EAbort);
    EXPECT_EQ(prompter.Last().Text, Mensagem(290));
    // ...and again when the row that still holds it is posted.
    linhas->FieldByName("VL_CONTABIL")->SetAsString("5");
    prompter.Answer(mrOk);
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_EQ(prompter.Last().Text, Mensagem(290));
    EXPECT_EQ(linhas->State(), TDataSetState::dsInsert);
    EXPECT_EQ(banco.Count("SELECT COUNT(*) FROM ENTRADA_DECLARADA"), 1);
    Clica(pagina->fraMidasNavigator1->acCancel());
}

TEST_F(OperationPagesTest, TheSubstitutionBoxListsTheGroupOneCodesOnceEach) {
    OpenEditor(2005, 6);
    Entrada(1102);
    Entrada(1401, "10, 5, 1");
    Entrada(1403);
    // A second membership row of the same code must not double its row.
    Executa("INSERT INTO GRUPAMENTO_CFOP (CO_FISCAL_OPERACAO, CO_GRUPO_CFOP, DT_INICIO, DT_FIM) "
            "VALUES (1401, 1, '2004-01-01', '2004-12-31')");
    auto* pagina = Pagina<SubstitutionOperationsPage>(11);
    EXPECT_TRUE(pagina->cbFiltro->Checked());
    EXPECT_EQ(Codigos(pagina->DataSet()), (QStringList{"1401", "1403"}));
    pagina->cbFiltro->SetChecked(false);
    EXPECT_EQ(Codigos(pagina->DataSet()), (QStringList{"1102", "1401", "1403"}));

    Clica(pagina->fraMidasNavigator1->acEdit());
    EXPECT_FALSE(pagina->cbFiltro->Enabled()) << "no swap of the rows under a pending edit";
    Clica(pagina->fraMidasNavigator1->acCancel());
    EXPECT_TRUE(pagina->cbFiltro->Enabled());
}

TEST_F(OperationPagesTest, OnlyTheSubstitutionAmountsAreEditedAndTheWithheldTaxCannotExceedItsBase) {
    OpenEditor(2005, 6);
    Entrada(1401);
    auto* pagina = Pagina<SubstitutionOperationsPage>(11);
    EXPECT_TRUE(pagina->dbeVlContabil->ReadOnly());
    EXPECT_FALSE(pagina->dbeBaseCalcSt->ReadOnly());
    TClientDataSet* linhas = pagina->DataSet();
    Clica(pagina->fraMidasNavigator1->acEdit());
    linhas->FieldByName("VL_BASE_CALCULO_ST")->SetAsString("100");
    linhas->FieldByName("VL_IMPOSTO_RETIDO_ST")->SetAsString("150");
    prompter.Answer(mrOk);
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_EQ(prompter.Last().Text, Mensagem(293));
    linhas->FieldByName("VL_IMPOSTO_RETIDO_ST")->SetAsString("17");
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_EQ(banco.Value("SELECT VL_IMPOSTO_RETIDO_ST FROM ENTRADA_DECLARADA").value<Currency>(),
              Currency::fromUnits(17));

    const QString pasta = QStringLiteral(ZEB_BUILD_DIR "/screenshots/pages");
    ASSERT_TRUE(QDir().mkpath(pasta));
    ASSERT_TRUE(editor->Widget()->grab().toImage().save(pasta + "/11-substitution-entries.png"));
}

TEST_F(OperationPagesTest, LeavingAPageWithARowBeingTypedIsRefused) {
    OpenEditor(2005, 6);
    auto* pagina = Pagina<OwnOperationsPage>(2);
    Clica(pagina->fraMidasNavigator1->acInsert());
    prompter.Answer(mrOk);
    Seleciona(3);
    EXPECT_EQ(prompter.Last().Text, "Inclusão ou Alteração em andamento. Confirme ou cancele.");
    EXPECT_EQ(NoAtual(), 2);
    EXPECT_EQ(editor->Page(), pagina);
    Clica(pagina->fraMidasNavigator1->acCancel());
    Seleciona(3);
    EXPECT_EQ(NoAtual(), 3);
}
