#pragma once
// The plain-text export filter: the text of every page in reading order, one
// file, pages separated by form feeds, UTF-8.

#include "platform/report/TReportExportFilter.h"

class TTextExportFilter : public TReportExportFilter {
public:
    using TReportExportFilter::TReportExportFilter;

    QString Description() const override { return QStringLiteral("Arquivo texto"); }
    QString Extension() const override { return QStringLiteral("txt"); }
    void ExportPages(const TReportPrinter& printer, const QString& fileName) const override;
};
