#include "declarations/list/TfrmSelDeclaracao.h"

#include "components/navigation/TVCLTbBtns.h"
#include "components/navigation/TVCLTbButton.h"
#include "components/navigation/TVCLToolbar.h"
#include "components/navigation/ToolbarPictures.h"
#include "core/data/RuleMessages.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefGeral.h"
#include "core/forms/DocumentWindows.h"
#include "core/util/GeneralRoutines.h"
#include "core/util/MessageBoxes.h"
#include "core/util/StringRoutines.h"
#include "declarations/editor/TfrmDeclaracao.h"
#include "declarations/list/TfrmDlgFiltraDeclaracao.h"
#include "declarations/list/TfrmDlgValidacao.h"
#include "declarations/list/TfrmIncDeclaracao.h"
#include "declarations/records/DeclarationRecords.h"
#include "declarations/reports/TfrmDlgEspelhoZeb.h"
#include "platform/base/SystemClock.h"
#include "platform/base/TPrompter.h"
#include "platform/db/ApplyAllUpdates.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"
#include "platform/db/TIBXSQLVAR.h"
#include "platform/db/TransactionScope.h"
#include "platform/ui/GridColumn.h"
#include "platform/ui/Make.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDBGridColumns.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TSpeedButton.h"

#include <QHeaderView>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>

TfrmSelDeclaracao* frmSelDeclaracao = nullptr;

namespace {

// The detail tables a rectification copies, in their order. The balances
// compensated by the establishment itself are not copied.
// The pictures of the toolbar (0 to 9; 5 and 6 also mark the status columns).
QPixmap Picture(int indice) {
    static constexpr ToolbarPicture Figuras[] = {
        ToolbarPicture::Insert,  ToolbarPicture::Edit,   ToolbarPicture::Delete, ToolbarPicture::None,
        ToolbarPicture::Rectify, ToolbarPicture::Marked, ToolbarPicture::Error,  ToolbarPicture::Print,
        ToolbarPicture::Filter,  ToolbarPicture::Exit};
    static_assert(Figuras[TfrmSelDeclaracao::ValidatedImage] == ToolbarPicture::Marked);
    static_assert(Figuras[TfrmSelDeclaracao::WithErrorsImage] == ToolbarPicture::Error);
    return DrawToolbarPicture(Figuras[indice]);
}

} // namespace

TfrmSelDeclaracao::TfrmSelDeclaracao(TComponent* owner, int documentId)
    : TfrmModDocumento(owner, documentId) {
    SetName(QStringLiteral("frmSelDeclaracao"));
    SetCaption(QStringLiteral("Controle das Declarações"));
    SetFormStyle(TFormStyle::fsMDIChild);
    SetClientWidth(760);
    SetClientHeight(420);
    OnCreate = TNotifyEvent(this, &TfrmSelDeclaracao::FormCreate);
    OnClose = TCloseEvent(this, &TfrmSelDeclaracao::FormClose);

    BuildActions();
    BuildToolbar();
    BuildGrid();
}

TfrmSelDeclaracao::~TfrmSelDeclaracao() {
    if (frmSelDeclaracao == this)
        frmSelDeclaracao = nullptr;
}

