#pragma once
// The sheet of a computation period (own operations or internal tax
// substitution), one value that the summary pages and the mirror's summaries
// both show, so that they show one figure on every line: the totals of the
// entries and exits, the debits and credits of the tax, the opening balance
// as stored, and the balance of the period from the one balance routine
// (declarations/validation/PeriodBalance.h), which counts the opening balance
// cut to whole cents, as the validation does. Then the final tax: the tax
// payable less the special payment terms, when there is tax to pay and the
// terms do not exceed it; otherwise the tax payable.

#include "core/data/DeclarationTotals.h"
#include "declarations/validation/PeriodBalance.h"

#include <array>

struct PeriodSummary {
    // Valor Contábil, Base de Cálculo, Imposto, Operações Isentas, Outras Operações.
    using Totals = std::array<Currency, 5>;

    Totals Entries, Exits;
    Currency ExitTax, OtherDebits, CreditReversals;  // debits 001, 002, 003
    Currency EntryTax, OtherCredits, DebitReversals; // credits 006, 007, 008
    Currency OpeningBalance;                         // 011, as stored
    Currency Deductions, SpecialTerms;
    PeriodBalance Balance;
    Currency FinalTax;

    // 010: the credits of the period without the opening balance.
    Currency CreditSubtotal() const { return EntryTax + OtherCredits + DebitReversals; }
};

// From the totals of the declaration's block and its stored opening balance.
PeriodSummary OwnOperationsSummary(const OwnOperationsTotals& totals, Currency openingBalance);
// Tax substitution has base and tax columns only; the others stay 0.
PeriodSummary TaxSubstitutionSummary(const TaxSubstitutionTotals& totals, Currency openingBalance);
