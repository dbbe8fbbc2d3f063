#pragma once
// Lays bands out on pages: the page header (with its child bands), the title
// on a report's first page and the column header open every page; bands flow
// down the page, into the next column and onto a new page when the next one
// does not fit above the page footer; the page footer closes every page
// (the last one only with LastPageFooter). A group header (with its child
// bands) is held until the band after it prints and goes with that band, so
// a page never ends on a header whose first row is on the next page.
// Several reports can print one after the other into the same pages (a
// composite report), each starting on a new page; page numbers run on
// through all of them.

#include "platform/report/TPreparedPage.h"
#include "platform/report/TPrintContext.h"

#include <vector>

class TBandReport;
class TReportBand;
class TReportPrinter;

class TBandPrinter {
public:
    TBandPrinter(TReportPrinter& printer, bool firstPageHeader, bool lastPageFooter);

    // Starts `report` on a new page.
    void BeginReport(TBandReport& report);
    // Prints `band` and its child bands unless BeforePrint says no.
    void PrintBand(TReportBand* band);
    // Closes the last page, puts the page count into the texts that show it,
    // and hands over the pages.
    std::vector<TPreparedPage> Finish();

    int PageNumber() const { return m_pageNumber; }

private:
    struct THeldBand {
        TReportBand* Band;
        std::vector<TDrawItem> Items;
        double Height;
    };

    TPrintContext Context() const;
    // Lays `band` out; it waits among the held bands when `keepWithNext`.
    void PrintInFlow(TReportBand* band, bool keepWithNext);
    // Places the held bands where the flow stands, moving them together to
    // the next column or page when they do not fit.
    void PlaceHeld();
    // A new page for the held bands, laid out again for its page number.
    void StartPageForHeld();
    void StartPage();
    void ClosePage(bool last);
    // Prints a band of the page frame (header, title, column header) where
    // the flow stands, without page breaks.
    void PrintFixed(TReportBand* band);
    double RenderBand(TReportBand* band, std::vector<TDrawItem>& items) const;
    void Place(TReportBand* band, std::vector<TDrawItem>& items, double y);
    double BodyBottom() const;
    double ColumnLeft(const TReportBand* band) const;

    TReportPrinter& m_printer;
    bool m_firstPageHeader;
    bool m_lastPageFooter;
    TBandReport* m_report = nullptr;
    bool m_reportStarting = false;
    std::vector<THeldBand> m_held;
    std::vector<TPreparedPage> m_pages;
    TPreparedPage m_page;
    bool m_pageOpen = false;
    int m_pageNumber = 0;
    double m_y = 0; // millimetres from the page top
    double m_columnTop = 0;
    int m_column = 0;
    bool m_bodyPrinted = false;
    QDateTime m_started;
};
