#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"

#include <gtest/gtest.h>

namespace {

class ClientDataSetOrderTest : public ::testing::Test {
protected:
    void SetUp() override {
        cds.FieldDefs().Add(QStringLiteral("CODE"), ftInteger);
        cds.FieldDefs().Add(QStringLiteral("NAME"), ftString, 20);
        cds.CreateDataSet();
        for (auto [code, name] : {std::pair{3, "c"}, std::pair{1, "a"}, std::pair{2, "b"}})
            Add(code, QString::fromLatin1(name));
        cds.MergeChangeLog();
    }

    void Add(int code, const QString& name) {
        cds.Append();
        cds.FieldByName("CODE")->SetAsInteger(code);
        cds.FieldByName("NAME")->SetAsString(name);
        cds.Post();
    }

    QStringList Names() {
        QStringList names;
        for (cds.First(); !cds.Eof(); cds.Next())
            names << cds.FieldByName("NAME")->AsString();
        return names;
    }

    TClientDataSet cds;
};

} // namespace

TEST_F(ClientDataSetOrderTest, ClearingTheIndexRestoresTheOrderTheRowsCameIn) {
    cds.SetIndexFieldNames(QStringLiteral("CODE"));
    Add(0, QStringLiteral("zero"));
    ASSERT_EQ(Names(), QStringList({"zero", "a", "b", "c"}));
    cds.SetIndexFieldNames(QString());
    EXPECT_EQ(Names(), QStringList({"c", "a", "b", "zero"})) << "rows added later come after the fetched";
    EXPECT_TRUE(cds.IndexFieldNames().isEmpty());

    // Filtered rows keep that order too, and so does the current row.
    cds.SetFilter(QStringLiteral("CODE <> 1"));
    cds.SetFiltered(true);
    cds.SetIndexFieldNames(QStringLiteral("NAME"));
    ASSERT_TRUE(cds.Locate(QStringLiteral("CODE"), 2));
    cds.SetIndexFieldNames(QString());
    EXPECT_EQ(cds.FieldByName("NAME")->AsString(), QStringLiteral("b"));
    EXPECT_EQ(Names(), QStringList({"c", "b", "zero"}));
}
