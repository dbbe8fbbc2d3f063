#include "declarations/pages/TfrmDetSCCompProprio.h"

#include "core/data/TDMDef.h"
#include "declarations/registers/RegisterLayout.h"

namespace {
CreditBalancePage::Kind Tipo() {
    CreditBalancePage::Kind kind;
    kind.formName = QStringLiteral("frmDetSCCompProprio");
    kind.caption = QStringLiteral("Saldo Credor Compensado do Próprio");
    kind.dataSourceName = QStringLiteral("dsSCCompProprio");
    kind.help = {
        QStringLiteral("Subficha utilizada para informar os valores compensados pelo detentor do saldo "
                       "credor de acordo com as hipóteses previstas na legislação")};
    kind.purposeKind = 50;
    kind.purposeComboName = QStringLiteral("dbcvCFOPs");
    kind.amountField = QStringLiteral("VL_COMPENSACAO");
    kind.amountEditName = QStringLiteral("dbeVlCompensado");
    kind.amountCaption = QStringLiteral("Valor Compensado");
    kind.amountMaxLength = 11;
    return kind;
}
} // namespace

TfrmDetSCCompProprio::TfrmDetSCCompProprio(TComponent* owner)
    : CreditBalancePage(owner, DMDef->cdsSCCompProprio, Tipo()) {
    Colunas({{"Codigo", "Finalidade", 70},
             {"VL_COMPENSACAO", "Valor Compensado", 120},
             {"TX_OBSERVACAO", "Dado Complementar", 400}});
}

void TfrmDetSCCompProprio::fraMidasNavigator1BeforePost(TDataSet* dataSet) {
    ConfereFinalidade(dbcvCFOPs);
    ConfereValor(dataSet, 224);
    ConfereDado(dataSet);
}
