// The search component and its dialog over a query of a fresh database: the
// rows handed back, the SQL and open state given back in every case.

#include "components/search/SQLProperty.h"
#include "components/search/TDataSetSearch.h"
#include "components/search/TfrmDataSetSearch.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDateField.h"
#include "platform/db/TField.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TIntegerField.h"
#include "platform/db/TStringField.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMaskEdit.h"
#include "platform/ui/TScreen.h"

#include "tests/support/QStringPrinter.h"
#include "tests/support/database/TempDatabase.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString kSql = QStringLiteral("SELECT ID, NOME, NASCIMENTO FROM PESSOA WHERE ID < 10 OR ID = 12");

class DataSetSearchTest : public testing::Test {
protected:
    DataSetSearchTest() {
        Run(QStringLiteral(
            "CREATE TABLE PESSOA (ID INTEGER NOT NULL PRIMARY KEY, NOME VARCHAR(30), NASCIMENTO DATE)"));
        Run(QStringLiteral("INSERT INTO PESSOA VALUES (1, 'ANA D''ÁVILA', '1980-03-05')"));
        Run(QStringLiteral("INSERT INTO PESSOA VALUES (2, 'BRUNO', '1975-05-03')"));
        Run(QStringLiteral("INSERT INTO PESSOA VALUES (3, 'BEATRIZ', '1990-12-31')"));
        Run(QStringLiteral("INSERT INTO PESSOA VALUES (12, 'CARLOS', NULL)"));
        query = new TIBQuery(&owner);
        query->SetName(QStringLiteral("ibqPesquisa"));
        query->SetDatabase(&db.Database());
        query->SetTransaction(&db.Transaction());
        query->SetSQLText(kSql);
        // Persistent fields, as the windows give their search queries.
        Field(new TIntegerField(&owner), "ID", 0);
        Field(new TStringField(&owner), "NOME", 30);
        Field(new TDateField(&owner), "NASCIMENTO", 0);
        search = new TDataSetSearch(&owner);
        search->SetName(QStringLiteral("dssPessoa"));
        search->SetDataSet(query);
        search->SetSearchField(QStringLiteral("NOME"));
    }
    ~DataSetSearchTest() override { Application->OnModalBegin = nullptr; }

    void Field(TField* field, const char* name, int size) {
        field->SetFieldName(QString::fromLatin1(name));
        if (size > 0)
            field->SetSize(size);
        field->SetDataSet(query);
    }
    void Run(const QString& sql) {
        TIBQuery statement;
        statement.SetDatabase(&db.Database());
        statement.SetTransaction(&db.Transaction());
        statement.SetSQLText(sql);
        statement.ExecSQL();
    }
    // Answers the dialog when it opens: `drive` works in it, then its answer closes it.
    void WhenShown(std::function<TModalResult(TfrmDataSetSearch*)> drive) {
        Application->OnModalBegin = TNotifyEvent::fromFunction([this, drive](TObject* sender) {
            dialog = dynamic_cast<TfrmDataSetSearch*>(sender);
            ASSERT_NE(dialog, nullptr);
            dialog->SetModalResult(drive(dialog));
        });
    }
    QStringList Names(TDataSet* dataSet) {
        QStringList names;
        for (dataSet->First(); !dataSet->Eof(); dataSet->Next())
            names << dataSet->FieldByName(QStringLiteral("NOME"))->AsString();
        return names;
    }
    static void Type(TfrmDataSetSearch* shown, const QString& text) {
        shown->fdsPesquisa->edSearch->SetText(text);
        shown->fdsPesquisa->acSearch->Execute();
    }

    TempDatabase db;
    TComponent owner;
    TIBQuery* query;
    TDataSetSearch* search;
    TfrmDataSetSearch* dialog = nullptr;
};

TEST_F(DataSetSearchTest, OkCopiesTheCurrentRowWhenNothingIsMarked) {
    WhenShown([&](TfrmDataSetSearch* shown) {
        EXPECT_EQ(shown->Caption(), QStringLiteral("Pesquisa"));
        EXPECT_EQ(shown->fdsPesquisa->lbSearch->Caption(), QStringLiteral("Pesquisar por"));
        EXPECT_FALSE(shown->btnOk->Enabled()); // closed data set: nothing to choose
        Type(shown, QStringLiteral("b"));
        EXPECT_TRUE(shown->btnOk->Enabled());
        query->Last();
        return mrOk;
    });
    EXPECT_EQ(search->Execute(), 1);
    EXPECT_EQ(search->SubSet().FieldByName(QStringLiteral("NOME"))->AsString(), QStringLiteral("BRUNO"));
    EXPECT_EQ(search->SubSet().FieldByName(QStringLiteral("ID"))->AsInteger(), 2);
    EXPECT_THROW(search->SubSet().FieldByName(QStringLiteral("NADA")), EDatabaseError);
    // The query was closed before: it is closed again, with its own SQL.
    EXPECT_FALSE(query->Active());
    EXPECT_EQ(GetDataSetSQL(query), kSql);
}

TEST_F(DataSetSearchTest, MarkedRowsAreCopiedInTheDataSetsOrder) {
    search->SetMultiSelect(true);
    WhenShown([&](TfrmDataSetSearch* shown) {
        Type(shown, QString());
        TBookmarkList& rows = shown->fdsPesquisa->gdSearch->SelectedRows();
        query->Last();
        rows.SetCurrentRowSelected(true); // CARLOS
        query->First();
        rows.SetCurrentRowSelected(true); // ANA D'ÁVILA
        return mrOk;
    });
    EXPECT_EQ(search->Execute(), 2);
    EXPECT_EQ(Names(search->SubSet().DataSet()), (QStringList{"ANA D'ÁVILA", "CARLOS"}));
}

