#pragma once
// What the summary sheets read of the declaration being edited (the current
// row of DMDef.cdsDeclaracao) and compute from the totals of the auxiliary
// data module. A query that fails shows message 300 and aborts silently.

#include "core/data/DeclarationKey.h"
#include "platform/base/Currency.h"

namespace SummaryFigures {

// SQ_DECLARACAO as the totals take it.
DeclarationKey Key();
// A money field of the declaration row, as it stands (also while edited).
Currency Amount(const char* field);
// The own operations' credit balance to carry forward (the balance of the
// period on the stored opening balance, cut to cents).
Currency OwnCreditToCarry();

} // namespace SummaryFigures
