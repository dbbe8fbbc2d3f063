#pragma once
// Mirror data section "Outros ICMS Devidos": the other-ICMS occurrences of
// the declaration whose legal ground is valid in its month.

#include "declarations/reports/MirrorSectionReport.h"

class TrptEspelhoZebOutICMS : public MirrorSectionReport {
public:
    explicit TrptEspelhoZebOutICMS(TComponent* owner);

    TIBQuery* ibqOutICMS;
};
