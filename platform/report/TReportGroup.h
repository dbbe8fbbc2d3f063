#pragma once
// A group header: prints before the first record of each run of records whose
// Expression has the same value, and its FooterBand after the last one.
// Groups follow the records of the report's detail loop.

#include "platform/report/TReportBand.h"
#include "platform/report/TReportExpression.h"

#include <QString>

class TDataSet;

class TReportGroup : public TReportBand {
public:
    explicit TReportGroup(TComponent* owner = nullptr);

    // Raises Exception for an expression that is not a field reference.
    void SetExpression(const QString& expression);
    TReportBand* FooterBand() const { return m_footerBand; }
    void SetFooterBand(TReportBand* band);

    // The grouping value of the current record of `dataSet` (when the
    // expression names no data set).
    QString CurrentValue(TDataSet* defaultDataSet) const;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    QString m_text;
    TReportExpression m_expression;
    TReportBand* m_footerBand = nullptr;
};
