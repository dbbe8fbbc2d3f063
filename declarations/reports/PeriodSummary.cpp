#include "declarations/reports/PeriodSummary.h"

PeriodSummary SummaryOfBalance(const PeriodBalance& balance, Currency specialTerms) {
    PeriodSummary summary{balance, {}, balance.TaxPayable};
    const Currency payable = balance.TaxPayable;
    if (payable > Currency())
        summary.DebtorBalance = balance.Debits - balance.Credits;
    if (specialTerms > Currency() && payable != Currency() && specialTerms <= payable)
        summary.FinalTax = payable - specialTerms;
    return summary;
}

namespace {

// The balance of the period's entries (`entries`, counted without an opening
// balance) with the opening balance counted as asked.
PeriodBalance WithOpening(const PeriodBalance& entries, Currency openingBalance, Currency deductions,
                          TOpeningBalance counted) {
    const Currency opening =
        counted == TOpeningBalance::obCutToCents ? openingBalance.truncatedToCents() : openingBalance;
    return BalanceOfPeriod(Currency(), opening + entries.Credits, entries.Debits, deductions);
}

} // namespace

PeriodSummary OwnOperationsSummary(const TTotaisOperacoesProprias& totals, Currency openingBalance,
                                   TOpeningBalance counted) {
    return SummaryOfBalance(
        WithOpening(OwnOperationsBalance(totals, Currency()), openingBalance, totals.VlDeducao, counted),
        totals.VlPrazoEspecial);
}

PeriodSummary TaxSubstitutionSummary(const TTotaisSubstTributaria& totals, Currency openingBalance,
                                     TOpeningBalance counted) {
    return SummaryOfBalance(
        WithOpening(TaxSubstitutionBalance(totals, Currency()), openingBalance, totals.VlSTDeducao, counted),
        totals.VlSTPrazoEspecial);
}
