#include "declarations/pages/TfrmDetResOpProprias.h"

#include "core/data/TDMDefAux.h"
#include "declarations/pages/SummaryFigures.h"

TfrmDetResOpProprias::TfrmDetResOpProprias(TComponent* owner)
    : BalanceSheetPage(owner, {QStringLiteral("frmDetResOpProprias"), QStringLiteral("Resumo")}) {}

BalanceSheetPage::Figures TfrmDetResOpProprias::Figuras() {
    DMDefAux->CalculaOperacoesProprias(SummaryFigures::Key());
    const TTotaisOperacoesProprias& t = DMDefAux->Figures.OwnOperations;
    Figures f;
    f.entries = {t.VlEntContabil, t.VlEntBaseCalculo, t.VlEntImposto, t.VlEntIsentas, t.VlEntOutras};
    f.exits = {t.VlSaiContabil, t.VlSaiBaseCalculo, t.VlSaiImposto, t.VlSaiIsentas, t.VlSaiOutras};
    f.exitTax = t.VlSaiImposto;
    f.otherDebits = t.VlOutroDebito;
    f.creditReversals = t.VlEstornoCredito;
    f.entryTax = t.VlEntImposto;
    f.otherCredits = t.VlOutroCredito;
    f.debitReversals = t.VlEstornoDebito;
    f.openingBalance = SummaryFigures::Amount("VL_SALDO_ANTERIOR");
    f.deductions = t.VlDeducao;
    f.specialTerms = t.VlPrazoEspecial;
    f.balance = OwnOperationsBalance(t, f.openingBalance);
    return f;
}
