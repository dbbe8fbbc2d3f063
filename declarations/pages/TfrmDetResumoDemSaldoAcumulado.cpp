#include "declarations/pages/TfrmDetResumoDemSaldoAcumulado.h"

#include "components/data/TReconcileDialog.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "declarations/pages/FigurePanels.h"
#include "declarations/pages/SummaryFigures.h"
#include "declarations/registers/RegisterLayout.h"
#include "platform/base/Exceptions.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/ui/ControlLayout.h"
#include "platform/ui/Make.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TPanel.h"

namespace {
// Tag of the panels the sheet computes.
constexpr int CalculatedPanel = 1;
constexpr int LeftCaptionX = 8;
constexpr int LeftValueX = 250;
constexpr int RightCaptionX = 390;
constexpr int RightValueX = 565;
constexpr int ValueWidth = 120;
constexpr int Step = 24;
} // namespace

TfrmDetResumoDemSaldoAcumulado::TfrmDetResumoDemSaldoAcumulado(TComponent* owner) : TfrmDetalheDEF(owner) {
    SetName(QStringLiteral("frmDetResumoDemSaldoAcumulado"));
    SetCaption(QStringLiteral("Resumo"));
    TClientDataSet* declaracao = DMDef->cdsDeclaracao;
    dsSaldoCredor = Make<TDataSource>(this, QStringLiteral("dsSaldoCredor"));
    dsSaldoCredor->SetAutoEdit(false);
    dsSaldoCredor->SetDataSet(declaracao);

    BuildHeader();
    BuildFigures();
    ReconcileDialog1 = Make<TReconcileDialog>(this, QStringLiteral("ReconcileDialog1"));
    ReconcileDialog1->SetDataSet(declaracao);

    fraMidasNavigator1->AfterCancel =
        TDataSetNotifyEvent(this, &TfrmDetResumoDemSaldoAcumulado::fraMidasNavigator1AfterCancel);
    dsSaldoCredor->OnDataChange =
        TDataChangeEvent(this, &TfrmDetResumoDemSaldoAcumulado::dsSaldoCredorDataChange);
}

void TfrmDetResumoDemSaldoAcumulado::BuildHeader() {
    Memo1 = Make<TMemo>(this, QStringLiteral("Memo1"), this);
    Memo1->SetAlign(TAlign::alTop);
    Memo1->SetHeight(26);
    Memo1->SetReadOnly(true);
    Memo1->SetTabStop(false);
    Memo1->SetBorderStyle(TBorderStyle::bsNone);
    Memo1->SetScrollBars(TScrollStyle::ssNone);
    Memo1->SetColor(clBtnFace);
    Memo1->SetFontColor(clNavy);
    Memo1->SetText(
        QStringLiteral("Subficha utilizada para demonstrar a evolução do saldo credor de exportação"));

    fraMidasNavigator1 = Make<TfraMidasNavigator>(this, QStringLiteral("fraMidasNavigator1"), this);
    fraMidasNavigator1->SetAlign(TAlign::alTop);
    fraMidasNavigator1->SetShowHints(false);
    QFont fonte(QStringLiteral("Liberation Sans"));
    fonte.setPixelSize(11);
    fraMidasNavigator1->SetFont(fonte);
    fraMidasNavigator1->SetVisibleFeatures(NavFeature(nfEdit) | NavFeature(nfPost) | NavFeature(nfCancel));
    fraMidasNavigator1->SetDataSet(DMDef->cdsDeclaracao);
}

