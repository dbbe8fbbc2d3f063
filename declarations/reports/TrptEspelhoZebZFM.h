#pragma once
// Mirror data section "Zona Franca de Manaus e Área de Livre Comércio": the
// invoices of exits to the free-trade zone and areas.

#include "declarations/reports/MirrorSectionReport.h"

class TrptEspelhoZebZFM : public MirrorSectionReport {
public:
    explicit TrptEspelhoZebZFM(TComponent* owner);

    TIBQuery* ibqZFM;
};
