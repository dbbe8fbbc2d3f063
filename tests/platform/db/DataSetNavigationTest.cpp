// Cursor movement, bookmarks, Locate and Lookup, filters, calculated and
// lookup fields.

#include "tests/platform/db/MemoryDataSet.h"

#include "platform/db/TField.h"
#include "platform/db/TStringField.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

QVariant money(const char* text) {
    return QVariant::fromValue(*Currency::parse(QString::fromLatin1(text)));
}

class DataSetNavigationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ds.SetColumns({{"ID", ftInteger},
                       {"NAME", ftString, 30},
                       {"UF", ftString, 2},
                       {"VALOR", ftBCD},
                       {"DT", ftDate}});
        ds.AddRow({1, QStringLiteral("Ana"), QStringLiteral("SP"), money("10.50"), QDate(2024, 1, 5)});
        ds.AddRow({2, QStringLiteral("bruno"), QStringLiteral("RJ"), money("0.01"), QDate(2024, 2, 1)});
        ds.AddRow({3, QStringLiteral("Carla O'Neil"), QVariant(), money("-3"), QVariant()});
        ds.AddRow({4, QStringLiteral("Bianca"), QStringLiteral("SP"), money("100"), QDate(2023, 12, 31)});
    }

    QList<int> ids() {
        QList<int> result;
        for (ds.First(); !ds.Eof(); ds.Next())
            result << ds.FieldByName("ID")->AsInteger();
        return result;
    }

    QList<int> filtered(const QString& text) {
        ds.SetFilter(text);
        ds.SetFiltered(true);
        return ids();
    }

    MemoryDataSet ds;
};

TEST_F(DataSetNavigationTest, CursorWalksWithBofAndEof) {
    ds.Open();
    EXPECT_TRUE(ds.Bof());
    EXPECT_FALSE(ds.Eof());
    EXPECT_EQ(ds.RecNo(), 1);
    EXPECT_EQ(ds.MoveBy(2), 2);
    EXPECT_EQ(ds.RecNo(), 3);
    EXPECT_FALSE(ds.Bof());
    EXPECT_EQ(ds.MoveBy(5), 1);
    EXPECT_TRUE(ds.Eof());
    EXPECT_EQ(ds.RecNo(), 4);
    EXPECT_EQ(ds.MoveBy(1), 0);
    ds.Prior();
    EXPECT_FALSE(ds.Eof());
    EXPECT_EQ(ds.RecNo(), 3);
    EXPECT_EQ(ds.MoveBy(-10), -2);
    EXPECT_TRUE(ds.Bof());
    ds.Last();
    EXPECT_TRUE(ds.Eof());
    EXPECT_EQ(ds.FieldByName("ID")->AsInteger(), 4);
    ds.SetRecNo(2);
    EXPECT_EQ(ds.FieldByName("ID")->AsInteger(), 2);
    EXPECT_EQ(ids(), QList<int>({1, 2, 3, 4}));
}

TEST_F(DataSetNavigationTest, EmptySetIsBofAndEof) {
    ds.ClearRows();
    ds.Open();
    EXPECT_TRUE(ds.IsEmpty());
    EXPECT_TRUE(ds.Bof());
    EXPECT_TRUE(ds.Eof());
    EXPECT_EQ(ds.RecNo(), 0);
    EXPECT_TRUE(ds.FieldByName("ID")->IsNull());
    EXPECT_THROW(ds.Delete(), EDatabaseError);
    ds.Append();
    EXPECT_FALSE(ds.IsEmpty());
    ds.Cancel();
    EXPECT_TRUE(ds.IsEmpty());
}

