#include "platform/report/TReportPreview.h"

#include "platform/base/TPrompter.h"
#include "platform/report/TReportPrinter.h"

#include <QDialog>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMmPerInch = 25.4;
constexpr int kPageMargin = 8; // pixels around the page

// The widget inside the scroll area that paints the page.
class PageView : public QWidget {
public:
    explicit PageView(TReportPreview* preview) : QWidget(preview), m_preview(preview) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Dark));
        m_preview->PaintPage(painter);
    }

private:
    TReportPreview* m_preview;
};

} // namespace

TReportPreview::TReportPreview(QWidget* parent) : QScrollArea(parent) {
    setObjectName(QStringLiteral("QRPreview"));
    setWidget(new PageView(this));
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    UpdatePageSize();
}

void TReportPreview::SetQRPrinter(TReportPrinter* printer) {
    m_printer = printer;
    m_pageNumber = 1;
    UpdatePageSize();
}

void TReportPreview::SetPageNumber(int pageNumber) {
    const int count = m_printer ? m_printer->PageCount() : 0;
    m_pageNumber = std::clamp(pageNumber, 1, std::max(count, 1));
    UpdatePageSize();
}

void TReportPreview::SetZoom(int zoom) {
    m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    UpdatePageSize();
}

QSizeF TReportPreview::PageSizeMm() const {
    if (!m_printer || m_printer->PageCount() == 0)
        return QSizeF(210, 297);
    const TPreparedPage& page = m_printer->Page(m_pageNumber);
    return QSizeF(page.Width, page.Height);
}

double TReportPreview::PixelsPerMm() const {
    return logicalDpiX() / kMmPerInch * m_zoom / 100.0;
}

void TReportPreview::ZoomToWidth() {
    const double available = viewport()->width() - 2 * kPageMargin - verticalScrollBar()->sizeHint().width();
    SetZoom(
        static_cast<int>(std::floor(available / (PageSizeMm().width() * logicalDpiX() / kMmPerInch) * 100)));
}

void TReportPreview::ZoomToFit() {
    const double perMm = logicalDpiX() / kMmPerInch;
    const double byWidth = (viewport()->width() - 2 * kPageMargin) / (PageSizeMm().width() * perMm);
    const double byHeight = (viewport()->height() - 2 * kPageMargin) / (PageSizeMm().height() * perMm);
    SetZoom(static_cast<int>(std::floor(std::min(byWidth, byHeight) * 100)));
}

void TReportPreview::UpdatePageSize() {
    const QSizeF mm = PageSizeMm();
    const double scale = PixelsPerMm();
    widget()->resize(static_cast<int>(std::ceil(mm.width() * scale)) + 2 * kPageMargin,
                     static_cast<int>(std::ceil(mm.height() * scale)) + 2 * kPageMargin);
    widget()->update();
}

void TReportPreview::PaintPage(QPainter& painter) const {
    if (!m_printer || m_printer->PageCount() == 0)
        return;
    m_printer->RenderPage(m_pageNumber, painter, kPageMargin, kPageMargin, PixelsPerMm());
}

void TReportPreview::ShowModal(TReportPrinter& printer, const QString& title) {
    QDialog window;
    window.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&window);
    auto* preview = new TReportPreview(&window);
    layout->addWidget(preview);
    preview->SetQRPrinter(&printer);
    window.resize(900, 1000);
    TPromptRequest request;
    request.Kind = TPromptKind::pkWindow;
    request.Caption = title;
    request.Window = &window;
    TPrompter::Current().Prompt(request);
}
