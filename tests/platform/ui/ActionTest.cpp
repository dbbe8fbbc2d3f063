#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TChangeLink.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TMainMenu.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TSpeedButton.h"

#include <QAction>
#include <QEventLoop>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
// Lets the message loop run until it has nothing left to do once.
void RunUntilIdle() {
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
}

QPixmap Square(Qt::GlobalColor color, int size = 16) {
    QPixmap picture(size, size);
    picture.fill(color);
    return picture;
}
} // namespace

TEST(ActionTest, ActionListUpdatesItsActionsWhenTheApplicationIsIdle) {
    TForm form(nullptr);
    auto* list = new TActionList(&form);
    auto* acPost = new TAction(&form);
    acPost->SetActionList(list);
    auto* acCancel = new TAction(&form);
    acCancel->SetActionList(list);
    bool editing = false;
    int listUpdates = 0;
    list->OnUpdate = TActionEvent::fromFunction([&](TAction* action, bool& handled) {
        ++listUpdates;
        if (action == acPost) {
            action->SetEnabled(editing);
            handled = true;
        }
    });
    acCancel->OnUpdate = TNotifyEvent::fromFunction([&](TObject*) { acCancel->SetEnabled(editing); });

    RunUntilIdle();
    EXPECT_FALSE(acPost->Enabled());
    EXPECT_FALSE(acCancel->Enabled());
    EXPECT_GE(listUpdates, 2);

    editing = true;
    RunUntilIdle();
    EXPECT_TRUE(acPost->Enabled());
    EXPECT_TRUE(acCancel->Enabled());
}

TEST(ActionTest, ActionListAnExceptionInAnUpdateDoesNotStopTheProgram) {
    TForm form(nullptr);
    auto* list = new TActionList(&form);
    auto* action = new TAction(&form);
    action->SetActionList(list);
    int updates = 0;
    action->OnUpdate = TNotifyEvent::fromFunction([&](TObject*) {
        ++updates;
        Abort();
    });
    RunUntilIdle();
    RunUntilIdle();
    EXPECT_GE(updates, 2);
}

TEST(ActionTest, ActionLinkButtonsAndMenuItemsFollowTheirAction) {
    TForm form(nullptr);
    auto* images = new TImageList(&form);
    images->Add(Square(Qt::red));
    auto* list = new TActionList(&form);
    list->SetImages(images);
    auto* acSair = new TAction(&form);
    acSair->SetActionList(list);
    acSair->SetCaption("&Sair");
    acSair->SetHint("Sair do formulário");
    acSair->SetImageIndex(0);
    int executed = 0;
    acSair->OnExecute = TNotifyEvent::fromFunction([&](TObject*) { ++executed; });

    auto* button = new TButton(&form, &form);
    button->SetAction(acSair);
    auto* speed = new TSpeedButton(&form, &form);
    speed->SetAction(acSair);
    auto* menu = new TMainMenu(&form);
    auto* mniPrincipal = new TMenuItem(&form);
    mniPrincipal->SetCaption("&Principal");
    menu->Items()->Add(mniPrincipal);
    auto* mniSair = new TMenuItem(&form);
    mniSair->SetAction(acSair);
    mniPrincipal->Add(mniSair);
    form.SetMenu(menu);

    EXPECT_EQ(button->Caption(), "&Sair");
    EXPECT_EQ(speed->Caption(), "&Sair");
    EXPECT_FALSE(speed->Glyph().isNull());
    EXPECT_EQ(mniSair->Caption(), "&Sair");
    EXPECT_EQ(mniSair->Hint(), "Sair do formulário");

    acSair->SetCaption("Sai&r");
    acSair->SetEnabled(false);
    EXPECT_EQ(button->Caption(), "Sai&r");
    EXPECT_FALSE(button->Enabled());
    EXPECT_FALSE(speed->Enabled());
    EXPECT_FALSE(mniSair->Enabled());

    acSair->SetEnabled(true);
    static_cast<QPushButton*>(button->Widget())->click();
    static_cast<QToolButton*>(speed->Widget())->click();
    mniSair->QtAction()->trigger();
    EXPECT_EQ(executed, 3);
    EXPECT_EQ(menu->MenuBar()->actions().size(), 1);

    // A disabled action does not run.
    acSair->SetEnabled(false);
    EXPECT_FALSE(acSair->Execute());
    EXPECT_EQ(executed, 3);
}

TEST(ActionTest, ActionLinkLetsGoOfAnActionThatIsFreed) {
    TForm form(nullptr);
    auto* action = new TAction(&form);
    action->SetCaption("&Incluir");
    auto* button = new TButton(&form, &form);
    button->SetAction(action);
    delete action;
    EXPECT_EQ(button->Action(), nullptr);
    button->Click(); // nothing to run, nothing fails
}

TEST(ActionTest, ImageListTellsRegisteredLinksOfEveryChange) {
    TImageList images(nullptr);
    images.SetSize(32, 32);
    int changes = 0;
    TObject* sender = nullptr;
    {
        TChangeLink link;
        link.OnChange = TNotifyEvent::fromFunction([&](TObject* s) {
            ++changes;
            sender = s;
        });
        images.RegisterChanges(&link);
        images.Add(Square(Qt::blue, 16));
        EXPECT_EQ(images.GetBitmap(0).size(), QSize(32, 32)); // fitted to the list
        images.Replace(0, Square(Qt::green, 32));
        images.Delete(0);
        EXPECT_EQ(changes, 3);
        EXPECT_EQ(sender, &images);
    }
    images.Add(Square(Qt::blue)); // the link is gone; nothing is called
    EXPECT_EQ(changes, 3);
    EXPECT_TRUE(images.GetBitmap(5).isNull());
    EXPECT_THROW(images.Delete(5), EComponentError);
}

TEST(ActionTest, SpeedButtonButtonsOfAGroupStayDownOneAtATime) {
    TForm form(nullptr);
    auto* a = new TSpeedButton(&form, &form);
    auto* b = new TSpeedButton(&form, &form);
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    form.Show();
    auto press = [](TSpeedButton* button) { static_cast<QToolButton*>(button->Widget())->click(); };
    press(a);
    EXPECT_TRUE(a->Down());
    press(b);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    press(b); // stays down without AllowAllUp
    EXPECT_TRUE(b->Down());
    b->SetAllowAllUp(true);
    press(b);
    EXPECT_FALSE(b->Down());
}
