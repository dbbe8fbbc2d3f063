// The client-data-set navigator on a nested detail set: orders with their
// items in one query -> provider -> client data set chain over a table pair
// of our own, the items as the nested set the frame drives.

#include "components/navigation/THookList.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "platform/db/TDataSetField.h"
#include "platform/db/TDataSetProvider.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/db/TIBQuery.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TForm.h"

#include "tests/support/QStringPrinter.h"
#include "tests/support/database/TempDatabase.h"

#include <QPointer>
#include <gtest/gtest.h>

namespace {

class MidasNavigatorTest : public testing::Test {
protected:
    MidasNavigatorTest() {
        db.Execute(QStringLiteral("CREATE TABLE PEDIDO (PEDIDO_ID INTEGER NOT NULL PRIMARY KEY, "
                                  "NOME VARCHAR(20) NOT NULL)"));
        db.Execute(QStringLiteral(
            "CREATE TABLE PEDIDO_ITEM (PEDIDO_ID INTEGER NOT NULL REFERENCES PEDIDO (PEDIDO_ID), "
            "SEQ SMALLINT NOT NULL, DESCRICAO VARCHAR(20), QTD INTEGER CHECK (QTD > 0), "
            "PRIMARY KEY (PEDIDO_ID, SEQ))"));
        db.Execute(QStringLiteral("INSERT INTO PEDIDO VALUES (1, 'um')"));
        db.Execute(QStringLiteral("INSERT INTO PEDIDO_ITEM VALUES (1, 1, 'caneta', 3)"));

        form = new TForm(nullptr);
        auto* master = Query(QStringLiteral("ibqPedidos"), QStringLiteral("select * from PEDIDO"));
        auto* link = new TDataSource(form);
        link->SetDataSet(master);
        auto* detail = Query(QStringLiteral("ibqItens"),
                             QStringLiteral("select * from PEDIDO_ITEM where PEDIDO_ID = :PEDIDO_ID"));
        detail->SetDataSource(link);
        auto* provider = new TDataSetProvider(form);
        provider->SetName(QStringLiteral("dspPedidos"));
        provider->SetDataSet(master);
        cds = new TClientDataSet(form);
        cds->SetName(QStringLiteral("cdsPedidos"));
        cds->SetProviderName(QStringLiteral("dspPedidos"));
        cds->Open();
        items = new TClientDataSet(form);
        items->SetName(QStringLiteral("cdsItens"));
        items->SetDataSetField(dynamic_cast<TDataSetField*>(cds->FieldByName(QStringLiteral("ibqItens"))));
        items->Open();
        nav = new TfraMidasNavigator(form, form);
        nav->SetName(QStringLiteral("fraMidasNavigator1"));
    }
    ~MidasNavigatorTest() override { delete form; }

    TIBQuery* Query(const QString& name, const QString& sql) {
        auto* query = new TIBQuery(form);
        query->SetName(name);
        query->SetDatabase(&db.Database());
        query->SetTransaction(&db.Transaction());
        query->SetSQLText(sql);
        return query;
    }
    void AddItem(int seq, int quantity) {
        items->Append();
        items->FieldByName(QStringLiteral("SEQ"))->SetAsInteger(seq);
        items->FieldByName(QStringLiteral("DESCRICAO"))->SetAsString(QStringLiteral("item"));
        items->FieldByName(QStringLiteral("QTD"))->SetAsInteger(quantity);
        nav->acPost()->OnExecute(nav->acPost());
    }
    bool Enabled(TAction* action) {
        nav->alNav()->UpdateActions();
        return action->Enabled();
    }
    TReconcileErrorEvent Recorder(const QString& name, TReconcileAction answer) {
        return TReconcileErrorEvent::fromFunction(
            [this, name, answer](TClientDataSet*, EReconcileError&, TUpdateKind, TReconcileAction& action) {
                calls << name;
                action = answer;
            });
    }

