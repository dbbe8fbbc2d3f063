#include "platform/db/TFilterExpression.h"

#include "platform/base/Currency.h"
#include "platform/base/Exceptions.h"

#include <QDate>
#include <QVariantMap>
#include <gtest/gtest.h>

namespace {

// A record by upper-cased field name; missing fields are null.
bool passes(const QString& filter, const QVariantMap& record) {
    const TFilterExpression expression(filter);
    return expression.Evaluate(
        [&](int index) { return record.value(expression.FieldNames().at(index).toUpper()); });
}

QVariant money(const char* text) {
    return QVariant::fromValue(*Currency::parse(QString::fromLatin1(text)));
}

std::string parseErrorOf(const QString& filter) {
    try {
        TFilterExpression expression(filter);
    } catch (const EDatabaseError& e) {
        return e.Message().toStdString();
    }
    return "no error";
}

} // namespace

TEST(FilterExpressionTest, FiltersTheProgramBuilds) {
    const QVariantMap ground{{"TP_OCORRENCIA", 7}, {"TP_APURACAO", QStringLiteral("N")}};
    EXPECT_TRUE(passes(QStringLiteral("TP_OCORRENCIA = 7 AND TP_APURACAO = 'N'"), ground));
    EXPECT_FALSE(passes(QStringLiteral("TP_OCORRENCIA = 7 AND TP_APURACAO = 'S'"), ground));
    EXPECT_FALSE(passes(QStringLiteral("TP_OCORRENCIA = 35"), ground));

    const QString unused = QStringLiteral("CO_FISCAL_OPERACAO <> 5101 AND CO_FISCAL_OPERACAO <> 5102");
    EXPECT_FALSE(passes(unused, {{"CO_FISCAL_OPERACAO", 5101}}));
    EXPECT_TRUE(passes(unused, {{"CO_FISCAL_OPERACAO", 5405}}));
    EXPECT_FALSE(passes(QStringLiteral(" CO_UF <> 11 AND  CO_UF <> 12"), {{"CO_UF", 12}}));

    const QString chosen =
        QStringLiteral("NU_INSCRICAO = 01234567 and DT_VALIDACAO <>  null and COMERRO = 'S'");
    QVariantMap declaration{{"NU_INSCRICAO", 1234567}, {"DT_VALIDACAO", QDate(2024, 2, 1)}, {"COMERRO", "S"}};
    EXPECT_TRUE(passes(chosen, declaration));
    declaration.remove("DT_VALIDACAO");
    EXPECT_FALSE(passes(chosen, declaration));

    const QString pending =
        QStringLiteral("DT_TRANSMISSAO = null and DT_VALIDACAO <> NULL AND COMERRO = 'N'");
    EXPECT_TRUE(passes(pending, {{"DT_VALIDACAO", QDate(2024, 2, 1)}, {"COMERRO", "N"}}));
    EXPECT_FALSE(passes(
        pending,
        {{"DT_VALIDACAO", QDate(2024, 2, 1)}, {"DT_TRANSMISSAO", QDate(2024, 2, 2)}, {"COMERRO", "N"}}));
}

TEST(FilterExpressionTest, EveryComparisonOperator) {
    const QVariantMap row{{"N", 10}};
    const struct {
        const char* filter;
        bool expected;
    } cases[] = {{"N = 10", true},  {"N = 11", false}, {"N <> 10", false}, {"N <> 9", true},
                 {"N < 11", true},  {"N < 10", false}, {"N > 9", true},    {"N > 10", false},
                 {"N <= 10", true}, {"N <= 9", false}, {"N >= 10", true},  {"N >= 11", false},
                 {"10 = N", true},  {"11 > N", true},  {"N > -5", true},   {"N < +11", true}};
    for (const auto& c : cases)
        EXPECT_EQ(passes(QString::fromLatin1(c.filter), row), c.expected) << c.filter;
}

