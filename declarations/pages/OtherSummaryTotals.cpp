#include "declarations/pages/OtherSummaryTotals.h"

#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefGeral.h"
#include "core/util/MessageBoxes.h"
#include "platform/base/Exceptions.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"

#include <QStringList>

namespace {

constexpr int ErroConsulta = 300;

void Consulta(const QStringList& sql) {
    if (!DMDefGeral->AbreConsulta(sql.join(QLatin1Char('\n')))) {
        MsgErro(TDMDefAux::BuscaMensagemErro(ErroConsulta));
        Abort();
    }
}

Currency Soma(const char* coluna) {
    return DMDefGeral->cdsAuxiliar->FieldByName(QString::fromLatin1(coluna))->AsCurrency().truncatedToCents();
}

} // namespace

OtherSummaryTotals OtherSummaryTotals::Of(qint64 sqDeclaracao) {
    const QString chave = QString::number(sqDeclaracao);
    OtherSummaryTotals totais;
    Consulta({QStringLiteral("SELECT SUM(VL_LANCAMENTO) VL_LANCAMENTO"),
              QStringLiteral("FROM OUTRO_ICMS_DEVIDO "), QStringLiteral("WHERE SQ_DECLARACAO = ") + chave});
    totais.OutrosICMS = Soma("VL_LANCAMENTO");
    Consulta({QStringLiteral("SELECT SUM(VL_NOTA_FISCAL) VL_NOTA_FISCAL,"),
              QStringLiteral("SUM(VL_ISENTAS) VL_ISENTAS,"), QStringLiteral("COUNT(*) NUMERO"),
              QStringLiteral("FROM SAIDA_ALC_DECLARADA "), QStringLiteral("WHERE SQ_DECLARACAO = ") + chave});
    totais.NotasALC = Soma("VL_NOTA_FISCAL");
    totais.IsentasALC = Soma("VL_ISENTAS");
    totais.NumeroNotasALC = DMDefGeral->cdsAuxiliar->FieldByName(QStringLiteral("NUMERO"))->AsInteger();
    return totais;
}
