// Data sources and data links: what controls hear, AutoEdit, control edits
// written before a post, DisableControls.

#include "tests/platform/db/MemoryDataSet.h"

#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/db/TFieldDataLink.h"
#include "platform/db/TIntegerField.h"

#include <gtest/gtest.h>

namespace {

// A link that writes down every notification.
class RecordingLink : public TDataLink {
public:
    QStringList log;

protected:
    void ActiveChanged() override { log << (Active() ? "active" : "inactive"); }
    void DataSetChanged() override { log << "changed"; }
    void DataSetScrolled(int distance) override { log << QStringLiteral("scrolled(%1)").arg(distance); }
    void RecordChanged(TField* field) override {
        log << (field ? "record(" + field->FieldName() + ")" : QStringLiteral("record"));
    }
    void EditingChanged() override { log << (Editing() ? "editing" : "browsing"); }
    void UpdateData() override { log << "update"; }
};

class DataSourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ds.SetColumns({{"ID", ftInteger}, {"NAME", ftString, 20}});
        ds.AddRow({1, QStringLiteral("one")});
        ds.AddRow({2, QStringLiteral("two")});
        source.SetDataSet(&ds);
        link.SetDataSource(&source);
    }

    QStringList take() {
        QStringList result = link.log;
        link.log.clear();
        return result;
    }

    MemoryDataSet ds;
    TDataSource source;
    RecordingLink link;
};

TEST_F(DataSourceTest, LinksFollowTheDataSet) {
    EXPECT_FALSE(link.Active());
    ds.Open();
    EXPECT_TRUE(link.Active());
    EXPECT_EQ(take(), QStringList({"active"}));
    ds.Next();
    EXPECT_EQ(take(), QStringList({"scrolled(1)"}));
    ds.Edit();
    EXPECT_EQ(take(), QStringList({"editing", "record"}));
    ds.FieldByName("NAME")->SetAsString(QStringLiteral("x"));
    EXPECT_EQ(take(), QStringList({"record(NAME)"}));
    ds.Post();
    EXPECT_EQ(take(), QStringList({"update", "browsing", "changed"}));
    ds.Close();
    EXPECT_EQ(take(), QStringList({"inactive"}));
    EXPECT_FALSE(link.Active());
}

TEST_F(DataSourceTest, SourceEventsAndState) {
    QStringList events;
    source.OnStateChange = TNotifyEvent::fromFunction(
        [&](TObject*) { events << QStringLiteral("state:%1").arg(static_cast<int>(source.State())); });
    source.OnDataChange = TDataChangeEvent::fromFunction([&](TObject*, TField* field) {
        events << (field ? "data:" + field->FieldName() : QStringLiteral("data"));
    });
    source.OnUpdateData = TNotifyEvent::fromFunction([&](TObject*) { events << "updateData"; });
    ds.Open();
    ds.Edit();
    ds.FieldByName("ID")->SetAsInteger(5);
    ds.Post();
    EXPECT_EQ(events,
              QStringList({"state:1", "state:2", "data", "data:ID", "updateData", "state:1", "data"}));

    source.SetEnabled(false);
    EXPECT_EQ(source.State(), dsInactive);
    EXPECT_FALSE(link.Active());
    source.SetEnabled(true);
    EXPECT_TRUE(link.Active());
}

TEST_F(DataSourceTest, NothingButStateReachesControlsOfAClosedSet) {
    int dataChanges = 0;
    source.OnDataChange = TDataChangeEvent::fromFunction([&](TObject*, TField*) { ++dataChanges; });
    TIntegerField field;
    field.SetFieldName(QStringLiteral("ID"));
    field.SetDataSet(&ds);
    EXPECT_EQ(dataChanges, 0);
    EXPECT_TRUE(take().isEmpty());
    ds.Open();
    EXPECT_EQ(take(), QStringList({"active"}));
}

