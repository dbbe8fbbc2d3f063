#include "platform/report/TReportPrinter.h"

#include "platform/base/Exceptions.h"
#include "platform/base/TPrompter.h"
#include "platform/os/SystemError.h"
#include "platform/report/TPageRenderer.h"
#include "platform/report/TPageText.h"
#include "platform/report/TPrinter.h"
#include "platform/report/TReportFileFormat.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

namespace {

constexpr double kMmPerInch = 25.4;
constexpr int kPdfResolution = 600;

QPageLayout LayoutOf(const TPreparedPage& page) {
    const bool landscape = page.Width > page.Height;
    const QSizeF portrait(std::min(page.Width, page.Height), std::max(page.Width, page.Height));
    return QPageLayout(QPageSize(portrait, QPageSize::Millimeter),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

// Paints the pages on a paged device, each page with its own layout.
void PaintPages(const std::vector<TPreparedPage>& pages, QPagedPaintDevice& device, int first, int last,
                double resolution) {
    device.setPageLayout(LayoutOf(pages[first]));
    QPainter painter;
    if (!painter.begin(&device))
        throw Exception(QStringLiteral("Não foi possível iniciar a impressão."));
    const double pixelsPerMm = resolution / kMmPerInch;
    for (int i = first; i <= last; ++i) {
        if (i > first) {
            device.setPageLayout(LayoutOf(pages[i]));
            device.newPage();
        }
        TPageRenderer::Render(pages[i], painter, QPointF(0, 0), pixelsPerMm);
    }
    painter.end();
}

QString WriteFailure(const QString& fileName, const QFileDevice& file) {
    return QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2.")
        .arg(fileName, SystemErrorText(file));
}

// Puts `bytes` in the file whole, or leaves the file as it was.
void WriteWhole(const QString& fileName, const QByteArray& bytes) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Exception(WriteFailure(fileName, file));
}

} // namespace

const TPreparedPage& TReportPrinter::Page(int pageNumber) const {
    if (pageNumber < 1 || pageNumber > PageCount())
        throw Exception(QStringLiteral("Page %1 does not exist (%2 pages)").arg(pageNumber).arg(PageCount()));
    return m_pages[static_cast<std::size_t>(pageNumber - 1)];
}

void TReportPrinter::SetPages(std::vector<TPreparedPage> pages) {
    m_pages = std::move(pages);
}

void TReportPrinter::RenderPage(int pageNumber, QPainter& painter, double x, double y,
                                double pixelsPerMm) const {
    TPageRenderer::Render(Page(pageNumber), painter, QPointF(x, y), pixelsPerMm);
}

void TReportPrinter::Print(QPrinter& printer, int fromPage, int toPage) const {
    if (m_pages.empty())
        return;
    const int last = toPage <= 0 ? PageCount() : std::min(toPage, PageCount());
    const int first = std::max(fromPage, 1);
    if (first > last)
        return;
    printer.setFullPage(true);
    printer.setDocName(m_title);
    PaintPages(m_pages, printer, first - 1, last - 1, printer.resolution());
}

bool TReportPrinter::PrintWithDialog(QWidget* parent) {
    QPrinter& printer = Printer().QtPrinter();
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, std::max(PageCount(), 1));
    TPromptRequest request;
    request.Kind = TPromptKind::pkWindow;
    request.Caption = m_title;
    request.Window = &dialog;
    if (TPrompter::Current().Prompt(request).Button != mrOk)
        return false;
    if (printer.printRange() == QPrinter::PageRange)
        Print(printer, printer.fromPage(), printer.toPage());
    else
        Print(printer);
    return true;
}

void TReportPrinter::ExportToPdf(const QString& fileName) const {
    {
        // QPdfWriter does not tell why it cannot write; find out first.
        QFile probe(fileName);
        if (!probe.open(QIODevice::WriteOnly))
            throw Exception(WriteFailure(fileName, probe));
    }
    QPdfWriter writer(fileName);
    writer.setResolution(kPdfResolution);
    writer.setTitle(m_title);
    writer.setCreator(QStringLiteral("ZEB-ICMS"));
    if (m_pages.empty()) {
        // A document needs a page: an empty report gives one blank A4 page.
        QPainter painter(&writer);
        return;
    }
    PaintPages(m_pages, writer, 0, PageCount() - 1, kPdfResolution);
}

void TReportPrinter::ExportToText(const QString& fileName) const {
    WriteWhole(fileName, TPageText::FromPages(m_pages).toUtf8());
}

void TReportPrinter::SaveToFile(const QString& fileName) const {
    WriteWhole(fileName, TReportFileFormat::Write({m_title, m_pages}));
}

void TReportPrinter::LoadFromFile(const QString& fileName) {
    TReportFileFormat::Contents contents = TReportFileFormat::LoadFromFile(fileName);
    m_title = contents.Title;
    m_pages = std::move(contents.Pages);
}
