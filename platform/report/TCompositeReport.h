#pragma once
// A composite report chains band reports into one page sequence. Each
// preparation clears the list and asks OnAddReports to Add the reports, then
// prints them in that order, each from a new page, with page numbers running
// through the whole chain. FirstPageHeader and LastPageFooter apply to the
// first and last page of the chain.

#include "platform/base/TComponent.h"
#include "platform/base/TEvent.h"
#include "platform/report/TReportPrinter.h"

#include <QString>
#include <vector>

class QPrinter;
class TBandReport;

class TCompositeReport : public TComponent {
public:
    explicit TCompositeReport(TComponent* owner = nullptr);

    TNotifyEvent OnAddReports;
    TNotifyEvent OnPreview;

    void Add(TBandReport* report);
    const std::vector<TBandReport*>& Reports() const { return m_reports; }

    const QString& ReportTitle() const { return m_reportTitle; }
    void SetReportTitle(const QString& title) { m_reportTitle = title; }
    void SetFirstPageHeader(bool value) { m_firstPageHeader = value; }
    void SetLastPageFooter(bool value) { m_lastPageFooter = value; }

    TReportPrinter& ReportPrinter() { return m_printer; }

    // Same contract as TBandReport's.
    void Prepare();
    void Preview();
    void Print(QPrinter& printer);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::vector<TBandReport*> m_reports;
    QString m_reportTitle;
    bool m_firstPageHeader = true;
    bool m_lastPageFooter = true;
    TReportPrinter m_printer;
};
