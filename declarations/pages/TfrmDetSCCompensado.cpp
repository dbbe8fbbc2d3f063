#include "declarations/pages/TfrmDetSCCompensado.h"

#include "core/data/TDMDef.h"
#include "declarations/registers/RegisterLayout.h"

namespace {
CreditBalancePage::Shape PageShape() {
    CreditBalancePage::Shape shape;
    shape.formName = QStringLiteral("frmDetSCCompensado");
    shape.caption = QStringLiteral("Compensados");
    shape.dataSourceName = QStringLiteral("dsSCCompensado");
    shape.help = {
        QStringLiteral("Subficha utilizada pelos contribuintes detentores de saldos credores acumulados "
                       "decorrentes de exportação para informar a sua compensação com saldos devedores "
                       "de seus estabelecimentos situados no Estado.")};
    shape.purposeKind = 58;
    shape.purposeComboName = QStringLiteral("dbcvCFOPs");
    shape.amountField = QStringLiteral("VL_COMPENSADO");
    shape.amountEditName = QStringLiteral("dbeVlCompensado");
    shape.amountCaption = QStringLiteral("Valor Compensado");
    shape.invoice = true;
    shape.registrationEditName = QStringLiteral("dbeNumInscricao");
    shape.registrationCaption = QStringLiteral("Nº Insc. Destinatário");
    return shape;
}
} // namespace

TfrmDetSCCompensado::TfrmDetSCCompensado(TComponent* owner)
    : CreditBalancePage(owner, DMDef->cdsSCCompensado, PageShape()) {
    SetGridColumns({{"Codigo", "Finalidade", 70},
                    {"NU_SERIE_NOTA_FISCAL", "Série", 45},
                    {"NU_SUBSERIE_NOTA_FISCAL", "Subsérie", 60},
                    {"NU_NOTA_FISCAL", "Nota Fiscal", 80},
                    {"NU_INSCRICAO", "Nº Insc. Destinatário", 130},
                    {"VL_COMPENSADO", "Valor Compensado", 120}});
}

void TfrmDetSCCompensado::fraMidasNavigator1BeforePost(TDataSet* dataSet) {
    CheckPurpose(dbcvCFOPs);
    BlankSeries(dataSet);
    CheckInvoiceNumber(dataSet);
    CheckRegistration(dataSet, 229);
    CheckAmount(dataSet, 47);
    CheckDatum(dataSet);
}
