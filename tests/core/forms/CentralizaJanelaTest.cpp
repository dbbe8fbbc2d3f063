#include "core/forms/CentralizaJanela.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TScreen.h"

#include <gtest/gtest.h>

#include <memory>

TEST(CentralizaJanelaTest, PutsTheWindowsCentreOnTheDesktopsKeepingItsSize) {
    std::unique_ptr<TForm> janela(TForm::Create<TForm>(nullptr));
    janela->SetBounds(5, 7, 201, 101);
    CentralizaJanela(janela.get());
    EXPECT_EQ(janela->Width(), 201);
    EXPECT_EQ(janela->Height(), 101);
    EXPECT_EQ(janela->Left(), Screen->Width() / 2 - 100);
    EXPECT_EQ(janela->Top(), Screen->Height() / 2 - 50);
}
