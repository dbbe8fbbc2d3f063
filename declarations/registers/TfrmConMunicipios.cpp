#include "declarations/registers/TfrmConMunicipios.h"

#include "components/data/TReconcileDialog.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "components/report/TDataSetReport.h"
#include "core/data/ModuleComponents.h"
#include "core/data/TDMDefBasica.h"
#include "declarations/registers/RegisterLayout.h"
#include "declarations/registers/RegisterSearch.h"
#include "declarations/registers/TrptMunicipios.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TIntegerField.h"
#include "platform/ui/ControlLayout.h"
#include "platform/ui/Make.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"

#include <memory>

namespace {
constexpr int kClientWidth = 580;
constexpr int kClientHeight = 330;
constexpr int kMargin = 12;
} // namespace

TfrmConMunicipios::TfrmConMunicipios(TComponent* owner, int documentId)
    : TfrmModCadastroMidas(owner, documentId) {
    SetName(QStringLiteral("frmConMunicipios"));
    SetCaption(QStringLiteral("Consulta de Municípios da ZFM e ALC"));
    SetFormStyle(TFormStyle::fsMDIChild);
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);

    TClientDataSet* municipios = DMDefBasica->cdsMunicipios;
    dsConMunicipios = Make<TDataSource>(this, QStringLiteral("dsConMunicipios"));
    dsConMunicipios->SetDataSet(municipios);
    dsConMunicipiosALC = Make<TDataSource>(this, QStringLiteral("dsConMunicipiosALC"));
    dsConMunicipiosALC->SetDataSet(DMDefBasica->cdsMunicipiosALC);

    BuildHeader();
    ShowDataSet(municipios, TNotifyEvent(this, &TfrmConMunicipios::fsnCadastroSearch),
                TNotifyEvent(this, &TfrmConMunicipios::fsnCadastroPrint));

    BuildSearch();
    OnCreate = TNotifyEvent(this, &TfrmConMunicipios::FormCreate);
    OnClose = TCloseEvent(this, &TfrmConMunicipios::FormClose);
}

void TfrmConMunicipios::BuildHeader() {
    pnCadastro = MakePanel(this, this, QStringLiteral("pnCadastro"), TAlign::alTop);
    pnCadastro->SetHeight(90);
    dbeMunicipio = LabeledEdit(this, pnCadastro, QStringLiteral("dbeMunicipio"), QStringLiteral("Município"),
                               dsConMunicipios, QStringLiteral("NO_LOCALIDADE"), kMargin, 12, 400);
    dbeUF = LabeledEdit(this, pnCadastro, QStringLiteral("dbeUF"), QStringLiteral("UF"), dsConMunicipios,
                        QStringLiteral("SG_UF"), kMargin + 420, 12, 40);
    lblPeriodos = Make<TLabel>(this, QStringLiteral("lblPeriodos"), pnCadastro);
    lblPeriodos->SetCaption(QStringLiteral("Períodos na ZFM e ALC"));
    lblPeriodos->SetBounds(kMargin, 68, lblPeriodos->Width(), kCaptionHeight);

    dbgMunicipiosALC = ReadOnlyGrid(this, this, QStringLiteral("dbgMunicipiosALC"), dsConMunicipiosALC,
                                    {{"DT_INICIO", "Data Início", 110}, {"DT_FIM", "Data Fim", 110}});
    dbgMunicipiosALC->SetAlign(TAlign::alClient);
}

void TfrmConMunicipios::BuildSearch() {
    ibtPesquisa = SearchTransaction(this);
    ibqPesquisa =
        SearchQuery(this, QStringLiteral("ibqPesquisa"), ibtPesquisa,
                    {QStringLiteral("select M.*, U.CO_UF, U.SG_UF"),
                     QStringLiteral("from MUNICIPIO M , ufs U"), QStringLiteral("WHERE U.CO_UF = M.CO_UF")});
    MakeField<TIntegerField>(ibqPesquisa, QStringLiteral("CO_LOCALIDADE"))->SetVisible(false);
    MakeTextField(ibqPesquisa, QStringLiteral("NO_LOCALIDADE"), 60, false, QStringLiteral("Município"));
    MakeTextField(ibqPesquisa, QStringLiteral("SG_UF"), 2, false, QStringLiteral("UF"));
    dssMunicipios =
        SearchComponent(this, QStringLiteral("dssMunicipios"), ibqPesquisa, QStringLiteral("NO_LOCALIDADE"));
}

void TfrmConMunicipios::FormCreate(TObject* sender) {
    TfrmModCadastroMidas::FormCreate(sender);
    DMDefBasica->cdsMunicipios->Open();
}

void TfrmConMunicipios::FormClose(TObject* sender, TCloseAction& action) {
    TfrmModCadastroMidas::FormClose(sender, action);
    DMDefBasica->cdsMunicipios->Close();
}

void TfrmConMunicipios::fsnCadastroSearch(TObject*) {
    SearchAndLocate(dssMunicipios, DMDefBasica->cdsMunicipios, QStringLiteral("CO_LOCALIDADE"));
}

void TfrmConMunicipios::fsnCadastroPrint(TObject* sender) {
    TfrmModCadastroMidas::fsnCadastroPrint(sender);
    std::unique_ptr<TrptMunicipios> relatorio(new TrptMunicipios(this));
    relatorio->Preview();
}
