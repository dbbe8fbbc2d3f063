#include "tests/platform/db/ScratchDatabase.h"

#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSetProvider.h"
#include "platform/db/TField.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TIntegerField.h"
#include "platform/db/TStringField.h"

#include <gtest/gtest.h>

namespace {

constexpr int UniqueKeyViolation = 335544665;

// A data module in miniature: query -> provider -> client data set on ITEM.
class ProviderApplyTest : public ::testing::Test {
protected:
    void SetUp() override {
        db.Execute(QStringLiteral("INSERT INTO ITEM (ID, NAME, AMOUNT) VALUES (1, 'um', 10)"));
        db.Execute(QStringLiteral("INSERT INTO ITEM (ID, NAME, AMOUNT) VALUES (2, 'dois', 20)"));
        query->SetName(QStringLiteral("ibqItem"));
        query->SetDatabase(&db.Database());
        query->SetTransaction(&db.Transaction());
        query->SetSQL({QStringLiteral("select * from ITEM"), QStringLiteral("where ID >= :FIRST")});
        provider->SetName(QStringLiteral("dspItem"));
        provider->SetDataSet(query);
        cds->SetName(QStringLiteral("cdsItem"));
        cds->SetProviderName(QStringLiteral("dspItem"));
        cds->SetIndexFieldNames(QStringLiteral("ID"));
        cds->Params().CreateParam(ftInteger, QStringLiteral("FIRST")).SetAsInteger(1);
        cds->OnReconcileError = TReconcileErrorEvent::fromFunction(
            [this](TClientDataSet* set, EReconcileError& error, TUpdateKind kind, TReconcileAction& action) {
                TField* id = set->FindField(QStringLiteral("ID"));
                calls.push_back(Call{error.Message(), error.ErrorCode(), kind, id ? id->AsInteger() : 0});
                if (answer)
                    answer(set, action);
            });
        cds->Open();
    }

    QVariant Db(const QString& sql) { return db.Value(sql); }

    void Append(int id, const QString& name, Currency amount = Currency()) {
        cds->Append();
        cds->FieldByName("ID")->SetAsInteger(id);
        cds->FieldByName("NAME")->SetAsString(name);
        cds->FieldByName("AMOUNT")->SetAsCurrency(amount);
        cds->Post();
    }

    struct Call {
        QString message;
        int code;
        TUpdateKind kind;
        int id;
    };

    ScratchDatabase db;
    TComponent module;
    TIBQuery* query = new TIBQuery(&module);
    TDataSetProvider* provider = new TDataSetProvider(&module);
    TClientDataSet* cds = new TClientDataSet(&module);
    std::vector<Call> calls;
    std::function<void(TClientDataSet*, TReconcileAction&)> answer;
};

TEST_F(ProviderApplyTest, OpensThroughTheProviderWithItsParams) {
    EXPECT_EQ(cds->RecordCount(), 2);
    cds->Close();
    cds->Params().ParamByName(QStringLiteral("FIRST"))->SetAsInteger(2);
    cds->Open();
    ASSERT_EQ(cds->RecordCount(), 1);
    EXPECT_EQ(cds->FieldByName("NAME")->AsString(), QStringLiteral("dois"));
    EXPECT_FALSE(query->Active()) << "the provider closes its query after the fetch";
}

TEST_F(ProviderApplyTest, CommandTextNeedsTheProviderToAllowIt) {
    cds->Close();
    cds->SetCommandText(QStringLiteral("select NAME from ITEM where ID = 2"));
    EXPECT_THROW(cds->Open(), EDatabaseError);
    provider->SetOptions(poAllowCommandText);
    cds->SetIndexFieldNames(QString());
    cds->Open();
    EXPECT_EQ(cds->FieldCount(), 1);
    EXPECT_EQ(cds->FieldByName("NAME")->AsString(), QStringLiteral("dois"));
}

TEST_F(ProviderApplyTest, InsertUpdateDeleteAreWrittenCommittedAndLeaveTheLog) {
    Append(3, QStringLiteral("tres"), Currency::fromUnits(30));
    ASSERT_TRUE(cds->Locate(QStringLiteral("ID"), 1));
    cds->Edit();
    cds->FieldByName("AMOUNT")->SetAsCurrency(Currency::fromUnits(11));
    cds->Post();
    ASSERT_TRUE(cds->Locate(QStringLiteral("ID"), 2));
    cds->Delete();
    EXPECT_EQ(cds->ChangeCount(), 3);

    int before = 0, after = 0;
    cds->BeforeApplyUpdates = TRemoteEvent::fromFunction([&](TObject*, QVariant&) { ++before; });
    cds->AfterApplyUpdates = TRemoteEvent::fromFunction([&](TObject*, QVariant&) { ++after; });
    EXPECT_EQ(cds->ApplyUpdates(0), 0);
    EXPECT_EQ(cds->ChangeCount(), 0);
    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, 1);
    EXPECT_TRUE(calls.empty());
    EXPECT_FALSE(db.Transaction().InTransaction()) << "the apply commits";

