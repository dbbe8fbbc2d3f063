// The columns of a data grid: installed collections and copies of them.

#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TForm.h"

#include <QTableView>
#include <gtest/gtest.h>

namespace {

class TDBGridColumnsTest : public testing::Test {
protected:
    void SetUp() override {
        data = new TClientDataSet(&form);
        data->FieldDefs().Add(QStringLiteral("NU_INSCRICAO"), ftInteger);
        data->FieldDefs().Add(QStringLiteral("NO_RAZAO"), ftString, 40);
        data->CreateDataSet();
        data->Append();
        data->FieldByName(QStringLiteral("NU_INSCRICAO"))->SetAsInteger(12345674);
        data->FieldByName(QStringLiteral("NO_RAZAO"))->SetAsString(QStringLiteral("Padaria"));
        data->Post();
        auto* source = new TDataSource(&form);
        source->SetDataSet(data);
        grid = new TDBGrid(&form, &form);
        grid->SetDataSource(source);
    }
    TForm form{nullptr};
    TClientDataSet* data = nullptr;
    TDBGrid* grid = nullptr;
};

TEST_F(TDBGridColumnsTest, AnInstalledCollectionTakesThePlaceOfTheGridsOwnUntilItGoes) {
    ASSERT_EQ(grid->Columns().Count(), 2);
    {
        TDBGridColumns columns(grid);
        TColumn* razao = columns.Add();
        razao->SetFieldName(QStringLiteral("NO_RAZAO"));
        razao->SetTitleCaption(QStringLiteral("Razão"));
        grid->InstallColumns(&columns);
        EXPECT_EQ(&grid->Columns(), &columns);
        ASSERT_EQ(grid->VisibleColumnCount(), 1);
        EXPECT_EQ(grid->VisibleColumn(0)->Field(), data->FieldByName(QStringLiteral("NO_RAZAO")));
        EXPECT_EQ(grid->View()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Razão"));
    }
    // Default columns from the fields again.
    EXPECT_EQ(grid->Columns().Count(), 2);
    EXPECT_EQ(grid->VisibleColumnCount(), 2);
}

TEST_F(TDBGridColumnsTest, AssignCopiesEveryColumnAndAGoneGridLeavesTheColumnsBlank) {
    auto* other = new TDBGrid(&form, &form);
    TDBGridColumns columns(other);
    other->InstallColumns(&columns);
    TColumn* inscricao = columns.Add();
    inscricao->SetFieldName(QStringLiteral("NU_INSCRICAO"));
    inscricao->SetWidth(77);
    inscricao->SetAlignment(taCenter);
    inscricao->SetVisible(false);
    columns.Add()->SetFieldName(QStringLiteral("NO_RAZAO"));
    grid->Columns().Assign(columns);
    ASSERT_EQ(grid->Columns().Count(), 2);
    EXPECT_EQ(grid->Columns().State(), TDBGridColumnsState::csCustomized);
    EXPECT_EQ(grid->Columns().Items(0)->Width(), 77);
    EXPECT_EQ(grid->Columns().Items(0)->Alignment(), taCenter);
    EXPECT_FALSE(grid->Columns().Items(0)->Visible());
    EXPECT_EQ(grid->VisibleColumnCount(), 1);
    // The copy follows its own grid's data set; the original had none.
    EXPECT_EQ(grid->Columns().Items(1)->Field(), data->FieldByName(QStringLiteral("NO_RAZAO")));
    EXPECT_EQ(columns.Items(1)->Field(), nullptr);
    delete other;
    EXPECT_EQ(columns.Items(0)->Field(), nullptr);
    EXPECT_EQ(columns.Items(0)->Width(), 77);
}

} // namespace
