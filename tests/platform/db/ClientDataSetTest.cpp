#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"

#include <gtest/gtest.h>

namespace {

// In-memory sets: no provider, fields from FieldDefs.
class ClientDataSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        cds.SetName(QStringLiteral("cdsMemoria"));
        cds.FieldDefs().Add(QStringLiteral("CODE"), ftInteger);
        cds.FieldDefs().Add(QStringLiteral("NAME"), ftString, 20);
        cds.FieldDefs().Add(QStringLiteral("AMOUNT"), ftFloat);
        cds.CreateDataSet();
        Add(3, QStringLiteral("c"), Currency::fromUnits(3));
        Add(1, QStringLiteral("a"), Currency::fromUnits(1));
        Add(2, QStringLiteral("b"), Currency::fromUnits(2));
        cds.MergeChangeLog();
    }

    void Add(QVariant code, const QString& name, Currency amount) {
        cds.Append();
        cds.FieldByName("CODE")->SetValue(code);
        cds.FieldByName("NAME")->SetAsString(name);
        cds.FieldByName("AMOUNT")->SetAsCurrency(amount);
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

TEST_F(ClientDataSetTest, IndexFieldNamesKeepsTheRecordsSortedWithNullsFirst) {
    EXPECT_EQ(Names(), QStringList({"c", "a", "b"}));
    cds.SetIndexFieldNames(QStringLiteral("CODE"));
    EXPECT_EQ(Names(), QStringList({"a", "b", "c"}));
    Add(0, QStringLiteral("zero"), Currency());
    Add(QVariant(), QStringLiteral("nulo"), Currency());
    EXPECT_EQ(Names(), QStringList({"nulo", "zero", "a", "b", "c"}));
    cds.SetIndexFieldNames(QStringLiteral("AMOUNT;NAME"));
    EXPECT_EQ(Names(), QStringList({"nulo", "zero", "a", "b", "c"}));
    cds.SetIndexFieldNames(QStringLiteral("NAME"));
    EXPECT_EQ(Names(), QStringList({"a", "b", "c", "nulo", "zero"}));
}

TEST_F(ClientDataSetTest, FindKeySearchesOnTheCurrentIndex) {
    EXPECT_THROW(cds.FindKey({2}), EDatabaseError);
    cds.SetIndexFieldNames(QStringLiteral("CODE"));
    EXPECT_TRUE(cds.FindKey({2}));
    EXPECT_EQ(cds.FieldByName("NAME")->AsString(), QStringLiteral("b"));
    EXPECT_FALSE(cds.FindKey({9}));
    EXPECT_EQ(cds.FieldByName("NAME")->AsString(), QStringLiteral("b"));
}

TEST_F(ClientDataSetTest, TheChangeLogTracksEveryKindOfChange) {
    EXPECT_EQ(cds.ChangeCount(), 0);
    cds.First();
    cds.Edit();
    cds.FieldByName("NAME")->SetAsString(QStringLiteral("c2"));
    cds.Post();
    EXPECT_EQ(cds.UpdateStatus(), usModified);
    cds.Edit();
    cds.FieldByName("NAME")->SetAsString(QStringLiteral("c3"));
    cds.Post();
    EXPECT_EQ(cds.ChangeCount(), 1) << "a record changed twice is one change";
    Add(4, QStringLiteral("d"), Currency());
    EXPECT_EQ(cds.UpdateStatus(), usInserted);
    cds.Delete();
    EXPECT_EQ(cds.ChangeCount(), 1) << "an insert deleted again leaves nothing";
    cds.Last();
    cds.Delete();
    EXPECT_EQ(cds.ChangeCount(), 2);
    EXPECT_EQ(cds.RecordCount(), 2);
}

TEST_F(ClientDataSetTest, CancelUpdatesRestoresWhatWasFetched) {
    cds.First();
    cds.Edit();
    cds.FieldByName("AMOUNT")->SetAsCurrency(Currency::fromUnits(30));
    cds.Post();
    cds.Next();
    cds.Delete();
    Add(9, QStringLiteral("novo"), Currency());
    cds.Edit();
    cds.FieldByName("NAME")->SetAsString(QStringLiteral("pendente"));
    cds.CancelUpdates();
    EXPECT_EQ(cds.State(), dsBrowse);
    EXPECT_EQ(cds.ChangeCount(), 0);
    EXPECT_EQ(Names(), QStringList({"c", "a", "b"}));
    cds.First();
    EXPECT_EQ(cds.FieldByName("AMOUNT")->AsCurrency(), Currency::fromUnits(3));
    EXPECT_EQ(cds.UpdateStatus(), usUnmodified);
}

TEST_F(ClientDataSetTest, RevertRecordUndoesOnlyTheCurrentRecord) {
    cds.First();
    cds.Edit();
    cds.FieldByName("NAME")->SetAsString(QStringLiteral("x"));
    cds.Post();
    cds.Next();
    cds.Edit();
    cds.FieldByName("NAME")->SetAsString(QStringLiteral("y"));
    cds.Post();
    cds.RevertRecord();
    EXPECT_EQ(cds.ChangeCount(), 1);
    EXPECT_EQ(Names(), QStringList({"x", "a", "b"}));
}

TEST_F(ClientDataSetTest, MergeChangeLogKeepsTheValuesAsFetched) {
    cds.First();
    cds.Edit();
    cds.FieldByName("NAME")->SetAsString(QStringLiteral("x"));
    cds.Post();
    cds.MergeChangeLog();
    EXPECT_EQ(cds.ChangeCount(), 0);
    EXPECT_EQ(cds.UpdateStatus(), usUnmodified);
    cds.CancelUpdates();
    EXPECT_EQ(Names(), QStringList({"x", "a", "b"}));
}

TEST_F(ClientDataSetTest, WithoutAProviderOpeningAndApplyingAreRefused) {
    cds.Close();
    EXPECT_THROW(cds.Open(), EDatabaseError);
    cds.CreateDataSet();
    EXPECT_EQ(cds.ApplyUpdates(-1), 0) << "nothing to apply, nothing asked";
    Add(1, QStringLiteral("a"), Currency());
    EXPECT_THROW(cds.ApplyUpdates(-1), EDatabaseError);
    EXPECT_EQ(cds.ChangeCount(), 1);
    TComponent module;
    TClientDataSet* owned = new TClientDataSet(&module);
    owned->SetProviderName(QStringLiteral("dspNaoExiste"));
    try {
        owned->Open();
        FAIL() << "opened without provider";
    } catch (const EDatabaseError& error) {
        EXPECT_TRUE(error.Message().contains(QStringLiteral("Missing data provider")));
    }
}

TEST_F(ClientDataSetTest, ClosingDropsRecordsAndChanges) {
    Add(7, QStringLiteral("g"), Currency());
    cds.Close();
    cds.CreateDataSet();
    EXPECT_EQ(cds.RecordCount(), 0);
    EXPECT_EQ(cds.ChangeCount(), 0);
}

} // namespace
