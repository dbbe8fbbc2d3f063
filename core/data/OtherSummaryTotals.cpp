#include "core/data/OtherSummaryTotals.h"

#include "core/data/RuleMessages.h"
#include "core/data/StoredSum.h"

OtherSummaryTotals OtherSummaryTotals::Of(DeclarationKey sqDeclaracao) {
    const QString chave = sqDeclaracao.Sql();
    OtherSummaryTotals totais;
    RuleMessages::Query({QStringLiteral("SELECT SUM(VL_LANCAMENTO) VL_LANCAMENTO"),
                         QStringLiteral("FROM OUTRO_ICMS_DEVIDO "),
                         QStringLiteral("WHERE SQ_DECLARACAO = ") + chave});
    totais.OtherIcms = StoredSum("VL_LANCAMENTO");
    RuleMessages::Query({QStringLiteral("SELECT SUM(VL_NOTA_FISCAL) VL_NOTA_FISCAL,"),
                         QStringLiteral("SUM(VL_ISENTAS) VL_ISENTAS,"), QStringLiteral("COUNT(*) NUMERO"),
                         QStringLiteral("FROM SAIDA_ALC_DECLARADA "),
                         QStringLiteral("WHERE SQ_DECLARACAO = ") + chave});
    totais.FreeTradeInvoices = StoredSum("VL_NOTA_FISCAL");
    totais.FreeTradeExempt = StoredSum("VL_ISENTAS");
    totais.FreeTradeInvoiceCount = StoredCount("NUMERO");
    return totais;
}
