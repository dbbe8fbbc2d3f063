#include "platform/db/TIBSQL.h"
#include "platform/db/EIBError.h"
#include "platform/db/TIBTransaction.h"
#include "tests/support/database/TempDatabase.h"

#include <gtest/gtest.h>

namespace {

class TIBSQLTest : public ::testing::Test {
protected:
    void SetUp() override {
        sql.SetDatabase(&db.Database());
        db.Transaction().StartTransaction();
    }

    void Exec(const QString& text) {
        sql.SetSQLText(text);
        sql.ExecQuery();
    }

    // DDL is committed before the tables are used.
    void Define(const QString& text) {
        Exec(text);
        db.Transaction().Commit();
        db.Transaction().StartTransaction();
    }

    TempDatabase db;
    TIBSQL sql;
};

const std::int64_t MoneyCases[] = {
    1,                    // 0.0001
    99999999999999999LL,  // 9999999999999.9999
    -99999999999999999LL, // -9999999999999.9999
    -1,                   // -0.0001
    12345678,             // 1234.5678
    0,
};

} // namespace

TEST_F(TIBSQLTest, MoneyRoundTripsExactlyThroughParameters) {
    Define(QStringLiteral("create table M (ID integer, V numeric(18,4))"));
    int id = 0;
    for (std::int64_t raw : MoneyCases) {
        sql.SetSQLText(QStringLiteral("insert into M (ID, V) values (:ID, :V)"));
        sql.ParamByName(QStringLiteral("ID")).SetInteger(++id);
        sql.ParamByName(QStringLiteral("V")).SetCurrency(Currency::fromRaw(raw));
        sql.ExecQuery();
    }
    Exec(QStringLiteral("select V from M order by ID"));
    for (std::int64_t raw : MoneyCases) {
        ASSERT_FALSE(sql.Eof());
        EXPECT_EQ(sql.Fields(0).AsCurrency().raw(), raw);
        EXPECT_EQ(sql.Fields(0).AsString(), Currency::fromRaw(raw).toString());
        const QVariant value = sql.Fields(0).AsVariant();
        ASSERT_EQ(value.metaType(), QMetaType::fromType<Currency>());
        EXPECT_EQ(value.value<Currency>().raw(), raw);
        sql.Next();
    }
    EXPECT_TRUE(sql.Eof());
}

TEST_F(TIBSQLTest, MoneyReadsExactlyFromLiteralsAndTextParameters) {
    Define(QStringLiteral("create table M (ID integer, V numeric(18,4))"));
    Exec(QStringLiteral("insert into M values (1, 9999999999999.9999)"));
    Exec(QStringLiteral("insert into M values (2, -9999999999999.9999)"));
    Exec(QStringLiteral("insert into M values (3, 0.0001)"));
    sql.SetSQLText(QStringLiteral("insert into M values (4, ?)"));
    sql.Params(0).SetString(QStringLiteral("-1234567890123.4567"));
    sql.ExecQuery();
    sql.SetSQLText(QStringLiteral("insert into M values (5, ?)"));
    sql.Params(0).SetVariant(QVariant::fromValue(Currency::fromRaw(77)));
    sql.ExecQuery();

    Exec(QStringLiteral("select V, V * 1 as TWICE from M order by ID"));
    const std::int64_t expected[] = {99999999999999999LL, -99999999999999999LL, 1, -12345678901234567LL, 77};
    for (std::int64_t raw : expected) {
        ASSERT_FALSE(sql.Eof());
        EXPECT_EQ(sql.FieldByName(QStringLiteral("V")).AsCurrency().raw(), raw);
        sql.Next();
    }
    Exec(QStringLiteral("select sum(V) from M where ID in (1, 3)"));
    EXPECT_EQ(sql.Fields(0).AsString(), QStringLiteral("10000000000000.0000"));
}

