#include "platform/report/TBandPrinter.h"

#include "platform/base/SystemClock.h"
#include "platform/report/ReportUnits.h"
#include "platform/report/TBandReport.h"
#include "platform/report/TReportBand.h"
#include "platform/report/TReportChildBand.h"
#include "platform/report/TReportPrinter.h"

TBandPrinter::TBandPrinter(TReportPrinter& printer, bool firstPageHeader, bool lastPageFooter)
    : m_printer(printer), m_firstPageHeader(firstPageHeader), m_lastPageFooter(lastPageFooter),
      m_started(SystemClock::Now()) {}

TPrintContext TBandPrinter::Context() const {
    return {m_report, m_pageNumber, m_started};
}

void TBandPrinter::BeginReport(TBandReport& report) {
    PlaceHeld();
    if (m_pageOpen)
        ClosePage(false);
    m_report = &report;
    m_reportStarting = true;
    StartPage();
    m_reportStarting = false;
}

void TBandPrinter::StartPage() {
    if (m_pageOpen)
        ClosePage(false);
    const TPageSetup& setup = m_report->Page();
    ++m_pageNumber;
    m_page = TPreparedPage{setup.Width(), setup.Length(), {}};
    m_pageOpen = true;
    m_y = setup.TopMargin;
    m_column = 0;
    m_bodyPrinted = false;
    if (m_pageNumber > 1 || m_firstPageHeader)
        PrintFixed(m_report->BandOfType(TBandType::rbPageHeader));
    if (m_reportStarting)
        PrintFixed(m_report->BandOfType(TBandType::rbTitle));
    PrintFixed(m_report->BandOfType(TBandType::rbColumnHeader));
    m_columnTop = m_y;
}

void TBandPrinter::ClosePage(bool last) {
    TReportBand* footer = m_report->BandOfType(TBandType::rbPageFooter);
    if (footer && (!last || m_lastPageFooter) && footer->WantsToPrint()) {
        std::vector<TDrawItem> items;
        const double height = RenderBand(footer, items);
        Place(footer, items, m_page.Height - m_report->Page().BottomMargin - height);
    }
    m_pages.push_back(std::move(m_page));
    m_page = TPreparedPage();
    m_pageOpen = false;
    m_printer.PageAvailable(m_pageNumber);
}

void TBandPrinter::PrintFixed(TReportBand* band) {
    if (!band || !band->WantsToPrint())
        return;
    std::vector<TDrawItem> items;
    const double height = RenderBand(band, items);
    Place(band, items, m_y);
    m_y += height;
    if (band->ChildBand())
        PrintFixed(band->ChildBand());
}

void TBandPrinter::PrintBand(TReportBand* band) {
    PrintInFlow(band, band && band->BandType() == TBandType::rbGroupHeader);
}

void TBandPrinter::PrintInFlow(TReportBand* band, bool keepWithNext) {
    if (!band || !band->WantsToPrint())
        return;
    if (band->ForceNewPage() && m_bodyPrinted)
        StartPageForHeld();
    THeldBand held{band, {}, 0};
    held.Height = RenderBand(band, held.Items);
    m_held.push_back(std::move(held));
    if (!keepWithNext)
        PlaceHeld();
    if (band->ChildBand())
        PrintInFlow(band->ChildBand(), keepWithNext);
}

void TBandPrinter::PlaceHeld() {
    if (m_held.empty())
        return;
    double height = 0;
    for (const THeldBand& held : m_held)
        height += held.Height;
    if (m_y + height > BodyBottom() && m_bodyPrinted) {
        if (m_held.back().Band->FlowsInColumns() && m_column + 1 < std::max(m_report->Page().Columns, 1)) {
            ++m_column;
            m_y = m_columnTop;
        } else {
            StartPageForHeld();
        }
    }
    for (THeldBand& held : m_held) {
        Place(held.Band, held.Items, m_y);
        m_y += held.Height;
    }
    m_held.clear();
    m_bodyPrinted = true;
}

void TBandPrinter::StartPageForHeld() {
    StartPage();
    // Laid out again: texts may show the page number.
    for (THeldBand& held : m_held) {
        held.Items.clear();
        held.Height = RenderBand(held.Band, held.Items);
    }
}

double TBandPrinter::RenderBand(TReportBand* band, std::vector<TDrawItem>& items) const {
    return DesignToMm(band->Render(Context(), items));
}

void TBandPrinter::Place(TReportBand* band, std::vector<TDrawItem>& items, double y) {
    const double x = ColumnLeft(band);
    for (TDrawItem& item : items) {
        const QRectF& r = item.Rect;
        item.Rect = QRectF(x + DesignToMm(r.x()), y + DesignToMm(r.y()), DesignToMm(r.width()),
                           DesignToMm(r.height()));
        item.PenWidth = DesignToMm(item.PenWidth);
        m_page.Items.push_back(std::move(item));
    }
    band->Printed();
}

double TBandPrinter::BodyBottom() const {
    const TPageSetup& setup = m_report->Page();
    const TReportBand* footer = m_report->BandOfType(TBandType::rbPageFooter);
    return setup.Length() - setup.BottomMargin - (footer ? DesignToMm(footer->Height()) : 0);
}

double TBandPrinter::ColumnLeft(const TReportBand* band) const {
    const TPageSetup& setup = m_report->Page();
    if (!band->FlowsInColumns())
        return setup.LeftMargin;
    return setup.LeftMargin + m_column * (setup.ColumnWidth() + setup.ColumnSpace);
}

std::vector<TPreparedPage> TBandPrinter::Finish() {
    PlaceHeld();
    if (m_pageOpen)
        ClosePage(true);
    const QString count = QString::number(m_pages.size());
    for (TPreparedPage& page : m_pages)
        for (TDrawItem& item : page.Items)
            if (item.Kind == TDrawKind::dkText)
                item.Text.replace(TPrintContext::kPageCountMarker, count);
    return std::move(m_pages);
}
