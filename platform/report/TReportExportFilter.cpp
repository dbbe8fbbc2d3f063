#include "platform/report/TReportExportFilter.h"

#include <algorithm>

namespace {

std::vector<TReportExportFilter*>& Registry() {
    static std::vector<TReportExportFilter*> filters;
    return filters;
}

} // namespace

TReportExportFilter::TReportExportFilter(TComponent* owner) : TComponent(owner) {
    Registry().push_back(this);
}

TReportExportFilter::~TReportExportFilter() {
    std::erase(Registry(), this);
}

const std::vector<TReportExportFilter*>& TReportExportFilter::RegisteredFilters() {
    return Registry();
}

QString TReportExportFilter::DialogFilter() {
    QString filter = QStringLiteral("Relatório (*.qrp)|*.qrp");
    for (const TReportExportFilter* exportFilter : Registry())
        filter +=
            QStringLiteral("|%1 (*.%2)|*.%2").arg(exportFilter->Description(), exportFilter->Extension());
    return filter;
}
