#include "components/navigation/TfraMidasNavigator.h"
#include "components/search/SQLProperty.h"
#include "components/search/TfraDataSetSearch.h"
#include "platform/db/TDataSetProvider.h"
#include "platform/db/TField.h"
#include "platform/db/TIBQuery.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMaskEdit.h"
#include "platform/ui/TPanel.h"

#include "tests/support/QStringPrinter.h"
#include "tests/support/database/TempDatabase.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

namespace {
class DataSetSearchFrameTest : public testing::Test {
protected:
    DataSetSearchFrameTest() : form(new TForm(nullptr)) {
        Run(QStringLiteral(
            "CREATE TABLE PESSOA (ID INTEGER NOT NULL PRIMARY KEY, NOME VARCHAR(30), NASCIMENTO DATE)"));
        Run(QStringLiteral("INSERT INTO PESSOA VALUES (1, 'ANA D''ÁVILA', '1980-03-05')"));
        Run(QStringLiteral("INSERT INTO PESSOA VALUES (2, 'BRUNO', '1975-05-03')"));
        Run(QStringLiteral("INSERT INTO PESSOA VALUES (3, 'BEATRIZ', '1990-12-31')"));
        Run(QStringLiteral("INSERT INTO PESSOA VALUES (12, 'CARLOS', NULL)"));
        query = new TIBQuery(form);
        query->SetName(QStringLiteral("ibqPessoa"));
        query->SetDatabase(&db.Database());
        query->SetTransaction(&db.Transaction());
        query->SetSQLText(QStringLiteral("SELECT ID, NOME, NASCIMENTO FROM PESSOA WHERE ID < 10 OR ID = 12"));
        query->Open();
        frame = new TfraDataSetSearch(form, form);
        frame->SetName(QStringLiteral("fraDataSetSearch"));
    }
    ~DataSetSearchFrameTest() override { delete form; }

    void Run(const QString& sql) {
        TIBQuery statement;
        statement.SetDatabase(&db.Database());
        statement.SetTransaction(&db.Transaction());
        statement.SetSQLText(sql);
        statement.ExecSQL();
    }
    TColumn* Column(const QString& name) {
        for (int i = 0; i < frame->gdSearch->Columns().Count(); ++i)
            if (frame->gdSearch->Columns().Items(i)->FieldName() == name)
                return frame->gdSearch->Columns().Items(i);
        return nullptr;
    }
    QStringList Names() {
        QStringList names;
        for (query->First(); !query->Eof(); query->Next())
            names << query->FieldByName(QStringLiteral("NOME"))->AsString();
        return names;
    }

