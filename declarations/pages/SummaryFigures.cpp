#include "declarations/pages/SummaryFigures.h"

#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "declarations/validation/PeriodBalance.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"

namespace SummaryFigures {

DeclarationKey Key() {
    return DeclarationKey::Of(*DMDef->cdsDeclaracao->FieldByName(QStringLiteral("SQ_DECLARACAO")));
}

Currency Amount(const char* field) {
    return DMDef->cdsDeclaracao->FieldByName(QString::fromLatin1(field))->AsCurrency();
}

Currency OwnCreditToCarry() {
    return OwnOperationsBalance(DMDefAux->CalculaOperacoesProprias(Key()), Amount("VL_SALDO_ANTERIOR"))
        .CarriedForward;
}

} // namespace SummaryFigures
