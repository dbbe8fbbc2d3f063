#include "low/Low.h"

#include <gtest/gtest.h>

TEST(LowTest, IsOne) {
    EXPECT_EQ(Low(), 1);
}