    TempDatabase db;
    TForm* form;
    TIBQuery* query;
    TfraDataSetSearch* frame;
};

TEST_F(DataSetSearchFrameTest, ClickingATitleChoosesTheColumnAndSearchesAtOnce) {
    frame->SetDataSet(query);
    ASSERT_EQ(frame->gdSearch->Columns().Count(), 3);
    frame->edSearch->SetText(QStringLiteral("b"));
    frame->gdSearch->OnTitleClick(Column(QStringLiteral("NOME")));
    EXPECT_EQ(frame->SearchField(), QStringLiteral("NOME"));
    EXPECT_EQ(frame->lbField->Caption(), QStringLiteral("NOME"));
    EXPECT_TRUE(Column(QStringLiteral("NOME"))->TitleFont().bold());
    EXPECT_FALSE(Column(QStringLiteral("ID"))->TitleFont().bold());
    EXPECT_EQ(Names(), (QStringList{"BEATRIZ", "BRUNO"}));
}

TEST_F(DataSetSearchFrameTest, AnApostropheSearchesAsTextAndTheOldWhereStays) {
    frame->SetDataSet(query);
    frame->SetSearchField(QStringLiteral("NOME"));
    EXPECT_EQ(frame->Search(QStringLiteral("NOME"), QStringLiteral("ana d'"), false), 1);
    EXPECT_EQ(Names(), QStringList{QStringLiteral("ANA D'ÁVILA")});
    // Every search starts from the original SQL: the OR stays whole.
    EXPECT_EQ(frame->Search(QStringLiteral("ID"), QStringLiteral("2"), false), 3);
    EXPECT_EQ(Names(), (QStringList{"BRUNO", "BEATRIZ", "CARLOS"}));
}

TEST_F(DataSetSearchFrameTest, DatesAreTypedDayFirst) {
    frame->SetDataSet(query);
    EXPECT_EQ(frame->Search(QStringLiteral("NASCIMENTO"), QStringLiteral("05/03/1980"), true), 1);
    EXPECT_EQ(Names(), QStringList{QStringLiteral("ANA D'ÁVILA")});
}

TEST_F(DataSetSearchFrameTest, BeforeSearchMayNarrowTheWhereClauseAndTheValue) {
    frame->SetDataSet(query);
    frame->BeforeSearch = TBeforeSearchEvent::fromFunction(
        [](TObject*, TDataSet*, TField*, QString& value, bool& exact, QStringList& where) {
            where = QStringList{QStringLiteral("WHERE ID <> 3")};
            value = QStringLiteral("B");
            exact = false;
        });
    EXPECT_EQ(frame->Search(QStringLiteral("NOME"), QStringLiteral("x"), true), 1);
    EXPECT_EQ(Names(), QStringList{QStringLiteral("BRUNO")});
}

TEST_F(DataSetSearchFrameTest, RefusalsNameWhatIsWrong) {
    auto message = [](auto call) {
        try {
            call();
        } catch (const Exception& e) {
            return e.Message();
        }
        return QString();
    };
    EXPECT_EQ(message([&] { frame->Search(QStringLiteral("NOME"), QString(), false); }),
              QStringLiteral("DataSet não foi definido"));
    frame->SetDataSet(query);
    frame->SetSearchField(QStringLiteral("ID"));
    frame->SetSearchValueRequired(true);
    EXPECT_EQ(message([&] { frame->Search(QStringLiteral("NOME"), QString(), false); }),
              QStringLiteral("Preencha um valor para pesquisa"));
    EXPECT_EQ(message([&] { frame->Search(QStringLiteral("ID"), QStringLiteral("1'"), false); }),
              QStringLiteral("\"1'\" não é um número inteiro válido"));
    EXPECT_EQ(message([&] { frame->SetSearchValue(QStringLiteral("abc")); }),
              QStringLiteral("\"abc\" não é um número inteiro válido"));
}

TEST_F(DataSetSearchFrameTest, AValueThatDoesNotFitTheNewColumnIsCleared) {
    frame->SetDataSet(query);
    frame->SetSearchField(QStringLiteral("NOME"));
    frame->edSearch->SetText(QStringLiteral("BRU"));
    frame->gdSearch->OnTitleClick(Column(QStringLiteral("ID")));
    EXPECT_EQ(frame->SearchValue(), QString());
    EXPECT_EQ(frame->edSearch->Text(), QString());
    EXPECT_EQ(query->RecordCount(), 4); // searched at once with no value: all rows, by ID
    frame->edSearch->SetText(QStringLiteral("abc"));
    frame->gdSearch->OnTitleClick(Column(QStringLiteral("NASCIMENTO")));
    EXPECT_EQ(frame->edSearch->Text(), QString());
}

TEST_F(DataSetSearchFrameTest, KeysThatCannotBelongToTheValueAreDropped) {
    frame->SetDataSet(query);
    frame->SetSearchField(QStringLiteral("ID"));
    QChar letter(u'a');
    frame->edSearch->OnKeyPress(frame->edSearch, letter);
    EXPECT_TRUE(letter.isNull());
    QChar digit(u'7');
    frame->edSearch->OnKeyPress(frame->edSearch, digit);
    EXPECT_EQ(digit, QChar(u'7'));
    frame->SetSearchField(QStringLiteral("NASCIMENTO"));
    QChar slash(u'/');
    frame->edSearch->OnKeyPress(frame->edSearch, slash);
    EXPECT_EQ(slash, QChar(u'/'));
}

TEST_F(DataSetSearchFrameTest, ClearClosesTheDataSetAndEmptiesTheBox) {
    frame->SetDataSet(query);
    frame->edSearch->SetText(QStringLiteral("B"));
    int cleared = 0;
    frame->OnClear = TNotifyEvent::fromFunction([&](TObject*) { ++cleared; });
    ASSERT_TRUE(frame->acClear->Enabled());
    frame->acClear->Execute();
    EXPECT_EQ(cleared, 1);
    EXPECT_FALSE(query->Active());
    EXPECT_EQ(frame->edSearch->Text(), QString());
    EXPECT_FALSE(frame->acClear->Enabled());
}

// A register window as the program builds them: navigator on top, grid of the
// register, and a search frame; saved as a picture for a look by eye.
TEST_F(DataSetSearchFrameTest, ARegisterLikeWindowDrawsHeadless) {
    auto* provider = new TDataSetProvider(form);
    provider->SetName(QStringLiteral("dspPessoa"));
    auto* source = new TIBQuery(form);
    source->SetName(QStringLiteral("ibqCadastro"));
    source->SetDatabase(&db.Database());
    source->SetTransaction(&db.Transaction());
    source->SetSQLText(QStringLiteral("SELECT ID, NOME, NASCIMENTO FROM PESSOA"));
    provider->SetDataSet(source);
    auto* cds = new TClientDataSet(form);
    cds->SetName(QStringLiteral("cdsPessoa"));
    cds->SetProviderName(QStringLiteral("dspPessoa"));
    cds->Open();

    form->SetCaption(QStringLiteral("Cadastro de Pessoas"));
    form->SetClientWidth(640);
    form->SetClientHeight(480);
    auto* nav = new TfraMidasNavigator(form, form);
    nav->SetName(QStringLiteral("fsnCadastro"));
    nav->SetAlign(TAlign::alTop);
    nav->SetVisibleFeatures(0xFF | NavFeature(nfSair));
    nav->SetDataSet(cds);
    auto* dsCadastro = new TDataSource(form);
    dsCadastro->SetDataSet(cds);
    auto* grid = new TDBGrid(form, form);
    grid->SetName(QStringLiteral("gdCadastro"));
    grid->SetDataSource(dsCadastro);
    grid->SetHeight(150);
    grid->SetAlign(TAlign::alTop);
    frame->SetParent(nullptr);
    frame->SetParent(form);
    frame->SetAlign(TAlign::alClient);
    frame->SetVisibleFeatures(sfSearch | sfNavigation | sfClear);
    frame->SetDataSet(query);
    frame->edSearch->SetText(QStringLiteral("B"));
    frame->gdSearch->OnTitleClick(Column(QStringLiteral("NOME")));
    form->Show();
    nav->alNav()->UpdateActions();

    const QImage picture = form->Widget()->grab().toImage();
    const QString folder = QStringLiteral(ZEB_BUILD_DIR) + QStringLiteral("/screenshots");
    QDir().mkpath(folder);
    ASSERT_TRUE(picture.save(folder + QStringLiteral("/register-window.png")));
    EXPECT_GE(picture.width(), 640);
    EXPECT_EQ(frame->pnCount->Caption(), QStringLiteral("1"));
    EXPECT_EQ(Names(), (QStringList{"BEATRIZ", "BRUNO"}));
    EXPECT_TRUE(nav->acInsert()->Enabled());
}
} // namespace