TEST_F(TIBSQLTest, NamedParametersRepeatAndMixWithPositionalOnes) {
    sql.SetSQLText(QStringLiteral("select cast(:A as integer) + cast(? as integer), cast(:a as integer) * 2, "
                                  "':B /* --', cast(:C as varchar(5)) from rdb$database -- :D\n"
                                  "/* :E */ where 1 = 1"));
    EXPECT_EQ(sql.ParamNames(), QStringList({"A", "", "C"}));
    EXPECT_EQ(sql.FindParam(QStringLiteral("B")), nullptr);
    EXPECT_EQ(sql.FindParam(QStringLiteral("D")), nullptr);
    EXPECT_THROW(sql.ParamByName(QStringLiteral("E")), EDatabaseError);

    sql.ParamByName(QStringLiteral("a")).SetInteger(20);
    sql.Params(1).SetInteger(3);
    sql.ParamByName(QStringLiteral("C")).SetString(QStringLiteral("xy"));
    sql.ExecQuery();
    EXPECT_EQ(sql.Fields(0).AsInteger(), 23);
    EXPECT_EQ(sql.Fields(1).AsInteger(), 40);
    EXPECT_EQ(sql.Fields(2).AsString(), QStringLiteral(":B /* --"));
    EXPECT_EQ(sql.Fields(3).AsString(), QStringLiteral("xy"));

    // Values set before the run stay for the next run; a new value replaces them.
    sql.ParamByName(QStringLiteral("A")).SetInteger(1);
    sql.ExecQuery();
    EXPECT_EQ(sql.Fields(0).AsInteger(), 4);
    EXPECT_EQ(sql.ParamByName(QStringLiteral("A")).SqlType(), TIBSqlType::Integer);
}

TEST_F(TIBSQLTest, UnsetAndNullParametersBindNull) {
    Define(QStringLiteral("create table N (ID integer, S varchar(10), D date)"));
    sql.SetSQLText(QStringLiteral("insert into N values (1, :S, :D)"));
    sql.ParamByName(QStringLiteral("S")).SetString(QStringLiteral("x"));
    sql.ParamByName(QStringLiteral("S")).SetNull();
    sql.ExecQuery();
    Exec(QStringLiteral("select S, D from N"));
    EXPECT_TRUE(sql.Fields(0).IsNull());
    EXPECT_TRUE(sql.Fields(1).IsNull());
    EXPECT_EQ(sql.Fields(0).AsString(), QString());
    EXPECT_FALSE(sql.Fields(1).AsDate().isValid());
    EXPECT_FALSE(sql.Fields(1).AsVariant().isValid());
}

TEST_F(TIBSQLTest, DuplicateColumnNamesGetANumberSuffix) {
    Define(QStringLiteral("create table P (NU_INSCRICAO integer, X integer)"));
    Exec(QStringLiteral("insert into P values (10, 1)"));
    Exec(QStringLiteral("select a.NU_INSCRICAO, b.NU_INSCRICAO, a.NU_INSCRICAO + 1 as NU_INSCRICAO, a.X "
                        "from P a join P b on b.X = a.X"));
    ASSERT_EQ(sql.FieldCount(), 4);
    EXPECT_EQ(sql.Fields(0).Name(), QStringLiteral("NU_INSCRICAO"));
    EXPECT_EQ(sql.Fields(1).Name(), QStringLiteral("NU_INSCRICAO1"));
    EXPECT_EQ(sql.Fields(2).Name(), QStringLiteral("NU_INSCRICAO2"));
    EXPECT_EQ(sql.FieldByName(QStringLiteral("nu_inscricao2")).AsInteger(), 11);
    EXPECT_EQ(sql.Fields(1).RelationName(), QStringLiteral("P"));
    EXPECT_EQ(sql.Fields(1).SqlName(), QStringLiteral("NU_INSCRICAO"));
    EXPECT_THROW(sql.FieldByName(QStringLiteral("NU_INSCRICAO3")), EDatabaseError);
}

TEST_F(TIBSQLTest, CountStarReadsAsCount) {
    Define(QStringLiteral("create table C (ID integer)"));
    Exec(QStringLiteral("insert into C values (1)"));
    Exec(QStringLiteral("insert into C values (2)"));
    Exec(QStringLiteral("select count(*) from C"));
    EXPECT_EQ(sql.Fields(0).Name(), QStringLiteral("COUNT"));
    EXPECT_EQ(sql.FieldByName(QStringLiteral("COUNT")).AsInteger(), 2);
    EXPECT_EQ(sql.Fields(0).SqlType(), TIBSqlType::BigInt);
}

TEST_F(TIBSQLTest, FailedStatementKeepsTheEngineCodesAndRollbackLeavesNothing) {
    Define(QStringLiteral("create table K (ID integer not null primary key)"));
    Exec(QStringLiteral("insert into K values (1)"));
    try {
        Exec(QStringLiteral("insert into K values (1)"));
        FAIL() << "a duplicate key was accepted";
    } catch (const EIBError& error) {
        EXPECT_TRUE(error.HasErrorCode(335544665)) << error.Message().toStdString(); // unique key violation
        EXPECT_EQ(error.SQLCode(), -803);
    }
    db.Transaction().Rollback();
    db.Transaction().StartTransaction();
    Exec(QStringLiteral("select count(*) from K"));
    EXPECT_EQ(sql.Fields(0).AsInteger(), 0);

    try {
        Exec(QStringLiteral("select * from TABELA_INEXISTENTE"));
        FAIL();
    } catch (const EIBError& error) {
        EXPECT_EQ(error.SQLCode(), -204);
        EXPECT_TRUE(error.Message().contains(QStringLiteral("TABELA_INEXISTENTE")));
    }
}

