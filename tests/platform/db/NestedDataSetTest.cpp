#include "tests/platform/db/ScratchDatabase.h"

#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSetField.h"
#include "platform/db/TDataSetProvider.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TDateField.h"
#include "platform/db/TField.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TSmallintField.h"
#include "platform/db/TStringField.h"

#include <gtest/gtest.h>

#include <QDate>

namespace {

// One query -> provider -> client data set chain with a detail query linked
// to the master query, the way the data modules declare them.
struct Chain {
    Chain(TComponent& module, TIBDatabase& database, TIBTransaction& transaction, const QString& stem,
          const QStringList& masterSql, const QStringList& detailSql, const QString& detailName)
        : master(new TIBQuery(&module)), link(new TDataSource(&module)), detail(new TIBQuery(&module)),
          provider(new TDataSetProvider(&module)), cds(new TClientDataSet(&module)),
          nested(new TClientDataSet(&module)) {
        master->SetName(QStringLiteral("ibq") + stem);
        master->SetDatabase(&database);
        master->SetTransaction(&transaction);
        master->SetSQL(masterSql);
        link->SetName(QStringLiteral("dsLink") + stem);
        link->SetDataSet(master);
        detail->SetName(detailName);
        detail->SetDatabase(&database);
        detail->SetTransaction(&transaction);
        detail->SetSQL(detailSql);
        detail->SetDataSource(link);
        provider->SetName(QStringLiteral("dsp") + stem);
        provider->SetDataSet(master);
        cds->SetName(QStringLiteral("cds") + stem);
        cds->SetProviderName(provider->Name());
        nested->SetName(QStringLiteral("cds") + stem + QStringLiteral("Nested"));
    }

    TIBQuery* master;
    TDataSource* link;
    TIBQuery* detail;
    TDataSetProvider* provider;
    TClientDataSet* cds;
    TClientDataSet* nested;
};

// ---- the master link of a query --------------------------------------------------

class QueryMasterLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        master.SetName(QStringLiteral("ibqCFOPs"));
        master.SetDatabase(&db.Database());
        master.SetTransaction(&db.Transaction());
        master.SetSQL({QStringLiteral("select * from CFOP"),
                       QStringLiteral("where CO_FISCAL_OPERACAO in (1126, 5102)"),
                       QStringLiteral("order by CO_FISCAL_OPERACAO")});
        link.SetDataSet(&master);
        detail.SetName(QStringLiteral("ibqCFOPsHist"));
        detail.SetDatabase(&db.Database());
        detail.SetTransaction(&db.Transaction());
        detail.SetSQL({QStringLiteral("select * from CFOP_HIST"),
                       QStringLiteral("where CO_FISCAL_OPERACAO = :CO_FISCAL_OPERACAO"),
                       QStringLiteral("order by DT_INICIO")});
        detail.SetDataSource(&link);
    }

    ScratchDatabase db;
    TIBQuery master;
    TDataSource link;
    TIBQuery detail;
};

TEST_F(QueryMasterLinkTest, ParamsComeFromTheMastersRecordAndFollowItsScroll) {
    master.Open();
    detail.Open();
    EXPECT_EQ(detail.MasterFieldNames(), QStringList{QStringLiteral("CO_FISCAL_OPERACAO")});
    ASSERT_EQ(detail.RecordCount(), 2) << "1126 has two history rows";
    EXPECT_EQ(detail.FieldByName("CO_FISCAL_OPERACAO")->AsInteger(), 1126);
    const QDateTime first = detail.FieldByName("DT_INICIO")->AsDateTime();
    detail.Last();
    EXPECT_LT(first, detail.FieldByName("DT_INICIO")->AsDateTime());

    master.Next();
    ASSERT_EQ(detail.RecordCount(), 1);
    EXPECT_EQ(detail.FieldByName("CO_FISCAL_OPERACAO")->AsInteger(), 5102);

    master.Close();
    EXPECT_FALSE(detail.Active()) << "a detail closes with its master";
}

TEST_F(QueryMasterLinkTest, ADataSourceOfItsOwnIsRefused) {
    TDataSource own;
    own.SetDataSet(&detail);
    EXPECT_THROW(detail.SetDataSource(&own), EDatabaseError);
}

