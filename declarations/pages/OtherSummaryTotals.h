#pragma once
// The figures of the "other summaries" sheet that the declaration totals do
// not keep: the other ICMS due added up, and the invoices of the free-trade
// areas counted and added up. Sums are cut to cents and a sum over no rows
// counts 0; a query that fails shows message 300 and aborts silently.

#include "core/data/DeclarationKey.h"
#include "platform/base/Currency.h"

#include <QtGlobal>

struct OtherSummaryTotals {
    Currency OutrosICMS;
    Currency NotasALC;
    Currency IsentasALC;
    int NumeroNotasALC = 0;

    // For the declaration of key `sqDeclaracao`.
    static OtherSummaryTotals Of(DeclarationKey sqDeclaracao);
};
