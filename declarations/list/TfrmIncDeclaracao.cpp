#include "declarations/list/TfrmIncDeclaracao.h"

#include "components/data/TReconcileDialog.h"
#include "components/navigation/ToolbarPictures.h"
#include "components/search/TDataSetSearch.h"
#include "core/data/ModuleComponents.h"
#include "core/data/RuleMessages.h"
#include "core/data/SqlText.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefGeral.h"
#include "core/forms/CentralizaJanela.h"
#include "core/forms/RefuseAt.h"
#include "core/util/GeneralRoutines.h"
#include "core/util/MessageBoxes.h"
#include "core/util/StringRoutines.h"
#include "declarations/records/DeclarationRecords.h"
#include "platform/base/Exceptions.h"
#include "platform/base/SysUtils.h"
#include "platform/base/SystemClock.h"
#include "platform/db/ApplyAllUpdates.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TIBTransaction.h"
#include "platform/db/TIntegerField.h"
#include "platform/ui/ControlLayout.h"
#include "platform/ui/Make.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMaskEdit.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TSpeedButton.h"

#include <QDate>

namespace {

// The integer a field's digits hold; -1 for an empty field.
int NumberIn(const QString& texto) {
    const QString digitos = SomenteNumeros(texto);
    return digitos.isEmpty() ? -1 : digitos.toInt();
}

} // namespace

TfrmIncDeclaracao::TfrmIncDeclaracao(TComponent* owner) : TfrmModDialogo(owner) {
    SetName(QStringLiteral("frmIncDeclaracao"));
    SetCaption(QStringLiteral("Incluindo Declaração"));
    SetPosition(TPosition::poScreenCenter);
    SetClientWidth(420);
    SetClientHeight(170);
    OnCreate = TNotifyEvent(this, &TfrmIncDeclaracao::FormCreate);
    OnClose = TCloseEvent(this, &TfrmIncDeclaracao::FormClose);

    BuildFields();
    BuildButtons();
    dsIncDeclaracao = Make<TDataSource>(this, QStringLiteral("dsIncDeclaracao"));
    dsIncDeclaracao->SetAutoEdit(false);
    dsIncDeclaracao->SetDataSet(DMDef->cdsContribuintes);

    BuildSearch();
    ReconcileDialog1 = Make<TReconcileDialog>(this, QStringLiteral("ReconcileDialog1"));
    ReconcileDialog1->SetDataSet(DMDef->cdsDeclaracao);
}

void TfrmIncDeclaracao::BuildFields() {
    auto mascara = [this](const QString& name, const QString& mask, int maxLength, int left, int top,
                          int width) {
        auto* edit = Make<TMaskEdit>(this, name, this);
        edit->SetEditMask(mask);
        edit->SetMaxLength(maxLength);
        edit->SetBounds(left, top, width, 21);
        edit->OnEnter = TNotifyEvent(this, &TfrmIncDeclaracao::medtEnter);
        return edit;
    };

    alIncDeclaracao = Make<TActionList>(this, QStringLiteral("alIncDeclaracao"));
    acProcurar = Make<TAction>(this, QStringLiteral("acProcurar"));
    acProcurar->SetHint(QStringLiteral("Procurar o contribuinte"));
    acProcurar->SetActionList(alIncDeclaracao);
    acProcurar->OnExecute = TNotifyEvent(this, &TfrmIncDeclaracao::acProcurarExecute);

    MakeLabel(this, this, QString(), QStringLiteral("Inscrição"), 16, 16);
    medtInscricao =
        mascara(QStringLiteral("medtInscricao"), QStringLiteral("00.000.000;0; "), 10, 16, 32, 90);
    medtInscricao->OnExit = TNotifyEvent(this, &TfrmIncDeclaracao::medtInscricaoExit);
    sbtnLocContribuinte = Make<TSpeedButton>(this, QStringLiteral("sbtnLocContribuinte"), this);
    sbtnLocContribuinte->SetAction(acProcurar);
    sbtnLocContribuinte->SetGlyph(DrawSearchGlyph());
    sbtnLocContribuinte->SetShowHint(true);
    sbtnLocContribuinte->SetBounds(110, 31, 23, 23);
    MakeLabel(this, this, QString(), QStringLiteral("Mês"), 150, 16);
    medtMes = mascara(QStringLiteral("medtMes"), QStringLiteral("!99;0; "), 2, 150, 32, 30);
    MakeLabel(this, this, QString(), QStringLiteral("Ano"), 194, 16);
    medtAno = mascara(QStringLiteral("medtAno"), QStringLiteral("!9999;0; "), 4, 194, 32, 46);
    MakeLabel(this, this, QString(), QStringLiteral("Razão Social"), 16, 66);
    edtRazao = Make<TEdit>(this, QStringLiteral("edtRazao"), this);
    edtRazao->SetReadOnly(true);
    edtRazao->SetColor(clInfoBk);
    edtRazao->SetTabStop(false);
    edtRazao->SetBounds(16, 82, 388, 21);
}

