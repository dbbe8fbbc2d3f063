#include "declarations/reports/TrptEspelhoZebResSCExportacao.h"

#include "core/data/TDMDefAux.h"
#include "core/util/GeneralRoutines.h"
#include "declarations/reports/SummaryColumn.h"
#include "declarations/validation/PeriodBalance.h"
#include "platform/base/SysUtils.h"
#include "platform/report/TReportLabel.h"

namespace {
// Design units (1/96 inch).
constexpr double kTop = 8;
constexpr double kBlockGap = 12;
constexpr double kCaptionWidth = 300;
constexpr double kValueWidth = 120;
} // namespace

TrptEspelhoZebResSCExportacao::TrptEspelhoZebResSCExportacao(TComponent* owner)
    : MirrorSummaryReport(owner, QStringLiteral("rptEspelhoZebResSCExportacao"),
                          QStringLiteral("Resumo do Saldo Credor de Exportação")) {
    SummaryColumn folha = Column(0, kTop, kCaptionWidth, kValueWidth);
    auto linha = [&folha](const char* nome, const char* rotulo) {
        return folha.Line(QString::fromLatin1(nome), QString::fromUtf8(rotulo));
    };
    qrlSCEAnterior = linha("qrlSCEAnterior", "Saldo credor anterior de exportação: ");
    qrlCreditosExportacao = linha("qrlCreditosExportacao", "Créditos vinculados à exportação: ");
    qrlProvisao = linha("qrlProvisao", "Provisão:");
    folha.Skip(kBlockGap);
    qrlSaidasExterior = linha("qrlSaidasExterior", "Saídas para o exterior:");
    qrlCompEstab = linha("qrlCompEstab", "Compens. entre estabelec.:");
    qrlCompProprio = linha("qrlCompProprio", "Compens. do próprio:");
    qrlTransferencias = linha("qrlTransferencias", "Transferências:");
    qrlTotalSaidas = linha("qrlTotalSaidas", "Total das saídas:");
    qrlProporcao =
        folha.Line(QStringLiteral("qrlProporcao"), QStringLiteral("Proporção:"), QStringLiteral("0,0000"));
    folha.Skip(kBlockGap);
    qrlDebAjustado = linha("qrlDebAjustado", "Débitos do imposto ajustado:");
    qrlCredAjustado = linha("qrlCredAjustado", "Créditos do imposto ajustado:");
    qrlSaldoAjustPeriodo = linha("qrlSaldoAjustPeriodo", "Saldo ajustado do período:");
    qrlSaldoPeriodo = linha("qrlSaldoPeriodo", "Saldo do período:");
    qrlSaldoProximoPeriodo = linha("qrlSaldoProximoPeriodo", "Saldo p/ próximo período:");
}

void TrptEspelhoZebResSCExportacao::ComputeValues() {
    const DeclarationKey chave = Key();
    const Currency saldoCredor =
        OwnOperationsBalance(DMDefAux->CalculaOperacoesProprias(chave), DeclarationField("VL_SALDO_ANTERIOR"))
            .CarriedForward;

    const Currency anterior = DeclarationField("VL_SCE_ANTERIOR");
    const Currency energia = DeclarationField("VL_SCE_CREDITO_ICMS_ENERGIA");
    const Currency provisao = DeclarationField("VL_SCE_PROVISAO");
    Show(qrlSCEAnterior, anterior);
    Show(qrlCreditosExportacao, energia);
    Show(qrlProvisao, provisao);

    const ExportCreditTotals e = DMDefAux->CalculaSaldoCredorExportacao(chave, anterior, energia, provisao);
    Show(qrlSaidasExterior, e.VlSaldoPExterior);
    Show(qrlCompEstab, e.VlCompEstab);
    Show(qrlCompProprio, e.VlCompProprio);
    Show(qrlTransferencias, e.VlTransferencias);
    Show(qrlTotalSaidas, e.VlTotalSaidas);
    qrlProporcao->SetCaption(FormatFloat(ProportionFormat, e.VlProporcao));
    Show(qrlDebAjustado, e.VlDebAjustado);
    Show(qrlCredAjustado, e.VlCredAjustado);
    Show(qrlSaldoAjustPeriodo, e.VlSaldoAjustPeriodo);
    Show(qrlSaldoPeriodo, e.VlSaldoPeriodo);
    if (const auto proximo = NextPeriodExportBalance(e, saldoCredor))
        Show(qrlSaldoProximoPeriodo, *proximo);
}
