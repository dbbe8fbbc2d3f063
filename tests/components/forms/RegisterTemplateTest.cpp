// The register-window templates: the state shown in the status bar, the
// refusal to close with an edit pending or changes not applied, and the
// one-click listing.

#include "components/forms/TfrmModCadastroMidas.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "components/report/TDataSetReport.h"
#include "components/report/TfrmPreview.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/report/TPageText.h"
#include "platform/report/TReportPrinter.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TStatusBar.h"
#include "platform/ui/TStatusPanel.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedPrompter.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPointer>
#include <gtest/gtest.h>

namespace {

class RegisterTemplateTest : public testing::Test {
protected:
    RegisterTemplateTest() {
        form = TfrmModDocumento::Create<TfrmModCadastroMidas>(nullptr, -1);
        data = new TClientDataSet(form);
        data->SetName(QStringLiteral("cdsPessoas"));
        data->FieldDefs().Add(QStringLiteral("NOME"), ftString, 30);
        data->CreateDataSet();
        data->Append();
        data->FieldByName(QStringLiteral("NOME"))->SetAsString(QStringLiteral("Ana"));
        data->Post();
        data->MergeChangeLog();
        form->fsnCadastro->SetApplyUpdates(false);
        form->fsnCadastro->SetDataSet(data);
        form->rptCadastro->SetDataSet(data);
        form->Show();
    }
    ~RegisterTemplateTest() override {
        if (form) {
            if (data->State() == dsEdit || data->State() == dsInsert)
                data->Cancel();
            data->CancelUpdates();
            delete form.data();
        }
    }
    QString State() const { return form->sbCadastro->Panels(0)->Text(); }
    // The window's close box, as the user clicks it.
    void CloseBox() {
        QCloseEvent event;
        QCoreApplication::sendEvent(form->Widget(), &event);
        Application->ProcessMessages();
    }

    ScriptedPrompter prompter;
    int own = 0;
    QPointer<TfrmModCadastroMidas> form;
    TClientDataSet* data;
};

TEST_F(RegisterTemplateTest, TheStatusBarNamesTheDataSetsState) {
    EXPECT_EQ(form->Navigator(), form->fsnCadastro);
    EXPECT_EQ(form->sbCadastro->PanelCount(), 2);
    data->Edit();
    EXPECT_EQ(State(), QStringLiteral("Alterando"));
    data->Cancel();
    EXPECT_EQ(State(), QStringLiteral("Consultando"));
    data->Insert();
    EXPECT_EQ(State(), QStringLiteral("Incluindo"));
    data->Cancel();
    data->Close();
    EXPECT_EQ(State(), QString());
}

TEST_F(RegisterTemplateTest, OneDisplayInTheChainAndTheHandlerBeforeItStillRuns) {
    form->SetNavigator(nullptr);
    form->fsnCadastro->OnStateChange = TNotifyEvent::fromFunction([&](TObject*) { ++own; });
    form->SetNavigator(form->fsnCadastro);
    form->SetNavigator(form->fsnCadastro);
    data->Edit();
    EXPECT_EQ(State(), QStringLiteral("Alterando"));
    EXPECT_EQ(own, 1);
    data->Cancel();
    EXPECT_EQ(own, 2);
    // Letting go puts the handler back alone.
    form->SetNavigator(nullptr);
    data->Edit();
    EXPECT_EQ(own, 3);
    EXPECT_EQ(State(), QStringLiteral("Consultando"));
}

TEST_F(RegisterTemplateTest, APendingEditKeepsTheWindowOpenUntilConfirmedOrCancelled) {
    data->Edit();
    data->FieldByName(QStringLiteral("NOME"))->SetAsString(QStringLiteral("Beatriz"));
    prompter.Answer(mrOk);
    CloseBox();
    ASSERT_TRUE(form);
    EXPECT_EQ(prompter.Last().Text,
              QStringLiteral("Inclusão ou Alteração em andamento. Confirme ou cancele."));
    EXPECT_EQ(data->State(), dsEdit);
    EXPECT_EQ(data->FieldByName(QStringLiteral("NOME"))->AsString(), QStringLiteral("Beatriz"));
    EXPECT_THROW(form->Close(), EDatabaseError);
    form->fsnCadastro->acCancel()->Execute();
    form->Close();
    EXPECT_FALSE(form->Visible());
}

TEST_F(RegisterTemplateTest, ChangesNotAppliedKeepTheWindowOpenToo) {
    form->fsnCadastro->SetApplyUpdates(true);
    data->Edit();
    data->FieldByName(QStringLiteral("NOME"))->SetAsString(QStringLiteral("Carla"));
    data->Post();
    ASSERT_EQ(data->ChangeCount(), 1);
    prompter.Answer(mrOk);
    CloseBox();
    ASSERT_TRUE(form);
    EXPECT_EQ(prompter.Last().Text,
              QStringLiteral("Inclusão ou Alteração em andamento. Confirme ou cancele."));
    // With the frame not applying, nothing counts as pending.
    form->fsnCadastro->SetApplyUpdates(false);
    form->Close();
    EXPECT_FALSE(form->Visible());
}

TEST_F(RegisterTemplateTest, PrintShowsTheListingOfTheDataSet) {
    QString shown;
    prompter.AnswerWith([&](const TPromptRequest& request) {
        auto* preview =
            dynamic_cast<TfrmPreview*>(TControl::ControlOf(qobject_cast<QWidget*>(request.Window)));
        EXPECT_NE(preview, nullptr);
        if (preview)
            shown = TPageText::FromPages(preview->Report()->Pages());
        return TPromptResult{mrOk, {}};
    });
    form->fsnCadastro->alNav()->UpdateActions();
    ASSERT_TRUE(form->fsnCadastro->acPrint()->Enabled());
    form->fsnCadastro->acPrint()->Execute();
    EXPECT_TRUE(shown.contains(QStringLiteral("NOME")));
    EXPECT_TRUE(shown.contains(QStringLiteral("Ana")));
    EXPECT_TRUE(shown.contains(QStringLiteral("rptCadastro")));
}

} // namespace