void TfrmIncDeclaracao::BuildButtons() {
    btnConfirmar = Make<TButton>(this, QStringLiteral("btnConfirmar"), pnBotoes);
    btnConfirmar->SetCaption(QStringLiteral("&Confirmar"));
    btnConfirmar->SetDefault(true);
    btnConfirmar->SetBounds(240, 4, 80, 25);
    btnConfirmar->OnClick = TNotifyEvent(this, &TfrmIncDeclaracao::btnConfirmarClick);
    btnCancelar = Make<TButton>(this, QStringLiteral("btnCancelar"), pnBotoes);
    btnCancelar->SetCaption(QStringLiteral("C&ancelar"));
    btnCancelar->SetCancel(true);
    btnCancelar->SetBounds(326, 4, 80, 25);
    btnCancelar->OnClick = TNotifyEvent(this, &TfrmIncDeclaracao::btnCancelarClick);
}

void TfrmIncDeclaracao::BuildSearch() {
    ibtPesquisa = Make<TIBTransaction>(this, QStringLiteral("ibtPesquisa"));
    ibtPesquisa->SetDefaultDatabase(DMDefGeral->ibDBDef);
    ibqPesquisa = Make<TIBQuery>(this, QStringLiteral("ibqPesquisa"));
    ibqPesquisa->SetDatabase(DMDefGeral->ibDBDef);
    ibqPesquisa->SetTransaction(ibtPesquisa);
    ibqPesquisa->SetSQLText(QStringLiteral("select NU_INSCRICAO, NO_RAZAO from CONTRIBUINTE"));
    MakeField<TIntegerField>(ibqPesquisa, QStringLiteral("NU_INSCRICAO"), false, QStringLiteral("Inscrição"));
    MakeTextField(ibqPesquisa, QStringLiteral("NO_RAZAO"), 64, false, QStringLiteral("Razão Social"));
    dssIncDeclaracao = Make<TDataSetSearch>(this, QStringLiteral("dssIncDeclaracao"));
    dssIncDeclaracao->SetCaption(QStringLiteral("Pesquisa"));
    dssIncDeclaracao->SetFilterCaption(QStringLiteral("Pesquisar por"));
    dssIncDeclaracao->SetMultiSelect(false);
    dssIncDeclaracao->SetExactSearch(false);
    dssIncDeclaracao->SetDataSet(ibqPesquisa);
    dssIncDeclaracao->SetSearchField(QStringLiteral("NU_INSCRICAO"));
}

void TfrmIncDeclaracao::FormCreate(TObject*) {
    if (DMDef->cdsContribuintes->Active())
        DMDef->cdsContribuintes->Close();
    for (TEdit* edit : {static_cast<TEdit*>(medtInscricao), static_cast<TEdit*>(medtMes),
                        static_cast<TEdit*>(medtAno), edtRazao})
        edit->Clear();
    CentralizaJanela(this);
}

void TfrmIncDeclaracao::FormClose(TObject*, TCloseAction& action) {
    if (DMDef->cdsContribuintes->Active())
        DMDef->cdsContribuintes->Close();
    action = TCloseAction::caHide;
}

