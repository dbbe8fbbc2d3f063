#pragma once
// Mirror summary section "Resumo das Operações de ICMS": the balances of
// tax substitution and of own operations side by side, and which blocks of
// the declaration show movement.

#include "declarations/reports/MirrorSummaryReport.h"

#include <array>

class TrptEspelhoZebResOperacoes : public MirrorSummaryReport {
public:
    explicit TrptEspelhoZebResOperacoes(TComponent* owner);

    // The lines of a balance column, in print order.
    enum Line {
        OpeningBalance,
        Credits,
        Debits,
        Deductions,
        DebtorBalance,
        TaxPayable,
        CreditToCarry,
        SpecialTerms,
        FinalTax,
        LineCount
    };
    std::array<TReportLabel*, LineCount> qrlSubstituicao;
    std::array<TReportLabel*, LineCount> qrlProprias;
    TReportLabel* qrlMovOperProp;
    TReportLabel* qrlMovSubstTribut;
    TReportLabel* qrlMovOutrosICMS;
    TReportLabel* qrlMovOpInter;
    TReportLabel* qrlMovALCZFM;
    TReportLabel* qrlSaldoAcumulado;
    TReportLabel* qrlSaldoRecebido;

protected:
    void ComputeValues() override;

private:
    void BuildBalances(SummaryColumn& saldos);
    void BuildMovements(SummaryColumn& saldos);
};
