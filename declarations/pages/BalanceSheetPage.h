#pragma once
// The result sheet of a computation period (own operations or internal tax
// substitution): the totals of the entries and exits, the debits and credits
// of the tax, and the balance of the period: debtor balance, deductions, tax
// to pay and credit to carry forward; with special payment terms, also what
// they take off the tax to pay. Computed when the page opens, in exact money:
// the sheet the mirror prints too (PeriodSummary), which shows the opening
// balance as stored and adds it up cut to cents.

#include "declarations/pages/TfrmDetalheDEF.h"
#include "declarations/reports/PeriodSummary.h"

#include <array>

class TPanel;

class BalanceSheetPage : public TfrmDetalheDEF {
    Q_OBJECT
public:
    struct Shape {
        QString formName, caption;
        // The sheet shows only the base and tax columns.
        bool baseAndTaxOnly = false;
    };

    BalanceSheetPage(TComponent* owner, const Shape& shape);

    void PreparaQuadro() override;

    std::array<TPanel*, 5> pnlEntradas; // pnlVlContabilEntradas ... pnlOutOpEntradas
    std::array<TPanel*, 5> pnlSaidas;   // pnlVlContabilSaidas ... pnlOutOpSaidas
    TPanel* pnlDebImposto;
    TPanel* pnlDI_OutDebitos;
    TPanel* pnlDI_EstCreditos;
    TPanel* pnlTotalDb_Imp;
    TPanel* pnlCrImposto;
    TPanel* pnlCI_OutCreditos;
    TPanel* pnlCI_EstDebitos;
    TPanel* pnlTotalPartCRI;
    TPanel* pnlSCPerAnterior;
    TPanel* pnlTotalCr_Imp;
    TPanel* pnlSaldoDevedor;
    TPanel* pnlDeducoes;
    TPanel* pnlImpRecolher;
    TPanel* pnlSCTransportar;
    TPanel* pnlAuxiliar;
    TPanel* pnlPrazoEsp;
    TPanel* pnlImpFinalRec;

protected:
    // The sheet, from the totals of its computation.
    virtual PeriodSummary Sheet() = 0;

private:
    void BuildTotals(bool baseAndTaxOnly);
    void BuildBalance();
    void ShowSheet(const PeriodSummary& sheet);
};
