#include "components/search/SearchRoutines.h"
#include "components/search/SQLProperty.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/db/TIBQuery.h"

#include "tests/support/QStringPrinter.h"
#include "tests/support/database/TempDatabase.h"

#include <gtest/gtest.h>

namespace {
// A table of our own in a fresh copy of the database, with one column of
// each searchable type.
class SearchRoutinesTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        s_db = new TempDatabase;
        Fill();
    }
    static void TearDownTestSuite() {
        delete s_db;
        s_db = nullptr;
    }

    static void Run(const QString& sql) {
        TIBQuery query;
        query.SetDatabase(&s_db->Database());
        query.SetTransaction(&s_db->Transaction());
        query.SetSQLText(sql);
        query.ExecSQL();
    }
    static void Fill() {
        Run(QStringLiteral("CREATE TABLE BUSCA (ID INTEGER NOT NULL PRIMARY KEY, NOME VARCHAR(40), "
                           "VALOR NUMERIC(15,2), PRECO DOUBLE PRECISION, DATA DATE)"));
        Run(QStringLiteral("INSERT INTO BUSCA VALUES (1, 'D''AVILA', 10.50, 1.25, '2005-03-05')"));
        Run(QStringLiteral("INSERT INTO BUSCA VALUES (2, 'DANTAS', 1234.56, 2.5, '2005-05-03')"));
        Run(QStringLiteral("INSERT INTO BUSCA VALUES (3, 'SILVA', 99.99, 10, '2006-01-01')"));
        Run(QStringLiteral("INSERT INTO BUSCA VALUES (4, 'SOUZA', 0, 0, NULL)"));
    }

    SearchRoutinesTest() {
        query.SetName(QStringLiteral("ibqBusca"));
        query.SetDatabase(&s_db->Database());
        query.SetTransaction(&s_db->Transaction());
        query.SetSQLText(kBase);
        query.Open();
    }
    QList<int> Ids() {
        QList<int> ids;
        for (query.First(); !query.Eof(); query.Next())
            ids << query.FieldByName(QStringLiteral("ID"))->AsInteger();
        return ids;
    }

    const QString kBase =
        QStringLiteral("SELECT ID, NOME, VALOR, PRECO, DATA\nFROM BUSCA\nWHERE ID < 4 OR ID = 4\n"
                       "ORDER BY ID");
    static TempDatabase* s_db;
    TIBQuery query;
};
TempDatabase* SearchRoutinesTest::s_db = nullptr;

TEST_F(SearchRoutinesTest, ConditionsPerFieldType) {
    const TField* nome = query.FieldByName(QStringLiteral("NOME"));
    EXPECT_EQ(BuildSearchCondition(nome, QStringLiteral("d'av"), false),
              QStringLiteral("(UPPER(NOME) LIKE 'D''AV%')"));
    EXPECT_EQ(BuildSearchCondition(nome, QStringLiteral("silva"), true),
              QStringLiteral("(UPPER(NOME) = 'SILVA')"));
    EXPECT_EQ(BuildSearchCondition(query.FieldByName(QStringLiteral("ID")), QStringLiteral(" 2"), true),
              QStringLiteral("(ID = 2)"));
    EXPECT_EQ(
        BuildSearchCondition(query.FieldByName(QStringLiteral("VALOR")), QStringLiteral("1.234,5"), false),
        QStringLiteral("(VALOR >= 1234.5)"));
    EXPECT_EQ(
        BuildSearchCondition(query.FieldByName(QStringLiteral("DATA")), QStringLiteral("05/03/2005"), true),
        QStringLiteral("(DATA = '2005-03-05')"));
    EXPECT_EQ(BuildSearchCondition(nome, QString(), true), QString());
}

TEST_F(SearchRoutinesTest, ValuesThatDoNotFitTheTypeAreNamed) {
    EXPECT_EQ(ValidateSearchValue(query.FieldByName(QStringLiteral("ID")), QStringLiteral("1 OR 1=1")),
              QStringLiteral("\"1 OR 1=1\" não é um número inteiro válido"));
    EXPECT_EQ(ValidateSearchValue(query.FieldByName(QStringLiteral("PRECO")), QStringLiteral("1,2,3")),
              QStringLiteral("\"1,2,3\" não é um número válido"));
    EXPECT_EQ(ValidateSearchValue(query.FieldByName(QStringLiteral("DATA")), QStringLiteral("31/02/2005")),
              QStringLiteral("\"31/02/2005\" não é uma data válida"));
    EXPECT_EQ(ValidateSearchValue(query.FieldByName(QStringLiteral("NOME")), QStringLiteral("';DROP")),
              QString());
    EXPECT_EQ(ValidateSearchValue(nullptr, QStringLiteral("x")), QString());
    EXPECT_THROW(BuildSearchCondition(query.FieldByName(QStringLiteral("ID")), QStringLiteral("1)"), true),
                 Exception);
}

