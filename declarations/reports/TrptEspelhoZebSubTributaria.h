#pragma once
// Mirror data section "Substituição Tributária Interna": the opening
// tax-substitution balance and its observation, the entries and exits that
// carry a substitution base or tax (in code order), then the six
// tax-substitution occurrence groups.

#include "declarations/reports/MirrorSectionReport.h"

class TrptEspelhoZebSubTributaria : public MirrorSectionReport {
public:
    explicit TrptEspelhoZebSubTributaria(TComponent* owner);

    TIBQuery* ibqEntradas;
    TIBQuery* ibqSaidas;
    TIBQuery* ibqOutCreditosST;
    TIBQuery* ibqOutDebitosST;
    TIBQuery* ibqEstCreditosST;
    TIBQuery* ibqEstDebitosST;
    TIBQuery* ibqDeducoesST;
    TIBQuery* ibqPrazoEspecialST;
};
