#include "components/navigation/TVCLToolbar.h"
#include "components/navigation/TfraDataSetNavigator.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TImageList.h"

#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedPrompter.h"

#include <QApplication>
#include <QStyle>
#include <gtest/gtest.h>

namespace {
class DataSetNavigatorTest : public testing::Test {
protected:
    DataSetNavigatorTest() : form(new TForm(nullptr)), cds(new TClientDataSet(form)) {
        cds->SetName(QStringLiteral("cdsItem"));
        cds->FieldDefs().Add(QStringLiteral("ID"), ftInteger);
        cds->FieldDefs().Add(QStringLiteral("NOME"), ftString, 20);
        cds->CreateDataSet();
        nav = new TfraDataSetNavigator(form, form);
        nav->SetName(QStringLiteral("fsnCadastro"));
    }
    ~DataSetNavigatorTest() override { delete form; }

    void AddRows(int count) {
        for (int i = 1; i <= count; ++i) {
            cds->Append();
            cds->FieldByName(QStringLiteral("ID"))->SetAsInteger(i);
            cds->Post();
        }
        cds->First();
    }
    // The enabled actions, in list order, as a text like "insert edit ...".
    QString Enabled() {
        nav->alNav()->UpdateActions();
        QStringList names;
        for (int i = 0; i < nav->alNav()->ActionCount(); ++i)
            if (nav->alNav()->Actions(i)->Enabled())
                names << nav->alNav()->Actions(i)->Name();
        return names.join(QLatin1Char(' '));
    }
    TDataSetNotifyEvent Recorder(const QString& name) {
        return TDataSetNotifyEvent::fromFunction([this, name](TDataSet*) { calls << name; });
    }

