#include "declarations/registers/TfrmConFundamentos.h"

#include "components/data/TReconcileDialog.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "components/report/TDataSetReport.h"
#include "core/data/ModuleComponents.h"
#include "core/data/TDMDefBasica.h"
#include "declarations/registers/RegisterLayout.h"
#include "declarations/registers/RegisterSearch.h"
#include "declarations/registers/TrptFundamentos.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TIntegerField.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TSpeedButton.h"

#include <memory>

namespace {
constexpr int kClientWidth = 680;
constexpr int kClientHeight = 470;
constexpr int kMargin = 12;
} // namespace

TfrmConFundamentos::TfrmConFundamentos(TComponent* owner, int documentId)
    : TfrmModCadastroMidas(owner, documentId) {
    SetName(QStringLiteral("frmConFundamentos"));
    SetCaption(QStringLiteral("Consulta de Ocorrências"));
    SetFormStyle(TFormStyle::fsMDIChild);
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);

    TClientDataSet* fundamentos = DMDefBasica->cdsFundamentos;
    dsConFundamentos = new TDataSource(this);
    dsConFundamentos->SetName(QStringLiteral("dsConFundamentos"));
    dsConFundamentos->SetDataSet(fundamentos);
    dsConHistFundamento = new TDataSource(this);
    dsConHistFundamento->SetName(QStringLiteral("dsConHistFundamento"));
    dsConHistFundamento->SetDataSet(DMDefBasica->cdsFundHist);

    pnCadastro = new TPanel(this, this);
    pnCadastro->SetName(QStringLiteral("pnCadastro"));
    pnCadastro->SetCaption(QString());
    pnCadastro->SetBevelOuter(TBevelCut::bvNone);
    pnCadastro->SetHeight(142);
    pnCadastro->SetAlign(TAlign::alTop);
    TDataSource* ds = dsConFundamentos;
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
    sbDadosComplementares = new TSpeedButton(this, pnCadastro);
    sbDadosComplementares->SetName(QStringLiteral("sbDadosComplementares"));
    sbDadosComplementares->SetCaption(QStringLiteral("Dados Complementares"));
    sbDadosComplementares->SetBounds(kClientWidth - kMargin - 150, 112, 150, 26);
    KeepAtRight(pnCadastro, sbDadosComplementares, kMargin);
    sbDadosComplementares->OnClick = TNotifyEvent(this, &TfrmConFundamentos::DBGrid1DblClick);

    TDataSource* hist = dsConHistFundamento;
    pnlDetalhe = new TPanel(this, this);
    pnlDetalhe->SetName(QStringLiteral("pnlDetalhe"));
    pnlDetalhe->SetCaption(QString());
    pnlDetalhe->SetHeight(172);
    pnlDetalhe->SetAlign(TAlign::alBottom);
    dbmLegislacao = LabeledMemo(this, pnlDetalhe, QStringLiteral("dbmLegislacao"),
                                QStringLiteral("Descrição da Legislação"), hist,
                                QStringLiteral("DS_LEGISLACAO_OCORRENCIA"), kMargin, 8, 300, 140);
    dbeTpDadoComp1 = LabeledEdit(this, pnlDetalhe, QStringLiteral("dbeTpDadoComp1"),
                                 QStringLiteral("Tipo de Dado Complementar 1 "), hist,
                                 QStringLiteral("DescTpDadoComp1"), kMargin + 320, 8, 250);
    dbeTpDadoComp2 = LabeledEdit(this, pnlDetalhe, QStringLiteral("dbeTpDadoComp2"),
                                 QStringLiteral("Tipo de Dado Complementar 2"), hist,
                                 QStringLiteral("DescTpDadoComp2"), kMargin + 320, 56, 250);
    dbeTpDadoComp3 = LabeledEdit(this, pnlDetalhe, QStringLiteral("dbeTpDadoComp3"),
                                 QStringLiteral("Tipo de Dado Complementar 3"), hist,
                                 QStringLiteral("DescTpDadoComp3"), kMargin + 320, 104, 250);
    btnFecharDetalhe = new TButton(this, pnlDetalhe);
    btnFecharDetalhe->SetName(QStringLiteral("btnFecharDetalhe"));
    btnFecharDetalhe->SetCaption(QStringLiteral("Fechar"));
    btnFecharDetalhe->SetBounds(kClientWidth - kMargin - 75, 24, 75, 25);
    KeepAtRight(pnlDetalhe, btnFecharDetalhe, kMargin);
    btnFecharDetalhe->OnClick = TNotifyEvent(this, &TfrmConFundamentos::btnFecharDetalheClick);
    dbmLegislacao->SetReadOnly(true);
    for (TDBEdit* edit : {dbeTpDadoComp1, dbeTpDadoComp2, dbeTpDadoComp3})
        edit->SetReadOnly(true);

    DBGrid1 = ReadOnlyGrid(this, this, QStringLiteral("DBGrid1"), hist,
                           {{"DT_INICIO", "Data Início", 80},
                            {"DT_FIM", "Data Fim", 80},
                            {"DS_LEGISLACAO_OCORRENCIA", "Descrição da Legislação", 460}});
    DBGrid1->SetAlign(TAlign::alClient);
    DBGrid1->OnDblClick = TNotifyEvent(this, &TfrmConFundamentos::DBGrid1DblClick);

    fsnCadastro->SetVisibleFeatures(0xFF | NavFeature(nfSair));
    fsnCadastro->SetDataSet(fundamentos);
    fsnCadastro->SetOnSearch(TNotifyEvent(this, &TfrmConFundamentos::fsnCadastroSearch));
    fsnCadastro->SetOnPrint(TNotifyEvent(this, &TfrmConFundamentos::fsnCadastroPrint));
    rdCadastro->SetDataSet(fundamentos);
    rptCadastro->SetDataSet(fundamentos);

    ibtPesquisa = SearchTransaction(this);
    ibqPesquisa = SearchQuery(this, QStringLiteral("ibqPesquisa"), ibtPesquisa,
                              {QStringLiteral("SELECT * FROM VWFundamentos"),
                               QStringLiteral("where (st_ocorrencia_def = 'A') and "),
                               QStringLiteral("           (tp_apuracao = 'N' or tp_apuracao = 'S' or "
                                              "tp_apuracao = 'O')")});
    CriaCampo<TIntegerField>(ibqPesquisa, QStringLiteral("SQ_OCORRENCIA_DEF"))->SetVisible(false);
    CriaCampoTexto(ibqPesquisa, QStringLiteral("FUNDAMENTOS"), 220, false, QStringLiteral("Ocorrência"));
    dssFundamentos =
        SearchComponent(this, QStringLiteral("dssFundamentos"), ibqPesquisa, QStringLiteral("FUNDAMENTOS"));

    OnCreate = TNotifyEvent(this, &TfrmConFundamentos::FormCreate);
    OnClose = TCloseEvent(this, &TfrmConFundamentos::FormClose);
}

void TfrmConFundamentos::FormCreate(TObject* sender) {
    TfrmModCadastroMidas::FormCreate(sender);
    DMDefBasica->cdsFundamentos->Open();
    pnlDetalhe->SetVisible(false);
}

void TfrmConFundamentos::FormClose(TObject* sender, TCloseAction& action) {
    TfrmModCadastroMidas::FormClose(sender, action);
    DMDefBasica->cdsFundamentos->Close();
}

void TfrmConFundamentos::fsnCadastroSearch(TObject*) {
    SearchAndLocate(dssFundamentos, DMDefBasica->cdsFundamentos, QStringLiteral("SQ_OCORRENCIA_DEF"));
}

void TfrmConFundamentos::fsnCadastroPrint(TObject* sender) {
    TfrmModCadastroMidas::fsnCadastroPrint(sender);
    std::unique_ptr<TrptFundamentos> relatorio(new TrptFundamentos(this));
    relatorio->Preview();
}

void TfrmConFundamentos::DBGrid1DblClick(TObject*) {
    pnlDetalhe->SetVisible(!pnlDetalhe->Visible());
}

void TfrmConFundamentos::btnFecharDetalheClick(TObject*) {
    pnlDetalhe->SetVisible(false);
}
