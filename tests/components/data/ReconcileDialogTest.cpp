#include "components/data/TReconcileDialog.h"
#include "components/data/TfrmReconcileDialog.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "platform/db/TDataSetProvider.h"
#include "platform/db/TField.h"
#include "platform/db/TIBQuery.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TMemo.h"

#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/database/TempDatabase.h"

#include <gtest/gtest.h>

namespace {
// A register window in miniature: query -> provider -> client data set on a
// table of our own, a client-data-set navigator and a reconcile dialog.
class ReconcileDialogTest : public testing::Test {
protected:
    ReconcileDialogTest() {
        Run(QStringLiteral("CREATE TABLE ITEM (ID INTEGER NOT NULL PRIMARY KEY, NOME VARCHAR(20))"));
        Run(QStringLiteral("INSERT INTO ITEM VALUES (1, 'um')"));
        Run(QStringLiteral("INSERT INTO ITEM VALUES (2, 'dois')"));
        form = new TForm(nullptr);
        auto* query = new TIBQuery(form);
        query->SetName(QStringLiteral("ibqItem"));
        query->SetDatabase(&db.Database());
        query->SetTransaction(&db.Transaction());
        query->SetSQLText(QStringLiteral("select * from ITEM"));
        auto* provider = new TDataSetProvider(form);
        provider->SetName(QStringLiteral("dspItem"));
        provider->SetDataSet(query);
        cds = new TClientDataSet(form);
        cds->SetName(QStringLiteral("cdsItem"));
        cds->SetProviderName(QStringLiteral("dspItem"));
        cds->SetIndexFieldNames(QStringLiteral("ID"));
        cds->Open();
        dialog = new TReconcileDialog(form);
        dialog->SetName(QStringLiteral("rdCadastro"));
        dialog->SetDataSet(cds);
        nav = new TfraMidasNavigator(form, form);
        nav->SetName(QStringLiteral("fsnCadastro"));
        nav->SetDataSet(cds);
        Application->OnModalBegin = TNotifyEvent::fromFunction([this](TObject* sender) {
            auto* window = dynamic_cast<TfrmReconcileDialog*>(sender);
            ASSERT_NE(window, nullptr);
            shown << window->edOperacao->Text() + QStringLiteral(": ") + window->mmMensagem->Text();
            window->SetModalResult(answers.isEmpty() ? mrCancel : answers.takeFirst());
        });
    }
    ~ReconcileDialogTest() override {
        Application->OnModalBegin = nullptr;
        delete form;
    }

    void Run(const QString& sql) {
        TIBQuery query;
        query.SetDatabase(&db.Database());
        query.SetTransaction(&db.Transaction());
        query.SetSQLText(sql);
        query.ExecSQL();
    }
    int Rows(const QString& where) {
        TIBQuery query;
        query.SetDatabase(&db.Database());
        query.SetTransaction(&db.Transaction());
        query.SetSQLText(QStringLiteral("select count(*) from ITEM where ") + where);
        query.Open();
        return query.Fields().Fields(0)->AsInteger();
    }
    void InsertDuplicate() {
        cds->Append();
        cds->FieldByName(QStringLiteral("ID"))->SetAsInteger(1);
        cds->FieldByName(QStringLiteral("NOME"))->SetAsString(QStringLiteral("outro"));
        nav->acPost()->OnExecute(nav->acPost());
    }
    bool Enabled(TAction* action) {
        nav->alNav()->UpdateActions();
        return action->Enabled();
    }

    TempDatabase db;
    TForm* form;
    TClientDataSet* cds;
    TReconcileDialog* dialog;
    TfraMidasNavigator* nav;
    QList<TModalResult> answers;
    QStringList shown;
};

TEST_F(ReconcileDialogTest, ConfirmingWritesTheDatabaseAtOnce) {
    cds->Append();
    cds->FieldByName(QStringLiteral("ID"))->SetAsInteger(3);
    cds->FieldByName(QStringLiteral("NOME"))->SetAsString(QStringLiteral("três"));
    nav->acPost()->OnExecute(nav->acPost());
    EXPECT_EQ(cds->ChangeCount(), 0);
    EXPECT_EQ(Rows(QStringLiteral("ID = 3")), 1);
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(ReconcileDialogTest, CorrectingARefusedInsertKeepsItPendingAndOnlyConfirmOrCancelStay) {
    answers << mrOk;
    InsertDuplicate();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("Inserção: ")));
    EXPECT_EQ(cds->ChangeCount(), 1);
    EXPECT_FALSE(Enabled(nav->acInsert()));
    EXPECT_FALSE(Enabled(nav->acEdit()));
    EXPECT_FALSE(Enabled(nav->acClose()));
    EXPECT_TRUE(Enabled(nav->acPost()));
    EXPECT_TRUE(Enabled(nav->acCancel()));

