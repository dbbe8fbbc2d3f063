#include "platform/ui/TApplication.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TQtPrompter.h"
#include "platform/ui/TStatusBar.h"
#include "platform/ui/TStatusPanel.h"
#include "platform/ui/TTimer.h"
#include "tests/support/ScriptedPrompter.h"

#include <QAction>
#include <QEventLoop>
#include <QMenu>
#include <QTimer>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {
// Resets the application's state the tests below change.
class ApplicationTest : public testing::Test {
protected:
    void TearDown() override {
        while (Application->ComponentCount() > 1) // the screen stays
            delete Application->Components(Application->ComponentCount() - 1);
        Application->ProcessMessages();
    }
};
} // namespace

TEST_F(ApplicationTest, TheFirstFormCreatedIsTheMainForm) {
    ASSERT_EQ(Application->MainForm(), nullptr);
    int created = 0;
    class Counted : public TForm {
    public:
        Counted(TComponent* owner, int& count) : TForm(owner) {
            OnCreate = TNotifyEvent::fromFunction([&count](TObject*) { ++count; });
        }
    };
    auto* first = Application->CreateForm<Counted>(created);
    auto* second = Application->CreateForm<Counted>(created);
    EXPECT_EQ(created, 2);
    EXPECT_EQ(Application->MainForm(), first);
    EXPECT_EQ(second->Owner(), Application);
    delete first;
    EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST_F(ApplicationTest, AFailingOnCreateLeavesNoForm) {
    class Failing : public TForm {
    public:
        explicit Failing(TComponent* owner) : TForm(owner) {
            SetName("frmFalha");
            OnCreate =
                TNotifyEvent::fromFunction([](TObject*) { throw Exception("O sistema será encerrado..."); });
        }
    };
    EXPECT_THROW(Application->CreateForm<Failing>(), Exception);
    EXPECT_EQ(Application->FindComponent("frmFalha"), nullptr);
    EXPECT_EQ(Application->MainForm(), nullptr);
}

// Ending the program cannot be undone, so these run in a child process.
TEST(ApplicationDeathTest, ClosingTheMainFormEndsRun) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            auto* main = Application->CreateForm<TForm>();
            main->OnShow = TNotifyEvent::fromFunction(
                [main](TObject*) { QTimer::singleShot(0, main, [main] { main->Close(); }); });
            Application->Run();
            std::_Exit(Application->Terminated() && main->Widget()->isVisible() ? 3 : 1);
        },
        testing::ExitedWithCode(3), "");
}

TEST(ApplicationDeathTest, TerminateBeforeRunEndsWithoutALoop) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            auto* main = Application->CreateForm<TForm>();
            Application->Terminate();
            // Any message loop entered from here on fails the test instead of waiting.
            QTimer::singleShot(0, [] { std::_Exit(1); });
            Application->Run(); // returns at once, the main form never shown
            TForm dialog(nullptr);
            const bool modalEnds = dialog.ShowModal() == mrCancel; // no loop once the program ends
            std::_Exit(!main->Widget()->isVisible() && modalEnds ? 3 : 1);
        },
        testing::ExitedWithCode(3), "");
}

TEST(QtPrompter, FileFiltersBecomeQtFilters) {
    EXPECT_EQ(TQtPrompter::QtFilter("Arquivos ZEB|*.zeb|Todos|*.*"), "Arquivos ZEB (*.zeb);;Todos (*.*)");
    EXPECT_EQ(TQtPrompter::QtFilter("Cópias|*.zip;*.gbk"), "Cópias (*.zip *.gbk)");
    EXPECT_EQ(TQtPrompter::QtFilter(""), "");
}

TEST(PopupMenu, ItemsRunTheirOnClickAndPopupAsksFirst) {
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

TEST(StatusBar, PanelsOrOneSimpleText) {
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

TEST(Timer, AnExceptionInOnTimerIsShownAndTheTimerGoesOn) {
    ScriptedPrompter prompter;
    prompter.Answer(mrOk);
    TTimer timer(nullptr);
    timer.SetInterval(1);
    int ticks = 0;
    QEventLoop loop;
    timer.OnTimer = TNotifyEvent::fromFunction([&](TObject*) {
        if (++ticks == 1)
            throw Exception("A conexão com o Banco de Dados expirou.");
        loop.quit();
    });
    loop.exec();
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(prompter.Last().Text, "A conexão com o Banco de Dados expirou.");
    timer.SetEnabled(false);
}
