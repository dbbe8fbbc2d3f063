#pragma once
// The base of the summary sections of the declaration mirror: one page
// with the section's title and a sheet of captions and values. Opening the
// declaration query computes the figures (ibqDeclaracaoAfterOpen) and writes
// them, formatted, into the value labels; a section whose declaration has no
// row computes nothing and prints nothing.
//
// Figures are exact money, the same values the summary pages of the editor
// show: the declaration totals of the auxiliary data module, the sheets of
// PeriodSummary, and stored values and sums read from the database as they
// are stored, so that a summary prints a figure as the data sections print it.
// A query that fails shows the message of code 300 and aborts silently.

#include "core/data/DeclarationKey.h"
#include "declarations/reports/MirrorSectionReport.h"
#include "platform/base/Currency.h"

class SummaryColumn;

class MirrorSummaryReport : public MirrorSectionReport {
public:
    MirrorSummaryReport(TComponent* owner, const QString& name, const QString& titulo);

    void ibqDeclaracaoAfterOpen(TDataSet* dataSet);

    // The band of the sheet, under the title.
    TReportChildBand* qrbValores;

    // "#,##0.00".
    static QString MoneyText(Currency value);

protected:
    // Computes the figures of the declaration row and writes them.
    virtual void ComputeValues() = 0;

    // The key of the declaration row.
    DeclarationKey Key() const;
    // A money column of the declaration row, as stored.
    Currency DeclarationField(const char* campo) const;
    // The value into the label, when the sheet has it.
    static void Show(TReportLabel* label, Currency value);
    // A sheet column on the values band.
    SummaryColumn Column(double left, double top, double captionWidth, double valueWidth);
};
