#include "platform/ui/TForm.h"
#include "platform/ui/TMainMenu.h"
#include "platform/ui/TMenuItem.h"

#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <gtest/gtest.h>

namespace {
// A window with a two-level menu, the menu and its items owned as the
// program's windows own them.
struct MenuForm {
    explicit MenuForm(TComponent* menuOwner = nullptr, TComponent* itemOwner = nullptr) {
        form = new TForm(nullptr);
        menu = new TMainMenu(menuOwner ? menuOwner : form);
        top = new TMenuItem(itemOwner ? itemOwner : form);
        top->SetCaption(QStringLiteral("&Arquivos"));
        menu->Items()->Add(top);
        sub = new TMenuItem(itemOwner ? itemOwner : form);
        sub->SetCaption(QStringLiteral("&Sair"));
        top->Add(sub);
        form->SetMenu(menu);
    }
    TForm* form;
    TMainMenu* menu;
    TMenuItem* top;
    TMenuItem* sub;
};
} // namespace

TEST(FormMenuTest, FreeingTheWindowFreesItsMenuAndItems) {
    MenuForm window;
    QPointer<QMenuBar> bar = window.menu->MenuBar();
    QPointer<TMenuItem> top = window.top;
    delete window.form;
    EXPECT_TRUE(bar.isNull());
    EXPECT_TRUE(top.isNull());
}

TEST(FormMenuTest, WindowAndMenuMayBeFreedInEitherOrder) {
    {
        // The window goes first; the menu and items live on elsewhere.
        TComponent outer(nullptr);
        MenuForm window(&outer, &outer);
        delete window.form;
        ASSERT_NE(window.menu->MenuBar(), nullptr);
        EXPECT_EQ(window.menu->MenuBar()->actions().size(), 1);
        delete window.top;
        EXPECT_TRUE(window.menu->MenuBar()->actions().isEmpty());
    }
    {
        // The menu goes first; the items and the window stay.
        MenuForm window;
        delete window.menu;
        EXPECT_EQ(window.form->Menu(), nullptr);
        EXPECT_EQ(window.top->Parent(), nullptr);
        delete window.top;
        EXPECT_EQ(window.sub->Parent(), nullptr);
        delete window.form;
    }
}

TEST(FormMenuTest, AReplacedBarLeavesTheWindow) {
    MenuForm window;
    auto* other = new TMainMenu(window.form);
    window.form->SetMenu(other);
    EXPECT_EQ(window.menu->MenuBar()->parentWidget(), nullptr);
    EXPECT_EQ(other->MenuBar()->parentWidget(), window.form->Widget());
    delete window.form;
}

TEST(FormMenuTest, TheBarKeepsItsNaturalHeight) {
    MenuForm window;
    window.form->SetBounds(0, 0, 400, 300);
    window.form->Show();
    window.form->Widget()->layout()->activate();
    QMenuBar* bar = window.menu->MenuBar();
    const int barHeight = bar->sizeHint().height();
    EXPECT_EQ(bar->height(), barHeight);
    EXPECT_EQ(bar->geometry().top(), 0);
    EXPECT_EQ(window.form->ClientWidget()->geometry().top(), barHeight);
    EXPECT_EQ(window.form->ClientWidget()->height(), 300 - barHeight);
    EXPECT_EQ(window.form->ClientHeight(), 300 - barHeight);
    delete window.form;
}