void TfrmSelDeclaracao::BuildActions() {
    imlDeclaracao = Make<TImageList>(this, QStringLiteral("imlDeclaracao"));
    imlDeclaracao->SetSize(24, 24);
    for (int i = 0; i < 10; ++i)
        imlDeclaracao->Add(Picture(i));

    alDeclaracao = Make<TActionList>(this, QStringLiteral("alDeclaracao"));
    alDeclaracao->SetImages(imlDeclaracao);
    alDeclaracao->OnUpdate = TActionEvent(this, &TfrmSelDeclaracao::alDeclaracaoUpdate);
    auto acao = [this](const QString& name, const QString& caption, int image, const QString& hint,
                       void (TfrmSelDeclaracao::*execute)(TObject*)) {
        auto* action = Make<TAction>(this, name);
        action->SetCaption(caption);
        action->SetImageIndex(image);
        action->SetHint(hint);
        action->SetActionList(alDeclaracao);
        action->OnExecute = TNotifyEvent(this, execute);
        return action;
    };
    acIncluir = acao(QStringLiteral("acIncluir"), QStringLiteral("&Incluir"), 0, QStringLiteral("Incluir"),
                     &TfrmSelDeclaracao::acIncluirExecute);
    acAlterar = acao(QStringLiteral("acAlterar"), QStringLiteral("&Alterar"), 1, QStringLiteral("Alterar"),
                     &TfrmSelDeclaracao::acAlterarExecute);
    acExcluir = acao(QStringLiteral("acExcluir"), QStringLiteral("&Excluir"), 2, QStringLiteral("Excluir"),
                     &TfrmSelDeclaracao::acExcluirExecute);
    acRetificar = acao(QStringLiteral("acRetificar"), QStringLiteral("&Retificar"), 4,
                       QStringLiteral("Retificar"), &TfrmSelDeclaracao::acRetificarExecute);
    acValidar = acao(QStringLiteral("acValidar"), QStringLiteral("&Validar"), 5, QStringLiteral("Validar"),
                     &TfrmSelDeclaracao::acValidarExecute);
    acImprimir = acao(QStringLiteral("acImprimir"), QStringLiteral("I&mprimir"), 7,
                      QStringLiteral("Imprimir"), &TfrmSelDeclaracao::acImprimirExecute);
    acFiltrar = acao(QStringLiteral("acFiltrar"), QStringLiteral("&Filtrar"), 8, QString(),
                     &TfrmSelDeclaracao::acFiltrarExecute);
    acSair = acao(QStringLiteral("acSair"), QStringLiteral("&Sair"), 9, QString(),
                  &TfrmSelDeclaracao::acSairExecute);
}

void TfrmSelDeclaracao::BuildToolbar() {
    vclTSelDeclaracao = Make<TVCLToolbar>(this, QStringLiteral("vclTSelDeclaracao"), this);
    vclTSelDeclaracao->SetAlign(TAlign::alTop);
    vclTSelDeclaracao->SetImages(imlDeclaracao);
    // A narrower face than the windows' own, so every caption fits the button.
    QFont fonte(QStringLiteral("Liberation Sans"));
    fonte.setPixelSize(11);
    vclTSelDeclaracao->SetFont(fonte);
    for (TAction* action :
         {acIncluir, acAlterar, acExcluir, acRetificar, acValidar, acImprimir, acFiltrar, acSair})
        vclTSelDeclaracao->TbButtons().Add()->SetAction(action);
    // In the order a form resource gives them: the captions size the
    // buttons, then the fixed size stands.
    vclTSelDeclaracao->SetShowHints(true);
    vclTSelDeclaracao->SetShowCaptions(true);
    vclTSelDeclaracao->SetButtonLayout(TButtonLayout::blGlyphTop);
    vclTSelDeclaracao->SetButtonHeight(39);
    vclTSelDeclaracao->SetButtonWidth(45);
    vclTSelDeclaracao->SetBorderWidth(2);

    lblFiltro = Make<TLabel>(this, QStringLiteral("lblFiltro"), vclTSelDeclaracao);
    lblFiltro->SetCaption(QStringLiteral("Filtro :"));
    lblFiltro->SetFontColor(clNavy);
    lblFiltro->SetLeft(vclTSelDeclaracao->ButtonsWidth() + 16);
    lblFiltro->SetTop(16);
    lblFiltro->Hide();
}