TEST_F(DataSourceTest, DisableControlsHoldsNotificationsUntilEnabled) {
    ds.Open();
    take();
    ds.DisableControls();
    ds.DisableControls();
    EXPECT_TRUE(ds.ControlsDisabled());
    for (ds.First(); !ds.Eof(); ds.Next()) {
    }
    ds.Edit();
    ds.FieldByName("ID")->SetAsInteger(9);
    EXPECT_TRUE(take().isEmpty());
    ds.EnableControls();
    EXPECT_TRUE(take().isEmpty());
    ds.EnableControls();
    EXPECT_FALSE(ds.ControlsDisabled());
    EXPECT_EQ(take(), QStringList({"editing", "changed"}));
    ds.Cancel();
    ds.DisableControls();
    ds.EnableControls();
    EXPECT_EQ(take(), QStringList({"browsing", "changed", "changed"}));
}

TEST_F(DataSourceTest, AutoEditThroughTheLink) {
    ds.Open();
    source.SetAutoEdit(false);
    EXPECT_FALSE(link.Edit());
    EXPECT_EQ(ds.State(), dsBrowse);
    source.SetAutoEdit(true);
    link.SetReadOnly(true);
    EXPECT_FALSE(link.Edit());
    link.SetReadOnly(false);
    EXPECT_TRUE(link.Edit());
    EXPECT_EQ(ds.State(), dsEdit);
}

TEST_F(DataSourceTest, FieldDataLinkWritesThePendingEditBeforePost) {
    TFieldDataLink fieldLink;
    QString controlText;
    int shown = 0;
    fieldLink.OnDataChange = TNotifyEvent::fromFunction([&](TObject*) {
        ++shown;
        controlText = fieldLink.Field() ? fieldLink.Field()->DisplayText() : QString();
    });
    fieldLink.OnUpdateData =
        TNotifyEvent::fromFunction([&](TObject*) { fieldLink.Field()->SetText(controlText); });
    fieldLink.SetDataSource(&source);
    fieldLink.SetFieldName(QStringLiteral("NAME"));
    EXPECT_EQ(fieldLink.Field(), nullptr);
    ds.Open();
    ASSERT_EQ(fieldLink.Field(), ds.FieldByName("NAME"));
    EXPECT_EQ(controlText, QStringLiteral("one"));
    EXPECT_TRUE(fieldLink.CanModify());

    // The user types into the control.
    ASSERT_TRUE(fieldLink.Edit());
    controlText = QStringLiteral("typed");
    fieldLink.Modified();
    ds.Post();
    EXPECT_EQ(ds.FieldByName("NAME")->AsString(), QStringLiteral("typed"));
    EXPECT_FALSE(fieldLink.IsModified());

    // A change of another field does not refresh this control.
    ds.Edit();
    const int before = shown;
    ds.FieldByName("ID")->SetAsInteger(3);
    EXPECT_EQ(shown, before);
    ds.FieldByName("NAME")->SetAsString(QStringLiteral("set"));
    EXPECT_EQ(shown, before + 1);
    EXPECT_EQ(controlText, QStringLiteral("set"));
    ds.Cancel();
    EXPECT_EQ(controlText, QStringLiteral("typed"));
}

TEST_F(DataSourceTest, FocusControlReachesTheLinkOfTheField) {
    TFieldDataLink fieldLink;
    int focused = 0;
    fieldLink.OnFocusRequest = TNotifyEvent::fromFunction([&](TObject*) { ++focused; });
    fieldLink.SetDataSource(&source);
    fieldLink.SetFieldName(QStringLiteral("ID"));
    ds.FieldDefs().Add("ID", ftInteger, 0, true);
    ds.FieldDefs().Add("NAME", ftString, 20);
    ds.Open();
    ds.FieldByName("NAME")->FocusControl();
    EXPECT_EQ(focused, 0);
    ds.Append();
    EXPECT_THROW(ds.Post(), EDatabaseError);
    EXPECT_EQ(focused, 1);
}

TEST_F(DataSourceTest, DestroyingEitherSideIsSafe) {
    auto other = std::make_unique<MemoryDataSet>();
    other->SetColumns({{"A", ftInteger}});
    other->Open();
    source.SetDataSet(other.get());
    EXPECT_TRUE(link.Active());
    other.reset();
    EXPECT_EQ(source.DataSet(), nullptr);
    EXPECT_FALSE(link.Active());

    auto transient = std::make_unique<TDataSource>();
    link.SetDataSource(transient.get());
    transient.reset();
    EXPECT_EQ(link.DataSource(), nullptr);
}

} // namespace
