// The name of each kind of update the reconcile dialog shows.

#include "components/data/TReconcileDialog.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

TEST(ReconcileOperationTest, TextsPerUpdateKind) {
    EXPECT_EQ(TCustomReconcileDialog::OperationText(ukModify), QStringLiteral("Alteração"));
    EXPECT_EQ(TCustomReconcileDialog::OperationText(ukInsert), QStringLiteral("Inserção"));
    EXPECT_EQ(TCustomReconcileDialog::OperationText(ukDelete), QStringLiteral("Exclusão"));
}

} // namespace
