// The current printer and its setup dialog, the window of the stand-alone
// preview and the print dialog through the prompter, the preview area as a
// control, and the PDF export filter.

#include "tests/platform/report/ReportTestSupport.h"

#include "platform/report/TPdfExportFilter.h"
#include "platform/report/TPrinter.h"
#include "platform/report/TPrinterSetupDialog.h"
#include "platform/report/TReportPreviewControl.h"
#include "platform/report/TTextExportFilter.h"
#include "tests/support/ScriptedPrompter.h"

#include <QDialog>
#include <QPrintDialog>
#include <QPrinter>

#include <gtest/gtest.h>

using namespace ReportTest;

namespace {

class PrintingAndPreviewControlTest : public ::testing::Test {
protected:
    PrintingAndPreviewControlTest() {
        report = MakeListing(&owner, QStringLiteral("rptImpressao"), QStringLiteral("Relação de Vendas"),
                             MakeNumberedSales(&owner, QStringLiteral("cdsVendas"), 100));
        report->Prepare();
    }
    ~PrintingAndPreviewControlTest() override { Printer().QtPrinter().setOutputFileName(QString()); }

    QTemporaryDir dir;
    TComponent owner;
    TBandReport* report;
    ScriptedPrompter prompter;
};

TEST_F(PrintingAndPreviewControlTest, TheCurrentPrinterPrintsWhereItIsSetUp) {
    const QString file = dir.filePath(QStringLiteral("impressora.pdf"));
    // The setup dialog works on the current printer: the answer chooses the output.
    prompter.AnswerWith([&](const TPromptRequest& request) {
        auto* dialog = qobject_cast<QPrintDialog*>(request.Window);
        EXPECT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->printer(), &Printer().QtPrinter());
        dialog->printer()->setOutputFileName(file);
        return TPromptResult{mrOk, {}};
    });
    TPrinterSetupDialog setup;
    EXPECT_TRUE(setup.Execute());
    EXPECT_EQ(prompter.Last().Kind, TPromptKind::pkWindow);
    EXPECT_EQ(Printer().PrinterIndex(), -1); // a file, not an installed printer
    report->ReportPrinter().Print(Printer().QtPrinter());
    EXPECT_EQ(PdfTextPages(file).size(), 3);

    prompter.Answer(mrCancel);
    EXPECT_FALSE(setup.Execute());
    EXPECT_THROW(Printer().SetPrinterIndex(Printer().Printers().size()), Exception);
}

TEST_F(PrintingAndPreviewControlTest, AnUnwritableOutputIsAnErrorAndThePagesStay) {
    Printer().QtPrinter().setOutputFileName(dir.filePath(QStringLiteral("falta/impressora.pdf")));
    EXPECT_THROW(report->ReportPrinter().Print(Printer().QtPrinter()), Exception);
    EXPECT_EQ(report->ReportPrinter().PageCount(), 3);
}

TEST_F(PrintingAndPreviewControlTest, ThePrintDialogAndTheStandAlonePreviewGoThroughThePrompter) {
    const QString file = dir.filePath(QStringLiteral("dialogo.pdf"));
    prompter.AnswerWith([&](const TPromptRequest& request) {
        auto* dialog = qobject_cast<QPrintDialog*>(request.Window);
        EXPECT_NE(dialog, nullptr);
        dialog->printer()->setOutputFileName(file);
        return TPromptResult{mrOk, {}};
    });
    EXPECT_TRUE(report->ReportPrinter().PrintWithDialog(nullptr));
    EXPECT_EQ(PdfTextPages(file).size(), 3);
    prompter.Answer(mrCancel);
    EXPECT_FALSE(report->ReportPrinter().PrintWithDialog(nullptr));

    int shownPages = 0;
    prompter.AnswerWith([&](const TPromptRequest& request) {
        auto* window = qobject_cast<QDialog*>(request.Window);
        EXPECT_NE(window, nullptr);
        if (auto* preview = window ? window->findChild<TReportPreview*>() : nullptr)
            shownPages = preview->QRPrinter()->PageCount();
        return TPromptResult{mrOk, {}};
    });
    report->Preview();
    EXPECT_EQ(prompter.Last().Caption, QStringLiteral("Relação de Vendas"));
    EXPECT_EQ(shownPages, 3);
}

TEST_F(PrintingAndPreviewControlTest, ThePreviewAreaIsAControlDrivenFromOutside) {
    TReportPreviewControl control(&owner);
    control.SetName(QStringLiteral("QRPreview"));
    EXPECT_EQ(control.Widget()->objectName(), QStringLiteral("QRPreview"));
    EXPECT_EQ(control.PageCount(), 0);
    control.SetQRPrinter(&report->ReportPrinter());
    EXPECT_EQ(control.PageCount(), 3);
    control.SetPageNumber(3);
    EXPECT_EQ(control.PageNumber(), 3);
    control.SetPageNumber(9);
    EXPECT_EQ(control.PageNumber(), 3);
    control.SetZoom(900);
    EXPECT_EQ(control.Zoom(), TReportPreview::kMaxZoom);
    control.ZoomTo100();
    EXPECT_EQ(control.Zoom(), 100);
    control.SetQRPrinter(nullptr);
    EXPECT_EQ(control.PageCount(), 0);
}

TEST_F(PrintingAndPreviewControlTest, ThePdfFilterIsOfferedBesideTheTextFilter) {
    const std::size_t before = TReportExportFilter::RegisteredFilters().size();
    {
        TTextExportFilter text;
        TPdfExportFilter pdf;
        ASSERT_EQ(TReportExportFilter::RegisteredFilters().size(), before + 2);
        EXPECT_TRUE(TReportExportFilter::DialogFilter().endsWith(
            QStringLiteral("|Arquivo texto (*.txt)|*.txt|Documento PDF (*.pdf)|*.pdf")));
        const QString file = dir.filePath(QStringLiteral("filtro.pdf"));
        pdf.ExportPages(report->ReportPrinter(), file);
        const QStringList pages = PdfTextPages(file);
        ASSERT_EQ(pages.size(), 3);
        EXPECT_TRUE(pages[2].contains(QStringLiteral("Página: 3 de 3")));
    }
    EXPECT_EQ(TReportExportFilter::RegisteredFilters().size(), before);
}

} // namespace
