// The preview area: paging and zoom within their bounds, zoom to fit.

#include "tests/platform/report/ReportTestSupport.h"

#include "platform/report/TReportPreview.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace ReportTest;

namespace {

class TReportPreviewTest : public ::testing::Test {
protected:
    TReportPreviewTest() {
        report = MakeListing(&form, QStringLiteral("rptPreview"), QStringLiteral("Visualização"),
                             MakeNumberedSales(&form, QStringLiteral("cdsVendas"), 100));
        report->Prepare();
        preview.resize(800, 600);
        preview.show(); // lays the viewport out (offscreen)
        preview.SetQRPrinter(&report->ReportPrinter());
    }

    TComponent form;
    TBandReport* report;
    TReportPreview preview;
};

TEST_F(TReportPreviewTest, PageAndZoomStayWithinBounds) {
    EXPECT_EQ(preview.objectName(), QStringLiteral("QRPreview"));
    EXPECT_EQ(preview.PageNumber(), 1);
    preview.SetPageNumber(3);
    EXPECT_EQ(preview.PageNumber(), 3);
    preview.SetPageNumber(4);
    EXPECT_EQ(preview.PageNumber(), 3);
    preview.SetPageNumber(0);
    EXPECT_EQ(preview.PageNumber(), 1);
    preview.SetZoom(500);
    EXPECT_EQ(preview.Zoom(), TReportPreview::kMaxZoom);
    preview.SetZoom(1);
    EXPECT_EQ(preview.Zoom(), TReportPreview::kMinZoom);
    preview.ZoomTo100();
    EXPECT_EQ(preview.Zoom(), 100);
    // Attaching another printer starts at its first page.
    preview.SetPageNumber(2);
    preview.SetQRPrinter(&report->ReportPrinter());
    EXPECT_EQ(preview.PageNumber(), 1);
}

TEST_F(TReportPreviewTest, ZoomToWidthAndToFitShowThePageInTheViewport) {
    const double viewportWidth = preview.viewport()->width();
    const double viewportHeight = preview.viewport()->height();
    preview.ZoomToWidth();
    const double pageWidth = 210 * preview.PixelsPerMm();
    EXPECT_LE(pageWidth, viewportWidth);
    EXPECT_GT(pageWidth, viewportWidth * 0.85);
    preview.ZoomToFit();
    EXPECT_LE(297 * preview.PixelsPerMm(), viewportHeight);
    EXPECT_LT(preview.Zoom(), 100);
}

TEST_F(TReportPreviewTest, PaintsTheCurrentPage) {
    preview.SetZoom(50);
    QImage blank(900, 900, QImage::Format_RGB32);
    blank.fill(Qt::gray);
    QImage first = blank;
    {
        QPainter painter(&first);
        preview.PaintPage(painter);
    }
    preview.SetPageNumber(3);
    QImage last = blank;
    {
        QPainter painter(&last);
        preview.PaintPage(painter);
    }
    EXPECT_NE(first, blank);
    EXPECT_NE(first, last);
    // White paper at the page's corner, inside the margin.
    EXPECT_EQ(first.pixelColor(12, 12), QColor(Qt::white));
}

} // namespace
