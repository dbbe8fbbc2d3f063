// The order of a data set's events for each operation, silent aborts, the
// required check and the error events with their data actions.

#include "tests/platform/db/MemoryDataSet.h"

#include "platform/db/TField.h"

#include <gtest/gtest.h>

namespace {

class DataSetEventsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ds.SetColumns({{"ID", ftInteger}, {"NAME", ftString, 20}});
        ds.AddRow({1, QStringLiteral("one")});
        ds.AddRow({2, QStringLiteral("two")});
        ds.AddRow({3, QStringLiteral("three")});
        record(ds.BeforeOpen, "BeforeOpen");
        record(ds.AfterOpen, "AfterOpen");
        record(ds.BeforeClose, "BeforeClose");
        record(ds.AfterClose, "AfterClose");
        record(ds.BeforeInsert, "BeforeInsert");
        record(ds.AfterInsert, "AfterInsert");
        record(ds.BeforeEdit, "BeforeEdit");
        record(ds.AfterEdit, "AfterEdit");
        record(ds.BeforePost, "BeforePost");
        record(ds.AfterPost, "AfterPost");
        record(ds.BeforeCancel, "BeforeCancel");
        record(ds.AfterCancel, "AfterCancel");
        record(ds.BeforeDelete, "BeforeDelete");
        record(ds.AfterDelete, "AfterDelete");
        record(ds.BeforeScroll, "BeforeScroll");
        record(ds.AfterScroll, "AfterScroll");
        record(ds.BeforeRefresh, "BeforeRefresh");
        record(ds.AfterRefresh, "AfterRefresh");
        ds.OnNewRecord = TDataSetNotifyEvent::fromFunction([this](TDataSet* set) {
            log << QStringLiteral("OnNewRecord(%1,modified=%2)")
                       .arg(stateName(set->State()))
                       .arg(set->Modified() ? 1 : 0);
            set->FieldByName(QStringLiteral("ID"))->SetAsInteger(99);
        });
    }

    void record(TDataSetNotifyEvent& event, const char* name) {
        const QString text = QString::fromLatin1(name);
        event = TDataSetNotifyEvent::fromFunction([this, text](TDataSet* set) {
            log << text + QLatin1Char('(') + stateName(set->State()) + QLatin1Char(')');
        });
    }

    static QString stateName(TDataSetState state) {
        switch (state) {
        case dsInactive:
            return QStringLiteral("inactive");
        case dsBrowse:
            return QStringLiteral("browse");
        case dsEdit:
            return QStringLiteral("edit");
        case dsInsert:
            return QStringLiteral("insert");
        case dsCalcFields:
            return QStringLiteral("calc");
        case dsFilter:
            return QStringLiteral("filter");
        }
        return {};
    }

    QStringList take() {
        QStringList result = log;
        log.clear();
        return result;
    }

    MemoryDataSet ds;
    QStringList log;
};

TEST_F(DataSetEventsTest, EachOperationFiresItsEventsInOrder) {
    ds.Open();
    EXPECT_EQ(take(), QStringList({"BeforeOpen(inactive)", "AfterOpen(browse)", "AfterScroll(browse)"}));

    ds.Next();
    EXPECT_EQ(take(), QStringList({"BeforeScroll(browse)", "AfterScroll(browse)"}));

    ds.Insert();
    EXPECT_EQ(take(),
              QStringList({"BeforeInsert(browse)", "BeforeScroll(browse)", "OnNewRecord(insert,modified=0)",
                           "AfterInsert(insert)", "AfterScroll(insert)"}));
    // OnNewRecord's assignments do not count as a modification.
    EXPECT_FALSE(ds.Modified());
    EXPECT_EQ(ds.FieldByName("ID")->AsInteger(), 99);

    ds.FieldByName("NAME")->SetAsString(QStringLiteral("new"));
    EXPECT_TRUE(ds.Modified());
    ds.Post();
    EXPECT_EQ(take(), QStringList({"BeforePost(insert)", "AfterPost(browse)"}));
    EXPECT_EQ(ds.hookCalls, QStringList({"post:insert"}));

    ds.Edit();
    EXPECT_EQ(take(), QStringList({"BeforeEdit(browse)", "AfterEdit(edit)"}));
    ds.Cancel();
    EXPECT_EQ(take(), QStringList({"BeforeCancel(edit)", "AfterCancel(browse)"}));

    ds.Delete();
    EXPECT_EQ(take(), QStringList({"BeforeDelete(browse)", "BeforeScroll(browse)", "AfterDelete(browse)",
                                   "AfterScroll(browse)"}));

    ds.Refresh();
    EXPECT_EQ(take(), QStringList({"BeforeRefresh(browse)", "AfterRefresh(browse)"}));

    ds.Close();
    EXPECT_EQ(take(), QStringList({"BeforeClose(browse)", "AfterClose(inactive)"}));
}