void TfrmSelDeclaracao::BuildGrid() {
    dsSelDeclaracao = Make<TDataSource>(this, QStringLiteral("dsSelDeclaracao"));
    dsSelDeclaracao->SetAutoEdit(false);
    dsSelDeclaracao->SetDataSet(DMDef->cdsSelDeclaracao);

    dbgSelDeclaracao = Make<TDBGrid>(this, QStringLiteral("dbgSelDeclaracao"), this);
    dbgSelDeclaracao->SetAlign(TAlign::alClient);
    dbgSelDeclaracao->SetReadOnly(true);
    dbgSelDeclaracao->SetOptions(dbgSelDeclaracao->Options() | dgRowSelect);
    dbgSelDeclaracao->SetDataSource(dsSelDeclaracao);
    AddColumns(dbgSelDeclaracao, {{"NU_INSCRICAO", "Inscrição", 72},
                                  {"NO_RAZAO", "Razão Social", 320},
                                  {"ME_REFERENCIA", "Mês", 26},
                                  {"AN_REFERENCIA", "Ano", 38},
                                  {"DescTipo", "Tipo", 90},
                                  {"DT_VALIDACAO", "Validada", 62},
                                  {"COMERRO", "Com Erro", 57},
                                  {"DT_TRANSMISSAO", "Gerada", 64}});
    // The type column holds a rectification's number whole ("Retificadora [12]").
    TColumn* tipo = dbgSelDeclaracao->Columns().Items(4);
    const int larguraTipo =
        dbgSelDeclaracao->Widget()->fontMetrics().horizontalAdvance(QStringLiteral("Retificadora [99]")) + 12;
    tipo->SetWidth(std::max(tipo->Width(), larguraTipo));
    dbgSelDeclaracao->OnDrawColumnCell =
        TDrawColumnCellEvent(this, &TfrmSelDeclaracao::dbgSelDeclaracaoDrawColumnCell);
    dbgSelDeclaracao->OnDblClick = TNotifyEvent(this, &TfrmSelDeclaracao::acAlterarExecute);
    dbgSelDeclaracao->OnKeyDown = TKeyEvent(this, &TfrmSelDeclaracao::dbgSelDeclaracaoKeyDown);
}

QString TfrmSelDeclaracao::CurrentValue(const QString& campo) const {
    return DMDef->cdsSelDeclaracao->FieldByName(campo)->AsString();
}

void TfrmSelDeclaracao::FormCreate(TObject*) {
    frmSelDeclaracao = this;
    DMDef->cdsSelDeclaracao->Open();
    // Every column in sight at first, however wide the fonts make them.
    if (auto* grade = qobject_cast<QTableView*>(dbgSelDeclaracao->Widget())) {
        const int precisa = grade->horizontalHeader()->length() + grade->verticalHeader()->width() +
                            2 * grade->frameWidth() + grade->verticalScrollBar()->sizeHint().width();
        SetClientWidth(std::max(ClientWidth(), precisa));
    }
}

void TfrmSelDeclaracao::FormClose(TObject* sender, TCloseAction& action) {
    // An open editor belongs to the list: it closes first, saving its
    // declaration, and keeps the list open when it cannot close.
    for (int i = ComponentCount() - 1; i >= 0; --i)
        if (auto* editor = dynamic_cast<TfrmDeclaracao*>(Components(i)))
            editor->Close();
    if (DMDef->cdsDeclaracao->Active()) {
        action = TCloseAction::caNone;
        return;
    }
    TfrmModDocumento::FormClose(sender, action);
    TClientDataSet* lista = DMDef->cdsSelDeclaracao;
    lista->SetFilter(QString());
    lista->SetFiltered(false);
    lista->Close();
    frmSelDeclaracao = nullptr;
}

void TfrmSelDeclaracao::alDeclaracaoUpdate(TAction*, bool& handled) {
    TClientDataSet* lista = DMDef->cdsSelDeclaracao;
    const bool comLinhas = lista->Active() && !lista->IsEmpty();
    for (TAction* action : {acAlterar, acRetificar, acValidar, acImprimir, acExcluir, acFiltrar})
        action->SetEnabled(comLinhas);
    acIncluir->SetEnabled(lista->Active());
    acSair->SetEnabled(true);
    handled = true;
}

void TfrmSelDeclaracao::dbgSelDeclaracaoKeyDown(TObject* sender, int& key, TShiftState) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    key = 0;
    acAlterarExecute(sender);
}

void TfrmSelDeclaracao::dbgSelDeclaracaoDrawColumnCell(TObject*, QPainter& painter, const QRect& rect, int,
                                                       TColumn* column, unsigned) {
    TClientDataSet* lista = DMDef->cdsSelDeclaracao;
    TField* field = column ? column->Field() : nullptr;
    if (!field || lista->IsEmpty())
        return;
    const QString nome = field->FieldName();
    int imagem = -1;
    if (nome == QStringLiteral("DT_VALIDACAO") || nome == QStringLiteral("DT_TRANSMISSAO"))
        imagem = field->IsNull() ? -1 : ValidatedImage;
    else if (nome == QStringLiteral("COMERRO"))
        imagem = field->AsString() == QStringLiteral("S") ? WithErrorsImage : -1;
    else
        return;
    // The mark replaces the text the grid drew.
    painter.fillRect(rect, Qt::white);
    if (imagem >= 0)
        imlDeclaracao->Draw(painter, rect.left() + 15, rect.top(), imagem);
}

