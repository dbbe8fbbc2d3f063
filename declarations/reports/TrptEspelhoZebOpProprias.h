#pragma once
// Mirror data section "Operações Próprias": the opening credit balance and
// the observation, the entries and exits by fiscal operation code (in code
// order), then the six own-operations occurrence groups.

#include "declarations/reports/MirrorSectionReport.h"

class TrptEspelhoZebOpProprias : public MirrorSectionReport {
public:
    explicit TrptEspelhoZebOpProprias(TComponent* owner);

    TIBQuery* ibqEntradas;
    TIBQuery* ibqSaidas;
    TIBQuery* ibqOutCreditosOP;
    TIBQuery* ibqOutDebitosOP;
    TIBQuery* ibqEstCreditosOP;
    TIBQuery* ibqEstDebitosOP;
    TIBQuery* ibqDeducoesOP;
    TIBQuery* ibqPrazoEspecialOP;
};
