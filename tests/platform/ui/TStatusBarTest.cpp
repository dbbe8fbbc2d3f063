// The status bar: panels, or one simple text.

#include "platform/ui/TStatusBar.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TStatusPanel.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

TEST(TStatusBarTest, PanelsOrOneSimpleText) {
    TForm form(nullptr);
    auto* bar = new TStatusBar(&form, &form);
    bar->AddPanel(90)->SetText("0.3.3.4");
    bar->AddPanel(400);
    EXPECT_EQ(bar->PanelCount(), 2);
    EXPECT_EQ(bar->Panels(0)->Text(), "0.3.3.4");
    EXPECT_EQ(bar->Panels(1)->Width(), 400);
    EXPECT_EQ(bar->Align(), TAlign::alBottom);
    bar->SetSimplePanel(true);
    bar->SetSimpleText("Consultando");
    EXPECT_EQ(bar->SimpleText(), "Consultando");
}

} // namespace