TEST_F(SearchRoutinesTest, FieldChecksNameWhatIsMissing) {
    auto message = [](auto call) {
        try {
            call();
        } catch (const Exception& e) {
            return e.Message();
        }
        return QString();
    };
    EXPECT_EQ(message([] { CheckSearchField(nullptr, QStringLiteral("ID")); }),
              QStringLiteral("DataSet não foi definido"));
    EXPECT_EQ(message([&] { CheckSearchField(&query, QString()); }),
              QStringLiteral("SearchField não foi definido"));
    EXPECT_EQ(message([&] { CheckSearchField(&query, QStringLiteral("XX")); }),
              QStringLiteral("Field 'XX' not found"));
}

TEST_F(SearchRoutinesTest, AnApostropheSearchesAsText) {
    EXPECT_EQ(ApplySearch(&query, QStringLiteral("NOME"), QStringLiteral("d'a"), QString(), false), 1);
    EXPECT_EQ(Ids(), QList<int>{1});
}

TEST_F(SearchRoutinesTest, TheExistingWhereStaysWholeInParentheses) {
    EXPECT_EQ(ApplySearch(&query, QStringLiteral("NOME"), QStringLiteral("s"), QString(), false), 2);
    EXPECT_EQ(Ids(), (QList<int>{3, 4}));
    EXPECT_EQ(GetDataSetSQL(&query), QStringLiteral("SELECT ID, NOME, VALOR, PRECO, DATA\r\nFROM BUSCA\r\n"
                                                    "WHERE (ID < 4 OR ID = 4) AND (UPPER(NOME) LIKE 'S%')\r\n"
                                                    "ORDER BY NOME"));
}

TEST_F(SearchRoutinesTest, ADecimalCommaAndADateRunAsNumbersAndISODates) {
    EXPECT_EQ(ApplySearch(&query, QStringLiteral("VALOR"), QStringLiteral("99,99"), kBase, false), 2);
    EXPECT_EQ(Ids(), (QList<int>{3, 2}));
    EXPECT_EQ(ApplySearch(&query, QStringLiteral("PRECO"), QStringLiteral("2,5"), kBase, true), 1);
    EXPECT_EQ(Ids(), QList<int>{2});
    EXPECT_EQ(ApplySearch(&query, QStringLiteral("DATA"), QStringLiteral("05/03/2005"), kBase, true), 1);
    EXPECT_EQ(Ids(), QList<int>{1});
    EXPECT_EQ(ApplySearch(&query, QStringLiteral("ID"), QStringLiteral("3"), kBase, false), 2);
}

TEST_F(SearchRoutinesTest, AnEmptyValueOnlyOrders) {
    EXPECT_EQ(ApplySearch(&query, QStringLiteral("NOME"), QString(), QString(), false), 4);
    EXPECT_EQ(Ids(), (QList<int>{1, 2, 3, 4}));
    EXPECT_TRUE(GetDataSetSQL(&query).contains(QStringLiteral("WHERE ID < 4 OR ID = 4\r\nORDER BY NOME")));
}

TEST_F(SearchRoutinesTest, AFailingSearchPutsTheSearchedSQLBackOpen) {
    // A field of the data set that the table does not have.
    const QString broken = QStringLiteral("SELECT ID, NOME FROM BUSCA GROUP BY ID, NOME HAVING NOTHING = 1");
    EXPECT_THROW(ApplySearch(&query, QStringLiteral("NOME"), QStringLiteral("x"), broken, false), Exception);
    EXPECT_EQ(GetDataSetSQL(&query), QString(broken));
    EXPECT_FALSE(query.Active()); // the searched text itself does not run
    query.SetSQLText(kBase);
    query.Open();
    EXPECT_THROW(ApplySearch(&query, QStringLiteral("ID"), QStringLiteral("1"),
                             QStringLiteral("SELECT ID FROM BUSCA WHERE NADA = 1"), false),
                 Exception);
}

TEST_F(SearchRoutinesTest, NoDataSetOrFieldGivesMinusOne) {
    EXPECT_EQ(ApplySearch(nullptr, QStringLiteral("ID"), QString(), QString(), false), -1);
    EXPECT_EQ(ApplySearch(&query, QStringLiteral("XX"), QString(), QString(), false), -1);
}

} // namespace