TEST_F(DataSetEventsTest, ScrollingPostsAPendingEditFirst) {
    ds.Open();
    ds.Edit();
    ds.FieldByName("NAME")->SetAsString(QStringLiteral("changed"));
    take();
    ds.Next();
    EXPECT_EQ(take(), QStringList({"BeforePost(edit)", "AfterPost(browse)", "BeforeScroll(browse)",
                                   "AfterScroll(browse)"}));
    ds.Prior();
    EXPECT_EQ(ds.FieldByName("NAME")->AsString(), QStringLiteral("changed"));
}

TEST_F(DataSetEventsTest, AnUnchangedEditIsCancelledByScrolling) {
    ds.Open();
    ds.Edit();
    take();
    ds.Next();
    EXPECT_EQ(take(), QStringList({"BeforeCancel(edit)", "AfterCancel(browse)", "BeforeScroll(browse)",
                                   "AfterScroll(browse)"}));
    EXPECT_TRUE(ds.hookCalls.contains("cancel"));
    EXPECT_FALSE(ds.hookCalls.contains("post:edit"));
}

TEST_F(DataSetEventsTest, AbortInBeforeInsertCancelsSilently) {
    ds.Open();
    ds.BeforeInsert = TDataSetNotifyEvent::fromFunction([](TDataSet*) { Abort(); });
    take();
    EXPECT_THROW(ds.Insert(), EAbort);
    EXPECT_EQ(ds.State(), dsBrowse);
    EXPECT_EQ(ds.RecordCount(), 3);
    EXPECT_TRUE(take().isEmpty());
}

TEST_F(DataSetEventsTest, AbortInOnNewRecordLeavesTheCursorWhereItWas) {
    ds.Open();
    ds.Next();
    ds.OnNewRecord = TDataSetNotifyEvent::fromFunction([](TDataSet* set) {
        set->FieldByName("ID")->SetAsInteger(7);
        Abort();
    });
    take();
    EXPECT_THROW(ds.Insert(), EAbort);
    EXPECT_EQ(ds.State(), dsBrowse);
    EXPECT_EQ(ds.RecordCount(), 3);
    EXPECT_EQ(ds.RecNo(), 2);
    EXPECT_EQ(ds.FieldByName("ID")->AsInteger(), 2);
    EXPECT_FALSE(take().contains("AfterInsert(insert)"));
}

TEST_F(DataSetEventsTest, AbortInBeforeOpenAndBeforeScrollCancels) {
    ds.BeforeOpen = TDataSetNotifyEvent::fromFunction([](TDataSet*) { Abort(); });
    EXPECT_THROW(ds.Open(), EAbort);
    EXPECT_FALSE(ds.Active());
    ds.BeforeOpen = nullptr;
    ds.Open();
    ds.BeforeScroll = TDataSetNotifyEvent::fromFunction([](TDataSet*) { Abort(); });
    EXPECT_THROW(ds.Next(), EAbort);
    EXPECT_THROW(ds.Locate("ID", 3), EAbort);
    EXPECT_EQ(ds.RecNo(), 1);
}

