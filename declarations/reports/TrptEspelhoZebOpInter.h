#pragma once
// Mirror data section "Operações Interestaduais": the interstate entries
// and exits by state.

#include "declarations/reports/MirrorSectionReport.h"

class TrptEspelhoZebOpInter : public MirrorSectionReport {
public:
    explicit TrptEspelhoZebOpInter(TComponent* owner);

    TIBQuery* ibqEntradasInter;
    TIBQuery* ibqSaidasInter;
};
