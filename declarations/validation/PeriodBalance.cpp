#include "declarations/validation/PeriodBalance.h"

PeriodBalance BalanceOfPeriod(Currency openingBalance, Currency creditEntries, Currency debitEntries,
                              Currency deductions) {
    PeriodBalance balance;
    balance.Credits = openingBalance.truncatedToCents() + creditEntries;
    balance.Debits = debitEntries;
    if (balance.Credits >= balance.Debits) {
        balance.CarriedForward = balance.Credits - balance.Debits + deductions;
        return balance;
    }
    const Currency owing = balance.Debits - balance.Credits;
    if (owing > deductions) {
        balance.DebtorBalance = owing;
        balance.TaxPayable = owing - deductions;
    } else {
        balance.CarriedForward = deductions - owing;
    }
    return balance;
}

PeriodBalance OwnOperationsBalance(const OwnOperationsTotals& t, Currency openingBalance) {
    return BalanceOfPeriod(openingBalance, t.VlOutroCredito + t.VlEstornoDebito + t.VlEntImposto,
                           t.VlOutroDebito + t.VlEstornoCredito + t.VlSaiImposto, t.VlDeducao);
}

PeriodBalance TaxSubstitutionBalance(const TaxSubstitutionTotals& t, Currency openingBalance) {
    return BalanceOfPeriod(openingBalance, t.VlSTOutroCredito + t.VlSTEstornoDebito + t.VlSTEntImpostoRetido,
                           t.VlSTOutroDebito + t.VlSTEstornoCredito + t.VlSTSaiImpostoRetido, t.VlSTDeducao);
}
