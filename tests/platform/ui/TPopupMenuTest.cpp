// Pop-up menus: their items' clicks, and the question before they show.

#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TMenuItem.h"

#include <QAction>
#include <QMenu>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(TPopupMenuTest, ItemsRunTheirOnClickAndPopupAsksFirst) {
    TForm form(nullptr);
    auto* menu = new TPopupMenu(&form);
    auto* all = new TMenuItem(&form);
    all->SetCaption("Seleciona Todos");
    auto* separator = new TMenuItem(&form);
    separator->SetCaption("-");
    menu->Items()->Add(all);
    menu->Items()->Add(separator);
    int clicks = 0;
    all->OnClick = TNotifyEvent::fromFunction([&](TObject*) { ++clicks; });
    all->QtAction()->trigger();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(separator->QtAction()->isSeparator());
    EXPECT_EQ(menu->Menu()->actions().size(), 2);

    bool asked = false;
    menu->OnPopup = TNotifyEvent::fromFunction([&](TObject*) {
        asked = true;
        Abort(); // refuses to show
    });
    menu->Popup(QPoint(10, 10));
    EXPECT_TRUE(asked);
    EXPECT_FALSE(menu->Menu()->isVisible());

    delete all;
    EXPECT_EQ(menu->Items()->Count(), 1);
    EXPECT_EQ(menu->Menu()->actions().size(), 1);
}

} // namespace
