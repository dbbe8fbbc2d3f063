#pragma once
// The figures of the "other summaries" that the declaration totals do not
// keep: the other ICMS due added up, and the invoices of the free-trade areas
// counted and added up. The sums are read as the database adds up the stored
// values (not cut), so that the summary page and the mirror show one figure;
// a sum over no rows counts 0. A query that fails shows message 300 and
// aborts silently.

#include "core/data/DeclarationKey.h"
#include "platform/base/Currency.h"

struct OtherSummaryTotals {
    Currency OtherIcms;
    Currency FreeTradeInvoices;
    Currency FreeTradeExempt;
    int FreeTradeInvoiceCount = 0;

    // For the declaration of key `sqDeclaracao`.
    static OtherSummaryTotals Of(DeclarationKey sqDeclaracao);
};
