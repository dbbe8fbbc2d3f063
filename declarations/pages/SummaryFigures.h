#pragma once
// What the summary sheets read of the declaration being edited (the current
// row of DMDef.cdsDeclaracao) and compute from the totals of the auxiliary
// data module. Each computation runs the totals of its block first; a query
// that fails shows message 300 and aborts silently.

#include "core/data/DeclarationKey.h"
#include "platform/base/Currency.h"

#include <QString>
#include <optional>

namespace SummaryFigures {

// SQ_DECLARACAO as the totals take it.
DeclarationKey Key();
// A money field of the declaration row, as it stands (also while edited).
Currency Amount(const char* field);
// The own operations' credit balance to carry forward (the balance of the
// period on the stored opening balance).
Currency OwnCreditToCarry();
// The export balance for the next period as the sheets show it: never more
// than the own operations' credit to carry; none when it is negative.
std::optional<Currency> NextPeriodBalance(Currency nextPeriod, Currency ownCreditToCarry);

} // namespace SummaryFigures
