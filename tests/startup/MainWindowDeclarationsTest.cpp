#include "declarations/editor/TfrmDeclaracao.h"
#include "declarations/list/TfrmGeracao.h"
#include "declarations/list/TfrmSelDeclaracao.h"
#include "platform/db/TClientDataSet.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPanel.h"
#include "startup/TfrmDef.h"
#include "tests/support/data/DataModules.h"
#include "tests/support/input/UserInput.h"

#include <QApplication>
#include <QSignalSpy>
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
    BuildDeclaration(1, 2005, 6);
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

TEST_F(MainWindowDeclarationsTest, TheListAndItsEditorAnswerTheirOwnLettersBeforeTheMenusDo) {
    CriaContribuinte();
    BuildDeclaration(1, 2005, 6);
    janela->acDeclaracao->Execute();
    QString aberto; // the last dialog a key opened, and whether Esc left it
    Application->OnModalBegin = TNotifyEvent::fromFunction([&](TObject* sender) {
        auto* dialogo = dynamic_cast<TForm*>(sender);
        QApplication::setActiveWindow(dialogo->Widget());
        UserInput::Esc();
        aberto = dialogo->Name() + (dialogo->ModalResult() == mrCancel ? " Esc" : "");
        dialogo->SetModalResult(mrCancel);
    });
    QSignalSpy declaracao(janela->Declarao1->QtAction(), &QAction::triggered);
    const auto editor = [&] { return dynamic_cast<TfrmDeclaracao*>(janela->ActiveMDIChild()); };
    const auto lista = [&] { return frmSelDeclaracao && janela->ActiveMDIChild() == frmSelDeclaracao; };
    const auto aberta = [&](const char* nome) { return [&aberto, nome] { return aberto == nome; }; };
    // In the editor Alt+A is Avançar and Alt+S its Sair; the main menu has Ajuda and Sair.
    const std::tuple<Qt::Key, Qt::KeyboardModifier, std::function<bool()>> passos[] = {
        {Qt::Key_Return, Qt::NoModifier, editor},
        {Qt::Key_A, Qt::AltModifier,
         [&] { return editor() && editor()->pnlDescricao->Caption() == "   Operações Próprias"; }},
        {Qt::Key_S, Qt::AltModifier, lista},
        {Qt::Key_A, Qt::AltModifier, editor},
        {Qt::Key_S, Qt::AltModifier, lista},
        {Qt::Key_D, Qt::AltModifier, [&] { return declaracao.count() == 1; }},
        {Qt::Key_I, Qt::AltModifier, aberta("frmIncDeclaracao Esc")},
        {Qt::Key_F, Qt::AltModifier, aberta("frmDlgFiltraDeclaracao Esc")},
        {Qt::Key_V, Qt::AltModifier, aberta("frmDlgValidacao")},
        {Qt::Key_S, Qt::AltModifier, [] { return !frmSelDeclaracao && !Application->Terminated(); }},
    };
    for (const auto& [tecla, modificador, feito] : passos) {
        if (frmSelDeclaracao)
            UserInput::ClickRow(frmSelDeclaracao->dbgSelDeclaracao, 0);
        UserInput::Key(tecla, modificador);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << tecla;
        EXPECT_TRUE(UserInput::WaitFor(feito)) << tecla;
    }
}
