#include "declarations/editor/TfrmDeclaracao.h"
#include "declarations/list/TfrmGeracao.h"
#include "declarations/list/TfrmSelDeclaracao.h"
#include "platform/db/TClientDataSet.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TMenuItem.h"
#include "startup/TfrmDef.h"
#include "tests/support/data/DataModules.h"

#include <gtest/gtest.h>

namespace {

// The main window over real data modules.
class MainWindowDeclarationsTest : public DataModules {
protected:
    MainWindowDeclarationsTest() {
        janela = Application->CreateForm<TfrmDef>();
        janela->Show();
    }
    ~MainWindowDeclarationsTest() override {
        delete janela;
        Application->ProcessMessages();
    }
    TfrmDef* janela;
};

} // namespace

TEST_F(MainWindowDeclarationsTest, DeclaracaoOpensTheOneListOfDeclarations) {
    janela->acDeclaracao->Execute();
    janela->acDeclaracao->Execute();
    ASSERT_NE(frmSelDeclaracao, nullptr);
    EXPECT_EQ(janela->MDIChildCount(), 1);
    EXPECT_EQ(janela->ActiveMDIChild(), frmSelDeclaracao);
    EXPECT_TRUE(def->cdsSelDeclaracao->Active());
}

TEST_F(MainWindowDeclarationsTest, GeracaoOpensTheOneGenerationWindowAndGreysTheDeclarations) {
    janela->acGeracao->Execute();
    janela->acGeracao->Execute();
    Application->ProcessMessages();
    auto* geracao = dynamic_cast<TfrmGeracao*>(janela->ActiveMDIChild());
    ASSERT_NE(geracao, nullptr);
    EXPECT_EQ(janela->MDIChildCount(), 1);
    EXPECT_FALSE(janela->Declarao1->Enabled());
    EXPECT_FALSE(janela->Tabelas1->Enabled());
    geracao->Close();
    Application->ProcessMessages();
    EXPECT_EQ(janela->MDIChildCount(), 0);
    EXPECT_TRUE(janela->Declarao1->Enabled());
}

TEST_F(MainWindowDeclarationsTest, ClosingTheProgramClosesTheListAndTheEditorItOpened) {
    CriaContribuinte();
    CriaDeclaracao(1, 2005, 6);
    janela->acDeclaracao->Execute();
    PosicionaDeclaracao(1);
    def->cdsContribuintes->Open();
    def->cdsSelDeclaracao->Refresh();
    frmSelDeclaracao->acAlterar->Execute();
    Application->ProcessMessages();
    ASSERT_NE(dynamic_cast<TfrmDeclaracao*>(janela->ActiveMDIChild()), nullptr);

    // A detail row being typed keeps the editor, the list and the program open.
    def->cdsEntradas->Open();
    def->cdsEntradas->Insert();
    prompter.Answer(mrOk);
    TCloseAction recusada = TCloseAction::caHide;
    janela->FormClose(janela, recusada);
    EXPECT_EQ(recusada, TCloseAction::caNone);
    EXPECT_EQ(prompter.Last().Text, "Inclusão ou Alteração em andamento. Confirme ou cancele !");
    EXPECT_NE(frmSelDeclaracao, nullptr);

    def->cdsEntradas->Cancel();
    TCloseAction acao = TCloseAction::caHide;
    janela->FormClose(janela, acao);
    Application->ProcessMessages();
    EXPECT_EQ(frmSelDeclaracao, nullptr);
    EXPECT_EQ(janela->MDIChildCount(), 0);
    EXPECT_NE(acao, TCloseAction::caNone);
}
