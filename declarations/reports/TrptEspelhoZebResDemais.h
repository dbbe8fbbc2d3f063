#pragma once
// Mirror summary section "Demais Resumos": the other ICMS due and the exits
// to the free-trade zone and areas.

#include "declarations/reports/MirrorSummaryReport.h"

class TrptEspelhoZebResDemais : public MirrorSummaryReport {
public:
    explicit TrptEspelhoZebResDemais(TComponent* owner);

    TReportLabel* qrlOutrosICMS;
    TReportLabel* qrlVlNotaFiscal;
    TReportLabel* qrlNumeroNotas;
    TReportLabel* qrlVlIsentas;

protected:
    void ComputeValues() override;
};
