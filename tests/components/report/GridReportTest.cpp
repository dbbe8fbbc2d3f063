// The one-click listing: columns edited like a grid's, the grid report laid
// out from them (line breaks for wide titles), the record kept, a column of
// a missing field printed blank.

#include "components/report/TDataSetColumnsComponent.h"
#include "components/report/TDataSetReport.h"
#include "components/report/TLinkedDbGridColumns.h"
#include "components/report/TrptGrid.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/report/TReportBand.h"
#include "platform/report/TReportLabel.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBGrid.h"
#include "tests/components/report/PreviewDriver.h"
#include "tests/support/QStringPrinter.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

class GridReportTest : public testing::Test {
protected:
    GridReportTest() {
        data = new TClientDataSet(&owner);
        data->SetName(QStringLiteral("cdsContribuintes"));
        data->FieldDefs().Add(QStringLiteral("NU_INSCRICAO"), ftInteger);
        data->FieldDefs().Add(QStringLiteral("NO_RAZAO"), ftString, 64);
        data->FieldDefs().Add(QStringLiteral("NO_CORREIO_ELETRONICO"), ftString, 40);
        data->CreateDataSet();
        for (int i = 1; i <= 60; ++i) {
            data->Append();
            data->FieldByName(QStringLiteral("NU_INSCRICAO"))->SetAsInteger(10000000 + i);
            data->FieldByName(QStringLiteral("NO_RAZAO"))->SetAsString(QStringLiteral("Empresa %1").arg(i));
            data->FieldByName(QStringLiteral("NO_CORREIO_ELETRONICO"))
                ->SetAsString(QStringLiteral("empresa%1@correio.kv").arg(i));
            data->Post();
        }
        data->First();
        listing = new TDataSetReport(&owner);
        listing->SetName(QStringLiteral("rptCadastro"));
        listing->SetDataSet(data);
        listing->SetTitle(QStringLiteral("Relatório de Contribuintes"));
    }

    // Prints the listing and hands its open preview to `look`.
    void PrintAndLook(std::function<void(TfrmPreview*)> look) {
        WhenPreviewShown(prompter, std::move(look));
        listing->Print();
    }

    ScriptedPrompter prompter;
    TComponent owner;
    TClientDataSet* data;
    TDataSetReport* listing;
};

TEST_F(GridReportTest, DefaultColumnsComeFromTheFieldsAndAssignedOnesReplaceThem) {
    ASSERT_EQ(listing->Columns().Count(), 3);
    EXPECT_EQ(&listing->Grid()->Columns(), &listing->Columns());
    EXPECT_EQ(listing->Columns().Items(1)->FieldName(), QStringLiteral("NO_RAZAO"));
    TDBGridColumns chosen(listing->Grid());
    chosen.Add()->SetFieldName(QStringLiteral("NO_RAZAO"));
    listing->SetColumns(chosen);
    ASSERT_EQ(listing->Columns().Count(), 1);
    EXPECT_EQ(listing->Columns().Items(0)->Field(), data->FieldByName(QStringLiteral("NO_RAZAO")));
}

TEST_F(GridReportTest, PrintsEveryRowUnderTheTitlesAndKeepsTheRecord) {
    data->MoveBy(4);
    listing->SetOrientation(TPrinterOrientation::poLandscape);
    int pages = 0;
    PrintAndLook([&](TfrmPreview* window) {
        const QStringList texts = PageTexts(*window->Report());
        pages = static_cast<int>(texts.size());
        ASSERT_GE(pages, 2);
        EXPECT_TRUE(texts[0].contains(QStringLiteral("Relatório de Contribuintes")));
        EXPECT_TRUE(texts[0].contains(QStringLiteral("NO_RAZAO")));
        EXPECT_TRUE(texts[0].contains(QStringLiteral("Empresa 1 ")));
        EXPECT_TRUE(texts.last().contains(QStringLiteral("empresa60@correio.kv")));
        // The titles head every page; the footer names the listing.
        EXPECT_TRUE(texts.last().contains(QStringLiteral("NU_INSCRICAO")));
        EXPECT_TRUE(texts.last().contains(QStringLiteral("rptCadastro")));
        const TPreparedPage& first = window->Report()->Page(1);
        EXPECT_GT(first.Width, first.Height);
    });
    EXPECT_GE(pages, 2);
    EXPECT_EQ(data->RecNo(), 5);
    EXPECT_FALSE(data->ControlsDisabled());
}

