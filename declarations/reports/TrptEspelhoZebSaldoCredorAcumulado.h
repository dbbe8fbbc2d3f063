#pragma once
// Mirror data section "Saldo Credor de Exportação - Saldo Acumulado": the
// export credit balance compensated by the establishment itself and with
// other establishments, and the transfers with the purposes of both ends.

#include "declarations/reports/MirrorSectionReport.h"

class TrptEspelhoZebSaldoCredorAcumulado : public MirrorSectionReport {
public:
    explicit TrptEspelhoZebSaldoCredorAcumulado(TComponent* owner);

    // PROCESSO: prefix-number/year of the row.
    void ibqSCTransferenciaPROCESSOGetText(TField* sender, QString& text, bool displayText);

    TIBQuery* ibqSCCompProprio;
    TIBQuery* ibqSCCompEstab;
    TIBQuery* ibqSCTransferencia;

private:
    void BuildQueries();
    void BuildGroups();
};
