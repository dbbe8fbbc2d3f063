#include "declarations/registers/OccurrenceLookup.h"

#include "components/data/TReconcileDialog.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "components/report/TDataSetReport.h"
#include "core/data/ModuleComponents.h"
#include "declarations/registers/RegisterLayout.h"
#include "declarations/registers/RegisterSearch.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TIntegerField.h"
#include "platform/ui/ControlLayout.h"
#include "platform/ui/Make.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"

OccurrenceLookup::OccurrenceLookup(TComponent* owner, int documentId, const Shape& shape)
    : TfrmModCadastroMidas(owner, documentId), m_shape(shape) {
    SetName(shape.formName);
    SetCaption(shape.caption);
    SetFormStyle(TFormStyle::fsMDIChild);
    SetClientWidth(kClientWidth);
    SetClientHeight(shape.clientHeight);

    m_source = Make<TDataSource>(this, shape.sourceName);
    m_source->SetDataSet(shape.occurrences);
    m_history = Make<TDataSource>(this, shape.historySourceName);
    m_history->SetDataSet(shape.history);

    BuildHeader();
    ShowDataSet(shape.occurrences, TNotifyEvent(this, &OccurrenceLookup::fsnCadastroSearch),
                TNotifyEvent(this, &OccurrenceLookup::fsnCadastroPrint));
    BuildSearch();
    OnCreate = TNotifyEvent(this, &OccurrenceLookup::FormCreate);
    OnClose = TCloseEvent(this, &OccurrenceLookup::FormClose);
}

void OccurrenceLookup::BuildHeader() {
    pnCadastro = MakePanel(this, this, QStringLiteral("pnCadastro"), TAlign::alTop);
    pnCadastro->SetHeight(142);
    TDataSource* ds = m_source;
    dbeCodigo = LabeledEdit(this, pnCadastro, QStringLiteral("dbeCodigo"), QStringLiteral("Código"), ds,
                            QStringLiteral("Codigo"), kMargin, 12, 80);
    dbeSubTipo =
        LabeledEdit(this, pnCadastro, QStringLiteral("dbeSubTipo"), QStringLiteral("Sub-tipo de Informação"),
                    ds, QStringLiteral("DescTpOcorrencia"), kMargin + 100, 12, 220);
    dbeTipo = LabeledEdit(this, pnCadastro, QStringLiteral("dbeTipo"), QStringLiteral("Tipo de Informação"),
                          ds, QStringLiteral("DescTpApuracao"), kMargin + 340, 12, 250);
    dbeDescricao = LabeledEdit(this, pnCadastro, QStringLiteral("dbeDescricao"), QStringLiteral("Descrição "),
                               ds, QStringLiteral("DS_OCORRENCIA"), kMargin, 60, 640);
    lblHistorico = Make<TLabel>(this, QStringLiteral("lblHistorico"), pnCadastro);
    lblHistorico->SetCaption(QStringLiteral("Histórico"));
    lblHistorico->SetBounds(kMargin, 118, lblHistorico->Width(), kCaptionHeight);
}

void OccurrenceLookup::BuildSearch() {
    ibtPesquisa = SearchTransaction(this);
    ibqPesquisa = SearchQuery(this, QStringLiteral("ibqPesquisa"), ibtPesquisa, m_shape.searchText);
    MakeField<TIntegerField>(ibqPesquisa, QStringLiteral("SQ_OCORRENCIA_DEF"))->SetVisible(false);
    MakeTextField(ibqPesquisa, QStringLiteral("FUNDAMENTOS"), 220, false, m_shape.searchCaption);
    m_search = SearchComponent(this, m_shape.searchName, ibqPesquisa, QStringLiteral("FUNDAMENTOS"));
}

void OccurrenceLookup::FormCreate(TObject* sender) {
    TfrmModCadastroMidas::FormCreate(sender);
    m_shape.occurrences->Open();
}

void OccurrenceLookup::FormClose(TObject* sender, TCloseAction& action) {
    TfrmModCadastroMidas::FormClose(sender, action);
    m_shape.occurrences->Close();
}

void OccurrenceLookup::fsnCadastroSearch(TObject*) {
    SearchAndLocate(m_search, m_shape.occurrences, QStringLiteral("SQ_OCORRENCIA_DEF"));
}

void OccurrenceLookup::fsnCadastroPrint(TObject* sender) {
    TfrmModCadastroMidas::fsnCadastroPrint(sender);
    PreviewListing();
}
