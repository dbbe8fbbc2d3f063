// Ending the program: the main form closed, or ended before the loop runs.

#include "platform/ui/TApplication.h"
#include "platform/ui/TForm.h"

#include <QTimer>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

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

} // namespace