    nav->acCancel()->OnExecute(nav->acCancel());
    EXPECT_EQ(cds->ChangeCount(), 0);
    EXPECT_TRUE(Enabled(nav->acInsert()));
    EXPECT_EQ(cds->RecordCount(), 2);
}

TEST_F(ReconcileDialogTest, UndoingARefusedChangeCancelsThePendingChanges) {
    answers << mrCancel;
    InsertDuplicate();
    EXPECT_EQ(cds->ChangeCount(), 0);
    EXPECT_EQ(cds->RecordCount(), 2);
    EXPECT_EQ(Rows(QStringLiteral("NOME = 'outro'")), 0);
}

TEST_F(ReconcileDialogTest, CorrectingARefusedDeleteUndoesIt) {
    cds->First();                                         // ID 1
    Run(QStringLiteral("DELETE FROM ITEM WHERE ID = 1")); // gone under the set's feet
    ScriptedPrompter prompter;
    prompter.Answer(mrYes);
    answers << mrOk;
    nav->acDelete()->OnExecute(nav->acDelete());
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("Exclusão: ")));
    EXPECT_EQ(cds->ChangeCount(), 0);
    EXPECT_EQ(cds->RecordCount(), 2); // the row is back
}

TEST_F(ReconcileDialogTest, CustomMessagesAndTheFallBackToTheErrorsText) {
    dialog->OnGetCustomMessage = TGetCustomMessageEvent::fromFunction(
        [](TDataSet*, const EReconcileError&, TUpdateKind kind, QString& message) {
            if (kind == ukInsert)
                message.clear();
        });
    answers << mrCancel;
    InsertDuplicate();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_GT(shown[0].size(), QStringLiteral("Inserção: ").size()); // the error's own message

    shown.clear();
    dialog->OnGetCustomMessage = TGetCustomMessageEvent::fromFunction(
        [](TDataSet*, const EReconcileError&, TUpdateKind, QString& message) {
            message = QStringLiteral("Código já existe");
        });
    answers << mrCancel;
    InsertDuplicate();
    EXPECT_EQ(shown, QStringList{QStringLiteral("Inserção: Código já existe")});
}

TEST_F(ReconcileDialogTest, TheFramesHandlerRunsBeforeTheDialogItTookOver) {
    QStringList order;
    nav->OnReconcileError = TReconcileErrorEvent::fromFunction(
        [&](TClientDataSet*, EReconcileError&, TUpdateKind, TReconcileAction&) { order << "frame"; });
    dialog->OnGetCustomMessage = TGetCustomMessageEvent::fromFunction(
        [&](TDataSet*, const EReconcileError&, TUpdateKind, QString&) { order << "dialog"; });
    answers << mrCancel;
    InsertDuplicate();
    EXPECT_EQ(order, (QStringList{"frame", "dialog"}));

    // Letting go in any order gives the set back its handlers.
    delete nav;
    shown.clear();
    answers << mrCancel;
    cds->Append();
    cds->FieldByName(QStringLiteral("ID"))->SetAsInteger(2);
    cds->Post();
    cds->ApplyUpdates(-1);
    EXPECT_EQ(shown.size(), 1); // the dialog still answers
    delete dialog;
    EXPECT_FALSE(cds->OnReconcileError);
}

TEST_F(ReconcileDialogTest, AFailedApplyAfterADeleteBringsTheRowBackAndRaises) {
    cds->First();
    delete form->FindComponent(QStringLiteral("dspItem")); // the apply cannot find its provider
    nav->SetConfirmDelete(false);
    EXPECT_THROW(nav->acDelete()->OnExecute(nav->acDelete()), EDatabaseError);
    EXPECT_EQ(cds->ChangeCount(), 0);
    EXPECT_EQ(cds->RecordCount(), 2);
}

TEST_F(ReconcileDialogTest, WithoutApplyUpdatesConfirmOnlyPosts) {
    nav->SetApplyUpdates(false);
    cds->First();
    cds->Edit();
    cds->FieldByName(QStringLiteral("NOME"))->SetAsString(QStringLiteral("mudado"));
    nav->acPost()->OnExecute(nav->acPost());
    EXPECT_EQ(cds->ChangeCount(), 1);
    EXPECT_EQ(Rows(QStringLiteral("NOME = 'mudado'")), 0);
    EXPECT_TRUE(Enabled(nav->acInsert())); // nothing counts as pending
    EXPECT_TRUE(Enabled(nav->acClose()));
}

