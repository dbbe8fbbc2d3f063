#pragma once
// Mirror summary section "Resumo de Operações Interestaduais": the totals
// of the interstate entries and exits.

#include "declarations/reports/MirrorSummaryReport.h"

class TrptEspelhoZebResOpInter : public MirrorSummaryReport {
public:
    explicit TrptEspelhoZebResOpInter(TComponent* owner);

    TReportLabel* qrlEntContabil;
    TReportLabel* qrlEntBaseCalculo;
    TReportLabel* qrlEntOutras;
    TReportLabel* qrlEntPetroleoEnergia;
    TReportLabel* qrlEntOutrosProdutos;
    TReportLabel* qrlSaiContabilCntb;
    TReportLabel* qrlSaiContabilNaoCntb;
    TReportLabel* qrlSaiBaseCalculoCntb;
    TReportLabel* qrlSaiBaseCalculoNaoCntb;
    TReportLabel* qrlSaiOutras;
    TReportLabel* qrlSaiImpostoCobradoST;

protected:
    void ComputeValues() override;
};
