#pragma once
// Mirror summary section "Resumo de Substituição Tributária": the sheet of
// the own-operations summary on the tax-substitution totals (bases and
// withheld tax of the entries and exits).

#include "declarations/reports/TrptEspelhoZebResOpProprias.h"

class TrptEspelhoZebResSubTributaria : public TrptEspelhoZebResOpProprias {
public:
    explicit TrptEspelhoZebResSubTributaria(TComponent* owner);

protected:
    void ComputeValues() override;
};
