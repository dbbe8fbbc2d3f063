#include "declarations/pages/TfrmDetContribuinte.h"

#include "components/navigation/ToolbarPictures.h"
#include "components/search/TDataSetSearch.h"
#include "core/data/ModuleComponents.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefGeral.h"
#include "core/util/MessageBoxes.h"
#include "platform/db/ApplyAllUpdates.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TIBTransaction.h"
#include "platform/db/TIntegerField.h"
#include "platform/db/TStringField.h"
#include "platform/ui/ControlLayout.h"
#include "platform/ui/Make.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TSpeedButton.h"

namespace {

constexpr int FieldHeight = 21;

// A search query over a register: its name column shown, the rest hidden.
TIBQuery* RegisterQuery(TComponent* owner, const QString& name, const QString& tabela,
                        TIBTransaction* transaction, const QString& chave, const QStringList& campos,
                        const QString& rotulo) {
    auto* query = Make<TIBQuery>(owner, name);
    query->SetDatabase(DMDefGeral->ibDBDef);
    query->SetTransaction(transaction);
    query->SetSQLText(QStringLiteral("select * from ") + tabela);
    MakeField<TIntegerField>(query, chave)->SetVisible(false);
    const int tamanhos[] = {64, 4, 8};
    for (int i = 0; i < campos.size(); ++i) {
        TStringField* field = MakeTextField(query, campos[i], tamanhos[i]);
        field->SetVisible(i == 0);
        if (i == 0)
            field->SetDisplayLabel(rotulo);
    }
    return query;
}

TDataSetSearch* RegisterSearch(TComponent* owner, const QString& name, TIBQuery* query,
                               const QString& campo) {
    auto* search = Make<TDataSetSearch>(owner, name);
    search->SetCaption(QStringLiteral("Pesquisa"));
    search->SetFilterCaption(QStringLiteral("Pesquisar por"));
    search->SetMultiSelect(false);
    search->SetExactSearch(false);
    search->SetDataSet(query);
    search->SetSearchField(campo);
    return search;
}

const QStringList RepresentativeFields{QStringLiteral("NO_REPRESENTANTE_LEGAL"),
                                       QStringLiteral("NU_DDD_REPRESENTANTE_LEGAL"),
                                       QStringLiteral("NU_TEL_REPRESENTANTE_LEGAL")};
const QStringList AccountantFields{QStringLiteral("NO_CONTABILISTA"), QStringLiteral("NU_DDD_CONTABILISTA"),
                                   QStringLiteral("NU_TEL_CONTABILISTA")};

} // namespace

TfrmDetContribuinte::TfrmDetContribuinte(TComponent* owner) : TfrmDetalheDEF(owner) {
    SetName(QStringLiteral("frmDetContribuinte"));
    SetCaption(QStringLiteral("Contribuinte"));
    OnClose = TCloseEvent(this, &TfrmDetContribuinte::FormClose);

    dsDetContribuinte = Make<TDataSource>(this, QStringLiteral("dsDetContribuinte"));
    dsDetContribuinte->SetAutoEdit(false);
    dsDetContribuinte->SetDataSet(DMDef->cdsContribuintes);
    dsDeclaracao = Make<TDataSource>(this, QStringLiteral("dsDeclaracao"));
    dsDeclaracao->SetAutoEdit(false);
    dsDeclaracao->SetDataSet(DMDef->cdsDeclaracao);

    BuildTaxpayer();
    BuildPeople();
    BuildSearches();
}

