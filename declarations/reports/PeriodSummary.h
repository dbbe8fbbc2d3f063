#pragma once
// The lines of a period's balance as the summaries print them, all taken
// from the one balance routine (declarations/validation/PeriodBalance.h), so
// that the mirror, the summary pages and the validation agree to the cent:
//
//   debtor balance  what the debits exceed the credits by, while the
//                   deductions do not cover it (else 0);
//   final tax       the tax payable less the special payment terms, when
//                   there is tax to pay and the terms do not exceed it.
//
// The ICMS-operations and export summaries count the opening balance cut to
// whole cents, as the validation does; the own-operations and
// tax-substitution summaries count it as stored, as they print it.

#include "core/data/DeclarationTotals.h"
#include "declarations/validation/PeriodBalance.h"

struct PeriodSummary {
    PeriodBalance Balance;
    Currency DebtorBalance;
    Currency FinalTax;
};

enum class TOpeningBalance { obCutToCents, obAsStored };

PeriodSummary SummaryOfBalance(const PeriodBalance& balance, Currency specialTerms);
// Own operations and tax substitution from the totals of the auxiliary data module.
PeriodSummary OwnOperationsSummary(const TTotaisOperacoesProprias& totals, Currency openingBalance,
                                   TOpeningBalance counted);
PeriodSummary TaxSubstitutionSummary(const TTotaisSubstTributaria& totals, Currency openingBalance,
                                     TOpeningBalance counted);
