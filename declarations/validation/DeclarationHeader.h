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
    int mes = 0;
    int ano = 0;
    int inscricao = 0;
    bool semRepresentante = false;
    Currency saldoAnterior;
    Currency saldoAnteriorST;
    Currency sceAnterior;
    Currency sceCreditoEnergia;
    Currency sceProvisao;
    QString semMovAlcZfm;
    QString semMovOperProp;
    QString semMovSubstTribut;
    QString semMovOutrosICMS;
};
