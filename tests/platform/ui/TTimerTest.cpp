// Timers: an exception in a handler is shown and the timer goes on.

#include "platform/ui/TTimer.h"
#include "platform/ui/TApplication.h"
#include "tests/support/ScriptedPrompter.h"

#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(TTimerTest, AnExceptionInOnTimerIsShownAndTheTimerGoesOn) {
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

} // namespace
