#include "declarations/pages/TfrmDetSCCompProprio.h"

#include "core/data/TDMDef.h"
#include "declarations/registers/RegisterLayout.h"

namespace {
CreditBalancePage::Shape PageShape() {
    CreditBalancePage::Shape shape;
    shape.formName = QStringLiteral("frmDetSCCompProprio");
    shape.caption = QStringLiteral("Saldo Credor Compensado do Próprio");
    shape.dataSourceName = QStringLiteral("dsSCCompProprio");
    shape.help = {
        QStringLiteral("Subficha utilizada para informar os valores compensados pelo detentor do saldo "
                       "credor de acordo com as hipóteses previstas na legislação")};
    shape.purposeKind = 50;
    shape.purposeComboName = QStringLiteral("dbcvCFOPs");
    shape.amountField = QStringLiteral("VL_COMPENSACAO");
    shape.amountEditName = QStringLiteral("dbeVlCompensado");
    shape.amountCaption = QStringLiteral("Valor Compensado");
    shape.amountMaxLength = 11;
    return shape;
}
} // namespace

TfrmDetSCCompProprio::TfrmDetSCCompProprio(TComponent* owner)
    : CreditBalancePage(owner, DMDef->cdsSCCompProprio, PageShape()) {
    SetGridColumns({{"Codigo", "Finalidade", 70},
                    {"VL_COMPENSACAO", "Valor Compensado", 120},
                    {"TX_OBSERVACAO", "Dado Complementar", 400}});
}

void TfrmDetSCCompProprio::fraMidasNavigator1BeforePost(TDataSet* dataSet) {
    CheckPurpose(dbcvCFOPs);
    CheckAmount(dataSet, 224);
    CheckDatum(dataSet);
}
