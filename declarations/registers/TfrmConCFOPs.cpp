#include "declarations/registers/TfrmConCFOPs.h"

#include "components/data/TReconcileDialog.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "components/report/TDataSetReport.h"
#include "core/data/ModuleComponents.h"
#include "core/data/TDMDefBasica.h"
#include "declarations/registers/RegisterLayout.h"
#include "declarations/registers/RegisterSearch.h"
#include "declarations/registers/TrptCFOPs.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDateField.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TSmallintField.h"
#include "platform/ui/ControlLayout.h"
#include "platform/ui/Make.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TSpeedButton.h"

#include <memory>

namespace {
constexpr int kClientWidth = 640;
constexpr int kClientHeight = 440;
constexpr int kMargin = 12;
} // namespace

TfrmConCFOPs::TfrmConCFOPs(TComponent* owner, int documentId) : TfrmModCadastroMidas(owner, documentId) {
    SetName(QStringLiteral("frmConCFOPs"));
    SetCaption(QStringLiteral("Consulta de CFOPs"));
    SetFormStyle(TFormStyle::fsMDIChild);
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);

    TClientDataSet* cfops = DMDefBasica->cdsCFOPs;
    dsCFOPs = Make<TDataSource>(this, QStringLiteral("dsCFOPs"));
    dsCFOPs->SetDataSet(cfops);
    dsCFOPsHist = Make<TDataSource>(this, QStringLiteral("dsCFOPsHist"));
    dsCFOPsHist->SetDataSet(DMDefBasica->cdsCFOPsHist);

    BuildHeader();
    BuildDetail();
    ShowDataSet(cfops, TNotifyEvent(this, &TfrmConCFOPs::fsnCadastroSearch),
                TNotifyEvent(this, &TfrmConCFOPs::fsnCadastroPrint));

    BuildSearch();
    OnCreate = TNotifyEvent(this, &TfrmConCFOPs::FormCreate);
    OnClose = TCloseEvent(this, &TfrmConCFOPs::FormClose);
}

void TfrmConCFOPs::BuildHeader() {
    pnCadastro = MakePanel(this, this, QStringLiteral("pnCadastro"), TAlign::alTop);
    pnCadastro->SetHeight(94);
    dbeCodigo = LabeledEdit(this, pnCadastro, QStringLiteral("dbeCodigo"), QStringLiteral("Código"), dsCFOPs,
                            QStringLiteral("CO_FISCAL_OPERACAO"), kMargin, 12, 70);
    dbeNatureza =
        LabeledEdit(this, pnCadastro, QStringLiteral("dbeNatureza"), QStringLiteral("Tipo de Natureza"),
                    dsCFOPs, QStringLiteral("DescTPNatCFOP"), kMargin + 90, 12, 130);
    dbeDataInicio =
        LabeledEdit(this, pnCadastro, QStringLiteral("dbeDataInicio"), QStringLiteral("Data Início"), dsCFOPs,
                    QStringLiteral("DT_INICIO"), kMargin + 240, 12, 90);
    dbeDataFim = LabeledEdit(this, pnCadastro, QStringLiteral("dbeDataFim"), QStringLiteral("Data Fim"),
                             dsCFOPs, QStringLiteral("DT_FIM"), kMargin + 350, 12, 90);
    lblHistorico = Make<TLabel>(this, QStringLiteral("lblHistorico"), pnCadastro);
    lblHistorico->SetCaption(QStringLiteral("Histórico"));
    lblHistorico->SetBounds(kMargin, 70, lblHistorico->Width(), kCaptionHeight);
    sbDescricoes = Make<TSpeedButton>(this, QStringLiteral("sbDescricoes"), pnCadastro);
    sbDescricoes->SetCaption(QStringLiteral("Descrições"));
    sbDescricoes->SetBounds(kClientWidth - kMargin - 100, 64, 100, 26);
    KeepAtRight(pnCadastro, sbDescricoes, kMargin);
    sbDescricoes->OnClick = TNotifyEvent(this, &TfrmConCFOPs::dbgCFOPsDblClick);
}

