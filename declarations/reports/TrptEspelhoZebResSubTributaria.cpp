#include "declarations/reports/TrptEspelhoZebResSubTributaria.h"

#include "core/data/TDMDefAux.h"

TrptEspelhoZebResSubTributaria::TrptEspelhoZebResSubTributaria(TComponent* owner)
    : TrptEspelhoZebResOpProprias(owner, QStringLiteral("rptEspelhoZebResSubTributaria"),
                                  QStringLiteral("Resumo de Substituição Tributária"), false) {}

void TrptEspelhoZebResSubTributaria::CalculaValores() {
    MostraApuracao(TaxSubstitutionSummary(DMDefAux->CalculaSubstTributaria(Chave()),
                                          CampoDeclaracao("VL_SALDO_ANTERIOR_ST")));
}
