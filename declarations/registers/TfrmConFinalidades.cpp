#include "declarations/registers/TfrmConFinalidades.h"

#include "components/data/TReconcileDialog.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "components/report/TDataSetReport.h"
#include "core/data/ModuleComponents.h"
#include "core/data/TDMDefBasica.h"
#include "declarations/registers/RegisterLayout.h"
#include "declarations/registers/RegisterSearch.h"
#include "declarations/registers/TrptFinalidades.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TIntegerField.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"

#include <memory>

namespace {
constexpr int kClientWidth = 680;
constexpr int kClientHeight = 400;
constexpr int kMargin = 12;
} // namespace

TfrmConFinalidades::TfrmConFinalidades(TComponent* owner, int documentId)
    : TfrmModCadastroMidas(owner, documentId) {
    SetName(QStringLiteral("frmConFinalidades"));
    SetCaption(QStringLiteral("Consulta de Finalidades  de Saldo Credor de Exportação"));
    SetFormStyle(TFormStyle::fsMDIChild);
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);

    TClientDataSet* finalidades = DMDefBasica->cdsFinalidades;
    dsConFinalidades = new TDataSource(this);
    dsConFinalidades->SetName(QStringLiteral("dsConFinalidades"));
    dsConFinalidades->SetDataSet(finalidades);
    dsConHistFinalidades = new TDataSource(this);
    dsConHistFinalidades->SetName(QStringLiteral("dsConHistFinalidades"));
    dsConHistFinalidades->SetDataSet(DMDefBasica->cdsFinalHist);

    pnCadastro = new TPanel(this, this);
    pnCadastro->SetName(QStringLiteral("pnCadastro"));
    pnCadastro->SetCaption(QString());
    pnCadastro->SetBevelOuter(TBevelCut::bvNone);
    pnCadastro->SetHeight(142);
    pnCadastro->SetAlign(TAlign::alTop);
    TDataSource* ds = dsConFinalidades;
    dbeCodigo = LabeledEdit(this, pnCadastro, QStringLiteral("dbeCodigo"), QStringLiteral("Código"), ds,
                            QStringLiteral("Codigo"), kMargin, 12, 80);
    dbeSubTipo =
        LabeledEdit(this, pnCadastro, QStringLiteral("dbeSubTipo"), QStringLiteral("Sub-tipo de Informação"),
                    ds, QStringLiteral("DescTpOcorrencia"), kMargin + 100, 12, 220);
    dbeTipo = LabeledEdit(this, pnCadastro, QStringLiteral("dbeTipo"), QStringLiteral("Tipo de Informação"),
                          ds, QStringLiteral("DescTpApuracao"), kMargin + 340, 12, 250);
    dbeDescricao = LabeledEdit(this, pnCadastro, QStringLiteral("dbeDescricao"), QStringLiteral("Descrição "),
                               ds, QStringLiteral("DS_OCORRENCIA"), kMargin, 60, 640);
    lblHistorico = new TLabel(this, pnCadastro);
    lblHistorico->SetName(QStringLiteral("lblHistorico"));
    lblHistorico->SetCaption(QStringLiteral("Histórico"));
    lblHistorico->SetBounds(kMargin, 118, lblHistorico->Width(), kCaptionHeight);

    dbgHistorico = ReadOnlyGrid(this, this, QStringLiteral("dbgHistorico"), dsConHistFinalidades,
                                {{"DT_INICIO", "Data Início", 80},
                                 {"DT_FIM", "Data Fim", 80},
                                 {"DescTpDadoComp1", "Tipo de Dado Complementar 1", 230},
                                 {"DescTpDadoComp2", "Tipo de Dado Complementar 2", 230}});
    dbgHistorico->SetAlign(TAlign::alClient);

    fsnCadastro->SetVisibleFeatures(0xFF | NavFeature(nfSair));
    fsnCadastro->SetDataSet(finalidades);
    fsnCadastro->SetOnSearch(TNotifyEvent(this, &TfrmConFinalidades::fsnCadastroSearch));
    fsnCadastro->SetOnPrint(TNotifyEvent(this, &TfrmConFinalidades::fsnCadastroPrint));
    rdCadastro->SetDataSet(finalidades);
    rptCadastro->SetDataSet(finalidades);

    ibtPesquisa = SearchTransaction(this);
    ibqPesquisa = SearchQuery(this, QStringLiteral("ibqPesquisa"), ibtPesquisa,
                              {QStringLiteral("SELECT * FROM VWFundamentos"),
                               QStringLiteral("where (tp_apuracao = 'E') and (st_ocorrencia_def = 'A')")});
    CriaCampo<TIntegerField>(ibqPesquisa, QStringLiteral("SQ_OCORRENCIA_DEF"))->SetVisible(false);
    CriaCampoTexto(ibqPesquisa, QStringLiteral("FUNDAMENTOS"), 220, false, QStringLiteral("Finalidade"));
    dssFinalidades =
        SearchComponent(this, QStringLiteral("dssFinalidades"), ibqPesquisa, QStringLiteral("FUNDAMENTOS"));

    OnCreate = TNotifyEvent(this, &TfrmConFinalidades::FormCreate);
    OnClose = TCloseEvent(this, &TfrmConFinalidades::FormClose);
}

void TfrmConFinalidades::FormCreate(TObject* sender) {
    TfrmModCadastroMidas::FormCreate(sender);
    DMDefBasica->cdsFinalidades->Open();
}

void TfrmConFinalidades::FormClose(TObject* sender, TCloseAction& action) {
    TfrmModCadastroMidas::FormClose(sender, action);
    DMDefBasica->cdsFinalidades->Close();
}

void TfrmConFinalidades::fsnCadastroSearch(TObject*) {
    SearchAndLocate(dssFinalidades, DMDefBasica->cdsFinalidades, QStringLiteral("SQ_OCORRENCIA_DEF"));
}

void TfrmConFinalidades::fsnCadastroPrint(TObject* sender) {
    TfrmModCadastroMidas::fsnCadastroPrint(sender);
    std::unique_ptr<TrptFinalidades> relatorio(new TrptFinalidades(this));
    relatorio->Preview();
}