TEST_F(TIBSQLTest, ReadCommittedTransactionSeesCommitsOfOthers) {
    Define(QStringLiteral("create table V (ID integer)"));
    TIBTransaction reader;
    reader.SetDefaultDatabase(&db.Database());
    reader.Params() << "read_committed"
                    << "rec_version"
                    << "nowait";
    reader.StartTransaction();
    TIBTransaction snapshot;
    snapshot.SetDefaultDatabase(&db.Database());
    snapshot.Params() << "concurrency"
                      << "nowait";
    snapshot.StartTransaction();
    auto count = [this](TIBTransaction& transaction) {
        TIBSQL query;
        query.SetDatabase(&db.Database());
        query.SetTransaction(&transaction);
        query.SetSQLText(QStringLiteral("select count(*) from V"));
        query.ExecQuery();
        return query.Fields(0).AsInteger();
    };

    Exec(QStringLiteral("insert into V values (1)"));
    EXPECT_EQ(count(reader), 0);
    db.Transaction().Commit();
    EXPECT_EQ(count(reader), 1);
    EXPECT_EQ(count(snapshot), 0);

    TIBTransaction bad;
    bad.SetDefaultDatabase(&db.Database());
    bad.Params() << "read_commited";
    EXPECT_THROW(bad.StartTransaction(), EDatabaseError);
    EXPECT_FALSE(bad.InTransaction());
}

TEST_F(TIBSQLTest, TextBlobsAndAccentedTextKeepTheirCharacters) {
    Define(QStringLiteral("create table B (ID integer, T blob sub_type text, S varchar(20), C char(5))"));
    const QString accented = QStringLiteral("Ação, Crédito e Órgão ç ü");
    const QString longText = QStringLiteral("Observação ").repeated(2500);
    sql.SetSQLText(QStringLiteral("insert into B values (1, :T, :S, :C)"));
    sql.ParamByName(QStringLiteral("T")).SetString(longText);
    sql.ParamByName(QStringLiteral("S")).SetString(QStringLiteral("São Paulo"));
    sql.ParamByName(QStringLiteral("C")).SetString(QStringLiteral("ab"));
    sql.ExecQuery();
    Exec(QStringLiteral("insert into B values (2, '") + accented + QStringLiteral("', null, '')"));

    Exec(QStringLiteral("select T, S, C, octet_length(S) from B order by ID"));
    EXPECT_EQ(sql.Fields(0).SqlType(), TIBSqlType::TextBlob);
    EXPECT_EQ(sql.Fields(0).AsString(), longText);
    EXPECT_EQ(sql.Fields(1).AsString(), QStringLiteral("São Paulo"));
    EXPECT_EQ(sql.Fields(1).Size(), 20);
    EXPECT_EQ(sql.Fields(2).AsString(), QStringLiteral("ab")) << "CHAR comes without trailing blanks";
    EXPECT_EQ(sql.Fields(2).Size(), 5);
    EXPECT_EQ(sql.Fields(3).AsInteger(), 9) << "stored as single-byte WIN1252";
    ASSERT_TRUE(sql.Next());
    EXPECT_EQ(sql.Fields(0).AsString(), accented);
    EXPECT_EQ(sql.Fields(0).AsVariant().toString(), accented);
}

