#include "declarations/registers/TfrmConUFs.h"

#include "components/data/TReconcileDialog.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "components/report/TDataSetReport.h"
#include "core/data/ModuleComponents.h"
#include "core/data/TDMDefBasica.h"
#include "declarations/registers/RegisterLayout.h"
#include "declarations/registers/RegisterSearch.h"
#include "declarations/registers/TrptUFs.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TSmallintField.h"
#include "platform/ui/ControlLayout.h"
#include "platform/ui/Make.h"
#include "platform/ui/TPanel.h"

#include <memory>

namespace {
constexpr int kClientWidth = 580;
constexpr int kClientHeight = 160;
constexpr int kMargin = 12;
} // namespace

TfrmConUFs::TfrmConUFs(TComponent* owner, int documentId) : TfrmModCadastroMidas(owner, documentId) {
    SetName(QStringLiteral("frmConUFs"));
    SetCaption(QStringLiteral("Consulta de UFs"));
    SetFormStyle(TFormStyle::fsMDIChild);
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);

    TClientDataSet* ufs = DMDefBasica->cdsUFs;
    dsUFs = Make<TDataSource>(this, QStringLiteral("dsUFs"));
    dsUFs->SetDataSet(ufs);
    pnCadastro = MakePanel(this, this, QStringLiteral("pnCadastro"), TAlign::alClient);
    dbeNomeUF = LabeledEdit(this, pnCadastro, QStringLiteral("dbeNomeUF"), QStringLiteral("Nome"), dsUFs,
                            QStringLiteral("NO_UF"), kMargin, 12, 330);
    dbeSiglaUF = LabeledEdit(this, pnCadastro, QStringLiteral("dbeSiglaUF"), QStringLiteral("Sigla"), dsUFs,
                             QStringLiteral("SG_UF"), kMargin + 350, 12, 40);

    ShowDataSet(ufs, TNotifyEvent(this, &TfrmConUFs::fsnCadastroSearch),
                TNotifyEvent(this, &TfrmConUFs::fsnCadastroPrint));

    ibtPesquisa = SearchTransaction(this);
    ibqUFs =
        SearchQuery(this, QStringLiteral("ibqUFs"), ibtPesquisa,
                    {QStringLiteral("select * from UFS"), QStringLiteral("ORDER BY NO_UF COLLATE WIN_PTBR")});
    MakeField<TSmallintField>(ibqUFs, QStringLiteral("CO_UF"), false, QStringLiteral("Código"));
    MakeTextField(ibqUFs, QStringLiteral("NO_UF"), 40, false, QStringLiteral("Nome"));
    MakeTextField(ibqUFs, QStringLiteral("SG_UF"), 2, false, QStringLiteral("Sigla"));
    dssUFs = SearchComponent(this, QStringLiteral("dssUFs"), ibqUFs, QStringLiteral("CO_UF"));

    OnCreate = TNotifyEvent(this, &TfrmConUFs::FormCreate);
    OnClose = TCloseEvent(this, &TfrmConUFs::FormClose);
}

void TfrmConUFs::FormCreate(TObject* sender) {
    TfrmModCadastroMidas::FormCreate(sender);
    DMDefBasica->cdsUFs->Open();
}

void TfrmConUFs::FormClose(TObject* sender, TCloseAction& action) {
    TfrmModCadastroMidas::FormClose(sender, action);
    DMDefBasica->cdsUFs->Close();
}

void TfrmConUFs::fsnCadastroSearch(TObject*) {
    SearchAndLocate(dssUFs, DMDefBasica->cdsUFs, QStringLiteral("CO_UF"));
}

void TfrmConUFs::fsnCadastroPrint(TObject* sender) {
    TfrmModCadastroMidas::fsnCadastroPrint(sender);
    std::unique_ptr<TrptUFs> relatorio(new TrptUFs(this));
    relatorio->Preview();
}
