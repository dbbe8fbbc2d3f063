#include "declarations/pages/TfrmDetResSubTributaria.h"

#include "core/data/TDMDefAux.h"
#include "declarations/pages/SummaryFigures.h"

TfrmDetResSubTributaria::TfrmDetResSubTributaria(TComponent* owner)
    : BalanceSheetPage(owner, {QStringLiteral("frmDetResSubTributaria"),
                               QStringLiteral("Substituição Tributária Interna"), true}) {}

BalanceSheetPage::Figures TfrmDetResSubTributaria::Figuras() {
    DMDefAux->CalculaSubstTributaria(SummaryFigures::Key());
    const TTotaisSubstTributaria& t = DMDefAux->Figures.TaxSubstitution;
    Figures f;
    f.entries = {Currency(), t.VlSTEntBaseCalculo, t.VlSTEntImpostoRetido, Currency(), Currency()};
    f.exits = {Currency(), t.VlSTSaiBaseCalculo, t.VlSTSaiImpostoRetido, Currency(), Currency()};
    f.exitTax = t.VlSTSaiImpostoRetido;
    f.otherDebits = t.VlSTOutroDebito;
    f.creditReversals = t.VlSTEstornoCredito;
    f.entryTax = t.VlSTEntImpostoRetido;
    f.otherCredits = t.VlSTOutroCredito;
    f.debitReversals = t.VlSTEstornoDebito;
    f.openingBalance = SummaryFigures::Amount("VL_SALDO_ANTERIOR_ST");
    f.deductions = t.VlSTDeducao;
    f.specialTerms = t.VlSTPrazoEspecial;
    f.balance = TaxSubstitutionBalance(t, f.openingBalance);
    return f;
}