    TForm* form;
    TClientDataSet* cds;
    TfraDataSetNavigator* nav;
    QStringList calls;
};

TEST_F(DataSetNavigatorTest, PrintShowsAPrinterNotAFloppyDisk) {
    const auto argb = [](const QPixmap& picture) {
        return picture.toImage().convertToFormat(QImage::Format_ARGB32);
    };
    const QImage print = argb(nav->imlNav()->GetBitmap(nav->acPrint()->ImageIndex()));
    EXPECT_FALSE(print.isNull());
    EXPECT_NE(print, argb(QApplication::style()->standardIcon(QStyle::SP_DriveFDIcon).pixmap(16, 16)));
}

TEST_F(DataSetNavigatorTest, ActionsFollowTheStateOfTheDataSet) {
    EXPECT_EQ(Enabled(), QStringLiteral("acClose")); // no data set
    nav->SetDataSet(cds);
    EXPECT_EQ(Enabled(), QStringLiteral("acInsert acSearch acPrint acClose")); // empty: no edit, no delete
    AddRows(3);
    EXPECT_EQ(Enabled(), QStringLiteral("acInsert acEdit acDelete acSearch acPrint acNext acLast acClose"));
    cds->Last();
    EXPECT_EQ(Enabled(), QStringLiteral("acInsert acEdit acDelete acSearch acPrint acFirst acPrior acClose"));
    cds->Edit();
    EXPECT_EQ(Enabled(), QStringLiteral("acPost acCancel"));
    cds->Cancel();
    cds->Close();
    EXPECT_EQ(Enabled(), QStringLiteral("acClose"));
}

TEST_F(DataSetNavigatorTest, EnabledFeaturesLimitTheActions) {
    nav->SetDataSet(cds);
    AddRows(2);
    nav->SetEnabledFeatures(NavFeature(nfInsert) | NavFeature(nfNavigator));
    EXPECT_EQ(Enabled(), QStringLiteral("acInsert acNext acLast"));
}

TEST_F(DataSetNavigatorTest, FrameHandlersRunFirstForBeforeAndSavedFirstForAfter) {
    cds->BeforePost = Recorder(QStringLiteral("set before"));
    cds->AfterPost = Recorder(QStringLiteral("set after"));
    nav->BeforePost = Recorder(QStringLiteral("frame before"));
    nav->AfterPost = Recorder(QStringLiteral("frame after"));
    nav->SetDataSet(cds);
    AddRows(1);
    EXPECT_EQ(calls, (QStringList{"frame before", "set before", "set after", "frame after"}));

    nav->SetDataSet(nullptr);
    calls.clear();
    cds->Edit();
    cds->Post();
    EXPECT_EQ(calls, (QStringList{"set before", "set after"}));
}

TEST_F(DataSetNavigatorTest, TwoFramesOnOneDataSetCanGoInEitherOrder) {
    cds->BeforePost = Recorder(QStringLiteral("set"));
    const TDataSetNotifyEvent original = cds->BeforePost;
    for (bool firstGoesFirst : {true, false}) {
        auto* a = new TfraDataSetNavigator(form, form);
        auto* b = new TfraDataSetNavigator(form, form);
        a->BeforePost = Recorder(QStringLiteral("a"));
        b->BeforePost = Recorder(QStringLiteral("b"));
        a->SetDataSet(cds);
        b->SetDataSet(cds);
        calls.clear();
        AddRows(1);
        EXPECT_EQ(calls, (QStringList{"b", "a", "set"}));
        delete (firstGoesFirst ? a : b);
        calls.clear();
        cds->Edit();
        cds->Post();
        EXPECT_EQ(calls, (firstGoesFirst ? QStringList{"b", "set"} : QStringList{"a", "set"}));
        delete (firstGoesFirst ? b : a);
        EXPECT_TRUE(cds->BeforePost == original);
    }
}

TEST_F(DataSetNavigatorTest, AHookThatFindsItsOwnForwarderDoesNotCallItself) {
    nav->BeforePost = Recorder(QStringLiteral("frame"));
    nav->SetDataSet(cds);
    const TDataSetNotifyEvent forwarder = cds->BeforePost;
    nav->SetDataSet(nullptr);
    cds->BeforePost = forwarder; // left behind, as by a hook that was never undone
    nav->SetDataSet(cds);
    AddRows(1);
    EXPECT_EQ(calls, QStringList{"frame"});
}

TEST_F(DataSetNavigatorTest, AFrameOutlivesItsDataSet) {
    auto* own = new TClientDataSet(form);
    own->FieldDefs().Add(QStringLiteral("ID"), ftInteger);
    own->CreateDataSet();
    nav->SetDataSet(own);
    delete own;
    EXPECT_EQ(nav->DataSet(), nullptr);
    EXPECT_EQ(Enabled(), QStringLiteral("acClose"));
}

TEST_F(DataSetNavigatorTest, DeleteAsksFirstAndActionEventsSurroundTheWork) {
    nav->SetDataSet(cds);
    AddRows(2);
    nav->BeforeExecuteAction = TExecuteActionEvent::fromFunction([this](TObject* sender, TAction* action) {
        calls << QStringLiteral("before %1").arg(action->Name());
        EXPECT_EQ(sender, nav);
    });
    nav->AfterExecuteAction = TExecuteActionEvent::fromFunction(
        [this](TObject*, TAction* action) { calls << QStringLiteral("after %1").arg(action->Name()); });
    ScriptedPrompter prompter;
    prompter.Answer(mrNo).Answer(mrYes);
    nav->acDelete()->Execute();
    EXPECT_EQ(cds->RecordCount(), 2);
    EXPECT_EQ(prompter.Last().Text, QStringLiteral("Excluir registro corrente?"));
    EXPECT_EQ(prompter.Last().Buttons, (std::vector<TMsgDlgBtn>{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}));
    nav->acDelete()->Execute();
    EXPECT_EQ(cds->RecordCount(), 1);
    EXPECT_EQ(calls, (QStringList{"before acDelete", "after acDelete", "before acDelete", "after acDelete"}));

    nav->SetConfirmDelete(false);
    nav->acDelete()->Execute();
    EXPECT_EQ(cds->RecordCount(), 0);
    EXPECT_EQ(prompter.Count(), 2);
}

TEST_F(DataSetNavigatorTest, AFailedWorkSkipsTheAfterEvent) {
    nav->SetDataSet(cds);
    AddRows(1);
    nav->BeforePost = TDataSetNotifyEvent::fromFunction([](TDataSet*) { throw EDatabaseError("recusado"); });
    nav->AfterExecuteAction =
        TExecuteActionEvent::fromFunction([this](TObject*, TAction*) { calls << "after"; });
    cds->Edit();
    cds->FieldByName(QStringLiteral("NOME"))->SetAsString(QStringLiteral("x"));
    nav->alNav()->UpdateActions();
    EXPECT_THROW(nav->acPost()->OnExecute(nav->acPost()), EDatabaseError);
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_EQ(cds->State(), dsEdit);
}

TEST_F(DataSetNavigatorTest, CloseTakesOverTheFormsCloseEventAndClosesTheForm) {
    TCloseAction seen = TCloseAction::caNone;
    form->OnClose = TCloseEvent::fromFunction([&](TObject*, TCloseAction& action) { seen = action; });
    const TCloseEvent original = form->OnClose;
    nav->SetCloseAction(TCloseAction::caHide);
    nav->SetHookFormClose(true);
    form->Show();
    nav->acClose()->OnExecute(nav->acClose());
    EXPECT_EQ(seen, TCloseAction::caHide);
    EXPECT_FALSE(form->Visible());
    nav->SetHookFormClose(false);
    EXPECT_TRUE(form->OnClose == original);
}

TEST_F(DataSetNavigatorTest, VisibleFeaturesAndHintsShapeTheStrip) {
    EXPECT_EQ(nav->tbNav()->Height(), 43);
    EXPECT_EQ(nav->tbNav()->Width(), nav->tbNav()->ButtonsWidth());
    EXPECT_EQ(nav->tbNavegacao()->Left(), nav->tbNav()->BoundsRight() + 4);
    EXPECT_EQ(nav->tbNavegacao()->Top(), (43 - 26) / 2);
    EXPECT_FALSE(nav->tbSair()->Visible());

    nav->SetVisibleFeatures(NavFeature(nfNavigator) | NavFeature(nfSair));
    EXPECT_FALSE(nav->tbNav()->Visible());
    EXPECT_EQ(nav->tbNavegacao()->Left(), nav->tbNav()->Left());
    EXPECT_TRUE(nav->tbSair()->Visible());
    EXPECT_EQ(nav->tbSair()->Left(), nav->tbNavegacao()->BoundsRight() + 4);
    EXPECT_FALSE(nav->acHelp()->Visible());

    nav->SetHints({QStringLiteral("um"), QStringLiteral("dois")});
    EXPECT_EQ(nav->acInsert()->Hint(), QStringLiteral("um"));
    EXPECT_EQ(nav->acEdit()->Hint(), QStringLiteral("dois"));
    EXPECT_EQ(nav->acDelete()->Hint(), QString());
    EXPECT_EQ(nav->acClose()->Hint(), QString());
}

TEST_F(DataSetNavigatorTest, SearchPrintAndHelpNeedTheirHandlers) {
    EXPECT_FALSE(nav->acHelp()->Enabled());
    int searched = 0;
    nav->SetOnSearch(TNotifyEvent::fromFunction([&](TObject* sender) { searched += sender == nav; }));
    nav->SetOnHelp(TNotifyEvent::fromFunction([&](TObject*) {}));
    EXPECT_TRUE(nav->acSearch()->Enabled());
    EXPECT_TRUE(nav->acHelp()->Enabled());
    nav->acSearch()->OnExecute(nav->acSearch());
    EXPECT_EQ(searched, 1);
}

TEST_F(DataSetNavigatorTest, StateAndDataChangesComeFromTheFramesDataSource) {
    TObject* sender = nullptr;
    nav->OnStateChange = TNotifyEvent::fromFunction([&](TObject* s) { sender = s; });
    nav->SetDataSet(cds);
    AddRows(1);
    cds->Edit();
    EXPECT_EQ(sender, nav->dsNav());
}
} // namespace
