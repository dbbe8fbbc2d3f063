#include "declarations/reports/PeriodSummary.h"

namespace {

// The final tax, once the balance is in.
PeriodSummary& WithFinalTax(PeriodSummary& s) {
    const Currency payable = s.Balance.TaxPayable;
    const bool deducted = s.SpecialTerms > Currency() && payable != Currency() && s.SpecialTerms <= payable;
    s.FinalTax = deducted ? payable - s.SpecialTerms : payable;
    return s;
}

} // namespace

PeriodSummary OwnOperationsSummary(const OwnOperationsTotals& t, Currency openingBalance) {
    PeriodSummary s;
    s.Entries = {t.VlEntContabil, t.VlEntBaseCalculo, t.VlEntImposto, t.VlEntIsentas, t.VlEntOutras};
    s.Exits = {t.VlSaiContabil, t.VlSaiBaseCalculo, t.VlSaiImposto, t.VlSaiIsentas, t.VlSaiOutras};
    s.ExitTax = t.VlSaiImposto;
    s.OtherDebits = t.VlOutroDebito;
    s.CreditReversals = t.VlEstornoCredito;
    s.EntryTax = t.VlEntImposto;
    s.OtherCredits = t.VlOutroCredito;
    s.DebitReversals = t.VlEstornoDebito;
    s.OpeningBalance = openingBalance;
    s.Deductions = t.VlDeducao;
    s.SpecialTerms = t.VlPrazoEspecial;
    s.Balance = OwnOperationsBalance(t, openingBalance);
    return WithFinalTax(s);
}

PeriodSummary TaxSubstitutionSummary(const TaxSubstitutionTotals& t, Currency openingBalance) {
    PeriodSummary s;
    s.Entries = {Currency(), t.VlSTEntBaseCalculo, t.VlSTEntImpostoRetido, Currency(), Currency()};
    s.Exits = {Currency(), t.VlSTSaiBaseCalculo, t.VlSTSaiImpostoRetido, Currency(), Currency()};
    s.ExitTax = t.VlSTSaiImpostoRetido;
    s.OtherDebits = t.VlSTOutroDebito;
    s.CreditReversals = t.VlSTEstornoCredito;
    s.EntryTax = t.VlSTEntImpostoRetido;
    s.OtherCredits = t.VlSTOutroCredito;
    s.DebitReversals = t.VlSTEstornoDebito;
    s.OpeningBalance = openingBalance;
    s.Deductions = t.VlSTDeducao;
    s.SpecialTerms = t.VlSTPrazoEspecial;
    s.Balance = TaxSubstitutionBalance(t, openingBalance);
    return WithFinalTax(s);
}
