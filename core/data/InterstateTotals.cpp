#include "core/data/InterstateTotals.h"

#include "core/data/RuleMessages.h"
#include "core/data/StoredSum.h"

InterstateTotals InterstateTotals::Of(DeclarationKey sqDeclaracao) {
    const QString chave = sqDeclaracao.Sql();
    InterstateTotals t;
    RuleMessages::Query({QStringLiteral("SELECT SUM(VL_CONTABIL) VL_CONTABIL,"),
                         QStringLiteral("SUM(VL_BASE_CALCULO) VL_BASE_CALCULO,"),
                         QStringLiteral("SUM(VL_OUTRAS_OPERACOES) VL_OUTRAS_OPERACOES,"),
                         QStringLiteral("SUM(VL_PETROLEO_ENERGIA) VL_PETROLEO_ENERGIA,"),
                         QStringLiteral("SUM(VL_OUTROS_PRODUTOS) VL_OUTROS_PRODUTOS"),
                         QStringLiteral("FROM ENTRADA_IE_DECLARADA "),
                         QStringLiteral("WHERE SQ_DECLARACAO = ") + chave});
    t.EntryBookValue = StoredSum("VL_CONTABIL");
    t.EntryTaxBase = StoredSum("VL_BASE_CALCULO");
    t.EntryOther = StoredSum("VL_OUTRAS_OPERACOES");
    t.EntryOilAndEnergy = StoredSum("VL_PETROLEO_ENERGIA");
    t.EntryOtherProducts = StoredSum("VL_OUTROS_PRODUTOS");
    RuleMessages::Query({QStringLiteral("SELECT SUM(VL_CONTABIL_NAO_CNTB) VL_CONTABIL_NAO_CNTB,"),
                         QStringLiteral("SUM(VL_CONTABIL_CNTB) VL_CONTABIL_CNTB,"),
                         QStringLiteral("SUM(VL_BASE_CALCULO_NAO_CNTB) VL_BASE_CALCULO_NAO_CNTB,"),
                         QStringLiteral("SUM(VL_BASE_CALCULO_CNTB) VL_BASE_CALCULO_CNTB,"),
                         QStringLiteral("SUM(VL_OUTRAS_OPERACOES) VL_OUTRAS_OPERACOES,"),
                         QStringLiteral("SUM(VL_IMPOSTO_COBRADO_ST) VL_IMPOSTO_COBRADO_ST"),
                         QStringLiteral("FROM SAIDA_IE_DECLARADA "),
                         QStringLiteral("WHERE SQ_DECLARACAO = ") + chave});
    t.ExitBookValueTaxpayers = StoredSum("VL_CONTABIL_CNTB");
    t.ExitBookValueNonTaxpayers = StoredSum("VL_CONTABIL_NAO_CNTB");
    t.ExitTaxBaseTaxpayers = StoredSum("VL_BASE_CALCULO_CNTB");
    t.ExitTaxBaseNonTaxpayers = StoredSum("VL_BASE_CALCULO_NAO_CNTB");
    t.ExitOther = StoredSum("VL_OUTRAS_OPERACOES");
    t.ExitTaxChargedST = StoredSum("VL_IMPOSTO_COBRADO_ST");
    return t;
}
