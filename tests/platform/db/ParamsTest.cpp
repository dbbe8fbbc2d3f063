// Parameters: lookup by name, typed access, copying.

#include "platform/base/Exceptions.h"
#include "platform/db/TParams.h"

#include <gtest/gtest.h>

namespace {

TEST(ParamsTest, FindAndTypedAccess) {
    TParams params;
    params.CreateParam(ftString, QStringLiteral("SQ_DECLARACAO"));
    TParam& value = params.CreateParam(ftUnknown, QStringLiteral("VL"));
    EXPECT_EQ(params.FindParam(QStringLiteral("sq_declaracao")), &params[0]);
    EXPECT_EQ(params.FindParam(QStringLiteral("OTHER")), nullptr);
    try {
        params.ParamByName(QStringLiteral("OTHER"));
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Parameter 'OTHER' not found"));
    }

    EXPECT_TRUE(value.IsNull());
    EXPECT_EQ(value.AsCurrency(), Currency());
    value.SetAsCurrency(*Currency::parse(u"12.3456"));
    EXPECT_EQ(value.DataType(), ftCurrency);
    EXPECT_EQ(value.AsCurrency().raw(), 123456);
    EXPECT_EQ(value.AsString(), QStringLiteral("12,3456"));
    EXPECT_EQ(value.AsInteger(), 12);

    TParam* key = params.ParamByName(QStringLiteral("SQ_DECLARACAO"));
    key->SetAsString(QStringLiteral("17"));
    EXPECT_EQ(key->DataType(), ftString);
    EXPECT_EQ(key->AsInteger(), 17);
    key->SetAsDate(QDate(2024, 3, 9));
    EXPECT_EQ(key->AsString(), QStringLiteral("09/03/2024"));
    key->Clear();
    EXPECT_TRUE(key->IsNull());
}

TEST(ParamsTest, AssignCopiesAndAssignValuesMatchesByName) {
    TParams source;
    source.CreateParam(ftInteger, QStringLiteral("A")).SetAsInteger(1);
    source.CreateParam(ftString, QStringLiteral("B")).SetAsString(QStringLiteral("b"));
    TParams copy;
    copy.Assign(source);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy[1].Name(), QStringLiteral("B"));
    EXPECT_EQ(copy[1].AsString(), QStringLiteral("b"));

    TParams target;
    target.CreateParam(ftString, QStringLiteral("b"));
    target.CreateParam(ftString, QStringLiteral("C"));
    target.AssignValues(source);
    EXPECT_EQ(target[0].AsString(), QStringLiteral("b"));
    EXPECT_TRUE(target[1].IsNull());
}

} // namespace
