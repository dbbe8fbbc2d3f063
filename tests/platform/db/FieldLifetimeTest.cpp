// Fields and the data sets they belong to or look up in, freed in either order.

#include "platform/db/TIntegerField.h"
#include "platform/db/TStringField.h"
#include "tests/platform/db/MemoryDataSet.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(FieldLifetimeTest, FieldsAndDataSetsMayGoInEitherOrder) {
    auto ds = std::make_unique<MemoryDataSet>();
    ds->SetColumns({{"A", ftInteger}});
    auto* lookupSet = new MemoryDataSet();
    auto field = std::make_unique<TStringField>();
    field->SetFieldName(QStringLiteral("A"));
    field->SetDataSet(ds.get());
    field->SetLookupDataSet(lookupSet);
    delete lookupSet;
    EXPECT_EQ(field->LookupDataSet(), nullptr);
    ds->Open();
    ds.reset();
    EXPECT_EQ(field->DataSet(), nullptr);

    MemoryDataSet other;
    other.SetColumns({{"A", ftInteger}});
    {
        TIntegerField gone;
        gone.SetFieldName(QStringLiteral("A"));
        gone.SetDataSet(&other);
        EXPECT_EQ(other.FieldCount(), 1);
    }
    EXPECT_EQ(other.FieldCount(), 0);
    other.Open();
    EXPECT_EQ(other.FieldCount(), 1); // dynamic
}

} // namespace
