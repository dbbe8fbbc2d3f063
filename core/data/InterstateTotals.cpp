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
    t.EntContabil = StoredSum("VL_CONTABIL");
    t.EntBaseCalculo = StoredSum("VL_BASE_CALCULO");
    t.EntOutras = StoredSum("VL_OUTRAS_OPERACOES");
    t.EntPetroleoEnergia = StoredSum("VL_PETROLEO_ENERGIA");
    t.EntOutrosProdutos = StoredSum("VL_OUTROS_PRODUTOS");
    RuleMessages::Query({QStringLiteral("SELECT SUM(VL_CONTABIL_NAO_CNTB) VL_CONTABIL_NAO_CNTB,"),
                         QStringLiteral("SUM(VL_CONTABIL_CNTB) VL_CONTABIL_CNTB,"),
                         QStringLiteral("SUM(VL_BASE_CALCULO_NAO_CNTB) VL_BASE_CALCULO_NAO_CNTB,"),
                         QStringLiteral("SUM(VL_BASE_CALCULO_CNTB) VL_BASE_CALCULO_CNTB,"),
                         QStringLiteral("SUM(VL_OUTRAS_OPERACOES) VL_OUTRAS_OPERACOES,"),
                         QStringLiteral("SUM(VL_IMPOSTO_COBRADO_ST) VL_IMPOSTO_COBRADO_ST"),
                         QStringLiteral("FROM SAIDA_IE_DECLARADA "),
                         QStringLiteral("WHERE SQ_DECLARACAO = ") + chave});
    t.SaiContabilCntb = StoredSum("VL_CONTABIL_CNTB");
    t.SaiContabilNaoCntb = StoredSum("VL_CONTABIL_NAO_CNTB");
    t.SaiBaseCalculoCntb = StoredSum("VL_BASE_CALCULO_CNTB");
    t.SaiBaseCalculoNaoCntb = StoredSum("VL_BASE_CALCULO_NAO_CNTB");
    t.SaiOutras = StoredSum("VL_OUTRAS_OPERACOES");
    t.SaiImpostoCobradoST = StoredSum("VL_IMPOSTO_COBRADO_ST");
    return t;
}
