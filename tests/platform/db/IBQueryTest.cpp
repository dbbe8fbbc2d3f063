#include "tests/platform/db/ScratchDatabase.h"

#include "platform/db/TField.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TStringField.h"

#include <gtest/gtest.h>

namespace {

class IBQueryTest : public ::testing::Test {
protected:
    void SetUp() override {
        db.Execute(QStringLiteral("INSERT INTO ITEM (ID, NAME, AMOUNT, QTY, NOTE, DAY_) VALUES "
                                  "(1, 'um', 9999999999999.9999, 3, 'texto longo', '2024-02-29')"));
        db.Execute(QStringLiteral("INSERT INTO ITEM (ID, NAME, AMOUNT) VALUES (2, 'dois', -0.29)"));
        db.Execute(QStringLiteral("INSERT INTO ITEM (ID, NAME, AMOUNT) VALUES (3, 'tres', 0.0001)"));
        db.Execute(QStringLiteral("INSERT INTO OWNER_ (ID, ITEM_ID, TITLE) VALUES (10, 1, 'dono')"));
        query.SetName(QStringLiteral("ibqItem"));
        query.SetDatabase(&db.Database());
        query.SetTransaction(&db.Transaction());
    }

    ScratchDatabase db;
    TIBQuery query;
};

TEST_F(IBQueryTest, FieldsAreTypedFromTheColumnsAndMoneyStaysExact) {
    query.SetSQL({QStringLiteral("select * from ITEM"), QStringLiteral("order by ID")});
    query.Open();
    ASSERT_EQ(query.RecordCount(), 3);
    EXPECT_EQ(query.FieldByName("ID")->DataType(), ftInteger);
    EXPECT_EQ(query.FieldByName("NAME")->DataType(), ftString);
    EXPECT_EQ(query.FieldByName("NAME")->Size(), 40);
    EXPECT_EQ(query.FieldByName("AMOUNT")->DataType(), ftFloat);
    EXPECT_EQ(query.FieldByName("QTY")->DataType(), ftSmallint);
    EXPECT_EQ(query.FieldByName("NOTE")->DataType(), ftMemo);
    EXPECT_EQ(query.FieldByName("DAY_")->DataType(), ftDate);
    EXPECT_EQ(query.FieldByName("NAME")->Origin(), QStringLiteral("ITEM.NAME"));

    EXPECT_EQ(query.FieldByName("AMOUNT")->AsCurrency(), Currency::fromRaw(99999999999999999));
    EXPECT_EQ(query.FieldByName("NOTE")->AsString(), QStringLiteral("texto longo"));
    EXPECT_EQ(query.FieldByName("DAY_")->AsDateTime().date(), QDate(2024, 2, 29));
    query.Next();
    EXPECT_EQ(query.FieldByName("AMOUNT")->AsCurrency(), Currency::fromRaw(-2900));
    EXPECT_TRUE(query.FieldByName("QTY")->IsNull());
    query.Next();
    EXPECT_EQ(query.FieldByName("AMOUNT")->AsCurrency(), Currency::fromRaw(1));
}

TEST_F(IBQueryTest, ParametersComeFromTheMarkersAndSurviveANewText) {
    query.SetSQLText(
        QStringLiteral("select NAME from ITEM where ID = :ID or (ID = :ID + 1 and NAME <> :SKIP)"));
    ASSERT_EQ(query.Params().Count(), 2);
    query.ParamByName(QStringLiteral("ID"))->SetAsInteger(2);
    query.ParamByName(QStringLiteral("SKIP"))->SetAsString(QStringLiteral("tres"));
    query.Open();
    EXPECT_EQ(query.RecordCount(), 1);
    EXPECT_EQ(query.FieldByName("NAME")->AsString(), QStringLiteral("dois"));

    query.SetSQLText(QStringLiteral("select NAME from ITEM where ID = :id"));
    EXPECT_FALSE(query.Active()) << "a new text closes the query";
    ASSERT_EQ(query.Params().Count(), 1);
    EXPECT_EQ(query.ParamByName(QStringLiteral("ID"))->AsInteger(), 2);
    EXPECT_THROW(query.ParamByName(QStringLiteral("SKIP")), EDatabaseError);
}

TEST_F(IBQueryTest, RepeatedColumnNamesReachTheirOwnFields) {
    query.SetSQLText(
        QStringLiteral("select I.ID, I.NAME, O.ID, O.TITLE from ITEM I, OWNER_ O where O.ITEM_ID = I.ID"));
    query.Open();
    ASSERT_NE(query.FindField(QStringLiteral("ID1")), nullptr);
    EXPECT_EQ(query.FieldByName("ID")->AsInteger(), 1);
    EXPECT_EQ(query.FieldByName("ID1")->AsInteger(), 10);
    EXPECT_EQ(query.FieldByName("ID1")->Origin(), QStringLiteral("OWNER_.ID"));
}

TEST_F(IBQueryTest, PersistentFieldsSelectTheColumnsShown) {
    TStringField name(nullptr);
    name.SetFieldName(QStringLiteral("NAME"));
    name.SetDataSet(&query);
    query.SetSQLText(QStringLiteral("select * from ITEM where ID = 2"));
    query.Open();
    EXPECT_EQ(query.FieldCount(), 1);
    EXPECT_EQ(name.AsString(), QStringLiteral("dois"));
    EXPECT_EQ(name.Origin(), QStringLiteral("ITEM.NAME"));
    query.Close();
    name.SetDataSet(nullptr);
}

TEST_F(IBQueryTest, ExecSqlCommitsTheTransactionItStarted) {
    query.SetSQLText(QStringLiteral("update ITEM set QTY = :QTY where ID >= 2"));
    query.ParamByName(QStringLiteral("QTY"))->SetAsInteger(7);
    query.ExecSQL();
    EXPECT_EQ(query.RowsAffected(), 2);
    EXPECT_FALSE(db.Transaction().InTransaction());
    EXPECT_EQ(db.Value(QStringLiteral("select sum(QTY) from ITEM")).toLongLong(), 17);
}

TEST_F(IBQueryTest, ReadingLeavesNoTransactionBehindSoTheNextOpenSeesNewRows) {
    query.SetSQLText(QStringLiteral("select count(*) from ITEM"));
    query.Open();
    EXPECT_EQ(query.Fields()[0]->AsInteger(), 3);
    EXPECT_FALSE(db.Transaction().InTransaction());
    db.Execute(QStringLiteral("INSERT INTO ITEM (ID, NAME) VALUES (4, 'quatro')"));
    query.Refresh();
    EXPECT_EQ(query.Fields()[0]->AsInteger(), 4);
}

TEST_F(IBQueryTest, AFailingStatementRaisesTheEngineErrorAndRollsBack) {
    query.SetSQLText(QStringLiteral("insert into ITEM (ID, NAME) values (1, 'repetido')"));
    EXPECT_THROW(query.ExecSQL(), EDatabaseError);
    EXPECT_FALSE(db.Transaction().InTransaction());
}

} // namespace

