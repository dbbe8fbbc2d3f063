#include "tests/support/editor/EditorFixture.h"

#include "declarations/pages/NoMovementPage.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TDBCheckBox.h"
#include "platform/ui/TTreeNode.h"
#include "platform/ui/TTreeNodes.h"
#include "platform/ui/TTreeView.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/input/UserInput.h"

#include <gtest/gtest.h>

namespace {

class NoMovementPagesTest : public EditorFixture {
protected:
    NoMovementPage* Pagina(int no) {
        Seleciona(no);
        auto* pagina = dynamic_cast<NoMovementPage*>(editor->Page());
        EXPECT_NE(pagina, nullptr) << no;
        return pagina;
    }
    TTreeNode* No(int no) { return editor->tvNavegador->Items().Item(no); }
    // A substitution occurrence row: movement of the substitution branch only.
    void CriaCreditoDeSubstituicao() {
        const int ocorrencia = Ocorrencia('S', 7, 1);
        Executa(
            QStringLiteral("INSERT INTO OUTRO_CREDITO_DECLARADO (SQ_OUTRO_CREDITO_DECLARADO, SQ_DECLARACAO, "
                           "SQ_OCORRENCIA_DEF, VL_OUTRO_CREDITO) VALUES (900, 1, %1, 10)")
                .arg(ocorrencia));
    }
    QString Gravado(const QString& campo) {
        return banco.Value(QStringLiteral("SELECT %1 FROM DECLARACAO_ECONOMICO_FISCAL").arg(campo))
            .toString();
    }
};

} // namespace

TEST_F(NoMovementPagesTest, EachBoxTicksWithAClickAndUnticksWithSpace) {
    OpenEditor(2005, 6);
    // Own operations last: ticking it ticks the idle others too.
    for (const auto& [no, campo] : {std::pair{10, "IN_SUBST_TRIBUT_SEM_MOV"},
                                    {19, "IN_OUTROS_ICMS_SEM_MOV"},
                                    {24, "IN_ALC_ZFM_SEM_MOV"},
                                    {1, "IN_OPER_PROP_SEM_MOV"}}) {
        NoMovementPage* pagina = Pagina(no);
        UserInput::Click(pagina->dbcbAtivo);
        EXPECT_EQ(Campo(campo), "S") << no;
        EXPECT_EQ(pagina->dbcbAtivo->State(), TCheckBoxState::cbChecked) << no;
        UserInput::Space();
        EXPECT_EQ(Campo(campo), "N") << no;
        EXPECT_EQ(pagina->dbcbAtivo->State(), TCheckBoxState::cbUnchecked) << no;
    }
}

TEST_F(NoMovementPagesTest, OwnOperationsWithoutMovementMarksTheOtherIdleBranchesAndFoldsThem) {
    OpenEditor(2005, 6);
    CriaCreditoDeSubstituicao();
    for (int no : {10, 19, 24})
        No(no)->Expand(false);
    NoMovementPage* pagina = Pagina(1);
    def->cdsDeclaracao->Edit();
    pagina->dbcbAtivo->SetChecked(true);

    EXPECT_EQ(Campo("IN_OPER_PROP_SEM_MOV"), "S");
    EXPECT_EQ(Campo("IN_SUBST_TRIBUT_SEM_MOV"), "N") << "the substitution branch has movement";
    EXPECT_EQ(Campo("IN_OUTROS_ICMS_SEM_MOV"), "S");
    EXPECT_EQ(Campo("IN_ALC_ZFM_SEM_MOV"), "S");
    EXPECT_TRUE(No(10)->Expanded());
    EXPECT_FALSE(No(19)->Expanded());
    EXPECT_FALSE(No(24)->Expanded());
    EXPECT_FALSE(No(1)->Expanded()) << "the branch the user is on folds too";

    Seleciona(0); // leaving the node page saves the row
    EXPECT_EQ(Gravado("IN_OPER_PROP_SEM_MOV"), "S");
    EXPECT_EQ(Gravado("IN_ALC_ZFM_SEM_MOV"), "S");

    pagina = Pagina(1);
    def->cdsDeclaracao->Edit();
    pagina->dbcbAtivo->SetChecked(false);
    EXPECT_EQ(Campo("IN_OPER_PROP_SEM_MOV"), "N");
    EXPECT_EQ(Campo("IN_OUTROS_ICMS_SEM_MOV"), "S") << "clearing the box leaves the other flags";
}

