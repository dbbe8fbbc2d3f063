#pragma once
// The result sheet of a computation period (own operations or internal tax
// substitution): the totals of the entries and exits, the debits and credits
// of the tax, and the balance of the period: debtor balance, deductions, tax
// to pay and credit to carry forward; with special payment terms, also what
// they take off the tax to pay. Computed once, when the page opens, in exact
// money, from the opening balance as it is added up (cut to cents).

#include "declarations/pages/TfrmDetalheDEF.h"
#include "declarations/validation/PeriodBalance.h"

#include <array>

class TPanel;

class BalanceSheetPage : public TfrmDetalheDEF {
    Q_OBJECT
public:
    // Valor Contábil, Base de Cálculo, Imposto, Operações Isentas, Outras Operações.
    using Totals = std::array<Currency, 5>;

    struct Figures {
        Totals entries, exits;
        Currency exitTax, otherDebits, creditReversals;    // 001, 002, 003
        Currency entryTax, otherCredits, debitReversals;   // 006, 007, 008
        Currency openingBalance, deductions, specialTerms; // as stored
        PeriodBalance balance;
    };

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
    // The figures of the sheet, from the totals of its computation.
    virtual Figures Figuras() = 0;

private:
    void BuildTotals(bool baseAndTaxOnly);
    void BuildBalance();
    void Mostra(const Figures& figures);
};
