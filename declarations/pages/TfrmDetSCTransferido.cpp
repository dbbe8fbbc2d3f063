#include "declarations/pages/TfrmDetSCTransferido.h"

#include "components/data/TDBComboValues.h"
#include "core/data/TDMDef.h"
#include "declarations/registers/RegisterLayout.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/TDBEdit.h"

namespace {
CreditBalancePage::Shape PageShape() {
    CreditBalancePage::Shape shape;
    shape.formName = QStringLiteral("frmDetSCTransferido");
    shape.caption = QStringLiteral("Transferidos");
    shape.dataSourceName = QStringLiteral("dsSCTransferido");
    shape.help = {
        QStringLiteral("Subficha utilizada pelos contribuintes detentores de saldos credores acumulados "
                       "decorrentes de exportação que realizarem transferências dos referidos créditos")};
    shape.purposeKind = 52;
    shape.purposeComboName = QStringLiteral("dbcvFinalidades");
    shape.amountField = QStringLiteral("VL_SALDO_TRANSFERIDO");
    shape.amountEditName = QStringLiteral("dbeVlSaldoTransferido");
    shape.amountCaption = QStringLiteral("Valor Transferido");
    shape.observationField = QStringLiteral("TX_OBSERVACAO_DESTINO");
    shape.invoice = true;
    shape.registrationEditName = QStringLiteral("dbeNumInscDestinatario");
    shape.registrationCaption = QStringLiteral("Número de Inscrição");
    shape.process = true;
    shape.destination = true;
    return shape;
}
} // namespace

TfrmDetSCTransferido::TfrmDetSCTransferido(TComponent* owner)
    : CreditBalancePage(owner, DMDef->cdsSCTransferido, PageShape()) {
    SetGridColumns({{"Codigo", "Finalidade", 65},
                    {"DESC_PROCESSO", "Processo", 105},
                    {"NU_SERIE_NOTA_FISCAL", "Série", 40},
                    {"NU_SUBSERIE_NOTA_FISCAL", "Subsérie", 55},
                    {"NU_NOTA_FISCAL", "Nota Fiscal", 70},
                    {"VL_SALDO_TRANSFERIDO", "Valor Transferido", 105},
                    {"NU_INSCRICAO", "Nº Insc. Destinatário", 120},
                    {"SQ_OCORRENCIA_DEF_DESTINO", "Finalidade do Destinatário", 150},
                    {"TX_OBSERVACAO_DESTINO", "Obs. do Transferido", 160}});
}

void TfrmDetSCTransferido::fraMidasNavigator1BeforePost(TDataSet* dataSet) {
    CheckPurpose(dbcvCFOPs);
    CheckPurpose(dbcvDestinatario);
    CheckProcess(dataSet);
    BlankSeries(dataSet);
    CheckInvoiceNumber(dataSet);
    CheckAmount(dataSet, 52);
    CheckRegistration(dataSet, 229);
    const int declarante = DMDef->cdsDeclaracao->FieldByName(QStringLiteral("NU_INSCRICAO"))->AsInteger();
    if (dataSet->FieldByName(QStringLiteral("NU_INSCRICAO"))->AsInteger() == declarante)
        RefuseCode(296, dbeInscricao);
    if (dataSet->FieldByName(QStringLiteral("SQ_OCORRENCIA_DEF_DESTINO"))->AsInteger() == 0)
        RefuseCode(278, dbcvDestinatario);
    CheckDatum(dataSet);
}