// ---- reference tables through nested sets ------------------------------------------

class NestedReferenceTest : public ::testing::Test {
protected:
    ScratchDatabase db;
    TComponent module;
};

TEST_F(NestedReferenceTest, CfopHistoryFollowsTheCodeThroughPersistentFields) {
    Chain chain(module, db.Database(), db.Transaction(), QStringLiteral("CFOPs"),
                {QStringLiteral("select * from CFOP"), QStringLiteral("where ST_CFOP = 'A'"),
                 QStringLiteral("order by CO_FISCAL_OPERACAO, TP_NATUREZA_CFOP")},
                {QStringLiteral("select * from CFOP_HIST"),
                 QStringLiteral("where CO_FISCAL_OPERACAO = :CO_FISCAL_OPERACAO"),
                 QStringLiteral("order by DT_INICIO")},
                QStringLiteral("ibqCFOPsHist"));
    auto dataField = [&](TField* field, const QString& name) {
        field->SetFieldName(name);
        field->SetDataSet(chain.cds);
    };
    dataField(new TSmallintField(&module), QStringLiteral("CO_FISCAL_OPERACAO"));
    dataField(new TStringField(&module), QStringLiteral("TP_NATUREZA_CFOP"));
    dataField(new TDateField(&module), QStringLiteral("DT_INICIO"));
    dataField(new TDateField(&module), QStringLiteral("DT_FIM"));
    dataField(new TStringField(&module), QStringLiteral("ST_CFOP"));
    dataField(new TDateField(&module), QStringLiteral("DT_ST_CFOP"));
    auto* history = new TDataSetField(&module);
    dataField(history, QStringLiteral("ibqCFOPsHist"));
    chain.nested->SetDataSetField(history);
    EXPECT_EQ(history->NestedDataSet(), chain.nested);

    chain.cds->Open();
    ASSERT_TRUE(chain.nested->Active()) << "the nested set opens with its master";
    EXPECT_FALSE(chain.master->Active());
    EXPECT_FALSE(chain.detail->Active());
    EXPECT_EQ(history->DataType(), ftDataSet);

    ASSERT_TRUE(chain.cds->Locate(QStringLiteral("CO_FISCAL_OPERACAO"), 1126));
    ASSERT_EQ(chain.nested->RecordCount(), 2);
    EXPECT_EQ(chain.nested->FieldByName("CO_FISCAL_OPERACAO")->AsInteger(), 1126);
    const QDate first = chain.nested->FieldByName("DT_INICIO")->AsDateTime().date();
    chain.nested->Next();
    EXPECT_LT(first, chain.nested->FieldByName("DT_INICIO")->AsDateTime().date());
    EXPECT_FALSE(chain.nested->FieldByName("DS_CFOP")->AsString().isEmpty());

    // Every active code shows exactly its own history rows.
    int walked = 0;
    for (chain.cds->First(); !chain.cds->Eof(); chain.cds->Next(), ++walked) {
        const int code = chain.cds->FieldByName("CO_FISCAL_OPERACAO")->AsInteger();
        const int expected =
            db.Value(QStringLiteral("select count(*) from CFOP_HIST where CO_FISCAL_OPERACAO = %1").arg(code))
                .toInt();
        ASSERT_EQ(chain.nested->RecordCount(), expected) << code;
        for (chain.nested->First(); !chain.nested->Eof(); chain.nested->Next())
            ASSERT_EQ(chain.nested->FieldByName("CO_FISCAL_OPERACAO")->AsInteger(), code);
    }
    EXPECT_EQ(walked, db.Value(QStringLiteral("select count(*) from CFOP where ST_CFOP = 'A'")).toInt());

    chain.cds->Close();
    EXPECT_FALSE(chain.nested->Active()) << "and closes with it";
}

