#pragma once
// The preview area as a control a window holds (a preview window's
// QRPreview): the pages of a report printer at a page number and a zoom, both
// driven from outside.

#include "platform/report/TReportPreview.h"
#include "platform/ui/TWinControl.h"

class TReportPrinter;

class TReportPreviewControl : public TWinControl {
    Q_OBJECT
public:
    TReportPreviewControl(TComponent* owner, TWinControl* parent = nullptr);

    TReportPreview* Preview() const { return static_cast<TReportPreview*>(Widget()); }

    TReportPrinter* QRPrinter() const;
    // Attaches the printer whose pages show (nullptr detaches); shows page 1.
    void SetQRPrinter(TReportPrinter* printer);
    // The attached printer's pages (0 without one).
    int PageCount() const;

    int PageNumber() const;
    // Kept within 1..PageCount.
    void SetPageNumber(int pageNumber);
    int Zoom() const;
    // Kept within TReportPreview::kMinZoom..kMaxZoom.
    void SetZoom(int zoom);
    void ZoomToWidth();
    void ZoomToFit();
    void ZoomTo100();
};
