#include "declarations/reports/TrptEspelhoZebResSubTributaria.h"

#include "core/data/TDMDefAux.h"

TrptEspelhoZebResSubTributaria::TrptEspelhoZebResSubTributaria(TComponent* owner)
    : TrptEspelhoZebResOpProprias(owner, QStringLiteral("rptEspelhoZebResSubTributaria"),
                                  QStringLiteral("Resumo de Substituição Tributária"), false) {}

void TrptEspelhoZebResSubTributaria::ComputeValues() {
    ShowSheet(TaxSubstitutionSummary(DMDefAux->CalculaSubstTributaria(Key()),
                                     DeclarationField("VL_SALDO_ANTERIOR_ST")));
}