TEST_F(NestedReferenceTest, MunicipalityFreeTradePeriodsThroughADynamicField) {
    Chain chain(module, db.Database(), db.Transaction(), QStringLiteral("Municipios"),
                {QStringLiteral("select M.*, U.CO_UF, U.SG_UF"), QStringLiteral("from MUNICIPIO M , ufs U"),
                 QStringLiteral("WHERE U.CO_UF = M.CO_UF"),
                 QStringLiteral("ORDER BY  U.SG_UF, NO_LOCALIDADE")},
                {QStringLiteral("select * from MUNICIPIO_ALC"),
                 QStringLiteral("WHERE CO_LOCALIDADE = :CO_LOCALIDADE")},
                QStringLiteral("ibqMunicipiosALC"));
    chain.cds->Open();
    auto* field = dynamic_cast<TDataSetField*>(chain.cds->FieldByName("ibqMunicipiosALC"));
    ASSERT_NE(field, nullptr) << "the packet names the nested column after the detail query";
    chain.nested->SetDataSetField(field);
    chain.nested->Open();

    const int municipalities = db.Value(QStringLiteral("select count(*) from MUNICIPIO")).toInt();
    ASSERT_GT(municipalities, 0);
    EXPECT_EQ(chain.cds->RecordCount(), municipalities);
    for (chain.cds->First(); !chain.cds->Eof(); chain.cds->Next()) {
        const int code = chain.cds->FieldByName("CO_LOCALIDADE")->AsInteger();
        ASSERT_EQ(chain.nested->RecordCount(), 1) << code;
        EXPECT_EQ(chain.nested->FieldByName("CO_LOCALIDADE")->AsInteger(), code);
        EXPECT_FALSE(chain.nested->FieldByName("DT_INICIO")->IsNull());
    }

    chain.cds->Close();
    EXPECT_EQ(chain.nested->DataSetField(), nullptr) << "a dynamic field goes with the master's close";
    EXPECT_THROW(chain.nested->Open(), EDatabaseError);
}

// ---- changes to nested rows ---------------------------------------------------------

// Orders with their items; the items refer to their order without cascading,
// so the order of the statements decides whether an apply succeeds.
class NestedApplyTest : public ::testing::Test {
protected:
    void SetUp() override {
        db.Execute(QStringLiteral("CREATE TABLE PEDIDO (PEDIDO_ID INTEGER NOT NULL PRIMARY KEY, "
                                  "NOME VARCHAR(20) NOT NULL)"));
        db.Execute(QStringLiteral(
            "CREATE TABLE PEDIDO_ITEM (PEDIDO_ID INTEGER NOT NULL REFERENCES PEDIDO (PEDIDO_ID), "
            "SEQ SMALLINT NOT NULL, DESCRICAO VARCHAR(20), QTD INTEGER CHECK (QTD > 0), "
            "PRIMARY KEY (PEDIDO_ID, SEQ))"));
        db.Execute(QStringLiteral("INSERT INTO PEDIDO VALUES (1, 'um')"));
        db.Execute(QStringLiteral("INSERT INTO PEDIDO VALUES (2, 'dois')"));
        db.Execute(QStringLiteral("INSERT INTO PEDIDO_ITEM VALUES (1, 1, 'caneta', 3)"));
        db.Execute(QStringLiteral("INSERT INTO PEDIDO_ITEM VALUES (1, 2, 'lápis', 5)"));
        db.Execute(QStringLiteral("INSERT INTO PEDIDO_ITEM VALUES (2, 1, 'borracha', 1)"));
        chain.cds->OnReconcileError = TReconcileErrorEvent::fromFunction(
            [this](TClientDataSet* set, EReconcileError& error, TUpdateKind kind, TReconcileAction& action) {
                TField* seq = set->FindField(QStringLiteral("SEQ"));
                calls.push_back(Call{set, kind, seq ? seq->AsInteger() : -1, error.Message()});
                action = answer;
            });
        chain.cds->Open();
        items = chain.nested;
        items->SetDataSetField(dynamic_cast<TDataSetField*>(chain.cds->FieldByName("ibqItens")));
        items->Open();
    }

    int Db(const QString& sql) { return db.Value(sql).toInt(); }

    void AddItem(int seq, const QString& text, int quantity) {
        items->Append();
        items->FieldByName("SEQ")->SetAsInteger(seq);
        items->FieldByName("DESCRICAO")->SetAsString(text);
        items->FieldByName("QTD")->SetAsInteger(quantity);
        items->Post();
    }