TEST_F(DataSetSearchTest, CancelAnswersMinusOneAndKeepsTheLastChoice) {
    WhenShown([&](TfrmDataSetSearch* shown) {
        Type(shown, QStringLiteral("car"));
        return mrOk;
    });
    ASSERT_EQ(search->Execute(), 1);
    WhenShown([&](TfrmDataSetSearch* shown) {
        Type(shown, QStringLiteral("ana"));
        return mrCancel;
    });
    EXPECT_EQ(search->Execute(), -1);
    EXPECT_EQ(search->SubSet().FieldByName(QStringLiteral("NOME"))->AsString(), QStringLiteral("CARLOS"));
}

TEST_F(DataSetSearchTest, AnOpenDataSetIsSearchedAtOnceAndReopenedWithItsSql) {
    query->Open();
    search->SetSearchValue(QStringLiteral("BRU"));
    WhenShown([&](TfrmDataSetSearch* shown) {
        // Searched when the field was set, before the value reached the box.
        EXPECT_EQ(Names(query), (QStringList{"ANA D'ÁVILA", "BEATRIZ", "BRUNO", "CARLOS"}));
        EXPECT_EQ(shown->fdsPesquisa->edSearch->Text(), QStringLiteral("BRU"));
        shown->fdsPesquisa->acSearch->Execute();
        EXPECT_EQ(Names(query), QStringList{QStringLiteral("BRUNO")});
        return mrOk;
    });
    EXPECT_EQ(search->Execute(), 1);
    EXPECT_TRUE(query->Active());
    EXPECT_EQ(GetDataSetSQL(query), kSql);
    EXPECT_EQ(query->RecordCount(), 4);
}

TEST_F(DataSetSearchTest, TheDataSetComesBackAfterAnError) {
    query->Open();
    search->SetSearchValueRequired(true);
    int after = 0;
    search->AfterSearch = TNotifyEvent::fromFunction([&](TObject*) { ++after; });
    try {
        search->Execute();
        ADD_FAILURE() << "an empty value passed";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Preencha um valor para pesquisa"));
    }
    EXPECT_EQ(after, 1);
    // A search that fails inside the dialog: the SQL it rewrote is put back.
    search->SetSearchValueRequired(false);
    EXPECT_THROW(search->DoSearch(
                     QStringLiteral("NOME"), QString(),
                     [&](const QString&, const QString&, const QString&, bool) -> int {
                         SetDataSetSQL(query, QStringLiteral("SELECT NOME FROM PESSOA ORDER BY NOME"));
                         query->Open();
                         throw Exception(QStringLiteral("falhou"));
                     },
                     false),
                 Exception);
    EXPECT_EQ(after, 2);
    EXPECT_TRUE(query->Active());
    EXPECT_EQ(GetDataSetSQL(query), kSql);
    EXPECT_EQ(query->FieldCount(), 3);
}

TEST_F(DataSetSearchTest, TypedTextNeverBecomesSql) {
    WhenShown([&](TfrmDataSetSearch* shown) {
        Type(shown, QStringLiteral("ana d'"));
        EXPECT_EQ(Names(query), QStringList{QStringLiteral("ANA D'ÁVILA")});
        Type(shown, QStringLiteral("' OR 1=1 --"));
        EXPECT_TRUE(query->IsEmpty());
        return mrCancel;
    });
    EXPECT_EQ(search->Execute(), -1);
    EXPECT_EQ(db.Count(QStringLiteral("SELECT COUNT(*) FROM PESSOA")), 4);
}

TEST_F(DataSetSearchTest, ADoubleClickOnARowAnswersOk) {
    WhenShown([&](TfrmDataSetSearch* shown) {
        shown->fdsPesquisa->OnGridDblClick(shown->fdsPesquisa);
        EXPECT_EQ(shown->ModalResult(), mrNone); // nothing listed yet
        Type(shown, QStringLiteral("bea"));
        shown->fdsPesquisa->OnGridDblClick(shown->fdsPesquisa);
        return shown->ModalResult();
    });
    EXPECT_EQ(search->Execute(), 1);
    EXPECT_EQ(search->SubSet().FieldByName(QStringLiteral("NOME"))->AsString(), QStringLiteral("BEATRIZ"));
}

TEST_F(DataSetSearchTest, TheDialogFitsItsColumnsAndCentresItself) {
    WhenShown([&](TfrmDataSetSearch* shown) {
        Type(shown, QString());
        TDBGrid* grid = shown->fdsPesquisa->gdSearch;
        for (int i = 0; i < grid->Columns().Count(); ++i)
            grid->Columns().Items(i)->SetWidth(250);
        // Two frame borders, two edges, three columns with their lines.
        const int expected = 2 * (shown->BorderWidth() + Screen->EdgeWidth() + 4) + 3 * (250 + 3);
        EXPECT_EQ(shown->FittingWidth(), std::min(expected, Screen->Width()));
        grid->Columns().Items(0)->SetWidth(Screen->Width());
        // A column that does not fit ends the count.
        EXPECT_EQ(shown->FittingWidth(), 2 * (shown->BorderWidth() + Screen->EdgeWidth() + 4));
        return mrCancel;
    });
    search->Execute();
    ASSERT_NE(dialog, nullptr);
}

TEST_F(DataSetSearchTest, TheWidthIsFitWhenTheDialogShows) {
    query->Open();
    WhenShown([&](TfrmDataSetSearch* shown) {
        EXPECT_GE(shown->Width(), std::min(shown->FittingWidth(), Screen->Width()));
        const int centreX = shown->Left() + shown->Width() / 2;
        EXPECT_NEAR(centreX, Screen->Width() / 2, 2);
        return mrCancel;
    });
    search->Execute();
}

} // namespace
