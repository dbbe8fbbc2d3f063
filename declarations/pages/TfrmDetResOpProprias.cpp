#include "declarations/pages/TfrmDetResOpProprias.h"

#include "core/data/TDMDefAux.h"
#include "declarations/pages/SummaryFigures.h"

TfrmDetResOpProprias::TfrmDetResOpProprias(TComponent* owner)
    : BalanceSheetPage(owner, {QStringLiteral("frmDetResOpProprias"), QStringLiteral("Resumo")}) {}

PeriodSummary TfrmDetResOpProprias::Sheet() {
    return OwnOperationsSummary(DMDefAux->CalculaOperacoesProprias(SummaryFigures::Key()),
                                SummaryFigures::Amount("VL_SALDO_ANTERIOR"));
}