    TempDatabase db;
    TForm* form;
    TClientDataSet* cds;
    TClientDataSet* items;
    TfraMidasNavigator* nav;
    QStringList calls;
};

TEST_F(MidasNavigatorTest, ConfirmAppliesTheWholeTreeFromTheTopMaster) {
    nav->SetDataSet(items);
    AddItem(2, 4);
    EXPECT_EQ(cds->ChangeCount(), 0);
    EXPECT_EQ(items->ChangeCount(), 0);
    EXPECT_EQ(db.Count(QStringLiteral("select count(*) from PEDIDO_ITEM where PEDIDO_ID = 1")), 2);

    // An item the database refuses, answered with skip on the master: the
    // detail's own change count keeps its record actions shut.
    cds->OnReconcileError = Recorder(QStringLiteral("master"), raSkip);
    AddItem(3, 0);
    EXPECT_EQ(calls, QStringList{QStringLiteral("master")});
    EXPECT_EQ(items->ChangeCount(), 1);
    EXPECT_FALSE(Enabled(nav->acInsert()));
    EXPECT_FALSE(Enabled(nav->acDelete()));
    EXPECT_FALSE(Enabled(nav->acClose()));
    EXPECT_TRUE(Enabled(nav->acPost()));
    EXPECT_TRUE(Enabled(nav->acCancel()));
    nav->acCancel()->OnExecute(nav->acCancel());
    EXPECT_EQ(cds->ChangeCount(), 0);
    EXPECT_TRUE(Enabled(nav->acInsert()));
    EXPECT_EQ(db.Count(QStringLiteral("select count(*) from PEDIDO_ITEM where SEQ = 3")), 0);
}

TEST_F(MidasNavigatorTest, TheFramesApplyEventsSitOnTheMasterAndItsHandlersRunAfter) {
    cds->OnReconcileError = Recorder(QStringLiteral("master"), raSkip);
    nav->OnReconcileError = Recorder(QStringLiteral("frame"), raCancel);
    nav->SetDataSet(items);
    EXPECT_FALSE(items->OnReconcileError);
    AddItem(3, 0);
    EXPECT_EQ(calls, (QStringList{QStringLiteral("frame"), QStringLiteral("master")}));
    EXPECT_EQ(items->ChangeCount(), 1); // the master's handler answered last
    nav->SetDataSet(nullptr);
    calls.clear();
    cds->ApplyUpdates(-1);
    EXPECT_EQ(calls, QStringList{QStringLiteral("master")});
}

TEST_F(MidasNavigatorTest, ADetailFreedFirstGivesTheLivingMasterItsHandlersBack) {
    cds->OnReconcileError = Recorder(QStringLiteral("master"), raCancel);
    const TReconcileErrorEvent own = cds->OnReconcileError;
    nav->OnReconcileError = Recorder(QStringLiteral("frame"), raCancel);
    nav->SetDataSet(items);
    ASSERT_FALSE(cds->OnReconcileError == own);

    delete items;
    EXPECT_EQ(nav->DataSet(), nullptr);
    EXPECT_TRUE(cds->OnReconcileError == own);
    EXPECT_TRUE(THookList::Instance().Hooks(cds, QStringLiteral("OnReconcileError")).empty());

    // The frame can go; the master answers its errors alone.
    delete nav;
    cds->Append();
    cds->FieldByName(QStringLiteral("PEDIDO_ID"))->SetAsInteger(1);
    cds->FieldByName(QStringLiteral("NOME"))->SetAsString(QStringLiteral("repetido"));
    cds->Post();
    EXPECT_EQ(cds->ApplyUpdates(-1), 1);
    EXPECT_EQ(calls, QStringList{QStringLiteral("master")});
}

TEST_F(MidasNavigatorTest, AMasterFreedFirstIsNeverWrittenInto) {
    nav->SetDataSet(items);
    const TClientDataSet* master = cds;
    ASSERT_FALSE(THookList::Instance().Hooks(master, QStringLiteral("OnReconcileError")).empty());
    delete cds;
    // Let go at once: nothing is left to write into the dead set later.
    for (const char* event : {"OnReconcileError", "BeforeApplyUpdates", "AfterApplyUpdates"})
        EXPECT_TRUE(THookList::Instance().Hooks(master, QString::fromLatin1(event)).empty()) << event;
    EXPECT_EQ(nav->DataSet(), items);
    EXPECT_FALSE(Enabled(nav->acPost()));
    delete items;
    EXPECT_EQ(nav->DataSet(), nullptr);
    delete nav; // unhooks nothing that is gone
    EXPECT_TRUE(THookList::Instance().Hooks(items, QStringLiteral("BeforeRefresh")).empty());
}

} // namespace
