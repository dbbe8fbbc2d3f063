#include "declarations/reports/TrptEspelhoZebSaldoCredorAcumulado.h"

#include "core/data/ModuleComponents.h"
#include "core/data/TDMDefBasica.h"
#include "declarations/reports/MirrorLayout.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TNumericField.h"

namespace {

// The purpose code of the row's `chave` column.
void AddPurposeLookup(TIBQuery* query, const QString& campo, const QString& chave) {
    MakeLookupField(query, campo, 10, DMDefBasica->cdsFinalidades, chave, QStringLiteral("SQ_OCORRENCIA_DEF"),
                    QStringLiteral("Codigo"));
}

void FormatRegistration(TIBQuery* query) {
    static_cast<TNumericField*>(query->FieldByName(QStringLiteral("NU_INSCRICAO")))
        ->SetDisplayFormat(QStringLiteral("00.000.000"));
}

} // namespace

TrptEspelhoZebSaldoCredorAcumulado::TrptEspelhoZebSaldoCredorAcumulado(TComponent* owner)
    : MirrorSectionReport(owner, QStringLiteral("rptEspelhoZebSaldoCredorAcumulado"),
                          QStringLiteral("ibtSaldoCredor")) {
    PageTitleBand(QStringLiteral("Saldo Credor de Exportação - Saldo Acumulado"));
    BuildQueries();
    BuildGroups();
}

void TrptEspelhoZebSaldoCredorAcumulado::BuildQueries() {
    const QString ocorrencia = QStringLiteral("SQ_OCORRENCIA_DEF");
    ibqSCCompProprio = Query(QStringLiteral("ibqSCCompProprio"),
                             {QStringLiteral("SELECT * "), QStringLiteral("FROM SALDO_CREDOR_COMP_PROPRIO"),
                              QStringLiteral("WHERE SQ_DECLARACAO = :sq_declaracao")},
                             {"SQ_OCORRENCIA_DEF:I", "VL_COMPENSACAO:M", "TX_OBSERVACAO:S100"});
    AddPurposeLookup(ibqSCCompProprio, QStringLiteral("Finalidade"), ocorrencia);
    ibqSCCompEstab = Query(QStringLiteral("ibqSCCompEstab"),
                           {QStringLiteral("SELECT * "), QStringLiteral("FROM SALDO_CREDOR_COMPENSADO"),
                            QStringLiteral("WHERE SQ_DECLARACAO = :sq_declaracao")},
                           {"SQ_OCORRENCIA_DEF:I", "NU_SERIE_NOTA_FISCAL:S3", "NU_SUBSERIE_NOTA_FISCAL:S2",
                            "NU_NOTA_FISCAL:F", "NU_INSCRICAO:I", "VL_COMPENSADO:M", "TX_OBSERVACAO:S100"});
    AddPurposeLookup(ibqSCCompEstab, QStringLiteral("Finalidade"), ocorrencia);
    FormatRegistration(ibqSCCompEstab);
    ibqSCTransferencia = Query(
        QStringLiteral("ibqSCTransferencia"),
        {QStringLiteral("SELECT s.* ,"),
         QStringLiteral("s.CO_PREF_PROCESSO || '-' || s.NU_PROCESSO || '/' || s.NU_ANO_PROCESSO PROCESSO"),
         QStringLiteral("FROM SALDO_CREDOR_TRANSFERIDO s"),
         QStringLiteral("WHERE SQ_DECLARACAO = :sq_declaracao")},
        {"SQ_OCORRENCIA_DEF:I", "SQ_OCORRENCIA_DEF_DESTINO:I", "CO_PREF_PROCESSO:S10", "NU_PROCESSO:S20",
         "NU_ANO_PROCESSO:H", "NU_SERIE_NOTA_FISCAL:S3", "NU_SUBSERIE_NOTA_FISCAL:S2", "NU_NOTA_FISCAL:F",
         "NU_INSCRICAO:I", "VL_SALDO_TRANSFERIDO:M", "TX_OBSERVACAO:S100", "TX_OBSERVACAO_DESTINO:S100",
         "PROCESSO:S38"});
    AddPurposeLookup(ibqSCTransferencia, QStringLiteral("Codigo"), ocorrencia);
    AddPurposeLookup(ibqSCTransferencia, QStringLiteral("CodigoDestino"),
                     QStringLiteral("SQ_OCORRENCIA_DEF_DESTINO"));
    FormatRegistration(ibqSCTransferencia);
    TField* processo = ibqSCTransferencia->FieldByName(QStringLiteral("PROCESSO"));
    processo->SetEditMask(QStringLiteral("E\\04-000000/0000;1; "));
    processo->OnGetText =
        TFieldGetTextEvent(this, &TrptEspelhoZebSaldoCredorAcumulado::ibqSCTransferenciaPROCESSOGetText);
}

void TrptEspelhoZebSaldoCredorAcumulado::BuildGroups() {
    MirrorGroup(this, QStringLiteral("CompProprio"), QStringLiteral("Compensações do Próprio"),
                ibqSCCompProprio,
                {{"Finalidade", "Finalidade", 70},
                 {"VL_COMPENSACAO", "Valor Compensado", 100, true},
                 {"TX_OBSERVACAO", "Dado Complementar", 536}});
    MirrorGroup(this, QStringLiteral("CompEstab"), QStringLiteral("Compensações entre Estabelecimentos"),
                ibqSCCompEstab,
                {{"Finalidade", "Finalidade", 64},
                 {"VL_COMPENSADO", "Valor Compensado", 90, true},
                 {"NU_SERIE_NOTA_FISCAL", "Série", 40},
                 {"NU_SUBSERIE_NOTA_FISCAL", "Subsérie", 44},
                 {"NU_NOTA_FISCAL", "Número", 56},
                 {"NU_INSCRICAO", "Inscrição do Destinatário", 90},
                 {"TX_OBSERVACAO", "Dado Complementar ", 298}},
                {{"Nota Fiscal", 2, 3}});
    MirrorGroup(this, QStringLiteral("Transferencia"), QStringLiteral("Transferências"), ibqSCTransferencia,
                {{"Codigo", "Finalidade", 54},
                 {"VL_SALDO_TRANSFERIDO", "Valor Transferido", 80, true},
                 {"NU_SERIE_NOTA_FISCAL", "Série", 30},
                 {"NU_SUBSERIE_NOTA_FISCAL", "Subsérie", 40},
                 {"NU_NOTA_FISCAL", "Número", 46},
                 {"NU_INSCRICAO", "Inscrição do Destinatário", 70},
                 {"TX_OBSERVACAO_DESTINO", "Dado Complementar ", 176},
                 {"PROCESSO", "Processo", 110},
                 {"CodigoDestino", "Finalidade", 56}},
                {{"Nota Fiscal", 2, 3}});
}

void TrptEspelhoZebSaldoCredorAcumulado::ibqSCTransferenciaPROCESSOGetText(TField* sender, QString& text,
                                                                           bool) {
    text = ProcessText(sender->DataSet());
}