bool TfrmSelDeclaracao::OpenCurrentDeclaration(const QString& mensagem) {
    return OpenDeclaration(DMDef->cdsSelDeclaracao->FieldByName(QStringLiteral("SQ_DECLARACAO"))->Value(),
                           mensagem);
}

bool TfrmSelDeclaracao::OpenDeclaration(const QVariant& chave, const QString& mensagem) {
    TClientDataSet* declaracao = DMDef->cdsDeclaracao;
    declaracao->Close();
    declaracao->Open();
    if (declaracao->Locate(QStringLiteral("SQ_DECLARACAO"), chave))
        return true;
    MsgErro(mensagem);
    declaracao->Close();
    return false;
}

void TfrmSelDeclaracao::OpenEditor() {
    if (Screen)
        Screen->SetCursor(crHourGlass);
    SetEnabled(false);
    ShowDocument<TfrmDeclaracao>(this, 1);
}

void TfrmSelDeclaracao::acIncluirExecute(TObject*) {
    if (!DMDefGeral->AbreConsulta(QStringLiteral("select NU_INSCRICAO from CONTRIBUINTE"))) {
        RuleMessages::Refuse(RuleMessages::QueryFailed);
    }
    if (DMDefGeral->cdsAuxiliar->IsEmpty()) {
        RuleMessages::Refuse(QStringLiteral("Nenhum Contribuinte Declarado !"));
    }
    std::unique_ptr<TfrmIncDeclaracao> dialogo(TForm::Create<TfrmIncDeclaracao>(this));
    if (dialogo->ShowModal() != mrOk)
        return;
    // The declaration just stored, whether or not the list's filter shows it.
    const QVariant chave = dialogo->InsertedKey();
    dialogo.reset();
    if (!OpenDeclaration(chave, QStringLiteral("Declaração não encontrada")))
        Abort();
    OpenEditor();
}

void TfrmSelDeclaracao::acAlterarExecute(TObject*) {
    TClientDataSet* lista = DMDef->cdsSelDeclaracao;
    if (!lista->Active() || lista->IsEmpty())
        return;
    if (!OpenCurrentDeclaration(QStringLiteral("Declaração não encontrada!")))
        return;
    if (!lista->FieldByName(QStringLiteral("DT_VALIDACAO"))->IsNull() &&
        CurrentValue(QStringLiteral("COMERRO")) == "N") {
        const QString gerada = lista->FieldByName(QStringLiteral("DT_TRANSMISSAO"))->IsNull()
                                   ? QString()
                                   : QStringLiteral(" e gerada");
        if (!MsgConfirmacao(
                QStringLiteral("A declaração selecionada já foi validada com sucesso") + gerada +
                QStringLiteral(". Deseja continuar a alteração? ") + QLatin1Char('\r') +
                QStringLiteral("Caso esta seja efetivada, a declaração deixará de estar validada") + gerada +
                QLatin1Char('.'))) {
            DMDef->cdsDeclaracao->Close();
            Abort();
        }
    }
    OpenEditor();
}

