#include "platform/ui/TForm.h"
#include "platform/ui/TTreeNode.h"
#include "platform/ui/TTreeNodes.h"
#include "platform/ui/TTreeView.h"
#include "tests/support/ScriptedPrompter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
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

TEST_F(TreeViewTest, HandlersAreAskedBeforeAnythingChanges) {
    tree->SetSelected(contribuinte);
    TTreeNode* selectedWhenAsked = nullptr;
    bool expandedWhenAsked = true;
    tree->OnChanging = TTVChangingEvent::fromFunction([&](TObject*, TTreeNode*, bool& allow) {
        selectedWhenAsked = tree->Selected();
        allow = false;
    });
    tree->OnExpanding = TTVExpandingEvent::fromFunction([&](TObject*, TTreeNode* node, bool& allow) {
        expandedWhenAsked = node->Expanded();
        allow = false;
    });
    int expandedEvents = 0;
    tree->OnExpanded = TTVExpandedEvent::fromFunction([&](TObject*, TTreeNode*) { ++expandedEvents; });

    tree->SetSelected(outros);
    EXPECT_EQ(selectedWhenAsked, contribuinte);
    operacoes->Expand(false);
    EXPECT_FALSE(expandedWhenAsked);
    EXPECT_FALSE(operacoes->Expanded());
    EXPECT_EQ(expandedEvents, 0);
    // A child of a node that refuses to open is not selected either.
    tree->SetSelected(entradas);
    EXPECT_EQ(tree->Selected(), contribuinte);
}

TEST_F(TreeViewTest, ClicksAndKeysOnTheTreeAskToo) {
    bool allowExpand = false;
    tree->OnExpanding =
        TTVExpandingEvent::fromFunction([&](TObject*, TTreeNode*, bool& allow) { allow = allowExpand; });
    tree->SetSelected(operacoes);
    QTreeWidget* widget = tree->Tree();
    widget->setFocus();
    const QRect rect = widget->visualItemRect(operacoes->Item());
    const QPoint mark(rect.left() - widget->indentation() / 2, rect.center().y());
    QMouseEvent press(QEvent::MouseButtonPress, mark, widget->viewport()->mapToGlobal(mark), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget->viewport(), &press);
    EXPECT_FALSE(operacoes->Expanded()) << "a click on the mark is refused";
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &right);
    EXPECT_FALSE(operacoes->Expanded()) << "so is the Right key";

    allowExpand = true;
    QCoreApplication::sendEvent(widget->viewport(), &press);
    EXPECT_TRUE(operacoes->Expanded());
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &left);
    EXPECT_FALSE(operacoes->Expanded());
    tree->SetSelected(entradas);
    QCoreApplication::sendEvent(widget, &left);
    EXPECT_EQ(tree->Selected(), operacoes) << "Left on a leaf goes to its parent";
}

TEST_F(TreeViewTest, ADelayedChangeReportsOnlyWhereTheSelectionStopped) {
    std::vector<TTreeNode*> shown;
    tree->OnChange = TTVChangedEvent::fromFunction([&](TObject*, TTreeNode* node) { shown.push_back(node); });
    tree->SetChangeDelay(100);
    tree->SetSelected(contribuinte);
    tree->SetSelected(operacoes);
    tree->SetSelected(outros);
    EXPECT_TRUE(shown.empty());
    QElapsedTimer clock;
    clock.start();
    while (shown.empty() && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(shown, std::vector{outros});
    tree->SetSelected(saidas);
    tree->FlushChange();
    EXPECT_EQ(shown, (std::vector{outros, saidas}));
}

TEST_F(TreeViewTest, TheSelectionCanStayVisibleWithoutTheFocus) {
    tree->SetHideSelection(false);
    const QPalette palette = tree->Tree()->palette();
    EXPECT_EQ(palette.color(QPalette::Inactive, QPalette::Highlight),
              palette.color(QPalette::Active, QPalette::Highlight));
    tree->SetRowSelect(true);
    EXPECT_EQ(tree->Tree()->selectionBehavior(), QAbstractItemView::SelectRows);
}
