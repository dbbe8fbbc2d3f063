#include "declarations/pages/TfrmDetResSubTributaria.h"

#include "core/data/TDMDefAux.h"
#include "declarations/pages/SummaryFigures.h"

TfrmDetResSubTributaria::TfrmDetResSubTributaria(TComponent* owner)
    : BalanceSheetPage(owner, {QStringLiteral("frmDetResSubTributaria"),
                               QStringLiteral("Substituição Tributária Interna"), true}) {}

PeriodSummary TfrmDetResSubTributaria::Sheet() {
    return TaxSubstitutionSummary(DMDefAux->CalculaSubstTributaria(SummaryFigures::Key()),
                                  SummaryFigures::Amount("VL_SALDO_ANTERIOR_ST"));
}