void TfrmSelDeclaracao::acExcluirExecute(TObject*) {
    if (!MsgConfirmacao(QStringLiteral("Você deseja realmente apagar essa Declaracao ?") + QLatin1Char('\r') +
                        QStringLiteral("Lembre-se: Todos os seus lançamentos referentes") +
                        QLatin1Char('\r') + QStringLiteral(" a essa Declaração também serão apagados.")))
        return;
    TClientDataSet* lista = DMDef->cdsSelDeclaracao;
    TIBSQL consulta;
    consulta.SetDatabase(DMDefGeral->ibDBDef);
    consulta.SetTransaction(DMDefGeral->ibtSQLAuxiliar);
    try {
        TransactionScope transacao(*DMDefGeral->ibtSQLAuxiliar);
        if (CurrentValue(QStringLiteral("IN_RETIFICADORA")) == QStringLiteral("N")) {
            consulta.SetSQLText(QStringLiteral("select count(*) from DECLARACAO_ECONOMICO_FISCAL WHERE "
                                               "NU_INSCRICAO = :inscricao and AN_REFERENCIA = :ano and "
                                               "ME_REFERENCIA = :mes and IN_RETIFICADORA = 'S'"));
            consulta.ParamByName(QStringLiteral("inscricao"))
                .SetInteger(lista->FieldByName("NU_INSCRICAO")->AsInteger());
            consulta.ParamByName(QStringLiteral("ano"))
                .SetInteger(lista->FieldByName("AN_REFERENCIA")->AsInteger());
            consulta.ParamByName(QStringLiteral("mes"))
                .SetInteger(lista->FieldByName("ME_REFERENCIA")->AsInteger());
            consulta.ExecQuery();
            const bool temRetificadora = consulta.Fields(0).AsInteger() > 0;
            consulta.Close();
            if (temRetificadora) {
                RuleMessages::Refuse(QStringLiteral(
                    "Essa Declaração não pode ser apagada porque possui Declaração Retificadora!"));
            }
        }
        consulta.SetSQLText(
            QStringLiteral("DELETE FROM DECLARACAO_ECONOMICO_FISCAL WHERE SQ_DECLARACAO = :chave"));
        consulta.ParamByName(QStringLiteral("chave"))
            .SetInt64(lista->FieldByName("SQ_DECLARACAO")->AsLargeInt());
        consulta.ExecQuery();
        transacao.Commit();
    } catch (const EAbort&) {
        throw;
    } catch (const std::exception&) {
        RuleMessages::Refuse(QStringLiteral("Erro na deleção da Declaracao !"));
    }
    lista->Refresh();
}

void TfrmSelDeclaracao::acValidarExecute(TObject*) {
    TClientDataSet* lista = DMDef->cdsSelDeclaracao;
    if (!lista->FieldByName(QStringLiteral("DT_VALIDACAO"))->IsNull() &&
        CurrentValue(QStringLiteral("COMERRO")) == QStringLiteral("N")) {
        MsgErro(QStringLiteral("Essa Declaração já foi validada!"));
        return;
    }
    // Creating the window runs the rules; a run that cannot finish has been
    // reported and raises the silent abort, recording nothing.
    QPointer<TfrmDlgValidacao> janela = TfrmModDocumento::CreateDocument<TfrmDlgValidacao>(this, -1);
    try {
        if (janela->cdsValidacao->IsEmpty()) {
            GravaValidos(QStringLiteral("N"));
            janela->Close();
            MsgInforma(QStringLiteral("Validação completa!"));
            return;
        }
        const bool comErro = VerificaTemErro(janela->cdsValidacao);
        GravaValidos(comErro ? QStringLiteral("S") : QStringLiteral("N"));
        janela->ShowModal();
        if (!comErro)
            MsgInforma(QStringLiteral("Validação completa!"));
    } catch (...) {
        if (janela)
            janela->Free();
        throw;
    }
}

void TfrmSelDeclaracao::acImprimirExecute(TObject*) {
    // The dialog frees itself when it closes.
    TForm::Create<TfrmDlgEspelhoZeb>(this)->ShowModal();
}

bool TfrmSelDeclaracao::VerificaTemErro(TDataSet* resultado) {
    for (resultado->Last(); !resultado->Bof(); resultado->Prior())
        if (resultado->FieldByName(QStringLiteral("Icone"))->AsString() == QStringLiteral("E"))
            return true;
    return false;
}

