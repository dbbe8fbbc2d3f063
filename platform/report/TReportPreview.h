#pragma once
// The preview area: shows one prepared page of a report printer at a zoom, in
// a scrolling area. Zoom is in percent of the natural size (100: the page at
// its real size on the screen); ZoomToWidth and ZoomToFit choose the zoom
// that shows the page's width or the whole page.

#include <QScrollArea>

class TReportPrinter;

class TReportPreview : public QScrollArea {
public:
    static constexpr int kMinZoom = 10;
    static constexpr int kMaxZoom = 300;

    explicit TReportPreview(QWidget* parent = nullptr);

    TReportPrinter* QRPrinter() const { return m_printer; }
    // Attaches the printer whose pages show (nullptr detaches); shows page 1.
    void SetQRPrinter(TReportPrinter* printer);

    int PageNumber() const { return m_pageNumber; }
    // Kept within 1..page count.
    void SetPageNumber(int pageNumber);
    int Zoom() const { return m_zoom; }
    // Kept within kMinZoom..kMaxZoom.
    void SetZoom(int zoom);
    void ZoomToWidth();
    void ZoomToFit();
    void ZoomTo100() { SetZoom(100); }

    // Device pixels per millimetre at the current zoom.
    double PixelsPerMm() const;
    // Paints the current page on `painter` at the current zoom.
    void PaintPage(QPainter& painter) const;

    // Shows `printer`'s pages in a window of their own, through the prompter,
    // and returns when it closes.
    static void ShowModal(TReportPrinter& printer, const QString& title);

private:
    void UpdatePageSize();
    QSizeF PageSizeMm() const;

    TReportPrinter* m_printer = nullptr;
    int m_pageNumber = 1;
    int m_zoom = 100;
};
