#include "platform/db/TransactionScope.h"
#include "platform/base/Exceptions.h"
#include "platform/db/TIBSQL.h"
#include "tests/platform/db/ScratchDatabase.h"

#include <gtest/gtest.h>

namespace {

void Insert(ScratchDatabase& db, int id) {
    TIBSQL sql;
    sql.SetDatabase(&db.Database());
    sql.SetTransaction(&db.Transaction());
    sql.SetSQLText(QStringLiteral("INSERT INTO ITEM (ID, NAME) VALUES (%1, 'n%1')").arg(id));
    sql.ExecQuery();
}

} // namespace

TEST(TransactionScopeTest, CommitsWhatItWasToldToAndRollsBackEverythingElse) {
    ScratchDatabase db;
    {
        TransactionScope scope(db.Transaction());
        EXPECT_TRUE(scope.Owns());
        Insert(db, 1);
        scope.Commit();
    }
    EXPECT_THROW(
        {
            TransactionScope scope(db.Transaction());
            Insert(db, 2);
            throw Exception(QStringLiteral("the work failed"));
        },
        Exception);
    {
        TransactionScope scope(db.Transaction());
        Insert(db, 3); // an early return: no commit
    }
    EXPECT_FALSE(db.Transaction().InTransaction());
    EXPECT_EQ(db.Count(QStringLiteral("SELECT COUNT(*) FROM ITEM")), 1);
    EXPECT_EQ(db.Value(QStringLiteral("SELECT ID FROM ITEM")).toInt(), 1);
}

TEST(TransactionScopeTest, LeavesAnOuterTransactionToItsOwner) {
    ScratchDatabase db;
    db.Transaction().StartTransaction();
    {
        TransactionScope scope(db.Transaction());
        EXPECT_FALSE(scope.Owns());
        Insert(db, 1);
    }
    {
        TransactionScope scope(db.Transaction());
        scope.Commit();
    }
    ASSERT_TRUE(db.Transaction().InTransaction()) << "the inner scopes neither ended nor committed it";
    EXPECT_EQ(db.Count(QStringLiteral("SELECT COUNT(*) FROM ITEM")), 0) << "nothing committed yet";
    db.Transaction().Commit();
    EXPECT_EQ(db.Count(QStringLiteral("SELECT COUNT(*) FROM ITEM")), 1);
}

TEST(TransactionScopeTest, AReadOnlyScopeReadsAndRefusesWritesWhateverTheParamsSay) {
    ScratchDatabase db;
    {
        TransactionScope scope(db.Transaction());
        Insert(db, 1);
        scope.Commit();
    }
    const QStringList kinds[] = {{}, {"read_committed", "rec_version", "nowait", "write"}, {"concurrency"}};
    for (const QStringList& params : kinds) {
        SCOPED_TRACE(params.join(' ').toStdString());
        db.Transaction().SetParams(params);
        {
            TransactionScope scope(db.Transaction(), TransactionScope::Access::ReadOnly);
            TIBSQL read;
            read.SetDatabase(&db.Database());
            read.SetTransaction(&db.Transaction());
            read.SetSQLText(QStringLiteral("SELECT NAME FROM ITEM"));
            read.ExecQuery();
            EXPECT_EQ(read.Fields(0).AsString(), QStringLiteral("n1"));
            read.Close();
            EXPECT_THROW(Insert(db, 2), EDatabaseError);
        }
        EXPECT_EQ(db.Transaction().Params(), params);
        TransactionScope scope(db.Transaction());
        Insert(db, 3); // the next ordinary start writes again
    }
}

TEST(TransactionScopeTest, ASavepointScopeUndoesOnlyItsOwnWorkInsideAnOuterTransaction) {
    ScratchDatabase db;
    db.Transaction().StartTransaction();
    Insert(db, 1);
    {
        TransactionScope kept(db.Transaction(), QStringLiteral("KEPT"));
        EXPECT_FALSE(kept.Owns());
        Insert(db, 2);
        kept.Commit();
    }
    EXPECT_THROW(
        {
            TransactionScope undone(db.Transaction(), QStringLiteral("UNDONE"));
            Insert(db, 3);
            throw Exception(QStringLiteral("the work failed"));
        },
        Exception);
    {
        TransactionScope undone(db.Transaction(), QStringLiteral("UNDONE"));
        Insert(db, 4);
        undone.Rollback();
    }
    ASSERT_TRUE(db.Transaction().InTransaction());
    db.Transaction().Commit();
    EXPECT_EQ(db.Count(QStringLiteral("SELECT COUNT(*) FROM ITEM")), 2);
    EXPECT_EQ(db.Count(QStringLiteral("SELECT COUNT(*) FROM ITEM WHERE ID IN (1, 2)")), 2);
    {
        TransactionScope alone(db.Transaction(), QStringLiteral("ALONE")); // no outer work: owns it
        EXPECT_TRUE(alone.Owns());
        Insert(db, 5);
    }
    EXPECT_FALSE(db.Transaction().InTransaction());
    EXPECT_EQ(db.Count(QStringLiteral("SELECT COUNT(*) FROM ITEM")), 2);
}