void TfrmDetContribuinte::BuildTaxpayer() {
    // The taxpayer, shown only.
    MakeLabel(this, this, QString(), QStringLiteral("Inscrição"), 16, 16);
    dbeInscricao = FieldEdit(QStringLiteral("dbeInscricao"), dsDetContribuinte,
                             QStringLiteral("NU_INSCRICAO"), 16, 32, 90);
    MakeLabel(this, this, QString(), QStringLiteral("Razão Social"), 120, 16);
    dbeRazaoSocial = FieldEdit(QStringLiteral("dbeRazaoSocial"), dsDetContribuinte,
                               QStringLiteral("NO_RAZAO"), 120, 32, 416);
    MakeLabel(this, this, QString(), QStringLiteral("CNPJ"), 16, 62);
    dbeCNPJ =
        FieldEdit(QStringLiteral("dbeCNPJ"), dsDetContribuinte, QStringLiteral("NU_CGC_CPF"), 16, 78, 130);
    MakeLabel(this, this, QString(), QStringLiteral("Correio Eletrônico"), 160, 62);
    dbeEMail = FieldEdit(QStringLiteral("dbeEMail"), dsDetContribuinte,
                         QStringLiteral("NO_CORREIO_ELETRONICO"), 160, 78, 376);
    MakeLabel(this, this, QString(), QStringLiteral("DDD"), 16, 108);
    dbeDDDTelefone =
        FieldEdit(QStringLiteral("dbeDDDTelefone"), dsDetContribuinte, QStringLiteral("NU_DDD"), 16, 124, 40);
    MakeLabel(this, this, QString(), QStringLiteral("Telefone"), 64, 108);
    dbeTelefone =
        FieldEdit(QStringLiteral("dbeTelefone"), dsDetContribuinte, QStringLiteral("NU_TEL"), 64, 124, 90);
    MakeLabel(this, this, QString(), QStringLiteral("DDD"), 170, 108);
    dbeDDDFax =
        FieldEdit(QStringLiteral("dbeDDDFax"), dsDetContribuinte, QStringLiteral("NU_DDD_FAX"), 170, 124, 40);
    MakeLabel(this, this, QString(), QStringLiteral("Fax"), 218, 108);
    dbeFax = FieldEdit(QStringLiteral("dbeFax"), dsDetContribuinte, QStringLiteral("NU_FAX"), 218, 124, 90);
    for (TDBEdit* edit :
         {dbeInscricao, dbeRazaoSocial, dbeCNPJ, dbeEMail, dbeDDDTelefone, dbeTelefone, dbeDDDFax, dbeFax}) {
        edit->SetColor(clInfoBk);
        edit->SetReadOnly(true);
        edit->SetTabStop(false);
    }
}

void TfrmDetContribuinte::BuildPeople() {
    // The representative and the accountant of the declaration.
    MakeLabel(this, this, QString(), QStringLiteral("Nome do Representante Legal"), 16, 170);
    dbeNomeRep = FieldEdit(QStringLiteral("dbeNomeRep"), dsDeclaracao, RepresentativeFields[0], 16, 186, 360);
    btnSelRepresentante = Make<TSpeedButton>(this, QStringLiteral("btnSelRepresentante"), this);
    btnSelRepresentante->SetGlyph(DrawSearchGlyph());
    btnSelRepresentante->SetHint(QStringLiteral("Escolher o representante legal"));
    btnSelRepresentante->SetShowHint(true);
    btnSelRepresentante->SetBounds(380, 185, 23, 23);
    btnSelRepresentante->OnClick = TNotifyEvent(this, &TfrmDetContribuinte::btnSelRepresentanteClick);
    MakeLabel(this, this, QString(), QStringLiteral("DDD"), 416, 170);
    dbeDDDRep = FieldEdit(QStringLiteral("dbeDDDRep"), dsDeclaracao, RepresentativeFields[1], 416, 186, 40);
    MakeLabel(this, this, QString(), QStringLiteral("Telefone"), 464, 170);
    dbeTelRep = FieldEdit(QStringLiteral("dbeTelRep"), dsDeclaracao, RepresentativeFields[2], 464, 186, 72);

    MakeLabel(this, this, QString(), QStringLiteral("Nome do Contabilista"), 16, 220);
    dbeNomeCont = FieldEdit(QStringLiteral("dbeNomeCont"), dsDeclaracao, AccountantFields[0], 16, 236, 360);
    btnContabilista = Make<TSpeedButton>(this, QStringLiteral("btnContabilista"), this);
    btnContabilista->SetGlyph(DrawSearchGlyph());
    btnContabilista->SetHint(QStringLiteral("Escolher o contabilista"));
    btnContabilista->SetShowHint(true);
    btnContabilista->SetBounds(380, 235, 23, 23);
    btnContabilista->OnClick = TNotifyEvent(this, &TfrmDetContribuinte::btnContabilistaClick);
    MakeLabel(this, this, QString(), QStringLiteral("DDD"), 416, 220);
    dbeDDDCont = FieldEdit(QStringLiteral("dbeDDDCont"), dsDeclaracao, AccountantFields[1], 416, 236, 40);
    MakeLabel(this, this, QString(), QStringLiteral("Telefone"), 464, 220);
    dbeTelCont = FieldEdit(QStringLiteral("dbeTelCont"), dsDeclaracao, AccountantFields[2], 464, 236, 72);
    for (TDBEdit* edit : {dbeNomeRep, dbeDDDRep, dbeTelRep, dbeNomeCont, dbeDDDCont, dbeTelCont})
        edit->SetReadOnly(true);
}

