#pragma once
// The totals of the interstate pages of a declaration, entries by kind of
// product and exits to taxpayers and non-taxpayers, read as the database adds
// up the stored values (not cut), so that the summary page and the mirror
// show one figure; a sum over no rows counts 0. A query that fails shows
// message 300 and aborts silently.

#include "core/data/DeclarationKey.h"
#include "platform/base/Currency.h"

struct InterstateTotals {
    // ENTRADA_IE_DECLARADA.
    Currency EntryBookValue, EntryTaxBase, EntryOther, EntryOilAndEnergy, EntryOtherProducts;
    // SAIDA_IE_DECLARADA.
    Currency ExitBookValueTaxpayers, ExitBookValueNonTaxpayers, ExitTaxBaseTaxpayers, ExitTaxBaseNonTaxpayers,
        ExitOther, ExitTaxChargedST;

    // For the declaration of key `sqDeclaracao`.
    static InterstateTotals Of(DeclarationKey sqDeclaracao);
};
