#include "platform/base/SystemClock.h"

#include <gtest/gtest.h>

TEST(SystemClockTest, AFixedMomentHoldsUntilTheSystemsClockIsGivenBack) {
    const QDateTime fixo(QDate(2011, 2, 3), QTime(4, 5, 6));
    SystemClock::Fix([fixo] { return fixo; });
    EXPECT_EQ(SystemClock::Now(), fixo);
    EXPECT_EQ(SystemClock::Today(), QDate(2011, 2, 3));
    SystemClock::Fix(nullptr);
    EXPECT_GE(SystemClock::Today(), QDate::currentDate().addDays(-1));
    EXPECT_NE(SystemClock::Now().date().year(), 2011);
}
