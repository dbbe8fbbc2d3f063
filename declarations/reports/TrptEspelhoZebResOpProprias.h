#pragma once
// Mirror summary section "Resumo de Operações Próprias": the totals of the
// entries and exits, the credits and debits of the tax and the balance of the
// period, with the special payment terms and the final tax when there are
// special terms. The tax-substitution summary prints the same sheet.

#include "declarations/reports/MirrorSummaryReport.h"
#include "declarations/reports/PeriodSummary.h"

class TrptEspelhoZebResOpProprias : public MirrorSummaryReport {
public:
    explicit TrptEspelhoZebResOpProprias(TComponent* owner);

    TReportLabel* qrlEntContabil = nullptr;
    TReportLabel* qrlEntBaseCalculo;
    TReportLabel* qrlEntImposto;
    TReportLabel* qrlEntIsentas = nullptr;
    TReportLabel* qrlEntOutras = nullptr;
    TReportLabel* qrlSaiContabil = nullptr;
    TReportLabel* qrlSaiBaseCalculo;
    TReportLabel* qrlSaiImposto;
    TReportLabel* qrlSaiIsentas = nullptr;
    TReportLabel* qrlSaiOutras = nullptr;
    TReportLabel* qrlCrImposto;
    TReportLabel* qrlOutCreditos;
    TReportLabel* qrlEstDebitos;
    TReportLabel* qrlSubtotalCreditos;
    TReportLabel* qrlSaldoAnterior;
    TReportLabel* qrlTotalCreditos;
    TReportLabel* qrlDbImposto;
    TReportLabel* qrlOutDebitos;
    TReportLabel* qrlEstCreditos;
    TReportLabel* qrlTotalDebitos;
    TReportLabel* qrlSaldoDevedor;
    TReportLabel* qrlDeducoes;
    TReportLabel* qrlImpostoRecolher;
    TReportLabel* qrlSaldoCredor;
    TReportLabel* qrlRotuloPrazoEspecial;
    TReportLabel* qrlPrazoEspecial;
    TReportLabel* qrlRotuloImpostoFinal;
    TReportLabel* qrlImpostoFinal;

protected:
    // `completa`: the totals show accounting value, exempt and other operations too.
    TrptEspelhoZebResOpProprias(TComponent* owner, const QString& name, const QString& titulo, bool completa);
    void ComputeValues() override;
    void ShowSheet(const PeriodSummary& folha);

private:
    void BuildSheet(bool completa);
};
