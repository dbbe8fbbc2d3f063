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
constexpr int Esquerda = 8;
constexpr int Recuo = 24;
constexpr int ValorEsquerda = 300;
constexpr int LarguraValor = 120;
constexpr int Passo = 24;
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
    auto linha = [this](const char* caption, const char* name, int top, int left = Esquerda + Recuo) {
        FigureCaption(this, this, QString::fromUtf8(caption), left, top);
        return FigurePanel(this, this, QString::fromLatin1(name), ValorEsquerda, top, LarguraValor);
    };
    int y = 12;
    pnlICMS = linha("Total de Outros ICMS Devidos", "pnlICMS", y, Esquerda);
    y += Passo + 14;
    FigureCaption(this, this,
                  QStringLiteral("Totais da Área de Livre Comércio (ALC) e Zona Franca de Manaus (ZFM)"),
                  Esquerda, y, true);
    y += Passo;
    pnlVlNotaFiscal = linha("Valor Notas Fiscais", "pnlVlNotaFiscal", y);
    y += Passo;
    pnlNum = linha("Nº de Notas Fiscais", "pnlNum", y);
    pnlNum->SetCaption(QStringLiteral("0"));
    y += Passo;
    pnlVlIsentasALC = linha("Valor do ICMS abatido", "pnlVlIsentasALC", y);
    y += Passo + 14;
    FigureCaption(this, this, QStringLiteral("Totais do Saldo Credor de Exportação "), Esquerda, y, true);
    y += Passo;
    FigureCaption(this, this, QStringLiteral("Saldo credor anterior de exportação:  "), Esquerda + Recuo, y);
    dbeSCAnterior = Make<TDBEdit>(this, QStringLiteral("dbeSCAnterior"), this);
    dbeSCAnterior->SetDataSource(dsOutrosResumos);
    dbeSCAnterior->SetDataField(QStringLiteral("VL_SCE_ANTERIOR"));
    dbeSCAnterior->SetReadOnly(true);
    dbeSCAnterior->SetTabStop(false);
    dbeSCAnterior->SetColor(clBtnFace);
    dbeSCAnterior->SetBounds(ValorEsquerda, y, LarguraValor, kFigureHeight + 2);
    y += Passo;
    pnlCompProprio = linha("Compensações do Próprio", "pnlCompProprio", y);
    y += Passo;
    pnlCompEstab = linha("Compensações entre Estabelecimentos", "pnlCompEstab", y);
    y += Passo;
    pnlTransf = linha("Transferências", "pnlTransf", y);
    y += Passo;
    pnlCrRecebidos = linha("Créditos Recebidos", "pnlCrRecebidos", y);
    y += Passo + 14;
    pnlSCProxPeriodo = linha("Saldo para próximo período:", "pnlSCProxPeriodo", y, Esquerda);
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
    pnlICMS->SetCaption(Figure(outros.OutrosICMS));
    pnlVlNotaFiscal->SetCaption(Figure(outros.NotasALC));
    pnlNum->SetCaption(QString::number(outros.NumeroNotasALC));
    pnlVlIsentasALC->SetCaption(Figure(outros.IsentasALC));

    const Currency creditoATransportar = OwnCreditToCarry();
    const TTotaisSaldoCredorExportacao sce = DMDefAux->CalculaSaldoCredorExportacao(
        Key(), Amount("VL_SCE_ANTERIOR"), Amount("VL_SCE_CREDITO_ICMS_ENERGIA"), Amount("VL_SCE_PROVISAO"));
    pnlCompProprio->SetCaption(Figure(sce.VlCompProprio));
    pnlCompEstab->SetCaption(Figure(sce.VlCompEstab));
    pnlTransf->SetCaption(Figure(sce.VlTransferencias));
    pnlCrRecebidos->SetCaption(Figure(sce.VlSaldoRecebido));
    if (const auto proximo = NextPeriodExportBalance(sce, creditoATransportar))
        pnlSCProxPeriodo->SetCaption(Figure(*proximo));
}