void TfrmDetContribuinte::BuildSearches() {
    ibtPesquisa = Make<TIBTransaction>(this, QStringLiteral("ibtPesquisa"));
    ibtPesquisa->SetDefaultDatabase(DMDefGeral->ibDBDef);
    ibqPesqRepresentante =
        RegisterQuery(this, QStringLiteral("ibqPesqRepresentante"), QStringLiteral("REPRESENTANTE"),
                      ibtPesquisa, QStringLiteral("SQ_REPRESENTANTE"), RepresentativeFields,
                      QStringLiteral("Nome do Representante Legal"));
    ibqPesqContabilista = RegisterQuery(
        this, QStringLiteral("ibqPesqContabilista"), QStringLiteral("CONTABILISTA"), ibtPesquisa,
        QStringLiteral("SQ_CONTABILISTA"), AccountantFields, QStringLiteral("Nome do Contabilista"));
    dssRepresentante = RegisterSearch(this, QStringLiteral("dssRepresentante"), ibqPesqRepresentante,
                                      QStringLiteral("NO_REPRESENTANTE_LEGAL"));
    dssContabilista = RegisterSearch(this, QStringLiteral("dssContabilista"), ibqPesqContabilista,
                                     QStringLiteral("NO_CONTABILISTA"));
}

TDBEdit* TfrmDetContribuinte::FieldEdit(const QString& name, TDataSource* source, const QString& field,
                                        int left, int top, int width) {
    auto* edit = Make<TDBEdit>(this, name, this);
    edit->SetDataSource(source);
    edit->SetDataField(field);
    edit->SetBounds(left, top, width, FieldHeight);
    return edit;
}

void TfrmDetContribuinte::PreparaQuadro() {
    TfrmDetalheDEF::PreparaQuadro();
    TClientDataSet* contribuintes = DMDef->cdsContribuintes;
    contribuintes->Open();
    contribuintes->SetIndexFieldNames(QStringLiteral("NU_INSCRICAO"));
    const int inscricao = DMDef->cdsDeclaracao->FieldByName(QStringLiteral("NU_INSCRICAO"))->AsInteger();
    if (!contribuintes->FindKey({inscricao})) {
        MsgErro(QStringLiteral("Contribuinte não encontrado!"));
        contribuintes->Close();
    }
}

void TfrmDetContribuinte::FormClose(TObject* sender, TCloseAction& action) {
    TfrmDetalheDEF::FormClose(sender, action);
    DMDef->cdsContribuintes->Close();
}

void TfrmDetContribuinte::CopyChoice(TDataSetSearch* search, const QStringList& campos) {
    if (search->Execute() <= 0)
        return;
    TClientDataSet* declaracao = DMDef->cdsDeclaracao;
    declaracao->Edit();
    for (const QString& campo : campos)
        declaracao->FieldByName(campo)->SetAsString(search->SubSet().FieldByName(campo)->AsString());
    declaracao->Post();
    try {
        ApplyAllUpdates(*declaracao);
    } catch (const std::exception&) {
        MsgErro(QStringLiteral("Não foi possível gravar a escolha na declaração."));
    }
}

void TfrmDetContribuinte::btnSelRepresentanteClick(TObject*) {
    CopyChoice(dssRepresentante, RepresentativeFields);
}

void TfrmDetContribuinte::btnContabilistaClick(TObject*) {
    CopyChoice(dssContabilista, AccountantFields);
}
