#pragma once
// The header row of a declaration as the validation rules read it: its key,
// period, taxpayer, opening balances, export credit inputs and no-movement
// flags, taken once from a row with the columns of the declaration list.

#include "core/data/DeclarationKey.h"
#include "platform/base/Currency.h"

#include <QString>

class TDataSet;

struct DeclarationHeader {
    // The current row of `row` (DMDef.cdsSelDeclaracao or a set with its columns).
    static DeclarationHeader Of(const TDataSet& row);

    DeclarationKey sq{0};
    int month = 0;
    int year = 0;
    int registration = 0;
    bool noRepresentative = false;
    Currency openingBalance;
    Currency openingBalanceST;
    Currency exportOpeningBalance;
    Currency exportEnergyCredit;
    Currency exportProvision;
    QString noMovementFreeTradeArea;
    QString noMovementOwnOperations;
    QString noMovementTaxSubstitution;
    QString noMovementOtherIcms;
};