    // A second connection sees all of it at once.
    EXPECT_EQ(Db(QStringLiteral("select NAME from ITEM where ID = 3")).toString(), QStringLiteral("tres"));
    EXPECT_EQ(Db(QStringLiteral("select AMOUNT from ITEM where ID = 1")).value<Currency>(),
              Currency::fromUnits(11));
    EXPECT_EQ(Db(QStringLiteral("select count(*) from ITEM where ID = 2")).toInt(), 0);
    ASSERT_TRUE(cds->Locate(QStringLiteral("ID"), 3));
    EXPECT_EQ(cds->UpdateStatus(), usUnmodified);
}

TEST_F(ProviderApplyTest, AnUpdateWritesOnlyTheChangedColumns) {
    // Another program renames row 1 after we fetched it.
    db.Execute(QStringLiteral("UPDATE ITEM SET NAME = 'renomeado' WHERE ID = 1"));
    ASSERT_TRUE(cds->Locate(QStringLiteral("ID"), 1));
    cds->Edit();
    cds->FieldByName("AMOUNT")->SetAsCurrency(Currency::fromUnits(99));
    cds->Post();
    EXPECT_EQ(cds->ApplyUpdates(-1), 0);
    EXPECT_EQ(Db(QStringLiteral("select NAME from ITEM where ID = 1")).toString(),
              QStringLiteral("renomeado"));
    EXPECT_EQ(Db(QStringLiteral("select AMOUNT from ITEM where ID = 1")).value<Currency>(),
              Currency::fromUnits(99));
}

TEST_F(ProviderApplyTest, MoneyIsExactThroughAFullRoundTrip) {
    const Currency amounts[] = {Currency::fromRaw(1), Currency::fromRaw(99999999999999999),
                                Currency::fromRaw(-2900)};
    int id = 10;
    for (Currency amount : amounts) {
        Append(id, QStringLiteral("v%1").arg(id), amount);
        ++id;
    }
    ASSERT_EQ(cds->ApplyUpdates(0), 0);
    cds->Close();
    cds->Open();
    id = 10;
    for (Currency amount : amounts) {
        ASSERT_TRUE(cds->Locate(QStringLiteral("ID"), id++));
        EXPECT_EQ(cds->FieldByName("AMOUNT")->AsCurrency(), amount);
    }
    EXPECT_EQ(Db(QStringLiteral("select AMOUNT from ITEM where ID = 11")).value<Currency>(),
              Currency::fromRaw(99999999999999999));
}

TEST_F(ProviderApplyTest, WithNoChangesNothingRunsAndNothingFires) {
    bool fired = false;
    cds->BeforeApplyUpdates = TRemoteEvent::fromFunction([&](TObject*, QVariant&) { fired = true; });
    provider->AfterApplyUpdates = TRemoteEvent::fromFunction([&](TObject*, QVariant&) { fired = true; });
    EXPECT_EQ(cds->ApplyUpdates(-1), 0);
    EXPECT_FALSE(fired);
}

TEST_F(ProviderApplyTest, ARunWhoseEveryRecordFailedReportsNoApply) {
    bool written = false;
    provider->AfterApplyUpdates = TRemoteEvent::fromFunction([&](TObject*, QVariant&) { written = true; });
    Append(1, QStringLiteral("repetido"));
    EXPECT_EQ(cds->ApplyUpdates(-1), 1);
    EXPECT_FALSE(written) << "nothing reached the database";
    Append(6, QStringLiteral("seis"));
    EXPECT_EQ(cds->ApplyUpdates(-1), 1);
    EXPECT_TRUE(written);
}

