#include "declarations/reports/TrptEspelhoZebResSubTributaria.h"

#include "core/data/TDMDefAux.h"

TrptEspelhoZebResSubTributaria::TrptEspelhoZebResSubTributaria(TComponent* owner)
    : TrptEspelhoZebResOpProprias(owner, QStringLiteral("rptEspelhoZebResSubTributaria"),
                                  QStringLiteral("Resumo de Substituição Tributária"), false) {}

void TrptEspelhoZebResSubTributaria::CalculaValores() {
    DMDefAux->CalculaSubstTributaria(Chave());
    const TTotaisSubstTributaria& t = DMDefAux->Figures.TaxSubstitution;
    Apuracao a;
    a.EntBaseCalculo = t.VlSTEntBaseCalculo;
    a.EntImposto = t.VlSTEntImpostoRetido;
    a.SaiBaseCalculo = t.VlSTSaiBaseCalculo;
    a.SaiImposto = t.VlSTSaiImpostoRetido;
    a.OutCreditos = t.VlSTOutroCredito;
    a.EstDebitos = t.VlSTEstornoDebito;
    a.OutDebitos = t.VlSTOutroDebito;
    a.EstCreditos = t.VlSTEstornoCredito;
    a.Deducoes = t.VlSTDeducao;
    a.PrazoEspecial = t.VlSTPrazoEspecial;
    a.SaldoAnterior = CampoDeclaracao("VL_SALDO_ANTERIOR_ST");
    a.Resumo = TaxSubstitutionSummary(t, a.SaldoAnterior, TOpeningBalance::obAsStored);
    MostraApuracao(a);
}
