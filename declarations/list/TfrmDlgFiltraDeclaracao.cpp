#include "declarations/list/TfrmDlgFiltraDeclaracao.h"

#include "core/data/RuleMessages.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefGeral.h"
#include "core/forms/CentralizaJanela.h"
#include "core/util/MessageBoxes.h"
#include "core/util/StringRoutines.h"
#include "declarations/list/TfrmSelDeclaracao.h"
#include "platform/base/Exceptions.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/ui/ControlLayout.h"
#include "platform/ui/Make.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"

TfrmDlgFiltraDeclaracao::TfrmDlgFiltraDeclaracao(TComponent* owner) : TfrmModDialogo(owner) {
    SetName(QStringLiteral("frmDlgFiltraDeclaracao"));
    SetCaption(QStringLiteral("Filtrando Declarações"));
    SetPosition(TPosition::poScreenCenter);
    SetClientWidth(280);
    SetClientHeight(170);
    OnCreate = TNotifyEvent(this, &TfrmDlgFiltraDeclaracao::FormCreate);
    OnClose = TCloseEvent(this, &TfrmDlgFiltraDeclaracao::FormClose);

    lblInscricao =
        MakeLabel(this, this, QStringLiteral("lblInscricao"), QStringLiteral("Nº Inscrição"), 16, 14);
    cbInscricao = Make<TComboBox>(this, QStringLiteral("cbInscricao"), this);
    cbInscricao->SetStyle(TComboBoxStyle::csDropDownList);
    cbInscricao->SetColor(clInfoBk);
    cbInscricao->SetBounds(16, 30, 140, 21);
    auto caixa = [this](const QString& name, const QString& caption, int top) {
        auto* box = Make<TCheckBox>(this, name, this);
        box->SetCaption(caption);
        box->SetBounds(16, top, 200, 17);
        return box;
    };
    cbValidada = caixa(QStringLiteral("cbValidada"), QStringLiteral("Validada"), 66);
    cbComErro = caixa(QStringLiteral("cbComErro"), QStringLiteral("Com Erro"), 88);
    cbGerada = caixa(QStringLiteral("cbGerada"), QStringLiteral("Gerada"), 110);

    BuildButtons();
    dsFiltraDeclaracao = Make<TDataSource>(this, QStringLiteral("dsFiltraDeclaracao"));
    dsFiltraDeclaracao->SetAutoEdit(false);
    dsFiltraDeclaracao->SetDataSet(DMDef->cdsSelDeclaracao);
}

void TfrmDlgFiltraDeclaracao::BuildButtons() {
    btnConfirmar = Make<TButton>(this, QStringLiteral("btnConfirmar"), pnBotoes);
    btnConfirmar->SetCaption(QStringLiteral("Confirmar"));
    btnConfirmar->SetDefault(true);
    btnConfirmar->SetBounds(104, 4, 80, 25);
    btnConfirmar->OnClick = TNotifyEvent(this, &TfrmDlgFiltraDeclaracao::btnConfirmarClick);
    btnCancelar = Make<TButton>(this, QStringLiteral("btnCancelar"), pnBotoes);
    btnCancelar->SetCaption(QStringLiteral("Cancelar"));
    btnCancelar->SetCancel(true);
    btnCancelar->SetBounds(190, 4, 80, 25);
    btnCancelar->OnClick = TNotifyEvent(this, &TfrmDlgFiltraDeclaracao::btnCancelarClick);
}

void TfrmDlgFiltraDeclaracao::FormCreate(TObject*) {
    if (!DMDefGeral->AbreConsulta(QStringLiteral("SELECT NU_INSCRICAO\nFROM CONTRIBUINTE"))) {
        RuleMessages::Refuse(RuleMessages::QueryFailed);
    }
    QStringList itens{QString()};
    TClientDataSet* contribuintes = DMDefGeral->cdsAuxiliar;
    for (contribuintes->First(); !contribuintes->Eof(); contribuintes->Next())
        itens << FormataInscricao(contribuintes->FieldByName(QStringLiteral("NU_INSCRICAO"))->AsString());
    cbInscricao->SetItems(itens);
    cbInscricao->SetItemIndex(0);
    CentralizaJanela(this);
}

void TfrmDlgFiltraDeclaracao::FormClose(TObject*, TCloseAction& action) {
    action = TCloseAction::caHide;
}

QStringList TfrmDlgFiltraDeclaracao::Registrations() const {
    return cbInscricao->Items();
}

void TfrmDlgFiltraDeclaracao::ShowFilter(int itemInscricao, bool validada, bool comErro, bool gerada) {
    cbInscricao->SetItemIndex(itemInscricao);
    cbValidada->SetChecked(validada);
    cbComErro->SetChecked(comErro);
    cbGerada->SetChecked(gerada);
}

void TfrmDlgFiltraDeclaracao::btnConfirmarClick(TObject*) {
    const QString item = cbInscricao->ItemIndex() > 0 ? cbInscricao->Text() : QString();
    if (frmSelDeclaracao) {
        frmSelDeclaracao->RegistrationFilter = item;
        frmSelDeclaracao->ValidatedFilter = cbValidada->Checked();
        frmSelDeclaracao->WithErrorsFilter = cbComErro->Checked();
        frmSelDeclaracao->GeneratedFilter = cbGerada->Checked();
    }
    QString legenda;
    QString filtro;
    auto acrescenta = [&](const QString& texto, const QString& condicao) {
        if (!legenda.isEmpty())
            legenda += QStringLiteral("  ,");
        legenda += texto;
        if (!filtro.isEmpty())
            filtro += QStringLiteral(" and ");
        filtro += condicao;
    };
    if (!item.isEmpty()) {
        legenda = QStringLiteral(" Inscrição: ") + item;
        filtro = QStringLiteral("NU_INSCRICAO = ") + SomenteNumeros(item);
    }
    if (cbValidada->Checked())
        acrescenta(QStringLiteral("Validada"), QStringLiteral("DT_VALIDACAO <>  null"));
    if (cbComErro->Checked())
        acrescenta(QStringLiteral("Com Erro"), QStringLiteral("COMERRO = 'S'"));
    if (cbGerada->Checked())
        acrescenta(QStringLiteral("Transmitida"), QStringLiteral("DT_TRANSMISSAO <>  null"));
    if (frmSelDeclaracao) {
        if (!legenda.isEmpty())
            frmSelDeclaracao->lblFiltro->SetCaption(QStringLiteral("Filtro : ") + legenda);
        frmSelDeclaracao->lblFiltro->SetVisible(!legenda.isEmpty());
    }
    TClientDataSet* lista = DMDef->cdsSelDeclaracao;
    lista->SetFilter(filtro);
    lista->SetFiltered(!filtro.isEmpty());
    SetModalResult(mrOk);
}

void TfrmDlgFiltraDeclaracao::btnCancelarClick(TObject*) {
    SetModalResult(mrCancel);
}
