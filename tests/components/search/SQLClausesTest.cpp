#include "components/search/SQLClauses.h"
#include "components/search/TSQLParse.h"

#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {
const QString kFourLines = QStringLiteral("SELECT CO_UF, NO_UF\r\n"
                                          "FROM UFS\r\n"
                                          "WHERE CO_UF = 'SP'\r\n"
                                          "ORDER BY NO_UF\r\n");

TEST(SQLClausesTest, EachClauseOfAFourLineText) {
    EXPECT_EQ(ExtractSelect(kFourLines), QStringLiteral("SELECT CO_UF, NO_UF"));
    EXPECT_EQ(ExtractFrom(kFourLines), QStringLiteral("FROM UFS"));
    EXPECT_EQ(ExtractWhere(kFourLines), QStringLiteral("WHERE CO_UF = 'SP'"));
    EXPECT_EQ(ExtractOrderBy(kFourLines), QStringLiteral("ORDER BY NO_UF"));
    EXPECT_EQ(ExtractGroupBy(kFourLines), QString());
    EXPECT_EQ(ExtractHaving(kFourLines), QString());
}

TEST(SQLClausesTest, KeywordsOutsideTheSixGiveNothing) {
    EXPECT_EQ(ExtractClause(QStringLiteral("UNION"), kFourLines), QString());
    EXPECT_EQ(ExtractClause(QStringLiteral(" where "), kFourLines), QStringLiteral("WHERE CO_UF = 'SP'"));
}

TEST(SQLClausesTest, KeywordsInsideIdentifiersLiteralsAndCommentsAreNotClauses) {
    const QString sql = QStringLiteral("select ID_GROUPED, FROMAGE_ID, \"ORDER\" from T_WHERE_X\n"
                                       "/* where nothing */ -- group here\n"
                                       "where NOME = 'FROM WHERE  ORDER' and X = 1\n"
                                       "order by 2");
    EXPECT_EQ(ExtractSelect(sql), QStringLiteral("select ID_GROUPED, FROMAGE_ID, \"ORDER\""));
    EXPECT_EQ(ExtractFrom(sql), QStringLiteral("from T_WHERE_X\n/* where nothing */ -- group here"));
    // The literal keeps its double blank and does not end the clause.
    EXPECT_EQ(ExtractWhere(sql), QStringLiteral("where NOME = 'FROM WHERE  ORDER' and X = 1"));
    EXPECT_EQ(ExtractOrderBy(sql), QStringLiteral("order by 2"));
    EXPECT_EQ(ExtractGroupBy(sql), QString());
}

TEST(SQLClausesTest, BlanksAndTabsBecomeOneBlankAndLineBreaksStay) {
    EXPECT_EQ(ExtractWhere(QStringLiteral("SELECT A FROM T WHERE\tA = 1 \t AND\r\n  B = 2   ")),
              QStringLiteral("WHERE A = 1 AND\r\nB = 2"));
    // A tab right before the next keyword ends the clause too.
    EXPECT_EQ(ExtractFrom(QStringLiteral("SELECT A FROM T\tWHERE A = 1")), QStringLiteral("FROM T"));
}

TEST(SQLClausesTest, AnotherClauseKeywordEndsTheClauseEvenInASubquery) {
    const QString sql = QStringLiteral("SELECT A FROM T WHERE A IN (SELECT B FROM U)");
    EXPECT_EQ(ExtractWhere(sql), QStringLiteral("WHERE A IN (SELECT B"));
}

TEST(SQLClausesTest, SQLParseSettingTheSQLSplitsItAndLaysItOutByClause) {
    TSQLParse parse;
    parse.SetSQLText(QStringLiteral("SELECT A, B FROM T WHERE A = 1 ORDER BY B"));
    EXPECT_EQ(parse.Clause(scSelect), QStringList{QStringLiteral("SELECT A, B")});
    EXPECT_EQ(parse.Clause(scWhere), QStringList{QStringLiteral("WHERE A = 1")});
    EXPECT_EQ(parse.SQL(), (QStringList{QStringLiteral("SELECT A, B"), QStringLiteral("FROM T"),
                                        QStringLiteral("WHERE A = 1"), QStringLiteral("ORDER BY B")}));
    EXPECT_EQ(parse.SQLText(), QStringLiteral("SELECT A, B\r\nFROM T\r\nWHERE A = 1\r\nORDER BY B\r\n"));
}

TEST(SQLClausesTest, SQLParseAssigningAWhereClauseRebuildsTheSQLAfterFrom) {
    TSQLParse parse;
    int changes = 0;
    parse.OnChange = TNotifyEvent::fromFunction([&](TObject*) { ++changes; });
    parse.SetSQLText(QStringLiteral("SELECT A FROM T ORDER BY A"));
    EXPECT_TRUE(parse.Clause(scWhere).isEmpty());
    parse.SetClause(scWhere, {QStringLiteral("  "), QStringLiteral("WHERE A > 2"), QString()});
    EXPECT_EQ(parse.Clause(scWhere), QStringList{QStringLiteral("WHERE A > 2")});
    EXPECT_EQ(parse.SQL(), (QStringList{QStringLiteral("SELECT A"), QStringLiteral("FROM T"),
                                        QStringLiteral("WHERE A > 2"), QStringLiteral("ORDER BY A")}));
    EXPECT_EQ(changes, 2);
}

TEST(SQLClausesTest, SQLParseRestoreGivesBackTheSavedSQL) {
    TSQLParse parse;
    parse.SetSQLText(QStringLiteral("SELECT A FROM T"));
    parse.SaveSQL();
    parse.SetClause(scWhere, {QStringLiteral("WHERE A = 1")});
    parse.RestoreSQL();
    EXPECT_EQ(parse.SQL(), (QStringList{QStringLiteral("SELECT A"), QStringLiteral("FROM T")}));
    EXPECT_TRUE(parse.Clause(scWhere).isEmpty());
}
} // namespace

namespace {
TEST(SQLClausesTest, UnfinishedQuotesAndCommentsEndTheScanAtTheEndOfTheText) {
    EXPECT_EQ(ExtractWhere(QStringLiteral("SELECT A FROM T WHERE A = 'ORDER BY")),
              QStringLiteral("WHERE A = 'ORDER BY"));
    EXPECT_EQ(ExtractWhere(QStringLiteral("SELECT A FROM T WHERE A = 1 /* ORDER BY")),
              QStringLiteral("WHERE A = 1 /* ORDER BY"));
    EXPECT_EQ(ExtractOrderBy(QStringLiteral("SELECT A FROM T WHERE A = 1 /* ORDER BY")), QString());
    EXPECT_EQ(ExtractWhere(QStringLiteral("\t\tWHERE\t\t")), QStringLiteral("WHERE"));
    EXPECT_EQ(ExtractWhere(QStringLiteral("SELECT 'it''s FROM here' FROM T")), QString());
    EXPECT_EQ(ExtractFrom(QStringLiteral("SELECT 'it''s FROM here' FROM T")), QStringLiteral("FROM T"));
}
} // namespace