TEST_F(TIBSQLTest, DatesTimesAndTimestampsRoundTrip) {
    Define(QStringLiteral("create table D (D date, T time, TS timestamp)"));
    const QDate date(2010, 7, 1);
    const QTime time(23, 59, 58, 123);
    const QDateTime stamp(QDate(1858, 11, 17), QTime(0, 0, 1), Qt::UTC);
    sql.SetSQLText(QStringLiteral("insert into D values (:D, :T, :TS)"));
    sql.ParamByName(QStringLiteral("D")).SetDate(date);
    sql.ParamByName(QStringLiteral("T")).SetTime(time);
    sql.ParamByName(QStringLiteral("TS")).SetDateTime(stamp);
    sql.ExecQuery();
    Exec(QStringLiteral("insert into D values ('12/31/2002', '08:00', '2003-01-01 10:20:30')"));

    Exec(QStringLiteral("select D, T, TS, cast(D as varchar(10)) from D order by D"));
    EXPECT_EQ(sql.Fields(0).AsDate(), QDate(2002, 12, 31));
    EXPECT_EQ(sql.Fields(1).AsTime(), QTime(8, 0));
    EXPECT_EQ(sql.Fields(2).AsDateTime(), QDateTime(QDate(2003, 1, 1), QTime(10, 20, 30), Qt::UTC));
    EXPECT_EQ(sql.Fields(3).AsString(), QStringLiteral("2002-12-31"));
    ASSERT_TRUE(sql.Next());
    EXPECT_EQ(sql.Fields(0).AsDate(), date);
    EXPECT_EQ(sql.Fields(0).AsVariant().toDate(), date);
    EXPECT_EQ(sql.Fields(0).SqlType(), TIBSqlType::Date);
    EXPECT_EQ(sql.Fields(1).AsTime(), time);
    EXPECT_EQ(sql.Fields(2).AsDateTime(), stamp);
    EXPECT_EQ(sql.Fields(2).AsDate(), stamp.date());
}

TEST_F(TIBSQLTest, CursorWalksRowsAndEndsWithTheTransaction) {
    Define(QStringLiteral("create table R (ID integer)"));
    for (int i = 1; i <= 3; ++i)
        Exec(QStringLiteral("insert into R values (%1)").arg(i));
    EXPECT_EQ(sql.RowsAffected(), 1);
    EXPECT_EQ(sql.SQLType(), TIBSQLStatementType::Insert);

    Exec(QStringLiteral("select ID from R where ID > 5"));
    EXPECT_TRUE(sql.Eof());
    EXPECT_FALSE(sql.Next());

    Exec(QStringLiteral("select ID from R order by ID"));
    EXPECT_EQ(sql.SQLType(), TIBSQLStatementType::Select);
    EXPECT_TRUE(sql.Bof());
    QList<int> seen;
    while (!sql.Eof()) {
        seen << sql.Fields(0).AsInteger();
        sql.Next();
    }
    EXPECT_EQ(seen, QList<int>({1, 2, 3}));

    Exec(QStringLiteral("update R set ID = ID + 10 where ID < 3"));
    EXPECT_EQ(sql.RowsAffected(), 2);
    EXPECT_EQ(sql.SQLType(), TIBSQLStatementType::Update);

    Exec(QStringLiteral("select ID from R"));
    ASSERT_TRUE(sql.Open());
    db.Transaction().Commit();
    EXPECT_FALSE(sql.Open());
    EXPECT_TRUE(sql.Eof());
    EXPECT_THROW(sql.ExecQuery(), EDatabaseError) << "no active transaction";
}

TEST_F(TIBSQLTest, ParamCheckOffLeavesProcedureVariablesAlone) {
    sql.SetParamCheck(false);
    Exec(QStringLiteral("execute block returns (X integer) as declare Y integer = 5; "
                        "begin X = :Y * 2; suspend; end"));
    ASSERT_FALSE(sql.Eof());
    EXPECT_EQ(sql.FieldByName(QStringLiteral("X")).AsInteger(), 10);
}

TEST_F(TIBSQLTest, ConversionsBetweenKinds) {
    Exec(QStringLiteral(
        "select cast(12.5 as numeric(9,2)), cast('42' as varchar(5)), cast(2.5 as double precision), "
        "cast(-7.25 as numeric(18,2)), true from rdb$database"));
    EXPECT_EQ(sql.Fields(0).AsString(), QStringLiteral("12.50"));
    EXPECT_EQ(sql.Fields(0).AsInteger(), 13) << "rounded half away from zero";
    EXPECT_DOUBLE_EQ(sql.Fields(0).AsDouble(), 12.5);
    EXPECT_EQ(sql.Fields(0).Scale(), -2);
    EXPECT_EQ(sql.Fields(1).AsInteger(), 42);
    EXPECT_EQ(sql.Fields(2).AsCurrency().raw(), 25000);
    EXPECT_EQ(sql.Fields(3).AsCurrency().raw(), -72500);
    EXPECT_EQ(sql.Fields(3).AsInt64(), -7);
    EXPECT_TRUE(sql.Fields(4).AsBoolean());
    EXPECT_EQ(sql.Fields(4).SqlType(), TIBSqlType::Boolean);
    EXPECT_THROW(sql.Fields(2).AsDate(), EConvertError);
}