TEST_F(DataSetNavigationTest, InsertGoesBeforeTheCurrentRecordAndAppendAtTheEnd) {
    ds.Open();
    ds.Next();
    ds.Insert();
    ds.FieldByName("ID")->SetAsInteger(10);
    ds.Post();
    EXPECT_EQ(ds.RecNo(), 2);
    ds.Append();
    ds.FieldByName("ID")->SetAsInteger(11);
    ds.Post();
    EXPECT_EQ(ds.RecNo(), 6);
    EXPECT_EQ(ids(), QList<int>({1, 10, 2, 3, 4, 11}));
    ds.SetRecNo(3);
    ds.Delete();
    EXPECT_EQ(ds.FieldByName("ID")->AsInteger(), 3);
    ds.Last();
    ds.Delete();
    EXPECT_EQ(ds.FieldByName("ID")->AsInteger(), 4);
    EXPECT_EQ(ds.RecordCount(), 4);
}

TEST_F(DataSetNavigationTest, BookmarksSurviveInsertsDeletesAndFilters) {
    ds.Open();
    ds.SetRecNo(3);
    const TBookmark carla = ds.GetBookmark();
    ds.First();
    const TBookmark ana = ds.GetBookmark();
    ds.Insert();
    ds.FieldByName("ID")->SetAsInteger(0);
    ds.Post();
    ds.GotoBookmark(carla);
    EXPECT_EQ(ds.FieldByName("ID")->AsInteger(), 3);
    EXPECT_EQ(ds.CompareBookmarks(ana, carla), -1);
    EXPECT_EQ(ds.CompareBookmarks(carla, ana), 1);
    EXPECT_EQ(ds.CompareBookmarks(carla, carla), 0);

    filtered(QStringLiteral("UF = 'SP'"));
    EXPECT_FALSE(ds.BookmarkValid(carla));
    EXPECT_THROW(ds.GotoBookmark(carla), EDatabaseError);
    ds.SetFiltered(false);
    EXPECT_TRUE(ds.BookmarkValid(carla));

    ds.GotoBookmark(ana);
    ds.Delete();
    EXPECT_FALSE(ds.BookmarkValid(ana));
    EXPECT_THROW(ds.GotoBookmark(ana), EDatabaseError);
    EXPECT_THROW(ds.GotoBookmark(0), EDatabaseError);
}

TEST_F(DataSetNavigationTest, LocateWithOptions) {
    ds.Open();
    EXPECT_FALSE(ds.Locate("NAME", QStringLiteral("BRUNO")));
    EXPECT_EQ(ds.RecNo(), 1);
    EXPECT_TRUE(ds.Locate("NAME", QStringLiteral("BRUNO"), loCaseInsensitive));
    EXPECT_EQ(ds.FieldByName("ID")->AsInteger(), 2);
    EXPECT_FALSE(ds.Locate("NAME", QStringLiteral("bi"), loPartialKey));
    EXPECT_TRUE(ds.Locate("NAME", QStringLiteral("bi"), TLocateOptions(loPartialKey) | loCaseInsensitive));
    EXPECT_EQ(ds.FieldByName("ID")->AsInteger(), 4);
    // Several fields; numbers of any representation match.
    EXPECT_TRUE(ds.Locate("UF;ID", QVariantList{QStringLiteral("SP"), 1.0}));
    EXPECT_EQ(ds.RecNo(), 1);
    EXPECT_TRUE(ds.Locate("VALOR", money("0.0100")));
    EXPECT_EQ(ds.FieldByName("ID")->AsInteger(), 2);
    EXPECT_TRUE(ds.Locate("VALOR", 100));
    EXPECT_EQ(ds.FieldByName("ID")->AsInteger(), 4);
    // A null key finds a null value.
    EXPECT_TRUE(ds.Locate("UF", QVariant()));
    EXPECT_EQ(ds.FieldByName("ID")->AsInteger(), 3);
    EXPECT_TRUE(ds.Locate("DT", QDate(2024, 2, 1)));
    EXPECT_EQ(ds.FieldByName("ID")->AsInteger(), 2);
    EXPECT_THROW(ds.Locate("NOPE", 1), EDatabaseError);
    EXPECT_THROW(ds.Locate("UF;ID", QStringLiteral("SP")), EDatabaseError);
}