TEST_F(ReconcileDialogTest, ADataSetFreedFirstIsForgotten) {
    delete nav;
    delete cds;
    EXPECT_EQ(dialog->DataSet(), nullptr);
}

TEST_F(ReconcileDialogTest, DecliningTheDeleteStillApplies) {
    int applies = 0;
    nav->BeforeApplyUpdates = TRemoteEvent::fromFunction([&](TObject*, QVariant&) { ++applies; });
    // A change waits in the set (posted while the frame did not apply).
    nav->SetApplyUpdates(false);
    cds->First();
    cds->Edit();
    cds->FieldByName(QStringLiteral("NOME"))->SetAsString(QStringLiteral("mudado"));
    nav->acPost()->OnExecute(nav->acPost());
    nav->SetApplyUpdates(true);
    ASSERT_EQ(cds->ChangeCount(), 1);

    ScriptedPrompter prompter;
    prompter.Answer(mrNo);
    nav->acDelete()->OnExecute(nav->acDelete());
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_EQ(prompter.Last().Text, QStringLiteral("Excluir registro corrente?"));
    // Nothing was deleted, but the apply ran and sent what waited.
    EXPECT_EQ(applies, 1);
    EXPECT_EQ(cds->ChangeCount(), 0);
    EXPECT_EQ(cds->RecordCount(), 2);
    EXPECT_EQ(Rows(QStringLiteral("ID = 1 AND NOME = 'mudado'")), 1);
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(ReconcileDialogTest, SeveralRefusedRecordsAreShownOnceEachInOrder) {
    nav->SetApplyUpdates(false);
    for (const int id : {2, 3, 1}) {
        cds->Append();
        cds->FieldByName(QStringLiteral("ID"))->SetAsInteger(id);
        cds->FieldByName(QStringLiteral("NOME"))->SetAsString(QStringLiteral("novo %1").arg(id));
        nav->acPost()->OnExecute(nav->acPost());
    }
    answers << mrOk << mrOk;
    EXPECT_EQ(cds->ApplyUpdates(-1), 2);
    ASSERT_EQ(shown.size(), 2) << shown.join(QLatin1Char('\n')).toStdString();
    // In the order of the changes: the row with ID 2, then the one with ID 1.
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("Inserção: ")));
    EXPECT_TRUE(shown[0].contains(QStringLiteral("= 2"))) << shown[0].toStdString();
    EXPECT_TRUE(shown[1].startsWith(QStringLiteral("Inserção: ")));
    EXPECT_TRUE(shown[1].contains(QStringLiteral("= 1"))) << shown[1].toStdString();
    EXPECT_EQ(Rows(QStringLiteral("ID = 3")), 1);
    EXPECT_EQ(cds->ChangeCount(), 2); // both corrected later: still pending
}

TEST_F(ReconcileDialogTest, APageAnswersWithAMessageOfItsOwn) {
    // As a page does: a dialog of its own without a data set, called from the
    // navigator's handler with a fixed text.
    auto* page = new TReconcileDialog(form);
    page->SetName(QStringLiteral("rdPagina"));
    dialog->SetDataSet(nullptr);
    nav->OnReconcileError = TReconcileErrorEvent::fromFunction(
        [page](TClientDataSet* set, EReconcileError& error, TUpdateKind kind, TReconcileAction& action) {
            page->ReconcileError(set, error, kind, action,
                                 QStringLiteral("Não podem existir dois ítens com a mesma Nota Fiscal"));
        });
    answers << mrCancel;
    InsertDuplicate();
    EXPECT_EQ(shown,
              QStringList{QStringLiteral("Inserção: Não podem existir dois ítens com a mesma Nota Fiscal")});
    EXPECT_EQ(cds->ChangeCount(), 0); // undone
    answers << mrOk;
    InsertDuplicate();
    EXPECT_EQ(cds->ChangeCount(), 1); // kept for correction
    nav->acCancel()->OnExecute(nav->acCancel());
}

TEST_F(ReconcileDialogTest, AnyFailureInsideTheDialogLeavesTheActionAsItWas) {
    nav->OnReconcileError = TReconcileErrorEvent::fromFunction(
        [](TClientDataSet*, EReconcileError&, TUpdateKind, TReconcileAction& action) { action = raSkip; });
    int failures = 0;
    Application->OnModalBegin = TNotifyEvent::fromFunction([&](TObject*) {
        ++failures;
        throw 42; // not even an exception class
    });
    InsertDuplicate();
    EXPECT_EQ(failures, 1);
    EXPECT_EQ(cds->ChangeCount(), 1);       // the frame's skip stands
    EXPECT_EQ(dialog->ComponentCount(), 0); // and the window went
    nav->acCancel()->OnExecute(nav->acCancel());
}

} // namespace
