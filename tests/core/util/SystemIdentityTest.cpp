// The names by which the program presents itself.

#include "core/util/SystemIdentity.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemIdentityTest, DisplayNameStopsBeforeTheStateKeepingTheBlank) {
    EXPECT_TRUE(AuthorityName.startsWith(AuthorityDisplayName()));
    EXPECT_TRUE(AuthorityDisplayName().endsWith(QLatin1Char(' ')));
    EXPECT_FALSE(AuthorityDisplayName().contains(QStringLiteral("Korvit")));
    EXPECT_EQ(SystemTitle, QStringLiteral("ZEB-ICMS - ") + ProductLongName);
    EXPECT_EQ(SystemCode, QStringLiteral("KORVIT"));
    EXPECT_TRUE(UserName.isEmpty());
}

} // namespace
