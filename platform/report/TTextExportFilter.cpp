#include "platform/report/TTextExportFilter.h"

#include "platform/report/TReportPrinter.h"

void TTextExportFilter::ExportPages(const TReportPrinter& printer, const QString& fileName) const {
    printer.ExportToText(fileName);
}
