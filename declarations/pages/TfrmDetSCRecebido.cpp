#include "declarations/pages/TfrmDetSCRecebido.h"

#include "core/data/TDMDef.h"
#include "declarations/registers/RegisterLayout.h"

namespace {
CreditBalancePage::Shape PageShape() {
    CreditBalancePage::Shape shape;
    shape.formName = QStringLiteral("frmDetSCRecebido");
    shape.caption = QStringLiteral("Recebidos");
    shape.dataSourceName = QStringLiteral("dsSCRecebido");
    shape.help = {
        QStringLiteral("Subficha utilizada para informar  os valores dos saldos credores recebidos de "
                       "acordo com as diversas hipóteses de utilização")};
    shape.purposeKind = 56;
    shape.purposeComboName = QStringLiteral("dbcvCFOPs");
    shape.amountField = QStringLiteral("VL_SALDO_RECEBIDO");
    shape.amountEditName = QStringLiteral("dbeVlSaldoRecebido");
    shape.amountCaption = QStringLiteral("Valor Recebido");
    shape.invoice = true;
    shape.registrationEditName = QStringLiteral("dbeNumInscRemetente");
    shape.registrationCaption = QStringLiteral("Nº Insc. Remetente");
    shape.process = true;
    return shape;
}
} // namespace

TfrmDetSCRecebido::TfrmDetSCRecebido(TComponent* owner)
    : CreditBalancePage(owner, DMDef->cdsSCRecebido, PageShape()) {
    SetGridColumns({{"Codigo", "Finalidade", 65},
                    {"DESC_PROCESSO", "Processo", 105},
                    {"NU_SERIE_NOTA_FISCAL", "Série", 40},
                    {"NU_SUBSERIE_NOTA_FISCAL", "Subsérie", 55},
                    {"NU_NOTA_FISCAL", "Nota Fiscal", 70},
                    {"NU_INSCRICAO", "Nº Insc. Remetente", 110},
                    {"VL_SALDO_RECEBIDO", "Valor Recebido", 100},
                    {"TX_OBSERVACAO", "Dado Complementar", 160}});
}

void TfrmDetSCRecebido::fraMidasNavigator1BeforePost(TDataSet* dataSet) {
    CheckPurpose(dbcvCFOPs);
    CheckProcess(dataSet);
    BlankSeries(dataSet);
    CheckInvoiceNumber(dataSet);
    CheckRegistration(dataSet, 230);
    CheckAmount(dataSet, 56);
    CheckDatum(dataSet);
}
