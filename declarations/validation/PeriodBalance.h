#pragma once
// The balance of a computation period, the one routine the summary pages,
// the validation and the mirror all compute it with:
//
//   credits = opening balance (cut to cents) + credit entries
//   debits  = debit entries
//   credits >= debits: nothing payable, carried forward credits - debits + deductions;
//   otherwise owing = debits - credits: what the deductions do not cover is
//   payable and what they exceed it by is carried forward.
//
// Own operations and tax substitution take their figures from the totals
// of the auxiliary data module (core/data/DeclarationTotals.h).

#include "core/data/DeclarationTotals.h"
#include "platform/base/Currency.h"

struct PeriodBalance {
    Currency Credits;
    Currency Debits;
    // The tax payable of the period.
    Currency TaxPayable;
    // The credit balance carried forward to the next period.
    Currency CarriedForward;
    // What the debits exceed the credits by when the deductions do not cover
    // it (the amount the tax payable is taken from); otherwise 0.
    Currency DebtorBalance;

    bool operator==(const PeriodBalance&) const = default;
};

PeriodBalance BalanceOfPeriod(Currency openingBalance, Currency creditEntries, Currency debitEntries,
                              Currency deductions);

// Own operations: other credits + debit reversals + entry tax against other
// debits + credit reversals + exit tax, less the deductions.
PeriodBalance OwnOperationsBalance(const OwnOperationsTotals& totals, Currency openingBalance);
// Tax substitution: the same with the withheld tax of entries and exits.
PeriodBalance TaxSubstitutionBalance(const TaxSubstitutionTotals& totals, Currency openingBalance);