TEST(FilterExpressionTest, MoneyComparesExactly) {
    const QVariantMap row{{"VL", money("0.29")}, {"TOTAL", money("10.999")}};
    EXPECT_TRUE(passes(QStringLiteral("VL = 0.29"), row));
    EXPECT_TRUE(passes(QStringLiteral("VL = 0.2900"), row));
    EXPECT_FALSE(passes(QStringLiteral("VL = 0.2901"), row));
    EXPECT_TRUE(passes(QStringLiteral("VL < 1"), row));
    EXPECT_TRUE(passes(QStringLiteral("TOTAL > 10.998 AND TOTAL < 11"), row));
    EXPECT_TRUE(passes(QStringLiteral("VL < TOTAL"), row));
    EXPECT_TRUE(passes(QStringLiteral("VL = 0.29"), {{"VL", 0.29}}));
    EXPECT_TRUE(passes(QStringLiteral("VL > 0.28999999"), row)) << "more decimals than money holds";
    // Integers beyond the money range still compare exactly.
    EXPECT_TRUE(
        passes(QStringLiteral("BIG = 9000000000000000001"), {{"BIG", qlonglong(9000000000000000001LL)}}));
    EXPECT_FALSE(
        passes(QStringLiteral("BIG = 9000000000000000000"), {{"BIG", qlonglong(9000000000000000001LL)}}));
}

TEST(FilterExpressionTest, TextsAndDates) {
    EXPECT_TRUE(passes(QStringLiteral("NOME = 'O''Brien'"), {{"NOME", "O'Brien"}}));
    EXPECT_FALSE(passes(QStringLiteral("NOME = 'o''brien'"), {{"NOME", "O'Brien"}}))
        << "text compares by case";
    EXPECT_TRUE(passes(QStringLiteral("NOME < 'B'"), {{"NOME", "Ana"}}));
    EXPECT_TRUE(passes(QStringLiteral("NOME = ''"), {{"NOME", ""}}));

    const QVariantMap row{{"DT", QDate(2024, 1, 15)}, {"WHEN", QDateTime(QDate(2024, 1, 15), QTime(13, 0))}};
    EXPECT_TRUE(passes(QStringLiteral("DT = '15/01/2024'"), row));
    EXPECT_TRUE(passes(QStringLiteral("DT >= '01/01/2024' AND DT < '1/2/2024'"), row));
    EXPECT_TRUE(passes(QStringLiteral("WHEN > '15/01/2024 12:59'"), row));
    EXPECT_TRUE(passes(QStringLiteral("WHEN > DT"), row));
    try {
        passes(QStringLiteral("DT = '2024-01-15'"), row);
        FAIL() << "a date in the wrong form was accepted";
    } catch (const EDatabaseError& e) {
        EXPECT_NE(e.Message().indexOf(QStringLiteral("2024-01-15")), -1) << e.Message().toStdString();
    }
    EXPECT_THROW(passes(QStringLiteral("DT = 5"), row), EDatabaseError);
}

TEST(FilterExpressionTest, NumbersAgainstTextFields) {
    EXPECT_TRUE(passes(QStringLiteral("CODE = 5101"), {{"CODE", "5101"}}));
    EXPECT_TRUE(passes(QStringLiteral("CODE = 1.50"), {{"CODE", "1.5"}}));
    EXPECT_TRUE(passes(QStringLiteral("N = '35'"), {{"N", 35}}));
    EXPECT_FALSE(passes(QStringLiteral("CODE = 5"), {{"CODE", "abc"}}));
    EXPECT_TRUE(passes(QStringLiteral("CODE <> 5"), {{"CODE", "abc"}}));
}

TEST(FilterExpressionTest, PrecedenceParenthesesAndNot) {
    const QVariantMap row{{"A", 1}, {"B", 0}, {"C", 0}};
    EXPECT_TRUE(passes(QStringLiteral("A = 1 OR B = 2 AND C = 3"), row));
    EXPECT_FALSE(passes(QStringLiteral("(A = 1 OR B = 2) AND C = 3"), row));
    EXPECT_FALSE(passes(QStringLiteral("B = 2 AND C = 3 OR A = 2"), row));
    EXPECT_TRUE(passes(QStringLiteral("NOT A = 2 AND B = 0"), row));
    EXPECT_FALSE(passes(QStringLiteral("NOT (A = 1 AND B = 0)"), row));
    EXPECT_TRUE(passes(QStringLiteral("NOT NOT A = 1"), row));
    EXPECT_TRUE(passes(QStringLiteral("((A = 1))"), row));
}