void TfrmSelDeclaracao::GravaValidos(const QString& flag) {
    TClientDataSet* declaracao = DMDef->cdsDeclaracao;
    const QVariant chave = DMDef->cdsSelDeclaracao->FieldByName(QStringLiteral("SQ_DECLARACAO"))->Value();
    try {
        declaracao->Close();
        declaracao->Open();
        if (!declaracao->Locate(QStringLiteral("SQ_DECLARACAO"), chave))
            throw Exception(QStringLiteral("Declaração não encontrada"));
        declaracao->Edit();
        declaracao->FieldByName(QStringLiteral("DT_VALIDACAO"))
            ->SetAsDateTime(QDateTime(SystemClock::Today(), QTime()));
        declaracao->FieldByName(QStringLiteral("COMERRO"))->SetAsString(flag);
        declaracao->Post();
        ApplyAllUpdates(*declaracao);
        declaracao->Close();
    } catch (const std::exception&) {
        if (declaracao->Active()) {
            declaracao->CancelUpdates();
            declaracao->Close();
        }
        RuleMessages::Refuse(QStringLiteral("Erro na validação"));
    }
}

void TfrmSelDeclaracao::acRetificarExecute(TObject*) {
    TClientDataSet* lista = DMDef->cdsSelDeclaracao;
    if (lista->FieldByName(QStringLiteral("DT_TRANSMISSAO"))->IsNull()) {
        RuleMessages::Refuse(285);
    }
    TPromptRequest pergunta;
    pergunta.Caption = QStringLiteral("Confirmação");
    pergunta.Icon = TMsgDlgType::mtConfirmation;
    pergunta.Buttons = {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbCancel};
    pergunta.Text = QStringLiteral("Deseja copiar os valores da Declaração selecionada?") +
                    QStringLiteral("\r\r") + QStringLiteral("     Inscrição : ") +
                    FormataInscricao(CurrentValue(QStringLiteral("NU_INSCRICAO"))) +
                    QStringLiteral("    Mês : ") + CurrentValue(QStringLiteral("ME_REFERENCIA")) +
                    QStringLiteral("    Ano : ") + CurrentValue(QStringLiteral("AN_REFERENCIA"));
    const TModalResult resposta = TPrompter::Current().Prompt(pergunta).Button;
    if (resposta != mrYes && resposta != mrNo)
        return;
    const int nova = CriaDeclaracaoRetificadora(resposta == mrYes);
    if (nova == 0)
        Abort();
    lista->Refresh();
    lista->Locate(QStringLiteral("SQ_DECLARACAO"), nova);
}

int TfrmSelDeclaracao::CriaDeclaracaoRetificadora(bool copiaValores) {
    const std::optional<DeclarationKey> nova = ::CriaDeclaracaoRetificadora(
        DeclarationKey::Of(*DMDef->cdsSelDeclaracao->FieldByName(QStringLiteral("SQ_DECLARACAO"))),
        copiaValores);
    if (!nova)
        return 0;
    LastRectifying = nova->Sql();
    return static_cast<int>(nova->Value());
}

int TfrmSelDeclaracao::SelecionaInscricao(const QStringList& itens, const QString& texto) const {
    for (int i = 1; i < itens.size(); ++i)
        if (itens[i] == texto)
            return i;
    return 0;
}

void TfrmSelDeclaracao::acFiltrarExecute(TObject*) {
    if (!DMDefGeral->AbreConsulta(QStringLiteral("SELECT NU_INSCRICAO FROM DECLARACAO_ECONOMICO_FISCAL"))) {
        RuleMessages::Refuse(RuleMessages::QueryFailed);
    }
    if (DMDefGeral->cdsAuxiliar->IsEmpty()) {
        RuleMessages::Refuse(QStringLiteral("Não existe declaração !"));
    }
    try {
        std::unique_ptr<TfrmDlgFiltraDeclaracao> dialogo(TForm::Create<TfrmDlgFiltraDeclaracao>(this));
        if (DMDef->cdsSelDeclaracao->Filtered())
            dialogo->ShowFilter(RegistrationFilter.isEmpty()
                                    ? 0
                                    : SelecionaInscricao(dialogo->Registrations(), RegistrationFilter),
                                ValidatedFilter, WithErrorsFilter, GeneratedFilter);
        dialogo->ShowModal();
    } catch (const EAbort&) {
        throw;
    } catch (const std::exception&) {
        MsgErro(QStringLiteral("Erro na criação do formulário de Filtragem! "));
    }
}

void TfrmSelDeclaracao::acSairExecute(TObject*) {
    Close();
}