TEST_F(IBQueryTest, ClosingTakesTheRowsOfTheFieldsAskedWithTheCloseEvents) {
    auto* name = new TStringField(&query);
    name->SetFieldName(QStringLiteral("NAME"));
    name->SetDataSet(&query);
    auto* id = new TStringField(&query);
    id->SetFieldName(QStringLiteral("ID"));
    id->SetDataSet(&query);
    QStringList events;
    query.BeforeClose = TDataSetNotifyEvent::fromFunction(
        [&](TDataSet*) { events << QStringLiteral("before ") + name->AsString(); });
    query.AfterClose = TDataSetNotifyEvent::fromFunction(
        [&](TDataSet* set) { events << QStringLiteral("after %1").arg(set->Active()); });
    query.SetSQLText(QStringLiteral("select ID, NAME from ITEM order by ID"));
    // Fields in another order than the columns', and only some: the rows follow the fields.
    for (const auto& fields : {std::vector<TField*>{name, id}, std::vector<TField*>{id}}) {
        query.Open();
        const std::vector<TRecordValues> rows = query.CloseTakingRows(fields);
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_EQ(rows[2].size(), fields.size());
        EXPECT_EQ(rows[2][0].toString(), fields.size() == 2 ? QStringLiteral("tres") : QStringLiteral("3"));
    }
    query.Open();
    query.Last();
    std::vector<TRecordValues> rows = query.CloseTakingRows({id, name});
    EXPECT_EQ(rows[1].ToVector(), (std::vector<QVariant>{2, QStringLiteral("dois")}));
    EXPECT_FALSE(query.Active());
    EXPECT_EQ(events,
              (QStringList{"before um", "after 0", "before um", "after 0", "before tres", "after 0"}));
    EXPECT_TRUE(query.CloseTakingRows({id}).empty()); // closed: nothing to take
}

TEST_F(IBQueryTest, OpenReadsInAReadOnlyTransactionOfItsOwn) {
    // A selectable block that writes: refused when the query starts its own transaction.
    query.SetSQLText(QStringLiteral("execute block returns (N integer) as begin "
                                    "insert into ITEM (ID, NAME) values (9, 'nove'); N = 1; suspend; end"));
    EXPECT_THROW(query.Open(), EDatabaseError);
    EXPECT_FALSE(db.Transaction().InTransaction());
    EXPECT_EQ(db.Count(QStringLiteral("SELECT COUNT(*) FROM ITEM")), 3);
    // Inside a transaction the caller started, the query takes it as it is.
    db.Transaction().StartTransaction();
    query.Open();
    db.Transaction().Commit();
    EXPECT_EQ(db.Count(QStringLiteral("SELECT COUNT(*) FROM ITEM")), 4);
}

TEST_F(IBQueryTest, ATextRunBeforeStaysPreparedWhenTheQueryComesBackToIt) {
    const QString texts[] = {QStringLiteral("select NAME from ITEM where ID = :ID"),
                             QStringLiteral("select ID from ITEM where NAME = :NAME")};
    for (const QString& text : texts) {
        query.SetSQLText(text);
        EXPECT_FALSE(query.Prepared());
        query.Prepare();
    }
    query.SetSQLText(texts[0]);
    EXPECT_TRUE(query.Prepared());
    query.ParamByName(QStringLiteral("ID"))->SetAsInteger(2);
    query.Open();
    EXPECT_EQ(query.FieldByName("NAME")->AsString(), QStringLiteral("dois"));
    query.Close();
    query.SetSQLText(texts[1]);
    EXPECT_TRUE(query.Prepared());
    EXPECT_EQ(query.Params().Count(), 1);
    EXPECT_EQ(query.Params()[0].Name(), QStringLiteral("NAME"));
}