TEST(FilterExpressionTest, NullFollowsSqlLogic) {
    const QVariantMap row{{"A", 1}}; // COMERRO is null
    EXPECT_TRUE(passes(QStringLiteral("COMERRO = null"), row));
    EXPECT_TRUE(passes(QStringLiteral("null = COMERRO"), row));
    EXPECT_TRUE(passes(QStringLiteral("COMERRO IS NULL"), row));
    EXPECT_FALSE(passes(QStringLiteral("COMERRO is not null"), row));
    EXPECT_FALSE(passes(QStringLiteral("COMERRO <> null"), row));
    EXPECT_FALSE(passes(QStringLiteral("A = null"), row));
    EXPECT_TRUE(passes(QStringLiteral("A <> NULL"), row));
    EXPECT_FALSE(passes(QStringLiteral("COMERRO <> 'S'"), row)) << "an unknown comparison is not true";
    EXPECT_FALSE(passes(QStringLiteral("NOT (COMERRO = 'S')"), row)) << "nor is its negation";
    EXPECT_TRUE(passes(QStringLiteral("COMERRO = 'S' OR A = 1"), row));
    EXPECT_FALSE(passes(QStringLiteral("COMERRO = 'S' OR A = 2"), row));
    EXPECT_FALSE(passes(QStringLiteral("NOT (COMERRO = 'S' AND A = 1)"), row));
    EXPECT_TRUE(passes(QStringLiteral("NOT (COMERRO = 'S' AND A = 2)"), row));
    EXPECT_FALSE(passes(QStringLiteral("A > null"), row));
    EXPECT_TRUE(
        passes(QStringLiteral("COMERRO = null"), {{"COMERRO", QVariant(QMetaType::fromType<QString>())}}));
}

TEST(FilterExpressionTest, KeywordsAndNamesInAnyCase) {
    const TFilterExpression expression(
        QStringLiteral("Comerro = 'S' aNd COMERRO <> 'N' Or comERRO Is NoT nUlL"));
    ASSERT_EQ(expression.FieldNames().size(), 1);
    EXPECT_EQ(expression.FieldNames().first().toStdString(), "Comerro");
    EXPECT_TRUE(expression.Evaluate([](int) { return QVariant(QStringLiteral("S")); }));
    EXPECT_EQ(expression.Text().toStdString(), "Comerro = 'S' aNd COMERRO <> 'N' Or comERRO Is NoT nUlL");

    const TFilterExpression two(QStringLiteral("B = 1 and a = 2 or b = A"));
    EXPECT_EQ(two.FieldNames(), QStringList({QStringLiteral("B"), QStringLiteral("a")}));
}

TEST(FilterExpressionTest, BlankTextPassesEveryRecord) {
    const TFilterExpression expression(QStringLiteral("   "));
    EXPECT_TRUE(expression.FieldNames().isEmpty());
    EXPECT_TRUE(expression.Evaluate([](int) -> QVariant { throw std::logic_error("no field is read"); }));
}

TEST(FilterExpressionTest, MalformedTextsRaiseNamingTheText) {
    EXPECT_EQ(parseErrorOf(QStringLiteral("A = ")), "Invalid filter expression 'A = ': unexpected end");
    EXPECT_EQ(parseErrorOf(QStringLiteral("A = 'x")),
              "Invalid filter expression 'A = 'x': unterminated text");
    for (const char* bad :
         {"A 1", "(A = 1", "A = 1)", "A == 1", "AND", "A = 1 AND", "A # 1", "A IS 1", "A", "A = 1 B = 2",
          "= 1", "A = AND", "NOT", "A = 1.2.3", "A = -B", "()", "A = 'a' 'b'"}) {
        const std::string message = parseErrorOf(QString::fromLatin1(bad));
        EXPECT_NE(message.find(std::string("'") + bad + "'"), std::string::npos) << bad << ": " << message;
    }
}
