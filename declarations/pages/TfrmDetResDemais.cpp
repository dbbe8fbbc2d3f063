#include "declarations/pages/TfrmDetResDemais.h"

#include "core/data/OtherSummaryTotals.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "declarations/pages/FigurePanels.h"
#include "declarations/pages/SummaryFigures.h"
#include "platform/base/Exceptions.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/ui/Make.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TPanel.h"

namespace {
constexpr int LeftCaptionX = 8;
constexpr int Indent = 24;
constexpr int LeftValueX = 300;
constexpr int ValueWidth = 120;
constexpr int Step = 24;
} // namespace

TfrmDetResDemais::TfrmDetResDemais(TComponent* owner) : TfrmDetalheDEF(owner) {
    SetName(QStringLiteral("frmDetResDemais"));
    SetCaption(QStringLiteral("Demais Resumos"));
    dsOutrosResumos = Make<TDataSource>(this, QStringLiteral("dsOutrosResumos"));
    dsOutrosResumos->SetAutoEdit(false);
    dsOutrosResumos->SetDataSet(DMDef->cdsDeclaracao);

    BuildFigures();
}

void TfrmDetResDemais::BuildFigures() {
    auto linha = [this](const char* caption, const char* name, int top, int left = LeftCaptionX + Indent) {
        FigureCaption(this, this, QString::fromUtf8(caption), left, top);
        return FigurePanel(this, this, QString::fromLatin1(name), LeftValueX, top, ValueWidth);
    };
    int y = 12;
    pnlICMS = linha("Total de Outros ICMS Devidos", "pnlICMS", y, LeftCaptionX);
    y += Step + 14;
    FigureCaption(this, this,
                  QStringLiteral("Totais da Área de Livre Comércio (ALC) e Zona Franca de Manaus (ZFM)"),
                  LeftCaptionX, y, true);
    y += Step;
    pnlVlNotaFiscal = linha("Valor Notas Fiscais", "pnlVlNotaFiscal", y);
    y += Step;
    pnlNum = linha("Nº de Notas Fiscais", "pnlNum", y);
    pnlNum->SetCaption(QStringLiteral("0"));
    y += Step;
    pnlVlIsentasALC = linha("Valor do ICMS abatido", "pnlVlIsentasALC", y);
    y += Step + 14;
    FigureCaption(this, this, QStringLiteral("Totais do Saldo Credor de Exportação "), LeftCaptionX, y, true);
    y += Step;
    FigureCaption(this, this, QStringLiteral("Saldo credor anterior de exportação:  "), LeftCaptionX + Indent,
                  y);
    dbeSCAnterior = Make<TDBEdit>(this, QStringLiteral("dbeSCAnterior"), this);
    dbeSCAnterior->SetDataSource(dsOutrosResumos);
    dbeSCAnterior->SetDataField(QStringLiteral("VL_SCE_ANTERIOR"));
    dbeSCAnterior->SetReadOnly(true);
    dbeSCAnterior->SetTabStop(false);
    dbeSCAnterior->SetColor(clBtnFace);
    dbeSCAnterior->SetBounds(LeftValueX, y, ValueWidth, kFigureHeight + 2);
    y += Step;
    pnlCompProprio = linha("Compensações do Próprio", "pnlCompProprio", y);
    y += Step;
    pnlCompEstab = linha("Compensações entre Estabelecimentos", "pnlCompEstab", y);
    y += Step;
    pnlTransf = linha("Transferências", "pnlTransf", y);
    y += Step;
    pnlCrRecebidos = linha("Créditos Recebidos", "pnlCrRecebidos", y);
    y += Step + 14;
    pnlSCProxPeriodo = linha("Saldo para próximo período:", "pnlSCProxPeriodo", y, LeftCaptionX);
}

void TfrmDetResDemais::PreparaQuadro() {
    TfrmDetalheDEF::PreparaQuadro();
    try {
        Calcula();
    } catch (const EAbort&) {
        // The failing total has said so; the sheet keeps what it showed.
    }
}

void TfrmDetResDemais::Calcula() {
    using namespace SummaryFigures;
    const OtherSummaryTotals outros = OtherSummaryTotals::Of(Key());
    pnlICMS->SetCaption(Figure(outros.OtherIcms));
    pnlVlNotaFiscal->SetCaption(Figure(outros.FreeTradeInvoices));
    pnlNum->SetCaption(QString::number(outros.FreeTradeInvoiceCount));
    pnlVlIsentasALC->SetCaption(Figure(outros.FreeTradeExempt));

    const Currency creditoATransportar = OwnCreditToCarry();
    const ExportCreditTotals sce = DMDefAux->CalculaSaldoCredorExportacao(
        Key(), Amount("VL_SCE_ANTERIOR"), Amount("VL_SCE_CREDITO_ICMS_ENERGIA"), Amount("VL_SCE_PROVISAO"));
    pnlCompProprio->SetCaption(Figure(sce.VlCompProprio));
    pnlCompEstab->SetCaption(Figure(sce.VlCompEstab));
    pnlTransf->SetCaption(Figure(sce.VlTransferencias));
    pnlCrRecebidos->SetCaption(Figure(sce.VlSaldoRecebido));
    if (const auto proximo = NextPeriodExportBalance(sce, creditoATransportar))
        pnlSCProxPeriodo->SetCaption(Figure(*proximo));
}