TEST_F(DataSetNavigationTest, LookupDoesNotMove) {
    ds.Open();
    ds.Last();
    int scrolls = 0;
    ds.AfterScroll = TDataSetNotifyEvent::fromFunction([&](TDataSet*) { ++scrolls; });
    EXPECT_EQ(ds.Lookup("ID", 2, "NAME").toString(), QStringLiteral("bruno"));
    EXPECT_EQ(ds.Lookup("ID", 1, "NAME;UF").toList(),
              QVariantList({QStringLiteral("Ana"), QStringLiteral("SP")}));
    EXPECT_TRUE(ds.Lookup("ID", 42, "NAME").isNull());
    EXPECT_EQ(ds.RecNo(), 4);
    EXPECT_EQ(scrolls, 0);
}

TEST_F(DataSetNavigationTest, FilterOperatorsAndNull) {
    ds.Open();
    EXPECT_EQ(filtered("ID = 2"), QList<int>({2}));
    EXPECT_EQ(filtered("ID <> 2"), QList<int>({1, 3, 4}));
    EXPECT_EQ(filtered("ID < 2"), QList<int>({1}));
    EXPECT_EQ(filtered("ID > 2"), QList<int>({3, 4}));
    EXPECT_EQ(filtered("ID <= 2"), QList<int>({1, 2}));
    EXPECT_EQ(filtered("ID >= 2"), QList<int>({2, 3, 4}));
    EXPECT_EQ(filtered("uf = 'SP' and ID > 1"), QList<int>({4}));
    EXPECT_EQ(filtered("UF = 'RJ' OR id = 1"), QList<int>({1, 2}));
    EXPECT_EQ(filtered("NOT (UF = 'SP')"), QList<int>({2}));
    EXPECT_EQ(filtered("UF = null"), QList<int>({3}));
    EXPECT_EQ(filtered("UF <> NULL"), QList<int>({1, 2, 4}));
    EXPECT_EQ(filtered("NAME = 'Carla O''Neil'"), QList<int>({3}));
    EXPECT_EQ(filtered("VALOR >= 10.5"), QList<int>({1, 4}));
    EXPECT_EQ(filtered("VALOR < 0.01"), QList<int>({3}));
    EXPECT_EQ(filtered("DT < '01/01/2024'"), QList<int>({4}));
    EXPECT_EQ(ds.RecordCount(), 1);
    // A text naming no field still decides.
    EXPECT_EQ(filtered("1 = 0"), QList<int>());
    ds.SetFiltered(false);
    EXPECT_EQ(ds.RecordCount(), 4);
}

TEST_F(DataSetNavigationTest, BadFilterTextIsRefusedAndTheOldFilterStays) {
    ds.Open();
    filtered("ID > 2");
    EXPECT_THROW(ds.SetFilter(QStringLiteral("ID >>> 2")), EDatabaseError);
    EXPECT_THROW(ds.SetFilter(QStringLiteral("NOPE = 1")), EDatabaseError);
    EXPECT_EQ(ds.Filter(), QStringLiteral("ID > 2"));
    EXPECT_EQ(ids(), QList<int>({3, 4}));
}

TEST_F(DataSetNavigationTest, OnFilterRecordAndPostedRecordsLeavingTheFilter) {
    ds.Open();
    ds.OnFilterRecord = TFilterRecordEvent::fromFunction([](TDataSet* set, bool& accept) {
        EXPECT_EQ(set->State(), dsFilter);
        accept = set->FieldByName("ID")->AsInteger() % 2 == 0;
    });
    ds.SetFilter(QStringLiteral("ID > 1"));
    ds.SetFiltered(true);
    EXPECT_EQ(ids(), QList<int>({2, 4}));

    ds.First();
    ds.Edit();
    ds.FieldByName("ID")->SetAsInteger(5);
    ds.Post();
    EXPECT_EQ(ds.RecordCount(), 1);
    EXPECT_EQ(ds.FieldByName("ID")->AsInteger(), 4);

    ds.Append();
    ds.FieldByName("ID")->SetAsInteger(7);
    ds.Post();
    EXPECT_EQ(ds.RecordCount(), 1);
    ds.SetFiltered(false);
    EXPECT_EQ(ids(), QList<int>({1, 5, 3, 4, 7}));
}