void TfrmIncDeclaracao::medtEnter(TObject* sender) {
    if (auto* edit = dynamic_cast<TMaskEdit*>(sender))
        edit->SetSelStart(edit->EditText().size());
}

void TfrmIncDeclaracao::medtInscricaoExit(TObject*) {
    edtRazao->SetText(BuscaRazaoSocial(medtInscricao->Text()));
}

QString TfrmIncDeclaracao::BuscaRazaoSocial(const QString& inscricao) const {
    QString chave;
    try {
        chave = KeySQL(SomenteNumeros(inscricao));
    } catch (const EConvertError&) {
        return {};
    }
    if (!DMDefGeral->AbreConsulta(QStringLiteral("SELECT NU_INSCRICAO, NO_RAZAO FROM CONTRIBUINTE\n"
                                                 "WHERE NU_INSCRICAO =") +
                                  chave) ||
        DMDefGeral->cdsAuxiliar->IsEmpty())
        return {};
    return DMDefGeral->cdsAuxiliar->FieldByName(QStringLiteral("NO_RAZAO"))->AsString();
}

void TfrmIncDeclaracao::acProcurarExecute(TObject*) {
    if (dssIncDeclaracao->Execute() <= 0)
        return;
    medtInscricao->SetText(
        dssIncDeclaracao->SubSet().FieldByName(QStringLiteral("NU_INSCRICAO"))->AsString());
    edtRazao->SetText(dssIncDeclaracao->SubSet().FieldByName(QStringLiteral("NO_RAZAO"))->AsString());
}

void TfrmIncDeclaracao::Refuse(const QString& texto, TWinControl* controle) {
    RefuseAt(texto, controle);
}

void TfrmIncDeclaracao::btnConfirmarClick(TObject*) {
    const QString inscricao = SomenteNumeros(medtInscricao->Text());
    if (inscricao.isEmpty())
        Refuse(QStringLiteral("Inscrição deve ser preenchida!"), medtInscricao);
    if (BuscaRazaoSocial(inscricao).isEmpty())
        Refuse(QStringLiteral("Inscrição Estadual não cadastrada!"), medtInscricao);
    const int mes = NumberIn(medtMes->Text());
    const int ano = NumberIn(medtAno->Text());
    if (mes < 0)
        Refuse(TDMDefAux::BuscaMensagemErro(238), medtMes);
    if (ano < 0)
        Refuse(TDMDefAux::BuscaMensagemErro(239), medtAno);
    if (mes < 1 || mes > 12)
        Refuse(TDMDefAux::BuscaMensagemErro(238), medtMes);
    if (ano > 2100)
        Refuse(TDMDefAux::BuscaMensagemErro(239), medtAno);
    if (SystemClock::Today() < QDate(ano, mes, 1))
        Refuse(TDMDefAux::BuscaMensagemErro(237), nullptr);
    if (ano < 1997 || (ano == 1997 && mes < 10))
        Refuse(TDMDefAux::BuscaMensagemErro(241), nullptr);
    const qint64 chave = StrToInt64(inscricao);
    if (DeclarationExists(chave, ano, mes))
        Refuse(TDMDefAux::BuscaMensagemErro(240), nullptr);
    BuscaSaldosAnteriores();
    if (const std::optional<DeclarationKey> incluida =
            InsertDeclaration(chave, ano, mes, {m_openingBalance, m_openingBalanceST})) {
        m_insertedKey = static_cast<int>(incluida->Value());
        SetModalResult(mrOk);
    }
}

void TfrmIncDeclaracao::BuscaSaldosAnteriores() {
    m_openingBalance = Currency();
    m_openingBalanceST = Currency();
    const OpeningBalances saldos = OpeningBalancesOf(StrToInt64(SomenteNumeros(medtInscricao->Text())),
                                                     NumberIn(medtAno->Text()), NumberIn(medtMes->Text()));
    m_openingBalance = saldos.balance;
    m_openingBalanceST = saldos.balanceST;
}

void TfrmIncDeclaracao::btnCancelarClick(TObject*) {
    SetModalResult(mrCancel);
}
