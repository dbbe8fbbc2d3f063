#include "platform/report/TCompositeReport.h"

#include "platform/report/TBandPrinter.h"
#include "platform/report/TBandReport.h"
#include "platform/report/TReportPreview.h"

#include <algorithm>

TCompositeReport::TCompositeReport(TComponent* owner) : TComponent(owner) {}

void TCompositeReport::Add(TBandReport* report) {
    if (!report)
        return;
    m_reports.push_back(report);
    FreeNotification(report);
}

void TCompositeReport::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove)
        m_reports.erase(std::remove_if(m_reports.begin(), m_reports.end(),
                                       [component](TBandReport* report) { return report == component; }),
                        m_reports.end());
}

void TCompositeReport::Prepare() {
    m_printer.Clear();
    m_printer.SetTitle(m_reportTitle);
    m_reports.clear();
    OnAddReports(this);
    TBandPrinter out(m_printer, m_firstPageHeader, m_lastPageFooter);
    for (TBandReport* report : std::vector<TBandReport*>(m_reports))
        report->PrintTo(out);
    m_printer.SetPages(out.Finish());
    if (m_printer.PageCount() > 0)
        m_printer.PageAvailable(m_printer.PageCount());
}

void TCompositeReport::Preview() {
    Prepare();
    if (OnPreview)
        OnPreview(this);
    else
        TReportPreview::ShowModal(m_printer, m_reportTitle);
}

void TCompositeReport::Print(QPrinter& printer) {
    Prepare();
    m_printer.Print(printer);
}
