// The SQL text of the kinds of data set that have one.

#include "components/search/SQLProperty.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TIBQuery.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

TEST(SQLPropertyTest, QueriesAndClientSetsHaveSQLOthersDoNot) {
    TIBQuery query;
    TClientDataSet client;
    client.SetName(QStringLiteral("cdsX"));
    EXPECT_EQ(GetSQLProperty(&query), QStringLiteral("SQL"));
    EXPECT_EQ(GetSQLProperty(&client), QStringLiteral("CommandText"));
    SetDataSetSQL(&client, QStringLiteral("SELECT 1 FROM RDB$DATABASE"));
    EXPECT_EQ(GetDataSetSQL(&client), QStringLiteral("SELECT 1 FROM RDB$DATABASE"));
    query.SetSQLText(QStringLiteral("SELECT A\nFROM T"));
    EXPECT_EQ(GetDataSetSQL(&query), QStringLiteral("SELECT A\r\nFROM T"));
    EXPECT_NO_THROW(CheckSQLProperty(nullptr));
    EXPECT_EQ(GetDataSetSQL(nullptr), QString());
}

} // namespace