TEST_F(ProviderApplyTest, AKeyViolationAnsweredWithSkipStaysInTheLog) {
    Append(1, QStringLiteral("repetido"));
    Append(5, QStringLiteral("cinco"));
    EXPECT_EQ(cds->ApplyUpdates(-1), 1);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].code, UniqueKeyViolation);
    EXPECT_EQ(calls[0].kind, ukInsert);
    EXPECT_EQ(calls[0].id, 1) << "the set stands on the failed record";
    EXPECT_TRUE(calls[0].message.startsWith(QStringLiteral("O banco de dados recusou a operação:\n")));
    EXPECT_TRUE(calls[0].message.contains(QStringLiteral("PRIMARY"), Qt::CaseInsensitive));
    EXPECT_EQ(cds->ChangeCount(), 1);
    EXPECT_EQ(Db(QStringLiteral("select NAME from ITEM where ID = 5")).toString(), QStringLiteral("cinco"));
    EXPECT_EQ(Db(QStringLiteral("select NAME from ITEM where ID = 1")).toString(), QStringLiteral("um"));
}

TEST_F(ProviderApplyTest, CancelRevertsTheFailedChange) {
    answer = [](TClientDataSet*, TReconcileAction& action) { action = raCancel; };
    Append(2, QStringLiteral("repetido"));
    EXPECT_EQ(cds->ApplyUpdates(-1), 1);
    EXPECT_EQ(cds->ChangeCount(), 0);
    EXPECT_EQ(cds->RecordCount(), 2);
}

TEST_F(ProviderApplyTest, AbortStopsAnsweringAndKeepsTheRest) {
    answer = [](TClientDataSet*, TReconcileAction& action) { action = raAbort; };
    Append(1, QStringLiteral("x"));
    Append(2, QStringLiteral("y"));
    EXPECT_EQ(cds->ApplyUpdates(-1), 2);
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(cds->ChangeCount(), 2);
}

TEST_F(ProviderApplyTest, CorrectSendsTheRecordAgainAsTheHandlerLeftIt) {
    answer = [](TClientDataSet* set, TReconcileAction& action) {
        set->Edit();
        set->FieldByName("ID")->SetAsInteger(7);
        set->Post();
        action = raCorrect;
    };
    Append(1, QStringLiteral("sete"));
    EXPECT_EQ(cds->ApplyUpdates(-1), 1);
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(cds->ChangeCount(), 0);
    EXPECT_EQ(Db(QStringLiteral("select NAME from ITEM where ID = 7")).toString(), QStringLiteral("sete"));
}

TEST_F(ProviderApplyTest, CorrectWithoutACorrectionEndsAfterOneMoreTry) {
    answer = [](TClientDataSet*, TReconcileAction& action) { action = raCorrect; };
    Append(1, QStringLiteral("teimoso"));
    EXPECT_EQ(cds->ApplyUpdates(-1), 1);
    EXPECT_EQ(calls.size(), 2u);
    EXPECT_EQ(cds->ChangeCount(), 1);
}

TEST_F(ProviderApplyTest, MergeTurnsAnInsertOnAnExistingKeyIntoAnUpdateOfThatRow) {
    answer = [](TClientDataSet*, TReconcileAction& action) { action = raMerge; };
    Append(1, QStringLiteral("mesclado"), Currency::fromUnits(5));
    EXPECT_EQ(cds->ApplyUpdates(-1), 1);
    EXPECT_EQ(cds->ChangeCount(), 0);
    EXPECT_EQ(Db(QStringLiteral("select NAME from ITEM where ID = 1")).toString(),
              QStringLiteral("mesclado"));
    EXPECT_EQ(Db(QStringLiteral("select AMOUNT from ITEM where ID = 1")).value<Currency>(),
              Currency::fromUnits(5));
}

