#include "platform/db/TSQLScript.h"
#include "platform/base/Exceptions.h"
#include "platform/db/SqlParamParser.h"

#include <gtest/gtest.h>

namespace {

QStringList Texts(const QList<TSQLScript::Item>& items) {
    QStringList texts;
    for (const auto& item : items)
        texts << item.text;
    return texts;
}

} // namespace

TEST(TSQLScriptTest, SplitsAtTheTerminatorOutsideQuotesAndComments) {
    const QString script = QStringLiteral("/* header; with ; */\n"
                                          "insert into T values ('a;b', 'it''s; fine');\n"
                                          "-- a comment; here\n"
                                          "insert into \"T;2\" values (1); insert into T values (2)\n"
                                          ";\n");
    const auto items = TSQLScript::Split(script);
    EXPECT_EQ(Texts(items), QStringList({"insert into T values ('a;b', 'it''s; fine')",
                                         "insert into \"T;2\" values (1)", "insert into T values (2)"}));
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0].line, 2);
    EXPECT_EQ(items[1].line, 4);
    EXPECT_EQ(items[2].line, 4);
}

TEST(TSQLScriptTest, SetTermChangesTheTerminatorForProcedureBodies) {
    const QString script = QStringLiteral("SET TERM ^ ;\n"
                                          "CREATE FUNCTION F (S VARCHAR(10)) RETURNS VARCHAR(10) AS\n"
                                          "BEGIN\n  IF (TRIM(S) = '') THEN RETURN NULL;\n  RETURN S;\nEND^\n"
                                          "set term ; ^\n"
                                          "SELECT F('x') FROM RDB$DATABASE;\n");
    const auto items = TSQLScript::Split(script);
    ASSERT_EQ(items.size(), 2);
    EXPECT_TRUE(items[0].text.startsWith(QLatin1String("CREATE FUNCTION F")));
    EXPECT_TRUE(items[0].text.endsWith(QLatin1String("RETURN S;\nEND")));
    EXPECT_EQ(items[1].text, QStringLiteral("SELECT F('x') FROM RDB$DATABASE"));
    EXPECT_EQ(items[0].line, 2);
}

TEST(TSQLScriptTest, TellsCommitsApartAndDropsClientSettings) {
    const auto items =
        TSQLScript::Split(QStringLiteral("SET SQL DIALECT 3;\nSET NAMES UTF8;\nSET AUTODDL ON;\n"
                                         "insert into T values (1);\ncommit work;\nCOMMIT;\n"
                                         "SET GENERATOR G TO 5;\n"));
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0].kind, TSQLScript::Kind::Statement);
    EXPECT_EQ(items[1].kind, TSQLScript::Kind::Commit);
    EXPECT_EQ(items[2].kind, TSQLScript::Kind::Commit);
    EXPECT_EQ(items[3].kind, TSQLScript::Kind::Statement);
    EXPECT_EQ(items[3].text, QStringLiteral("SET GENERATOR G TO 5"));
}

TEST(TSQLScriptTest, UnclosedQuoteOrCommentIsAnError) {
    EXPECT_THROW(TSQLScript::Split(QStringLiteral("insert into T values ('abc);\n")), EDatabaseError);
    EXPECT_THROW(TSQLScript::Split(QStringLiteral("select 1 from rdb$database; /* open")), EDatabaseError);
    EXPECT_EQ(TSQLScript::Split(QStringLiteral("select 1 from rdb$database")).size(), 1)
        << "a last statement without terminator still runs";
}

TEST(TSQLScriptTest, SqlParamParserMarksOnlyParametersOutsideQuotesAndComments) {
    const auto result = SqlParamParser::Parse(
        QStringLiteral("select ':X', \":Y\" from T -- :Z\nwhere A = :A and B = ? /* :W */ and C = :a_1$"));
    EXPECT_EQ(result.markers, QStringList({"A", "", "a_1$"}));
    EXPECT_EQ(result.positionalText,
              QStringLiteral("select ':X', \":Y\" from T -- :Z\nwhere A = ? and B = ? /* :W */ and C = ?"));
}