void TfrmDetResumoDemSaldoAcumulado::BuildFigures() {
    pnlSaldos = MakePanel(this, this, QStringLiteral("pnlSaldos"), TAlign::alClient);

    auto valor = [this](const char* name, const char* caption, const char* field, int top) {
        FigureCaption(this, pnlSaldos, QString::fromUtf8(caption), LeftCaptionX, top);
        auto* edit = Make<TDBEdit>(this, QString::fromLatin1(name), pnlSaldos);
        edit->SetDataSource(dsSaldoCredor);
        edit->SetDataField(QString::fromLatin1(field));
        edit->SetBounds(LeftValueX, top, ValueWidth, kEditHeight);
        return edit;
    };
    int y = 10;
    dbeSaldoAnterior =
        valor("dbeSaldoAnterior", "Saldo credor anterior de exportação:  ", "VL_SCE_ANTERIOR", y);
    dbeCreditosICMS = valor("dbeCreditosICMS",
                            "Créditos vinculados à exportação:   ", "VL_SCE_CREDITO_ICMS_ENERGIA", y + Step);
    dbeProvisao = valor("dbeProvisao", "Provisão:", "VL_SCE_PROVISAO", y + 2 * Step);

    auto painel = [this](const char* name, const char* caption, bool direita, int top) {
        FigureCaption(this, pnlSaldos, QString::fromUtf8(caption), direita ? RightCaptionX : LeftCaptionX,
                      top);
        TPanel* panel = FigurePanel(this, pnlSaldos, QString::fromLatin1(name),
                                    direita ? RightValueX : LeftValueX, top, ValueWidth);
        panel->SetTag(CalculatedPanel);
        return panel;
    };
    y += 3 * Step + 16;
    FigureCaption(this, pnlSaldos, QStringLiteral("Apuração do período"), LeftCaptionX, y, true);
    FigureCaption(this, pnlSaldos, QStringLiteral("Utilizações do saldo"), RightCaptionX, y, true);
    y += Step;
    pnlSaidasExterior = painel("pnlSaidasExterior", "Saídas para o exterior:", false, y);
    pnlCompTransferencia = painel("pnlCompTransferencia", "Compens. entre estabelec.:", true, y);
    y += Step;
    pnlTotSaidas = painel("pnlTotSaidas", "Total das saídas:", false, y);
    pnlCompProprio = painel("pnlCompProprio", "Compens. do próprio:", true, y);
    y += Step;
    pnlProporcao = painel("pnlProporcao", "Proporção:", false, y);
    pnlProporcao->SetCaption(Proportion(Currency()));
    pnlTransferencias = painel("pnlTransferencias", "Transferências:", true, y);
    y += Step;
    pnlCreditosPeriodo = painel("pnlCreditosPeriodo", "Créditos do período ajustado:", false, y);
    y += Step;
    pnlDebitosPeriodos = painel("pnlDebitosPeriodos", "Débitos do período ajustado:", false, y);
    pnlSaldoProxPeriodo = painel("pnlSaldoProxPeriodo", "Saldo p/ próximo período:", true, y);
    y += Step;
    pnlSaldoAjustadoPeriodo = painel("pnlSaldoAjustadoPeriodo", "Saldo ajustado do período:", false, y);
    y += Step;
    pnldoCredorAcumulado = painel("pnldoCredorAcumulado", "Saldo do período:", false, y);
}

void TfrmDetResumoDemSaldoAcumulado::ZeraPaineis() {
    for (int i = 0; i < ComponentCount(); ++i) {
        auto* panel = dynamic_cast<TPanel*>(Components(i));
        if (panel && panel->Tag() == CalculatedPanel)
            panel->SetCaption(Figure(Currency()));
    }
}

void TfrmDetResumoDemSaldoAcumulado::PreparaQuadro() {
    TfrmDetalheDEF::PreparaQuadro();
    ZeraPaineis();
    try {
        Calcula();
    } catch (const EAbort&) {
        // The failing total has said so; the sheet keeps what it showed.
    }
}

void TfrmDetResumoDemSaldoAcumulado::Calcula() {
    using namespace SummaryFigures;
    const Currency creditoATransportar = OwnCreditToCarry();
    const ExportCreditTotals sce = DMDefAux->CalculaSaldoCredorExportacao(
        Key(), Amount("VL_SCE_ANTERIOR"), Amount("VL_SCE_CREDITO_ICMS_ENERGIA"), Amount("VL_SCE_PROVISAO"));
    pnlSaidasExterior->SetCaption(Figure(sce.VlSaldoPExterior));
    pnlTotSaidas->SetCaption(Figure(sce.VlTotalSaidas));
    pnlProporcao->SetCaption(Proportion(sce.VlProporcao));
    pnlCreditosPeriodo->SetCaption(Figure(sce.VlCredAjustado));
    pnlDebitosPeriodos->SetCaption(Figure(sce.VlDebAjustado));
    pnlSaldoAjustadoPeriodo->SetCaption(Figure(sce.VlSaldoAjustPeriodo));
    pnldoCredorAcumulado->SetCaption(Figure(sce.VlSaldoPeriodo));
    pnlCompTransferencia->SetCaption(Figure(sce.VlCompEstab));
    pnlCompProprio->SetCaption(Figure(sce.VlCompProprio));
    pnlTransferencias->SetCaption(Figure(sce.VlTransferencias));
    if (const auto proximo = NextPeriodExportBalance(sce, creditoATransportar))
        pnlSaldoProxPeriodo->SetCaption(Figure(*proximo));
}

void TfrmDetResumoDemSaldoAcumulado::dsSaldoCredorDataChange(TObject*, TField* field) {
    if (field)
        PreparaQuadro();
}

void TfrmDetResumoDemSaldoAcumulado::fraMidasNavigator1AfterCancel(TDataSet*) {
    PreparaQuadro();
}
