#include "declarations/list/TfrmDlgGeracao.h"

#include "core/data/DataVersion.h"
#include "core/data/RuleMessages.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefGeral.h"
#include "core/forms/TfrmModPrincipal.h"
#include "core/util/GeneralRoutines.h"
#include "core/util/MessageBoxes.h"
#include "core/util/TExeVer.h"
#include "declarations/list/TfrmGeracao.h"
#include "declarations/transmission/TransmissionGenerator.h"
#include "platform/base/SelectDirectory.h"
#include "platform/base/SystemClock.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/os/LocalPath.h"
#include "platform/ui/Make.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TBusyCursor.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TSpeedButton.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr int GenerationFailedCode = 269;
const QString FileExtension = QStringLiteral("zeb");
// The program's place for the files it offers to write.
const QString WindowsRoot = QStringLiteral("C:\\");

QString RootFolder() {
    return LocalPath::FromWindows(WindowsRoot);
}

// The FileVersion the main window shows; the build's when there is no main window.
QString ProgramVersion() {
    if (Application)
        if (auto* principal = dynamic_cast<TfrmModPrincipal*>(Application->MainForm()))
            return principal->evApp->FileVersion();
    return VersaoSistema();
}

} // namespace

TfrmDlgGeracao::TfrmDlgGeracao(TComponent* owner) : TfrmModDialogo(owner) {
    SetName(QStringLiteral("frmDlgGeracao"));
    SetCaption(QStringLiteral("Gerar arquivo para transmissão"));
    SetPosition(TPosition::poScreenCenter);
    SetClientWidth(520);
    SetClientHeight(120);
    OnCreate = TNotifyEvent(this, &TfrmDlgGeracao::FormCreate);

    BuildActions();
    BuildDestination();
    BuildButtons();
}

TfrmDlgGeracao::~TfrmDlgGeracao() = default;

void TfrmDlgGeracao::BuildActions() {
    alGeracao = Make<TActionList>(this, QStringLiteral("alGeracao"));
    auto acao = [this](const QString& name, const QString& caption,
                       void (TfrmDlgGeracao::*execute)(TObject*)) {
        auto* action = Make<TAction>(this, name);
        action->SetCaption(caption);
        action->SetActionList(alGeracao);
        action->OnExecute = TNotifyEvent(this, execute);
        return action;
    };
    acProcurar =
        acao(QStringLiteral("acProcurar"), QStringLiteral(" Procurar"), &TfrmDlgGeracao::acProcurarExecute);
    acGerar = acao(QStringLiteral("acGerar"), QStringLiteral("&Gerar"), &TfrmDlgGeracao::acGerarExecute);
    acSair = acao(QStringLiteral("acSair"), QStringLiteral("&Sair"), &TfrmDlgGeracao::acSairExecute);
}

void TfrmDlgGeracao::BuildDestination() {
    gbDestino = Make<TGroupBox>(this, QStringLiteral("gbDestino"), this);
    gbDestino->SetCaption(QStringLiteral("Destino de Gravação"));
    gbDestino->SetBounds(8, 8, 504, 64);
    lblDestino = Make<TLabel>(this, QStringLiteral("lblDestino"), gbDestino);
    lblDestino->SetCaption(QStringLiteral("Destino :"));
    lblDestino->SetBounds(10, 30, 56, 16);
    edtDiretorio = Make<TEdit>(this, QStringLiteral("edtDiretorio"), gbDestino);
    edtDiretorio->SetReadOnly(true);
    edtDiretorio->SetColor(clInfoBk);
    edtDiretorio->SetBounds(68, 26, 336, 22);
    btnSelecionar = Make<TSpeedButton>(this, QStringLiteral("btnSelecionar"), gbDestino);
    btnSelecionar->SetFlat(true);
    btnSelecionar->SetAction(acProcurar);
    btnSelecionar->SetBounds(410, 25, 84, 24);
}

void TfrmDlgGeracao::BuildButtons() {
    auto botao = [this](const QString& name, TAction* action, TModalResult result, int left) {
        auto* button = Make<TButton>(this, name, pnBotoes);
        button->SetBounds(left, 4, 75, 25);
        // A click sets the result before it runs the action, so the dialog
        // closes after the action whatever came of it.
        button->SetModalResult(result);
        button->SetAction(action);
        return button;
    };
    btnConfirmar = botao(QStringLiteral("btnConfirmar"), acGerar, mrOk, 356);
    btnConfirmar->SetDefault(true);
    btnCancelar = botao(QStringLiteral("btnCancelar"), acSair, mrCancel, 437);
    btnCancelar->SetCancel(true);
}

TfrmGeracao* TfrmDlgGeracao::GenerationWindow() const {
    return dynamic_cast<TfrmGeracao*>(Owner());
}

void TfrmDlgGeracao::FormCreate(TObject*) {
    m_targetFileName = AcrescentaDataHora(QStringLiteral("ZEB")) + QLatin1Char('.') + FileExtension;
    edtDiretorio->SetText(QDir(RootFolder()).filePath(m_targetFileName));
}

void TfrmDlgGeracao::acProcurarExecute(TObject*) {
    QString pasta;
    // A cancelled choice keeps the destination there was.
    if (!SelectDirectory(QStringLiteral("Selecione uma pasta"), RootFolder(), pasta))
        return;
    // The name is always the run's own, so the file always takes the extension ".zeb".
    edtDiretorio->SetText(QDir(pasta).filePath(m_targetFileName));
}

void TfrmDlgGeracao::acGerarExecute(TObject*) {
    const QString destino = edtDiretorio->Text().trimmed();
    if (destino.isEmpty()) {
        MsgInforma(QStringLiteral("Selecione um local de destino para geração do arquivo!"));
        btnSelecionar->Click();
        return;
    }
    const bool existe = QFileInfo::exists(destino);
    if (existe && !MsgConfirmacao(QStringLiteral("Esse arquivo já existe. Deseja substituí-lo?")))
        return;

    TfrmGeracao* geracao = GenerationWindow();
    TClientDataSet* lista = DMDef->cdsSelDeclaracao;
    TBookmarkList& selecionadas = geracao->dbgGeracao->SelectedRows();
    try {
        TBusyCursor ampulheta;
        std::vector<DeclarationKey> chaves;
        for (int i = 0; i < selecionadas.Count(); ++i) {
            lista->GotoBookmark(selecionadas.Items(i));
            chaves.push_back(DeclarationKey::Of(*lista->FieldByName(QStringLiteral("SQ_DECLARACAO"))));
        }
        TransmissionGenerator gerador(*DMDefGeral->ibDBDef);
        gerador.Generate(destino, chaves, ProgramVersion(), SystemClock::Now(), existe);
    } catch (const std::exception&) {
        RuleMessages::Refuse(GenerationFailedCode);
    }
    MsgInforma(QStringLiteral("Arquivo para transmissão gerado com sucesso!"));
    for (int i = selecionadas.Count() - 1; i >= 0; --i) {
        lista->GotoBookmark(selecionadas.Items(i));
        selecionadas.SetCurrentRowSelected(false);
    }
    lista->Refresh();
}

void TfrmDlgGeracao::acSairExecute(TObject*) {
    Close();
}