    struct Call {
        TClientDataSet* set;
        TUpdateKind kind;
        int seq;
        QString message;
    };

    ScratchDatabase db;
    TComponent module;
    Chain chain{module,
                db.Database(),
                db.Transaction(),
                QStringLiteral("Pedidos"),
                {QStringLiteral("select * from PEDIDO order by PEDIDO_ID")},
                {QStringLiteral("select * from PEDIDO_ITEM where PEDIDO_ID = :PEDIDO_ID order by SEQ")},
                QStringLiteral("ibqItens")};
    TClientDataSet* items = nullptr;
    std::vector<Call> calls;
    TReconcileAction answer = raSkip;
};

TEST_F(NestedApplyTest, RowsFollowTheMastersScrollAndPositionStartsAtTheFirst) {
    ASSERT_EQ(items->RecordCount(), 2);
    items->Last();
    chain.cds->Next();
    ASSERT_EQ(items->RecordCount(), 1);
    EXPECT_EQ(items->FieldByName("DESCRICAO")->AsString(), QStringLiteral("borracha"));
    chain.cds->Prior();
    EXPECT_EQ(items->RecNo(), 1);
    EXPECT_EQ(items->FieldByName("DESCRICAO")->AsString(), QStringLiteral("caneta"));
}

TEST_F(NestedApplyTest, ANewOrderWithItemsIsWrittenMasterFirstInOneApply) {
    chain.cds->Append();
    chain.cds->FieldByName("PEDIDO_ID")->SetAsInteger(3);
    chain.cds->FieldByName("NOME")->SetAsString(QStringLiteral("três"));
    EXPECT_EQ(items->RecordCount(), 0) << "a master being inserted has no rows yet";
    AddItem(1, QStringLiteral("régua"), 2);
    EXPECT_EQ(chain.cds->State(), dsBrowse) << "inserting a nested row posts its master";
    EXPECT_EQ(items->FieldByName("PEDIDO_ID")->AsInteger(), 3) << "the link field comes from the master";
    AddItem(2, QStringLiteral("cola"), 1);
    EXPECT_EQ(items->ChangeCount(), 2);
    EXPECT_EQ(chain.cds->ChangeCount(), 3) << "the master counts the whole tree";
    EXPECT_THROW(items->ApplyUpdates(-1), EDatabaseError);

    EXPECT_EQ(chain.cds->ApplyUpdates(-1), 0);
    EXPECT_TRUE(calls.empty()) << (calls.empty() ? QString() : calls.front().message).toStdString();
    EXPECT_EQ(chain.cds->ChangeCount(), 0);
    EXPECT_EQ(Db(QStringLiteral("select count(*) from PEDIDO_ITEM where PEDIDO_ID = 3")), 2);
    EXPECT_EQ(Db(QStringLiteral("select QTD from PEDIDO_ITEM where PEDIDO_ID = 3 and SEQ = 1")), 2);

    chain.cds->First();
    EXPECT_EQ(items->RecordCount(), 2) << "the new rows stay with their own master";
    chain.cds->Last();
    EXPECT_EQ(items->RecordCount(), 2);
    EXPECT_EQ(items->FieldByName("DESCRICAO")->AsString(), QStringLiteral("régua"));
}

TEST_F(NestedApplyTest, EditsAndDeletesOfItemsAreAppliedAndCommitted) {
    items->Edit();
    items->FieldByName("QTD")->SetAsInteger(30);
    items->Post();
    items->Last();
    items->Delete();
    chain.cds->Next();
    items->Edit();
    items->FieldByName("DESCRICAO")->SetAsString(QStringLiteral("apagador"));
    chain.cds->Prior(); // posts the pending nested edit before moving
    EXPECT_EQ(items->ChangeCount(), 3);

    EXPECT_EQ(chain.cds->ApplyUpdates(-1), 0);
    EXPECT_EQ(Db(QStringLiteral("select QTD from PEDIDO_ITEM where PEDIDO_ID = 1 and SEQ = 1")), 30);
    EXPECT_EQ(Db(QStringLiteral("select count(*) from PEDIDO_ITEM where PEDIDO_ID = 1")), 1);
    EXPECT_EQ(db.Value(QStringLiteral("select DESCRICAO from PEDIDO_ITEM where PEDIDO_ID = 2")).toString(),
              QStringLiteral("apagador"));
    EXPECT_EQ(Db(QStringLiteral("select count(*) from PEDIDO")), 2) << "the master rows were not touched";
}