TEST_F(DataSetEventsTest, AbortInBeforePostKeepsTheEdit) {
    ds.Open();
    ds.Edit();
    ds.FieldByName("NAME")->SetAsString(QStringLiteral("x"));
    ds.BeforePost = TDataSetNotifyEvent::fromFunction([](TDataSet*) { Abort(); });
    EXPECT_THROW(ds.Post(), EAbort);
    EXPECT_EQ(ds.State(), dsEdit);
    EXPECT_EQ(ds.FieldByName("NAME")->AsString(), QStringLiteral("x"));
    EXPECT_TRUE(ds.hookCalls.isEmpty());
}

TEST_F(DataSetEventsTest, AbortInBeforeDeleteAndBeforeEditCancels) {
    ds.Open();
    ds.BeforeDelete = TDataSetNotifyEvent::fromFunction([](TDataSet*) { Abort(); });
    ds.BeforeEdit = TDataSetNotifyEvent::fromFunction([](TDataSet*) { Abort(); });
    EXPECT_THROW(ds.Delete(), EAbort);
    EXPECT_THROW(ds.Edit(), EAbort);
    EXPECT_EQ(ds.RecordCount(), 3);
    EXPECT_EQ(ds.State(), dsBrowse);
}

TEST_F(DataSetEventsTest, RequiredFieldIsCheckedAfterBeforePost) {
    ds.SetColumns({{"ID", ftInteger, 0, true}, {"NAME", ftString, 20}});
    ds.OnNewRecord = nullptr;
    ds.Open();
    ds.FieldByName("ID")->SetDisplayLabel(QStringLiteral("Código"));
    ds.Append();
    ds.FieldByName("NAME")->SetAsString(QStringLiteral("no key"));
    take();
    try {
        ds.Post();
        FAIL() << "post without a required value";
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("O campo \"Código\" deve ser preenchido."));
    }
    EXPECT_EQ(take(), QStringList({"BeforePost(insert)"}));
    EXPECT_EQ(ds.State(), dsInsert);
    EXPECT_TRUE(ds.hookCalls.isEmpty());

    ds.FieldByName("ID")->SetAsInteger(4);
    ds.Post();
    EXPECT_EQ(ds.RecordCount(), 4);
}

TEST_F(DataSetEventsTest, PostErrorActions) {
    ds.Open();
    int calls = 0;
    TDataAction answer = daFail;
    QString seen;
    ds.OnPostError = TDataSetErrorEvent::fromFunction([&](TDataSet*, EDatabaseError& e, TDataAction& action) {
        ++calls;
        seen = e.Message();
        EXPECT_EQ(action, daFail);
        action = answer;
    });

    ds.Edit();
    ds.FieldByName("NAME")->SetAsString(QStringLiteral("a"));
    ds.failNextPost = QStringLiteral("locked");
    EXPECT_THROW(ds.Post(), EDatabaseError);
    EXPECT_EQ(seen, QStringLiteral("locked"));
    EXPECT_EQ(ds.State(), dsEdit);
    // The failed write was undone in the stored record.
    EXPECT_EQ(ds.CurrentRecord()->values[1].toString(), QStringLiteral("one"));
    EXPECT_EQ(ds.CurrentRecord()->updateStatus, usUnmodified);

    answer = daAbort;
    ds.failNextPost = QStringLiteral("locked");
    EXPECT_THROW(ds.Post(), EAbort);
    EXPECT_EQ(ds.State(), dsEdit);

    answer = daRetry;
    ds.failNextPost = QStringLiteral("locked");
    calls = 0;
    ds.Post();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(ds.State(), dsBrowse);
    EXPECT_EQ(ds.FieldByName("NAME")->AsString(), QStringLiteral("a"));
}