TEST_F(ProviderApplyTest, RefreshShowsTheRowAsTheDatabaseHoldsIt) {
    answer = [](TClientDataSet*, TReconcileAction& action) { action = raRefresh; };
    db.Execute(QStringLiteral("UPDATE ITEM SET AMOUNT = 77 WHERE ID = 1"));
    ASSERT_TRUE(cds->Locate(QStringLiteral("ID"), 1));
    cds->Edit();
    cds->FieldByName("NAME")->SetAsString(QStringLiteral("dois")); // unique NAME violated
    cds->Post();
    EXPECT_EQ(cds->ApplyUpdates(-1), 1);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, ukModify);
    EXPECT_EQ(cds->ChangeCount(), 0);
    ASSERT_TRUE(cds->Locate(QStringLiteral("ID"), 1));
    EXPECT_EQ(cds->FieldByName("NAME")->AsString(), QStringLiteral("um"));
    EXPECT_EQ(cds->FieldByName("AMOUNT")->AsCurrency(), Currency::fromUnits(77));
}

TEST_F(ProviderApplyTest, CancelUpdatesInsideTheHandlerEndsTheLoopSafely) {
    answer = [](TClientDataSet* set, TReconcileAction& action) {
        set->CancelUpdates();
        action = raCancel;
    };
    Append(1, QStringLiteral("x"));
    Append(6, QStringLiteral("seis"));
    Append(2, QStringLiteral("y"));
    EXPECT_EQ(cds->ApplyUpdates(-1), 2);
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(cds->ChangeCount(), 0);
    EXPECT_EQ(cds->RecordCount(), 3) << "the applied insert stays, the failed ones are undone";
    EXPECT_EQ(Db(QStringLiteral("select NAME from ITEM where ID = 6")).toString(), QStringLiteral("seis"));
}

TEST_F(ProviderApplyTest, MoreFailuresThanAllowedUndoTheWholeApply) {
    Append(6, QStringLiteral("seis"));
    Append(1, QStringLiteral("x"));
    EXPECT_EQ(cds->ApplyUpdates(0), 1);
    EXPECT_EQ(cds->ChangeCount(), 2);
    EXPECT_EQ(Db(QStringLiteral("select count(*) from ITEM where ID = 6")).toInt(), 0);
    EXPECT_FALSE(db.Transaction().InTransaction());
}

TEST_F(ProviderApplyTest, ARowLostMeanwhileFailsTheChange) {
    db.Execute(QStringLiteral("DELETE FROM ITEM WHERE ID = 2"));
    ASSERT_TRUE(cds->Locate(QStringLiteral("ID"), 2));
    cds->Edit();
    cds->FieldByName("NAME")->SetAsString(QStringLiteral("perdido"));
    cds->Post();
    EXPECT_EQ(cds->ApplyUpdates(-1), 1);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].message, QStringLiteral("Registro não encontrado ou alterado por outro usuário."));
}

TEST_F(ProviderApplyTest, AConversionErrorBecomesAReconcileError) {
    // QTY reaches the client as text (a persistent field that says where it
    // is written); text that is no number fails in the engine, for that record only.
    cds->Close();
    provider->SetOptions(poAllowCommandText);
    cds->SetCommandText(
        QStringLiteral("select ID, NAME, cast(QTY as varchar(10)) as QTY from ITEM where ID >= :FIRST"));
    TIntegerField id(&module);
    id.SetFieldName(QStringLiteral("ID"));
    id.SetDataSet(cds);
    TStringField qty(&module);
    qty.SetFieldName(QStringLiteral("QTY"));
    qty.SetSize(10);
    qty.SetOrigin(QStringLiteral("ITEM.QTY"));
    qty.SetDataSet(cds);
    provider->OnGetTableName = TGetTableNameEvent::fromFunction(
        [](TObject*, TDataSet*, QString& table) { table = QStringLiteral("ITEM"); });
    cds->Open();
    ASSERT_TRUE(cds->Locate(QStringLiteral("ID"), 1));
    cds->Edit();
    qty.SetAsString(QStringLiteral("abc"));
    cds->Post();
    ASSERT_TRUE(cds->Locate(QStringLiteral("ID"), 2));
    cds->Edit();
    qty.SetAsString(QStringLiteral("4"));
    cds->Post();
    EXPECT_EQ(cds->ApplyUpdates(-1), 1);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_NE(calls[0].code, 0);
    EXPECT_EQ(calls[0].id, 1);
    EXPECT_TRUE(Db(QStringLiteral("select QTY from ITEM where ID = 1")).isNull());
    EXPECT_EQ(Db(QStringLiteral("select QTY from ITEM where ID = 2")).toInt(), 4);
    cds->Close();
}

