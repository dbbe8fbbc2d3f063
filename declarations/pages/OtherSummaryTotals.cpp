#include "declarations/pages/OtherSummaryTotals.h"

#include "core/data/RuleMessages.h"
#include "core/data/TDMDefGeral.h"
#include "core/util/MessageBoxes.h"
#include "platform/base/Exceptions.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"

#include <QStringList>

namespace {

Currency Soma(const char* coluna) {
    return DMDefGeral->cdsAuxiliar->FieldByName(QString::fromLatin1(coluna))->AsCurrency().truncatedToCents();
}

} // namespace

OtherSummaryTotals OtherSummaryTotals::Of(DeclarationKey sqDeclaracao) {
    const QString chave = sqDeclaracao.Sql();
    OtherSummaryTotals totais;
    RuleMessages::Query({QStringLiteral("SELECT SUM(VL_LANCAMENTO) VL_LANCAMENTO"),
                         QStringLiteral("FROM OUTRO_ICMS_DEVIDO "),
                         QStringLiteral("WHERE SQ_DECLARACAO = ") + chave});
    totais.OutrosICMS = Soma("VL_LANCAMENTO");
    RuleMessages::Query({QStringLiteral("SELECT SUM(VL_NOTA_FISCAL) VL_NOTA_FISCAL,"),
                         QStringLiteral("SUM(VL_ISENTAS) VL_ISENTAS,"), QStringLiteral("COUNT(*) NUMERO"),
                         QStringLiteral("FROM SAIDA_ALC_DECLARADA "),
                         QStringLiteral("WHERE SQ_DECLARACAO = ") + chave});
    totais.NotasALC = Soma("VL_NOTA_FISCAL");
    totais.IsentasALC = Soma("VL_ISENTAS");
    totais.NumeroNotasALC = DMDefGeral->cdsAuxiliar->FieldByName(QStringLiteral("NUMERO"))->AsInteger();
    return totais;
}
