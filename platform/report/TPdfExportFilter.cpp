#include "platform/report/TPdfExportFilter.h"

#include "platform/report/TReportPrinter.h"

void TPdfExportFilter::ExportPages(const TReportPrinter& printer, const QString& fileName) const {
    printer.ExportToPdf(fileName);
}