TEST_F(DataSetEventsTest, FailedInsertIsNotKeptAndDeleteErrorKeepsTheRecord) {
    ds.Open();
    ds.Append();
    ds.failNextPost = QStringLiteral("key violation");
    EXPECT_THROW(ds.Post(), EDatabaseError);
    EXPECT_EQ(ds.State(), dsInsert);
    EXPECT_EQ(ds.Records().size(), 3u);
    ds.Cancel();
    EXPECT_EQ(ds.RecordCount(), 3);

    TDataAction answer = daAbort;
    ds.OnDeleteError = TDataSetErrorEvent::fromFunction(
        [&](TDataSet*, EDatabaseError&, TDataAction& action) { action = answer; });
    ds.failNextDelete = QStringLiteral("referenced");
    EXPECT_THROW(ds.Delete(), EAbort);
    EXPECT_EQ(ds.RecordCount(), 3);
}

TEST_F(DataSetEventsTest, EditErrorRetriesOrFails) {
    ds.Open();
    QStringList answers{"retry", "fail"};
    ds.OnEditError = TDataSetErrorEvent::fromFunction([&](TDataSet*, EDatabaseError& e, TDataAction& action) {
        log << "OnEditError:" + e.Message();
        action = answers.takeFirst() == "retry" ? daRetry : daFail;
    });
    take();
    ds.failNextEdit = QStringLiteral("busy");
    ds.Edit();
    EXPECT_EQ(ds.State(), dsEdit);
    EXPECT_EQ(take(), QStringList({"BeforeEdit(browse)", "OnEditError:busy", "AfterEdit(edit)"}));
    ds.Cancel();
    take();
    ds.failNextEdit = QStringLiteral("locked");
    EXPECT_THROW(ds.Edit(), EDatabaseError);
    EXPECT_EQ(ds.State(), dsBrowse);
    EXPECT_EQ(take(), QStringList({"BeforeEdit(browse)", "OnEditError:locked"}));
}

TEST_F(DataSetEventsTest, EditOfAnEmptySetInserts) {
    ds.ClearRows();
    ds.Open();
    take();
    ds.Edit();
    EXPECT_EQ(ds.State(), dsInsert);
    EXPECT_TRUE(take().contains("BeforeInsert(browse)"));
}

TEST_F(DataSetEventsTest, ReadOnlySetRefusesChanges) {
    ds.readOnly = true;
    ds.Open();
    EXPECT_THROW(ds.Edit(), EDatabaseError);
    EXPECT_THROW(ds.Insert(), EDatabaseError);
    EXPECT_THROW(ds.Delete(), EDatabaseError);
    EXPECT_EQ(ds.State(), dsBrowse);
}

TEST_F(DataSetEventsTest, UpdateStatusAndOriginalValuesFollowPosts) {
    ds.Open();
    ds.Edit();
    ds.FieldByName("NAME")->SetAsString(QStringLiteral("first"));
    EXPECT_EQ(ds.FieldByName("NAME")->OldValue().toString(), QStringLiteral("one"));
    ds.Post();
    ds.Edit();
    ds.FieldByName("NAME")->SetAsString(QStringLiteral("second"));
    ds.Post();
    EXPECT_EQ(ds.UpdateStatus(), usModified);
    // The original value is the loaded one, not the one of the first post.
    EXPECT_EQ(ds.FieldByName("NAME")->OldValue().toString(), QStringLiteral("one"));
    EXPECT_EQ(ds.FieldByName("NAME")->AsString(), QStringLiteral("second"));

    ds.Append();
    EXPECT_TRUE(ds.FieldByName("NAME")->OldValue().isNull());
    ds.Post();
    EXPECT_EQ(ds.UpdateStatus(), usInserted);
}

TEST_F(DataSetEventsTest, CloseDiscardsAPendingEdit) {
    ds.Open();
    ds.Edit();
    ds.FieldByName("NAME")->SetAsString(QStringLiteral("lost"));
    ds.Close();
    EXPECT_FALSE(ds.hookCalls.contains("post:edit"));
    ds.Open();
    EXPECT_EQ(ds.FieldByName("NAME")->AsString(), QStringLiteral("one"));
}

} // namespace