void TfrmConCFOPs::BuildDetail() {
    pnlDetalhe = Make<TPanel>(this, QStringLiteral("pnlDetalhe"), this);
    pnlDetalhe->SetCaption(QString());
    pnlDetalhe->SetHeight(150);
    pnlDetalhe->SetAlign(TAlign::alBottom);
    dbmNaturezaCFOP =
        LabeledMemo(this, pnlDetalhe, QStringLiteral("dbmNaturezaCFOP"), QStringLiteral("Natureza do CFOP"),
                    dsCFOPsHist, QStringLiteral("DS_COMPLEMENTO_CFOP"), kMargin, 8, 290, 110);
    dbmDescricao = LabeledMemo(this, pnlDetalhe, QStringLiteral("dbmDescricao"), QStringLiteral("Descrição"),
                               dsCFOPsHist, QStringLiteral("DS_CFOP"), kMargin + 300, 8, 230, 110);
    btnFecharDetalhe = Make<TButton>(this, QStringLiteral("btnFecharDetalhe"), pnlDetalhe);
    btnFecharDetalhe->SetCaption(QStringLiteral("Fechar"));
    btnFecharDetalhe->SetBounds(kClientWidth - kMargin - 75, 24, 75, 25);
    KeepAtRight(pnlDetalhe, btnFecharDetalhe, kMargin);
    btnFecharDetalhe->OnClick = TNotifyEvent(this, &TfrmConCFOPs::btnFecharDetalheClick);
    for (TDBMemo* memo : {dbmNaturezaCFOP, dbmDescricao})
        memo->SetReadOnly(true);

    dbgCFOPs = ReadOnlyGrid(this, this, QStringLiteral("dbgCFOPs"), dsCFOPsHist,
                            {{"DT_INICIO", "Data Início", 80},
                             {"DT_FIM", "Data Fim", 80},
                             {"DS_COMPLEMENTO_CFOP", "Natureza do CFOP", 200},
                             {"DS_CFOP", "Descrição", 240}});
    dbgCFOPs->SetAlign(TAlign::alClient);
    dbgCFOPs->OnDblClick = TNotifyEvent(this, &TfrmConCFOPs::dbgCFOPsDblClick);
}

void TfrmConCFOPs::BuildSearch() {
    ibtPesquisa = SearchTransaction(this);
    ibqPesquisa = SearchQuery(this, QStringLiteral("ibqPesquisa"), ibtPesquisa,
                              {QStringLiteral("select * from CFOP"), QStringLiteral("where ST_CFOP = 'A'"),
                               QStringLiteral("order by CO_FISCAL_OPERACAO, TP_NATUREZA_CFOP")});
    MakeField<TSmallintField>(ibqPesquisa, QStringLiteral("CO_FISCAL_OPERACAO"), false,
                              QStringLiteral("Código"));
    MakeTextField(ibqPesquisa, QStringLiteral("TP_NATUREZA_CFOP"), 1, false, QStringLiteral("Natureza"));
    MakeField<TDateField>(ibqPesquisa, QStringLiteral("DT_INICIO"), false, QStringLiteral("Data Início"));
    MakeField<TDateField>(ibqPesquisa, QStringLiteral("DT_FIM"), false, QStringLiteral("Data Fim"));
    dssCFOPs =
        SearchComponent(this, QStringLiteral("dssCFOPs"), ibqPesquisa, QStringLiteral("CO_FISCAL_OPERACAO"));
}

void TfrmConCFOPs::FormCreate(TObject* sender) {
    TfrmModCadastroMidas::FormCreate(sender);
    DMDefBasica->cdsCFOPs->Open();
    pnlDetalhe->SetVisible(false);
}

void TfrmConCFOPs::FormClose(TObject* sender, TCloseAction& action) {
    TfrmModCadastroMidas::FormClose(sender, action);
    DMDefBasica->cdsCFOPs->Close();
}

void TfrmConCFOPs::fsnCadastroSearch(TObject*) {
    SearchAndLocate(dssCFOPs, DMDefBasica->cdsCFOPs, QStringLiteral("CO_FISCAL_OPERACAO"));
}

void TfrmConCFOPs::fsnCadastroPrint(TObject* sender) {
    TfrmModCadastroMidas::fsnCadastroPrint(sender);
    std::unique_ptr<TrptCFOPs> relatorio(new TrptCFOPs(this));
    relatorio->Preview();
}

void TfrmConCFOPs::dbgCFOPsDblClick(TObject*) {
    pnlDetalhe->SetVisible(!pnlDetalhe->Visible());
}

void TfrmConCFOPs::btnFecharDetalheClick(TObject*) {
    pnlDetalhe->SetVisible(false);
}