TEST_F(NestedApplyTest, DeletingAnOrderDeletesItsItemsFirst) {
    chain.cds->Delete();
    EXPECT_EQ(items->ChangeCount(), 2) << "the nested rows go with their master";
    EXPECT_EQ(items->FieldByName("PEDIDO_ID")->AsInteger(), 2) << "now showing the next order";

    EXPECT_EQ(chain.cds->ApplyUpdates(-1), 0);
    EXPECT_TRUE(calls.empty()) << (calls.empty() ? QString() : calls.front().message).toStdString();
    EXPECT_EQ(Db(QStringLiteral("select count(*) from PEDIDO where PEDIDO_ID = 1")), 0);
    EXPECT_EQ(Db(QStringLiteral("select count(*) from PEDIDO_ITEM where PEDIDO_ID = 1")), 0);
    EXPECT_EQ(Db(QStringLiteral("select count(*) from PEDIDO_ITEM")), 1);
}

TEST_F(NestedApplyTest, CancelUpdatesOfTheMasterBringsADeletedOrderBackWithItsItems) {
    items->Last();
    items->Edit();
    items->FieldByName("QTD")->SetAsInteger(9);
    items->Post();
    chain.cds->Delete();
    chain.cds->CancelUpdates();
    EXPECT_EQ(chain.cds->ChangeCount(), 0);
    EXPECT_EQ(items->ChangeCount(), 0);
    chain.cds->First();
    ASSERT_EQ(chain.cds->FieldByName("PEDIDO_ID")->AsInteger(), 1);
    ASSERT_EQ(items->RecordCount(), 2);
    items->Last();
    EXPECT_EQ(items->FieldByName("QTD")->AsInteger(), 5) << "the edit was undone as well";
}

TEST_F(NestedApplyTest, RevertingAnInsertedOrderDropsItsNewItems) {
    chain.cds->Append();
    chain.cds->FieldByName("PEDIDO_ID")->SetAsInteger(7);
    chain.cds->FieldByName("NOME")->SetAsString(QStringLiteral("sete"));
    AddItem(1, QStringLiteral("x"), 1);
    chain.cds->RevertRecord();
    EXPECT_EQ(chain.cds->ChangeCount(), 0);
    EXPECT_EQ(chain.cds->RecordCount(), 2);
    EXPECT_EQ(chain.cds->ApplyUpdates(-1), 0);
    EXPECT_EQ(Db(QStringLiteral("select count(*) from PEDIDO_ITEM where PEDIDO_ID = 7")), 0);
}

TEST_F(NestedApplyTest, ARefusedItemReachesTheMastersHandlerWithTheNestedSet) {
    chain.cds->Append();
    chain.cds->FieldByName("PEDIDO_ID")->SetAsInteger(4);
    chain.cds->FieldByName("NOME")->SetAsString(QStringLiteral("quatro"));
    AddItem(1, QStringLiteral("boa"), 1);
    AddItem(2, QStringLiteral("ruim"), 0); // breaks the check
    chain.cds->First();

    EXPECT_EQ(chain.cds->ApplyUpdates(-1), 1);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].set, items);
    EXPECT_EQ(calls[0].kind, ukInsert);
    EXPECT_EQ(calls[0].seq, 2) << "the nested set stands on the refused row";
    EXPECT_FALSE(calls[0].message.isEmpty());
    EXPECT_EQ(chain.cds->FieldByName("PEDIDO_ID")->AsInteger(), 4) << "and the master on its order";
    EXPECT_EQ(Db(QStringLiteral("select count(*) from PEDIDO_ITEM where PEDIDO_ID = 4")), 1)
        << "the rest was committed";
    EXPECT_EQ(items->ChangeCount(), 1) << "a skipped row stays pending";

    // Corrected and applied again through the master.
    items->Locate(QStringLiteral("SEQ"), 2);
    items->Edit();
    items->FieldByName("QTD")->SetAsInteger(6);
    items->Post();
    EXPECT_EQ(chain.cds->ApplyUpdates(-1), 0);
    EXPECT_EQ(Db(QStringLiteral("select QTD from PEDIDO_ITEM where PEDIDO_ID = 4 and SEQ = 2")), 6);
}

