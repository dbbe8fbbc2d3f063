#pragma once
// A band report: page setup, bands and the data set whose records drive the
// detail band. Prepare lays the report out once into the pages of its
// ReportPrinter; preview, printing and export read those pages.
//
// Flow of one preparation: BeforePrint of the report (may cancel it); then,
// unless the data set is empty and PrintIfEmpty is off, the title, for each
// record the group headers that start, the detail band and every sub-detail
// (each printing its own records), the group footers that end, and at last
// the summary. A report without a data set prints its detail band once.
// Options: FirstPageHeader prints the page header on the first page too,
// LastPageFooter the page footer on the last page too.
//
// Preparation either completes or leaves the printer without pages; the
// data set is back on its record afterwards with its controls enabled.

#include "platform/base/TComponent.h"
#include "platform/base/TEvent.h"
#include "platform/report/TPageSetup.h"
#include "platform/report/TReportBand.h"
#include "platform/report/TReportFont.h"
#include "platform/report/TReportPrinter.h"

#include <QString>
#include <vector>

class TBandPrinter;
class TDataSet;
class TReportGroup;
class TReportSubDetail;

// (Sender, PrintReport): PrintReport starts as true.
using TReportBeforePrintEvent = TEvent<TObject*, bool&>;

class TBandReport : public TComponent {
public:
    explicit TBandReport(TComponent* owner = nullptr);
    ~TBandReport() override;

    TPageSetup& Page() { return m_page; }
    const TPageSetup& Page() const { return m_page; }
    const QString& ReportTitle() const { return m_reportTitle; }
    void SetReportTitle(const QString& title) { m_reportTitle = title; }
    bool PrintIfEmpty() const { return m_printIfEmpty; }
    void SetPrintIfEmpty(bool value) { m_printIfEmpty = value; }
    void SetFirstPageHeader(bool value) { m_firstPageHeader = value; }
    void SetLastPageFooter(bool value) { m_lastPageFooter = value; }
    // The font of every control that keeps ParentFont.
    TReportFont& Font() { return m_font; }
    const TReportFont& Font() const { return m_font; }

    TDataSet* DataSet() const { return m_dataSet; }
    void SetDataSet(TDataSet* dataSet);
    // The data set an expression names: the report's own for an empty name,
    // else by name among the report's and its sub-details' data sets, the
    // components of the report's owner and those of the report.
    TDataSet* FindDataSet(const QString& name) const;

    TReportBeforePrintEvent BeforePrint;
    TNotifyEvent OnPreview;

    // The first band of a page-frame or flow type (title, page header, column
    // header, detail, summary, page footer); nullptr when there is none.
    TReportBand* BandOfType(TBandType type) const;

    TReportPrinter& ReportPrinter() { return m_printer; }
    const TReportPrinter& ReportPrinter() const { return m_printer; }

    // Lays the report out into ReportPrinter's pages.
    void Prepare();
    // Prepares, then hands over to OnPreview, or shows the pages in a preview
    // window and returns when it closes.
    void Preview();
    // Prepares and prints on `printer`.
    void Print(QPrinter& printer);

    // Prints the report's bands into `out` (used by Prepare and by composite reports).
    void PrintTo(TBandPrinter& out);

    // For TReportBand::SetParent.
    void AddBand(TReportBand* band);
    void RemoveBand(TReportBand* band);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // The bands of one kind (groups, sub-details), in the order they were added.
    template <class TBandKind> std::vector<TBandKind*> BandsOf() const;
    // Walks `dataSet` (or one empty pass without it) printing `band` per
    // record within `groups`, each record followed by `subDetails`.
    void PrintRecords(TBandPrinter& out, TDataSet* dataSet, TReportBand* band,
                      const std::vector<TReportGroup*>& groups,
                      const std::vector<TReportSubDetail*>& subDetails);
    void PrintSubDetail(TBandPrinter& out, TReportSubDetail* subDetail);
    void Accumulate(const TDataSet* dataSet);
    void ResetTotals();

    TPageSetup m_page;
    QString m_reportTitle;
    bool m_printIfEmpty = true;
    bool m_firstPageHeader = true;
    bool m_lastPageFooter = true;
    TReportFont m_font;
    TDataSet* m_dataSet = nullptr;
    std::vector<TReportBand*> m_bands;
    TReportPrinter m_printer;
};
