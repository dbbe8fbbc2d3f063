#pragma once
// The PDF export filter: every page in one PDF document, each page at its own
// size, text kept as text.

#include "platform/report/TReportExportFilter.h"

class TPdfExportFilter : public TReportExportFilter {
public:
    using TReportExportFilter::TReportExportFilter;

    QString Description() const override { return QStringLiteral("Documento PDF"); }
    QString Extension() const override { return QStringLiteral("pdf"); }
    void ExportPages(const TReportPrinter& printer, const QString& fileName) const override;
};