TEST_F(NestedApplyTest, CancelingARefusedItemUndoesOnlyThatRow) {
    answer = raCancel;
    AddItem(3, QStringLiteral("ruim"), -1);
    items->First();
    items->Edit();
    items->FieldByName("DESCRICAO")->SetAsString(QStringLiteral("caneta azul"));
    items->Post();

    EXPECT_EQ(chain.cds->ApplyUpdates(-1), 1);
    EXPECT_EQ(chain.cds->ChangeCount(), 0);
    EXPECT_EQ(items->RecordCount(), 2);
    EXPECT_FALSE(items->Locate(QStringLiteral("SEQ"), 3));
    EXPECT_EQ(db.Value(QStringLiteral("select DESCRICAO from PEDIDO_ITEM where PEDIDO_ID = 1 and SEQ = 1"))
                  .toString(),
              QStringLiteral("caneta azul"));
}

TEST_F(NestedApplyTest, ARefusedMasterDeleteIsUndoneWhileItsAppliedItemDeletesStay) {
    // Another program adds an item the nested set never saw: the items this
    // set knows of are deleted, the order itself is still referenced.
    db.Execute(QStringLiteral("INSERT INTO PEDIDO_ITEM VALUES (1, 9, 'alheio', 1)"));
    answer = raCancel;
    chain.cds->Delete();

    EXPECT_EQ(chain.cds->ApplyUpdates(-1), 1);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].set, chain.cds);
    EXPECT_EQ(calls[0].kind, ukDelete);
    EXPECT_EQ(Db(QStringLiteral("select count(*) from PEDIDO where PEDIDO_ID = 1")), 1);
    EXPECT_EQ(Db(QStringLiteral("select count(*) from PEDIDO_ITEM where PEDIDO_ID = 1")), 1);
    EXPECT_EQ(chain.cds->ChangeCount(), 0);
    ASSERT_EQ(chain.cds->RecordCount(), 2) << "the refused delete was undone";
    chain.cds->First();
    EXPECT_EQ(items->RecordCount(), 0) << "the item deletes were committed and stay";
}

TEST_F(NestedApplyTest, ClosingTheNestedSetDropsItsPendingChangesOnly) {
    AddItem(5, QStringLiteral("nova"), 1);
    items->Close();
    EXPECT_EQ(chain.cds->ChangeCount(), 0);
    items->Open();
    EXPECT_EQ(items->RecordCount(), 2);
    EXPECT_FALSE(items->Locate(QStringLiteral("SEQ"), 5));
}

TEST_F(NestedApplyTest, RefreshingTheMasterRefetchesTheNestedRows) {
    db.Execute(QStringLiteral("INSERT INTO PEDIDO_ITEM VALUES (1, 3, 'clipe', 4)"));
    AddItem(4, QStringLiteral("pendente"), 1);
    EXPECT_THROW(chain.cds->Refresh(), EDatabaseError) << "pending nested changes block a refresh";
    items->CancelUpdates();

    chain.cds->Refresh();
    chain.cds->First();
    ASSERT_EQ(items->RecordCount(), 3);
    items->Last();
    EXPECT_EQ(items->FieldByName("DESCRICAO")->AsString(), QStringLiteral("clipe"));
    chain.cds->Next();
    EXPECT_EQ(items->RecordCount(), 1);
}

TEST_F(NestedApplyTest, AnItemNeedsACurrentMasterRecord) {
    chain.cds->SetFilter(QStringLiteral("PEDIDO_ID = 99"));
    chain.cds->SetFiltered(true);
    EXPECT_EQ(items->RecordCount(), 0);
    EXPECT_THROW(items->Append(), EDatabaseError);
    EXPECT_EQ(items->State(), dsBrowse);
    EXPECT_EQ(chain.cds->ChangeCount(), 0);
    chain.cds->SetFiltered(false);
    EXPECT_EQ(items->RecordCount(), 2);
}

} // namespace
