#include "platform/ui/TForm.h"
#include "platform/ui/TTreeNode.h"
#include "platform/ui/TTreeNodes.h"
#include "platform/ui/TTreeView.h"
#include "tests/support/ScriptedPrompter.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {
class TreeViewTest : public testing::Test {
protected:
    void SetUp() override {
        tree = new TTreeView(&form, &form);
        tree->SetName("tvNavegador");
        contribuinte = tree->Items().Add(nullptr, "Contribuinte");
        operacoes = tree->Items().Add(nullptr, "Operações Próprias");
        entradas = tree->Items().AddChild(operacoes, "Entradas");
        saidas = tree->Items().AddChild(operacoes, "Saídas");
        outros = tree->Items().Add(nullptr, "Outros ICMS Devidos");
        form.Show();
    }
    TForm form{nullptr};
    TTreeView* tree = nullptr;
    TTreeNode *contribuinte = nullptr, *operacoes = nullptr, *entradas = nullptr, *saidas = nullptr,
              *outros = nullptr;
};
} // namespace

TEST_F(TreeViewTest, NodesKnowTheirPlaceInTheTree) {
    EXPECT_EQ(tree->Items().Count(), 5);
    EXPECT_EQ(saidas->Level(), 1);
    EXPECT_EQ(saidas->Parent(), operacoes);
    EXPECT_EQ(saidas->Index(), 1);
    EXPECT_EQ(saidas->AbsoluteIndex(), 3);
    EXPECT_EQ(tree->Items().Item(3), saidas);
    EXPECT_EQ(entradas->getNextSibling(), saidas);
    EXPECT_EQ(saidas->getNextSibling(), nullptr);
    EXPECT_EQ(saidas->GetNext(), outros);
    EXPECT_EQ(outros->GetPrev(), saidas);
    EXPECT_EQ(entradas->GetPrev(), operacoes);
    EXPECT_EQ(operacoes->GetLastChild(), saidas);
    EXPECT_EQ(contribuinte->getPrevSibling(), nullptr);

    tree->Items().Delete(operacoes);
    EXPECT_EQ(tree->Items().Count(), 2);
    EXPECT_EQ(contribuinte->GetNext(), outros);
}

TEST_F(TreeViewTest, OnChangingCanRefuseANewSelection) {
    std::vector<TTreeNode*> shown;
    bool pending = false;
    tree->OnChanging =
        TTVChangingEvent::fromFunction([&](TObject*, TTreeNode*, bool& allow) { allow = !pending; });
    tree->OnChange = TTVChangedEvent::fromFunction([&](TObject*, TTreeNode* node) { shown.push_back(node); });

    tree->SetSelected(contribuinte);
    pending = true;
    tree->SetSelected(outros);
    EXPECT_EQ(tree->Selected(), contribuinte);
    // A click on the widget is refused the same way.
    tree->Tree()->setCurrentItem(outros->Item());
    EXPECT_EQ(tree->Selected(), contribuinte);

    pending = false;
    tree->SetSelected(outros);
    EXPECT_EQ(tree->Selected(), outros);
    EXPECT_EQ(shown, (std::vector{contribuinte, outros}));
}

TEST_F(TreeViewTest, AnExceptionInOnChangingRefusesAndIsShown) {
    ScriptedPrompter prompter;
    prompter.Answer(mrOk);
    tree->SetSelected(contribuinte);
    tree->OnChanging = TTVChangingEvent::fromFunction([](TObject*, TTreeNode*, bool&) {
        throw Exception("Inclusão ou Alteração em andamento. Confirme ou cancele.");
    });
    tree->SetSelected(outros);
    EXPECT_EQ(tree->Selected(), contribuinte);
    EXPECT_EQ(prompter.Last().Text, "Inclusão ou Alteração em andamento. Confirme ou cancele.");
}

TEST_F(TreeViewTest, OnExpandingCanRefuseToOpenANode) {
    bool withoutMovement = true;
    std::vector<TTreeNode*> asked;
    tree->OnExpanding = TTVExpandingEvent::fromFunction([&](TObject*, TTreeNode* node, bool& allow) {
        asked.push_back(node);
        allow = !withoutMovement;
    });
    operacoes->Expand(false);
    EXPECT_FALSE(operacoes->Expanded());
    withoutMovement = false;
    operacoes->Expand(false);
    EXPECT_TRUE(operacoes->Expanded());
    EXPECT_EQ(asked, (std::vector{operacoes, operacoes}));
}

TEST_F(TreeViewTest, SelectingAChildOpensItsParentFirst) {
    int expansions = 0;
    tree->OnExpanding = TTVExpandingEvent::fromFunction([&](TObject*, TTreeNode*, bool&) { ++expansions; });
    tree->SetSelected(saidas);
    EXPECT_EQ(expansions, 1);
    EXPECT_TRUE(operacoes->Expanded());
    EXPECT_TRUE(saidas->Selected());
}