TEST_F(NoMovementPagesTest, ABranchWithMovementRefusesItsBoxWithItsMessage) {
    OpenEditor(2005, 6);
    CriaCreditoDeSubstituicao();
    Executa(
        "INSERT INTO ENTRADA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO, VL_CONTABIL) VALUES (1, 1102, 5)");
    const QString municipio = banco.Value("SELECT FIRST 1 CO_LOCALIDADE FROM MUNICIPIO_ALC").toString();
    Executa("INSERT INTO SAIDA_ALC_DECLARADA (SQ_DECLARACAO, CO_LOCALIDADE, NU_SERIE_NOTA_FISCAL, "
            "NU_SUBSERIE_NOTA_FISCAL, NU_NOTA_FISCAL, VL_NOTA_FISCAL) VALUES (1, " +
            municipio + ", 'A', '1', 1, 5)");
    struct Caso {
        int no;
        const char* campo;
        int mensagem;
    };
    for (const Caso caso : {Caso{1, "IN_OPER_PROP_SEM_MOV", 243}, Caso{10, "IN_SUBST_TRIBUT_SEM_MOV", 245},
                            Caso{24, "IN_ALC_ZFM_SEM_MOV", 249}}) {
        NoMovementPage* pagina = Pagina(caso.no);
        def->cdsDeclaracao->Edit();
        const QString texto = ErroSemAbort([&] { pagina->dbcbAtivo->SetChecked(true); });
        EXPECT_EQ(texto, Mensagem(caso.mensagem)) << caso.no;
        EXPECT_EQ(Campo(caso.campo), "N") << caso.no;
        EXPECT_FALSE(pagina->dbcbAtivo->Checked()) << caso.no;
        def->cdsDeclaracao->Cancel();
    }
    Executa("INSERT INTO OUTRO_ICMS_DEVIDO (SQ_OUTRO_ICMS_DEVIDO, SQ_DECLARACAO, SQ_OCORRENCIA_DEF, "
            "VL_LANCAMENTO) VALUES (901, 1, " +
            QString::number(Ocorrencia('O', 35, 1)) + ", 5)");
    NoMovementPage* pagina = Pagina(19);
    def->cdsDeclaracao->Edit();
    EXPECT_EQ(ErroSemAbort([&] { pagina->dbcbAtivo->SetChecked(true); }), Mensagem(247));
    EXPECT_EQ(Campo("IN_OUTROS_ICMS_SEM_MOV"), "N");
}

TEST_F(NoMovementPagesTest, Before2002TheOtherIcmsAndFreeTradeBoxesCannotBeChanged) {
    OpenEditor(2001, 6, "IN_OUTROS_ICMS_SEM_MOV = 'S', IN_ALC_ZFM_SEM_MOV = 'S'");
    for (int no : {19, 24}) {
        NoMovementPage* pagina = Pagina(no);
        EXPECT_TRUE(pagina->dbcbAtivo->ReadOnly()) << no;
        EXPECT_TRUE(pagina->dbcbAtivo->Checked()) << no;
    }
    Executa("DELETE FROM DECLARACAO_ECONOMICO_FISCAL");
}

TEST_F(NoMovementPagesTest, TheOtherIcmsPageSavesItsFlagOnLeavingLikeTheOthers) {
    OpenEditor(2005, 6);
    NoMovementPage* pagina = Pagina(19);
    def->cdsDeclaracao->Edit();
    pagina->dbcbAtivo->SetChecked(true);
    Seleciona(21);
    EXPECT_EQ(Gravado("IN_OUTROS_ICMS_SEM_MOV"), "S");
}

TEST_F(NoMovementPagesTest, AnApostropheCannotBeTypedIntoTheObservation) {
    OpenEditor(2005, 6);
    NoMovementPage* pagina = Pagina(10);
    QChar apostrofo = QLatin1Char('\'');
    pagina->dbmObservacoesKeyPress(pagina, apostrofo);
    EXPECT_TRUE(apostrofo.isNull());
}
