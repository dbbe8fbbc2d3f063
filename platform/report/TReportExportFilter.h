#pragma once
// An export filter: a component whose presence offers one more format in the
// preview's save dialog. Every filter alive is listed in RegisteredFilters, in
// the order of creation.

#include "platform/base/TComponent.h"

#include <QString>
#include <vector>

class TReportPrinter;

class TReportExportFilter : public TComponent {
public:
    explicit TReportExportFilter(TComponent* owner = nullptr);
    ~TReportExportFilter() override;

    virtual QString Description() const = 0;
    virtual QString Extension() const = 0; // without the dot
    // Writes all pages of `printer` to `fileName`.
    virtual void ExportPages(const TReportPrinter& printer, const QString& fileName) const = 0;

    static const std::vector<TReportExportFilter*>& RegisteredFilters();
    // The save dialog's filter in "description|pattern|..." form: first the
    // saved-report format, then one entry per registered filter.
    static QString DialogFilter();
};
