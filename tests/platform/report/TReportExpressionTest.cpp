// The expressions of report texts: a field, the sum of a field, the count.

#include "platform/report/TReportExpression.h"
#include "platform/base/Exceptions.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

TEST(TReportExpressionTest, ParsesFieldsSumsAndCountOnly) {
    const TReportExpression sum =
        TReportExpression::Parse(QStringLiteral(" sum( ibqEntradas.VL_CONTABIL ) "));
    EXPECT_EQ(sum.Kind(), TReportExpression::TKind::ekSum);
    EXPECT_EQ(sum.DataSetName(), QStringLiteral("ibqEntradas"));
    EXPECT_EQ(sum.FieldName(), QStringLiteral("VL_CONTABIL"));
    const TReportExpression field = TReportExpression::Parse(QStringLiteral("REGIAO"));
    EXPECT_EQ(field.Kind(), TReportExpression::TKind::ekField);
    EXPECT_TRUE(field.DataSetName().isEmpty());
    EXPECT_EQ(TReportExpression::Parse(QStringLiteral("COUNT")).Kind(), TReportExpression::TKind::ekCount);
    for (const char* bad : {"", "SUM()", "SUM(a.b.c)", "VALOR + 1", "1VALOR", "SUM(VALOR"})
        EXPECT_THROW(TReportExpression::Parse(QString::fromLatin1(bad)), Exception) << bad;
}

} // namespace
