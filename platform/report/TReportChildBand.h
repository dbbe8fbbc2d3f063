#pragma once
// A band printed right after its parent band, wherever that one prints; used
// to continue a band (a page header's second strip, a title under a header).

#include "platform/report/TReportBand.h"

class TReportChildBand : public TReportBand {
public:
    explicit TReportChildBand(TComponent* owner = nullptr);
    ~TReportChildBand() override;

    TReportBand* ParentBand() const { return m_parentBand; }
    // Also makes this band the parent's ChildBand and puts it on the parent's report.
    void SetParentBand(TReportBand* band);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TReportBand* m_parentBand = nullptr;
};
