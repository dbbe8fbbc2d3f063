#include "declarations/reports/TrptEspelhoZebResDemais.h"

#include "core/data/RuleMessages.h"
#include "core/data/TDMDefGeral.h"
#include "declarations/reports/SummaryColumn.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/report/TReportLabel.h"

namespace {
// Design units (1/96 inch).
constexpr double kTop = 8;
constexpr double kBlockGap = 12;
constexpr double kCaptionWidth = 300;
constexpr double kValueWidth = 120;
} // namespace

TrptEspelhoZebResDemais::TrptEspelhoZebResDemais(TComponent* owner)
    : MirrorSummaryReport(owner, QStringLiteral("rptEspelhoZebResDemais"), QStringLiteral("Demais Resumos")) {
    SummaryColumn folha = Coluna(0, kTop, kCaptionWidth, kValueWidth);
    folha.Heading(QStringLiteral("Outros ICMS Devidos"));
    qrlOutrosICMS = folha.Line(QStringLiteral("qrlOutrosICMS"), QStringLiteral("Outros ICMS a recolher"));
    folha.Skip(kBlockGap);
    folha.Heading(QStringLiteral("Zona Franca de Manaus e Área de Livre Comércio"));
    qrlVlNotaFiscal =
        folha.Line(QStringLiteral("qrlVlNotaFiscal"), QStringLiteral("Valor das Notas Fiscais"));
    qrlNumeroNotas = folha.Line(QStringLiteral("qrlNumeroNotas"), QStringLiteral("Número de Notas Fiscais"),
                                QStringLiteral("0"));
    qrlVlIsentas = folha.Line(QStringLiteral("qrlVlIsentas"), QStringLiteral("Valor do ICMS abatido"));
}

void TrptEspelhoZebResDemais::CalculaValores() {
    const QString chave = Chave().Sql();
    RuleMessages::Query({QStringLiteral("SELECT SUM(VL_LANCAMENTO) VL_LANCAMENTO"),
                         QStringLiteral("FROM OUTRO_ICMS_DEVIDO "),
                         QStringLiteral("WHERE SQ_DECLARACAO = ") + chave});
    Mostra(qrlOutrosICMS, Soma("VL_LANCAMENTO"));
    RuleMessages::Query({QStringLiteral("SELECT SUM(VL_NOTA_FISCAL) VL_NOTA_FISCAL,"),
                         QStringLiteral("SUM(VL_ISENTAS) VL_ISENTAS,"), QStringLiteral("COUNT(*) NUMERO"),
                         QStringLiteral("FROM SAIDA_ALC_DECLARADA "),
                         QStringLiteral("WHERE SQ_DECLARACAO = ") + chave});
    Mostra(qrlVlNotaFiscal, Soma("VL_NOTA_FISCAL"));
    Mostra(qrlVlIsentas, Soma("VL_ISENTAS"));
    qrlNumeroNotas->SetCaption(DMDefGeral->cdsAuxiliar->FieldByName(QStringLiteral("NUMERO"))->AsString());
}