TEST_F(DataSetNavigationTest, FailingFilterHandlerLeavesTheSetUsable) {
    ds.Open();
    bool fail = false;
    ds.OnFilterRecord = TFilterRecordEvent::fromFunction([&](TDataSet* set, bool& accept) {
        if (fail)
            throw EDatabaseError(QStringLiteral("filter failed"));
        accept = set->FieldByName("ID")->AsInteger() != 2;
    });
    ds.SetFiltered(true);
    EXPECT_EQ(ds.RecordCount(), 3);

    fail = true;
    EXPECT_THROW(ds.Refilter(), EDatabaseError);
    EXPECT_EQ(ds.RecordCount(), 3);
    ds.Append();
    ds.FieldByName("ID")->SetAsInteger(8);
    EXPECT_THROW(ds.Post(), EDatabaseError);
    EXPECT_EQ(ds.State(), dsInsert);
    EXPECT_EQ(ds.Records().size(), 4u);
    fail = false;
    ds.Post();
    EXPECT_EQ(ds.Records().size(), 5u);
    EXPECT_EQ(ids(), QList<int>({1, 3, 4, 8}));
}

TEST_F(DataSetNavigationTest, CalculatedFieldsAreWrittenInCalcState) {
    auto* desc = new TStringField(&ds);
    desc->SetFieldName(QStringLiteral("DESC"));
    desc->SetFieldKind(fkCalculated);
    desc->SetSize(40);
    for (const char* name : {"ID", "NAME", "UF"}) {
        auto* field = new TStringField(&ds);
        field->SetFieldName(QString::fromLatin1(name));
        field->SetDataSet(&ds);
    }
    desc->SetDataSet(&ds);
    int calls = 0;
    ds.OnCalcFields = TDataSetNotifyEvent::fromFunction([&](TDataSet* set) {
        ++calls;
        EXPECT_EQ(set->State(), dsCalcFields);
        // Data fields cannot be written while calculating.
        EXPECT_THROW(set->FieldByName("NAME")->SetAsString(QStringLiteral("x")), EDatabaseError);
        set->FieldByName("DESC")->SetAsString(set->FieldByName("NAME")->AsString() + QStringLiteral(" / ") +
                                              set->FieldByName("UF")->AsString());
    });
    ds.Open();
    EXPECT_GT(calls, 0);
    EXPECT_EQ(ds.FieldCount(), 4);
    EXPECT_EQ(desc->AsString(), QStringLiteral("Ana / SP"));
    // Calculated values can be filtered and searched.
    EXPECT_EQ(filtered("DESC = 'bruno / RJ'"), QList<int>({2}));
    ds.SetFiltered(false);
    EXPECT_TRUE(ds.Locate("DESC", QStringLiteral("Bianca / SP")));

    ds.Edit();
    ds.FieldByName("UF")->SetAsString(QStringLiteral("MG"));
    EXPECT_EQ(desc->AsString(), QStringLiteral("Bianca / MG"));
    EXPECT_THROW(desc->SetAsString(QStringLiteral("typed")), EDatabaseError);
    ds.Post();
    EXPECT_EQ(desc->AsString(), QStringLiteral("Bianca / MG"));
    EXPECT_EQ(ds.FieldByName("NAME")->FieldNo(), 2);
    EXPECT_EQ(desc->FieldNo(), 0);
}

