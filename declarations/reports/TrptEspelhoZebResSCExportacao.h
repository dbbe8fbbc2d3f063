#pragma once
// Mirror summary section "Resumo do Saldo Credor de Exportação": the
// declared export values, the export proportion, the adjusted balances and
// the balance carried to the next period (never above the own-operations
// credit carried forward).

#include "declarations/reports/MirrorSummaryReport.h"

class TrptEspelhoZebResSCExportacao : public MirrorSummaryReport {
public:
    explicit TrptEspelhoZebResSCExportacao(TComponent* owner);

    TReportLabel* qrlSCEAnterior;
    TReportLabel* qrlCreditosExportacao;
    TReportLabel* qrlProvisao;
    TReportLabel* qrlSaidasExterior;
    TReportLabel* qrlCompEstab;
    TReportLabel* qrlCompProprio;
    TReportLabel* qrlTransferencias;
    TReportLabel* qrlTotalSaidas;
    TReportLabel* qrlProporcao;
    TReportLabel* qrlDebAjustado;
    TReportLabel* qrlCredAjustado;
    TReportLabel* qrlSaldoAjustPeriodo;
    TReportLabel* qrlSaldoPeriodo;
    TReportLabel* qrlSaldoProximoPeriodo;

protected:
    void ComputeValues() override;
};
