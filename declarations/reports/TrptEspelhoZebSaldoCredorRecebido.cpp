#include "declarations/reports/TrptEspelhoZebSaldoCredorRecebido.h"

#include "core/data/ModuleComponents.h"
#include "core/data/TDMDefBasica.h"
#include "declarations/reports/MirrorLayout.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TNumericField.h"

TrptEspelhoZebSaldoCredorRecebido::TrptEspelhoZebSaldoCredorRecebido(TComponent* owner)
    : MirrorSectionReport(owner, QStringLiteral("rptEspelhoZebSaldoCredorRecebido"),
                          QStringLiteral("ibtSaldoCredor")) {
    PageTitleBand(QStringLiteral("Saldo Credor de Exportação"));
    ibqSCRecebidos = Query(
        QStringLiteral("ibqSCRecebidos"),
        {QStringLiteral("SELECT s.* ,"),
         QStringLiteral("s.CO_PREF_PROCESSO || '-' || s.NU_PROCESSO || '/' || s.NU_ANO_PROCESSO PROCESSO"),
         QStringLiteral("FROM SALDO_CREDOR_RECEBIDO s"),
         QStringLiteral("WHERE SQ_DECLARACAO = :sq_declaracao")},
        {"SQ_OCORRENCIA_DEF:I", "CO_PREF_PROCESSO:S10", "NU_PROCESSO:S20", "NU_ANO_PROCESSO:H",
         "NU_SERIE_NOTA_FISCAL:S3", "NU_SUBSERIE_NOTA_FISCAL:S2", "NU_NOTA_FISCAL:F", "NU_INSCRICAO:I",
         "VL_SALDO_RECEBIDO:M", "TX_OBSERVACAO:S100", "PROCESSO:S38"});
    MakeLookupField(ibqSCRecebidos, QStringLiteral("Codigo"), 10, DMDefBasica->cdsFinalidades,
                    QStringLiteral("SQ_OCORRENCIA_DEF"), QStringLiteral("SQ_OCORRENCIA_DEF"),
                    QStringLiteral("Codigo"));
    static_cast<TNumericField*>(ibqSCRecebidos->FieldByName(QStringLiteral("NU_INSCRICAO")))
        ->SetDisplayFormat(QStringLiteral("00.000.000"));
    TField* processo = ibqSCRecebidos->FieldByName(QStringLiteral("PROCESSO"));
    processo->SetEditMask(QStringLiteral("E\\04-000000/0000;1; "));
    processo->OnGetText =
        TFieldGetTextEvent(this, &TrptEspelhoZebSaldoCredorRecebido::ibqSCRecebidosPROCESSOGetText);

    MirrorGroup(this, QStringLiteral("SCRecebidos"), QStringLiteral("Saldo Recebido - Créditos Recebidos"),
                ibqSCRecebidos,
                {{"Codigo", "Finalidade", 60},
                 {"VL_SALDO_RECEBIDO", "Valor Recebido", 86, true},
                 {"NU_SERIE_NOTA_FISCAL", "Série", 36},
                 {"NU_SUBSERIE_NOTA_FISCAL", "Subsérie", 44},
                 {"NU_NOTA_FISCAL", "Número", 50},
                 {"NU_INSCRICAO", "Inscrição do Remetente", 80},
                 {"TX_OBSERVACAO", "Dado Complementar ", 200},
                 {"PROCESSO", "Processo", 112}},
                {{"Nota Fiscal", 2, 3}});
}

void TrptEspelhoZebSaldoCredorRecebido::ibqSCRecebidosPROCESSOGetText(TField* sender, QString& text, bool) {
    text = ProcessText(sender->DataSet());
}