TEST_F(DataSetNavigationTest, LookupFieldsFollowTheLookupSetAndItsFilter) {
    MemoryDataSet states;
    states.SetColumns({{"SG_UF", ftString, 2}, {"NO_UF", ftString, 30}});
    states.AddRow({QStringLiteral("SP"), QStringLiteral("São Paulo")});
    states.AddRow({QStringLiteral("RJ"), QStringLiteral("Rio de Janeiro")});
    // A record without a key never finds this one.
    states.AddRow({QVariant(), QStringLiteral("no state")});
    states.Open();

    for (const char* name : {"ID", "UF"}) {
        auto* field = new TStringField(&ds);
        field->SetFieldName(QString::fromLatin1(name));
        field->SetDataSet(&ds);
    }
    auto* stateName = new TStringField(&ds);
    stateName->SetFieldName(QStringLiteral("STATE_NAME"));
    stateName->SetFieldKind(fkLookup);
    stateName->SetLookupDataSet(&states);
    stateName->SetKeyFields(QStringLiteral("UF"));
    stateName->SetLookupKeyFields(QStringLiteral("SG_UF"));
    stateName->SetLookupResultField(QStringLiteral("NO_UF"));
    stateName->SetDataSet(&ds);
    ds.Open();

    QStringList names;
    for (ds.First(); !ds.Eof(); ds.Next())
        names << stateName->AsString();
    EXPECT_EQ(names, QStringList({"São Paulo", "Rio de Janeiro", "", "São Paulo"}));

    ds.Edit();
    ds.FieldByName("UF")->SetAsString(QStringLiteral("RJ"));
    EXPECT_EQ(stateName->AsString(), QStringLiteral("Rio de Janeiro"));
    ds.Cancel();

    states.SetFilter(QStringLiteral("SG_UF <> 'SP'"));
    states.SetFiltered(true);
    ds.Refresh();
    ds.First();
    EXPECT_TRUE(stateName->IsNull());
    ds.Next();
    EXPECT_EQ(stateName->AsString(), QStringLiteral("Rio de Janeiro"));
}

TEST_F(DataSetNavigationTest, DisplayRowsShowThePendingInsertInPlace) {
    ds.Open();
    ds.Next();
    ds.Insert();
    ds.FieldByName("ID")->SetAsInteger(10);
    EXPECT_EQ(ds.RowCount(), 5);
    EXPECT_EQ(ds.CurrentRow(), 1);
    QList<int> shown;
    for (int row = 0; row < ds.RowCount(); ++row) {
        ds.SetDisplayRow(row);
        shown << ds.FieldByName("ID")->AsInteger();
    }
    EXPECT_THROW(ds.FieldByName("ID")->SetAsInteger(11), EDatabaseError);
    ds.SetDisplayRow(-1);
    EXPECT_EQ(shown, QList<int>({1, 10, 2, 3, 4}));
    EXPECT_EQ(ds.FieldByName("ID")->AsInteger(), 10);
    ds.Cancel();

    ds.Last();
    ds.Edit();
    ds.FieldByName("NAME")->SetAsString(QStringLiteral("edited"));
    ds.SetDisplayRow(3);
    EXPECT_EQ(ds.FieldByName("NAME")->AsString(), QStringLiteral("edited"));
    ds.SetDisplayRow(0);
    EXPECT_EQ(ds.FieldByName("NAME")->AsString(), QStringLiteral("Ana"));
    ds.SetDisplayRow(9);
    EXPECT_TRUE(ds.FieldByName("NAME")->IsNull());
    ds.SetDisplayRow(-1);
    EXPECT_EQ(ds.RecNo(), 4);
}

TEST_F(DataSetNavigationTest, FieldByNameNamesTheMissingField) {
    ds.Open();
    try {
        ds.FieldByName("MISSING");
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Field 'MISSING' not found"));
    }
    EXPECT_EQ(ds.FindField("missing"), nullptr);
    EXPECT_EQ(ds.FindField("name"), ds.FieldByName("NAME"));
}

TEST_F(DataSetNavigationTest, PersistentFieldWithoutColumnFailsTheOpen) {
    auto* field = new TStringField(&ds);
    field->SetFieldName(QStringLiteral("NOT_THERE"));
    field->SetDataSet(&ds);
    EXPECT_THROW(ds.Open(), EDatabaseError);
    EXPECT_FALSE(ds.Active());
    EXPECT_THROW(ds.First(), EDatabaseError);
}

TEST_F(DataSetNavigationTest, FieldsCannotBeAddedWhileOpen) {
    ds.Open();
    TStringField field;
    field.SetFieldName(QStringLiteral("LATE"));
    EXPECT_THROW(field.SetDataSet(&ds), EDatabaseError);
    EXPECT_EQ(field.DataSet(), nullptr);
}

} // namespace
