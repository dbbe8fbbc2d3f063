// Grid columns that install themselves as the columns of their grid.

#include "components/report/TLinkedDbGridColumns.h"
#include "platform/ui/TDBGrid.h"

#include <gtest/gtest.h>

namespace {

TEST(TLinkedDbGridColumnsTest, InstallThemselvesAsTheGridsColumns) {
    TComponent owner;
    TDBGrid grid(&owner);
    {
        TLinkedDbGridColumns columns(&grid);
        EXPECT_EQ(&grid.Columns(), &columns);
    }
    EXPECT_EQ(grid.Columns().Count(), 0);
}

} // namespace
