// The dialog template: its button panel under its line.

#include "core/forms/TfrmModDialogo.h"
#include "platform/ui/TBevel.h"
#include "platform/ui/TPanel.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(TfrmModDialogoTest, ButtonPanelSitsAtTheBottomUnderItsLine) {
    std::unique_ptr<TfrmModDialogo> dialogo(TForm::Create<TfrmModDialogo>(nullptr));
    dialogo->Show();
    EXPECT_EQ(dialogo->ClientWidth(), 377);
    EXPECT_EQ(dialogo->ClientHeight(), 286);
    EXPECT_EQ(dialogo->pnBotoes->Top() + dialogo->pnBotoes->Height(), dialogo->ClientHeight());
    EXPECT_EQ(dialogo->bvBotoes->Top() + dialogo->bvBotoes->Height(), dialogo->pnBotoes->Top());
}

} // namespace