TEST_F(GridReportTest, AColumnOfAMissingFieldPrintsBlankAndTheRestStands) {
    TDBGridColumns chosen(listing->Grid());
    chosen.Add()->SetFieldName(QStringLiteral("NU_INSCRICAO"));
    chosen.Add()->SetFieldName(QStringLiteral("NO_CORREIO_ELETR"));
    chosen.Add()->SetFieldName(QStringLiteral("NO_RAZAO"));
    listing->SetColumns(chosen);
    PrintAndLook([&](TfrmPreview* window) {
        const QString first = PageTexts(*window->Report()).at(0);
        EXPECT_TRUE(first.contains(QStringLiteral("NO_CORREIO_ELETR")));
        EXPECT_TRUE(first.contains(QStringLiteral("10000001")));
        EXPECT_TRUE(first.contains(QRegularExpression(QStringLiteral("Empresa 1\\b"))));
    });
}

TEST_F(GridReportTest, ATitleWiderThanWhatIsLeftStartsANewLineOfColumns) {
    TrptGrid report(&owner);
    TDBGrid* grid = listing->Grid();
    TDBGridColumns chosen(grid);
    TColumn* inscricao = chosen.Add();
    inscricao->SetFieldName(QStringLiteral("NU_INSCRICAO"));
    inscricao->SetWidth(300);
    TColumn* razao = chosen.Add();
    razao->SetFieldName(QStringLiteral("NO_RAZAO"));
    razao->SetWidth(380);
    // Narrow column, but its title does not fit in what the first two leave.
    TColumn* correio = chosen.Add();
    correio->SetFieldName(QStringLiteral("NO_CORREIO_ELETRONICO"));
    correio->SetTitleCaption(QStringLiteral("Endereço de correio eletrônico do contribuinte"));
    correio->SetWidth(60);
    listing->SetColumns(chosen);
    report.SetDBGrid(grid);
    report.Build();
    const double line = report.Font().TextHeight();
    std::vector<const TPrintable*> titles(report.QRBand1->Controls().begin(),
                                          report.QRBand1->Controls().end());
    ASSERT_EQ(titles.size(), 3u);
    EXPECT_DOUBLE_EQ(titles[0]->Left(), 12);
    EXPECT_DOUBLE_EQ(titles[1]->Left(), 12 + 300 + 15);
    EXPECT_DOUBLE_EQ(titles[2]->Left(), 12);
    EXPECT_DOUBLE_EQ(titles[2]->Top(), 3 + line + 6);
    EXPECT_DOUBLE_EQ(report.QRBand1->Height(), line + 6 + line + 10);
    EXPECT_DOUBLE_EQ(report.qrbDetalhe->Height(), report.QRBand1->Height());
    EXPECT_EQ(report.QRBand1->Color(), QColor(0xCC, 0xCC, 0xCC));
}

TEST_F(GridReportTest, WithoutVisibleColumnsOnlyTheFrameOfThePagePrints) {
    for (int i = 0; i < listing->Columns().Count(); ++i)
        listing->Columns().Items(i)->SetVisible(false);
    PrintAndLook([&](TfrmPreview* window) {
        const QString first = PageTexts(*window->Report()).at(0);
        EXPECT_TRUE(first.contains(QStringLiteral("Relatório de Contribuintes")));
        EXPECT_FALSE(first.contains(QStringLiteral("Empresa")));
    });
}

TEST_F(GridReportTest, NoDataSetPrintsNothingAndRenamingMovesTheInternalName) {
    listing->SetDataSet(nullptr);
    listing->Print(); // no preview asked for
    listing->SetName(QStringLiteral("rptOutro"));
    EXPECT_EQ(listing->InternalName(), QStringLiteral("rptOutro"));
    listing->SetInternalName(QStringLiteral("Listagem"));
    listing->SetName(QStringLiteral("rptTerceiro"));
    EXPECT_EQ(listing->InternalName(), QStringLiteral("Listagem"));
    listing->SetInternalName(QString());
    EXPECT_EQ(listing->InternalName(), QStringLiteral("rptTerceiro"));
}

} // namespace
