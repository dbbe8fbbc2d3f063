#pragma once
// Mirror data section "Saldo Credor de Exportação": the export credit
// balances received from other establishments.

#include "declarations/reports/MirrorSectionReport.h"

class TrptEspelhoZebSaldoCredorRecebido : public MirrorSectionReport {
public:
    explicit TrptEspelhoZebSaldoCredorRecebido(TComponent* owner);

    // PROCESSO: prefix-number/year of the row.
    void ibqSCRecebidosPROCESSOGetText(TField* sender, QString& text, bool displayText);

    TIBQuery* ibqSCRecebidos;
};