TEST_F(ProviderApplyTest, AJoinWritesOnlyTheNamedTable) {
    db.Execute(QStringLiteral("INSERT INTO OWNER_ (ID, ITEM_ID, TITLE) VALUES (10, 1, 'dono')"));
    cds->Close();
    query->SetSQLText(
        QStringLiteral("select I.*, O.ID, O.TITLE from ITEM I join OWNER_ O on O.ITEM_ID = I.ID "
                       "where I.ID >= :FIRST"));
    provider->OnGetTableName =
        TGetTableNameEvent::fromFunction([](TObject*, TDataSet* dataSet, QString& table) {
            if (dataSet->Name() == QStringLiteral("ibqItem"))
                table = QStringLiteral("ITEM");
        });
    cds->Open();
    ASSERT_EQ(cds->RecordCount(), 1);
    EXPECT_EQ(cds->FieldByName("ID1")->AsInteger(), 10);
    cds->Edit();
    cds->FieldByName("NAME")->SetAsString(QStringLiteral("novo"));
    cds->FieldByName("TITLE")->SetAsString(QStringLiteral("ignorado"));
    cds->Post();
    EXPECT_EQ(cds->ApplyUpdates(-1), 0);
    EXPECT_EQ(Db(QStringLiteral("select NAME from ITEM where ID = 1")).toString(), QStringLiteral("novo"));
    EXPECT_EQ(Db(QStringLiteral("select TITLE from OWNER_ where ID = 10")).toString(),
              QStringLiteral("dono"));
}

TEST_F(ProviderApplyTest, WithoutAPrimaryKeyAChangeMatchingSeveralRowsIsUndone) {
    db.Execute(QStringLiteral("INSERT INTO NOKEY (CODE, LABEL) VALUES (1, 'igual')"));
    db.Execute(QStringLiteral("INSERT INTO NOKEY (CODE, LABEL) VALUES (1, 'igual')"));
    db.Execute(QStringLiteral("INSERT INTO NOKEY (CODE, LABEL) VALUES (2, 'unico')"));
    cds->Close();
    cds->SetIndexFieldNames(QStringLiteral("CODE"));
    query->SetSQLText(QStringLiteral("select * from NOKEY"));
    cds->Open();
    cds->First();
    cds->Edit();
    cds->FieldByName("LABEL")->SetAsString(QStringLiteral("mudado"));
    cds->Post();
    cds->Last();
    cds->Edit();
    cds->FieldByName("LABEL")->SetAsString(QStringLiteral("trocado"));
    cds->Post();
    EXPECT_EQ(cds->ApplyUpdates(-1), 1);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].message, QStringLiteral("Registro não encontrado ou alterado por outro usuário."));
    EXPECT_EQ(Db(QStringLiteral("select count(*) from NOKEY where LABEL = 'igual'")).toInt(), 2);
    EXPECT_EQ(Db(QStringLiteral("select LABEL from NOKEY where CODE = 2")).toString(),
              QStringLiteral("trocado"));
}

TEST_F(ProviderApplyTest, RefreshRefetchesAndIsRefusedWithPendingChanges) {
    db.Execute(QStringLiteral("INSERT INTO ITEM (ID, NAME) VALUES (3, 'tres')"));
    int before = 0;
    cds->BeforeGetRecords = TRemoteEvent::fromFunction([&](TObject*, QVariant&) { ++before; });
    cds->Refresh();
    EXPECT_EQ(cds->RecordCount(), 3);
    EXPECT_EQ(before, 1);
    Append(4, QStringLiteral("quatro"));
    try {
        cds->Refresh();
        FAIL() << "refresh with pending changes";
    } catch (const EDatabaseError& error) {
        EXPECT_EQ(error.Message(),
                  QStringLiteral("Grave ou cancele as alterações pendentes antes de atualizar os dados."));
    }
    EXPECT_EQ(cds->ChangeCount(), 1);
}

} // namespace
