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

PeriodSummary OwnOperationsSummary(const TTotaisOperacoesProprias& totals, Currency openingBalance) {
    return SummaryOfBalance(OwnOperationsBalance(totals, openingBalance), totals.VlPrazoEspecial);
}

PeriodSummary TaxSubstitutionSummary(const TTotaisSubstTributaria& totals, Currency openingBalance) {
    return SummaryOfBalance(TaxSubstitutionBalance(totals, openingBalance), totals.VlSTPrazoEspecial);
}
