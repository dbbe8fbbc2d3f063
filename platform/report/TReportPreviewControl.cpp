#include "platform/report/TReportPreviewControl.h"

#include "platform/report/TReportPrinter.h"

TReportPreviewControl::TReportPreviewControl(TComponent* owner, TWinControl* parent)
    : TWinControl(owner, new TReportPreview) {
    SetParent(parent);
}

TReportPrinter* TReportPreviewControl::QRPrinter() const {
    return Preview() ? Preview()->QRPrinter() : nullptr;
}

void TReportPreviewControl::SetQRPrinter(TReportPrinter* printer) {
    if (Preview())
        Preview()->SetQRPrinter(printer);
}

int TReportPreviewControl::PageCount() const {
    return QRPrinter() ? QRPrinter()->PageCount() : 0;
}

int TReportPreviewControl::PageNumber() const {
    return Preview() ? Preview()->PageNumber() : 0;
}

void TReportPreviewControl::SetPageNumber(int pageNumber) {
    if (Preview())
        Preview()->SetPageNumber(pageNumber);
}

int TReportPreviewControl::Zoom() const {
    return Preview() ? Preview()->Zoom() : 0;
}

void TReportPreviewControl::SetZoom(int zoom) {
    if (Preview())
        Preview()->SetZoom(zoom);
}

void TReportPreviewControl::ZoomToWidth() {
    if (Preview())
        Preview()->ZoomToWidth();
}

void TReportPreviewControl::ZoomToFit() {
    if (Preview())
        Preview()->ZoomToFit();
}

void TReportPreviewControl::ZoomTo100() {
    if (Preview())
        Preview()->ZoomTo100();
}
