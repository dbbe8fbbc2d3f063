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
    enum Linha {
        SaldoAnterior,
        Creditos,
        Debitos,
        Deducoes,
        SaldoDevedor,
        ImpostoRecolher,
        SaldoCredor,
        PrazoEspecial,
        ImpostoFinal,
        Linhas
    };
    std::array<TReportLabel*, Linhas> qrlSubstituicao;
    std::array<TReportLabel*, Linhas> qrlProprias;
    TReportLabel* qrlMovOperProp;
    TReportLabel* qrlMovSubstTribut;
    TReportLabel* qrlMovOutrosICMS;
    TReportLabel* qrlMovOpInter;
    TReportLabel* qrlMovALCZFM;
    TReportLabel* qrlSaldoAcumulado;
    TReportLabel* qrlSaldoRecebido;

protected:
    void CalculaValores() override;

private:
    void BuildBalances(SummaryColumn& saldos);
    void BuildMovements(SummaryColumn& saldos);
};
