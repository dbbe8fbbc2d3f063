#pragma once
// A computed text: a field of the current record, or a SUM or COUNT over the
// records of a data set as they are printed. Mask formats numbers
// ("#,##0.00"); ResetAfterPrint starts the total again once it has printed,
// which makes a group footer's total count its own group only.
// COUNT counts the records of the report's data set.

#include "platform/base/Currency.h"
#include "platform/report/TReportExpression.h"
#include "platform/report/TTextPrintable.h"

class TDataSet;

class TReportExpr : public TTextPrintable {
public:
    using TTextPrintable::TTextPrintable;

    // Raises Exception for an expression that does not parse.
    void SetExpression(const QString& expression);
    void SetMask(const QString& mask) { m_mask = mask; }
    bool ResetAfterPrint() const { return m_resetAfterPrint; }
    void SetResetAfterPrint(bool value) { m_resetAfterPrint = value; }

    // The data set the expression reads, found through the report.
    TDataSet* SourceDataSet() const;
    // Called for every record of `dataSet` the report prints.
    void Accumulate(const TDataSet* dataSet);
    void Reset();
    Currency Total() const { return m_total; }

    QString PrintText(const TPrintContext& context) const override;

private:
    QString FormatNumber(Currency value) const;

    QString m_text;
    TReportExpression m_expression;
    QString m_mask;
    bool m_resetAfterPrint = false;
    Currency m_total;
    int m_count = 0;
};
