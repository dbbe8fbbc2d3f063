#include "declarations/pages/TfrmDetSCRecebido.h"

#include "core/data/TDMDef.h"
#include "declarations/registers/RegisterLayout.h"

namespace {
CreditBalancePage::Kind Tipo() {
    CreditBalancePage::Kind kind;
    kind.formName = QStringLiteral("frmDetSCRecebido");
    kind.caption = QStringLiteral("Recebidos");
    kind.dataSourceName = QStringLiteral("dsSCRecebido");
    kind.help = {
        QStringLiteral("Subficha utilizada para informar  os valores dos saldos credores recebidos de "
                       "acordo com as diversas hipóteses de utilização")};
    kind.purposeKind = 56;
    kind.purposeComboName = QStringLiteral("dbcvCFOPs");
    kind.amountField = QStringLiteral("VL_SALDO_RECEBIDO");
    kind.amountEditName = QStringLiteral("dbeVlSaldoRecebido");
    kind.amountCaption = QStringLiteral("Valor Recebido");
    kind.invoice = true;
    kind.registrationEditName = QStringLiteral("dbeNumInscRemetente");
    kind.registrationCaption = QStringLiteral("Nº Insc. Remetente");
    kind.process = true;
    return kind;
}
} // namespace

TfrmDetSCRecebido::TfrmDetSCRecebido(TComponent* owner)
    : CreditBalancePage(owner, DMDef->cdsSCRecebido, Tipo()) {
    Colunas({{"Codigo", "Finalidade", 65},
             {"DESC_PROCESSO", "Processo", 105},
             {"NU_SERIE_NOTA_FISCAL", "Série", 40},
             {"NU_SUBSERIE_NOTA_FISCAL", "Subsérie", 55},
             {"NU_NOTA_FISCAL", "Nota Fiscal", 70},
             {"NU_INSCRICAO", "Nº Insc. Remetente", 110},
             {"VL_SALDO_RECEBIDO", "Valor Recebido", 100},
             {"TX_OBSERVACAO", "Dado Complementar", 160}});
}

void TfrmDetSCRecebido::fraMidasNavigator1BeforePost(TDataSet* dataSet) {
    ConfereFinalidade(dbcvCFOPs);
    ConfereProcesso(dataSet);
    SerieEmBranco(dataSet);
    ConfereNota(dataSet);
    ConfereInscricao(dataSet, 230);
    ConfereValor(dataSet, 56);
    ConfereDado(dataSet);
}
