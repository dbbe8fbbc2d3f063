#include "declarations/pages/SummaryFigures.h"

#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "declarations/validation/PeriodBalance.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"

#include <algorithm>

namespace SummaryFigures {

DeclarationKey Key() {
    return DeclarationKey::Of(*DMDef->cdsDeclaracao->FieldByName(QStringLiteral("SQ_DECLARACAO")));
}

Currency Amount(const char* field) {
    return DMDef->cdsDeclaracao->FieldByName(QString::fromLatin1(field))->AsCurrency();
}

Currency OwnCreditToCarry() {
    DMDefAux->CalculaOperacoesProprias(Key());
    return OwnOperationsBalance(DMDefAux->Figures.OwnOperations, Amount("VL_SALDO_ANTERIOR")).CarriedForward;
}

std::optional<Currency> NextPeriodBalance(Currency nextPeriod, Currency ownCreditToCarry) {
    if (nextPeriod < Currency())
        return std::nullopt;
    return std::min(nextPeriod, ownCreditToCarry);
}

} // namespace SummaryFigures
