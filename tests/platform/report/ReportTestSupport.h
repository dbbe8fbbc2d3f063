#pragma once
// Helpers of the report tests: a Qt application for fonts and painting,
// in-memory data sets, small reports, and the peers that read our output.

#include "platform/db/TClientDataSet.h"
#include "platform/report/TBandReport.h"

#include <QString>
#include <QTemporaryDir>

class TReportLabel;
class TReportSysData;

namespace ReportTest {

// A client data set with REGIAO (string), PRODUTO (string) and VALOR
// (currency, "#,##0.00"), one record per row in the order given.
struct SaleRow {
    QString regiao;
    QString produto;
    const char* valor; // text with a decimal comma
};
TClientDataSet* MakeSales(TComponent* owner, const QString& name, const std::vector<SaleRow>& rows);
// `count` rows REGIAO "R<n/groupSize>", PRODUTO "Produto <n>", VALOR n,50.
TClientDataSet* MakeNumberedSales(TComponent* owner, const QString& name, int count);

// A report with a page header ("<title>" and "Página: n de N"), a page
// footer (label "Rodapé <title>") and, when `dataSet` is given, a detail
// band with PRODUTO and VALOR.
TBandReport* MakeListing(TComponent* owner, const QString& name, const QString& title, TDataSet* dataSet);

TReportLabel* AddLabel(TReportBand* band, const QString& name, const QString& caption, double left,
                       double top);
TReportBand* AddBand(TBandReport* report, const QString& name, TBandType type, double height);

// The text export of prepared pages, split at the form feeds.
QStringList TextPages(const TReportPrinter& printer);
// pdftotext's text of a PDF file, split at its form feeds ("" on failure).
QStringList PdfTextPages(const QString& pdfFile);
// The folder for pictures a person looks at: <build>/screenshots.
QString ScreenshotDir();

} // namespace ReportTest
