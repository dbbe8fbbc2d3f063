#include "declarations/list/TfrmSelDeclaracao.h"

#include "components/navigation/TVCLTbBtns.h"
#include "components/navigation/TVCLTbButton.h"
#include "components/navigation/TVCLToolbar.h"
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
#include <QPainterPath>
#include <QPointer>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>

TfrmSelDeclaracao* frmSelDeclaracao = nullptr;

namespace {

// The detail tables a rectification copies, in their order. The balances
// compensated by the establishment itself are not copied.
// The pictures of the toolbar (0 to 9; 5 and 6 also mark the status columns).
QPixmap Figura(int indice) {
    QPixmap picture(24, 24);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen contorno(QColor(0x30, 0x40, 0x70), 1.5);
    auto folha = [&] {
        p.setPen(contorno);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5, 2, 14, 19));
        for (int y = 7; y <= 15; y += 4)
            p.drawLine(QPointF(8, y), QPointF(16, y));
    };
    switch (indice) {
    case 0: // Incluir
        folha();
        p.setPen(QPen(QColor(0x10, 0x80, 0x20), 3));
        p.drawLine(QPointF(17, 12), QPointF(17, 22));
        p.drawLine(QPointF(12, 17), QPointF(22, 17));
        break;
    case 1: // Alterar
        folha();
        p.setPen(QPen(QColor(0xC0, 0x80, 0x10), 3));
        p.drawLine(QPointF(9, 20), QPointF(21, 8));
        break;
    case 2: // Excluir
        folha();
        p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 3));
        p.drawLine(QPointF(11, 11), QPointF(21, 21));
        p.drawLine(QPointF(21, 11), QPointF(11, 21));
        break;
    case 4: // Retificar
        folha();
        p.setPen(QPen(QColor(0x20, 0x50, 0xB0), 2));
        p.drawArc(QRectF(10, 10, 11, 11), 30 * 16, 280 * 16);
        break;
    case TfrmSelDeclaracao::ImagemValidada: // Validar, and the mark of a validated or generated declaration
        p.setPen(QPen(QColor(0x10, 0x90, 0x30), 3));
        p.drawLine(QPointF(4, 12), QPointF(10, 19));
        p.drawLine(QPointF(10, 19), QPointF(20, 5));
        break;
    case TfrmSelDeclaracao::ImagemComErro: // the mark of a declaration with errors
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xD0, 0x20, 0x20));
        p.drawEllipse(QRectF(3, 3, 18, 18));
        p.setPen(QPen(Qt::white, 3));
        p.drawLine(QPointF(8, 8), QPointF(16, 16));
        p.drawLine(QPointF(16, 8), QPointF(8, 16));
        break;
    case 7: // Imprimir
        p.setPen(contorno);
        p.setBrush(QColor(0xD0, 0xD0, 0xD8));
        p.drawRect(QRectF(3, 9, 18, 9));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 3, 10, 6));
        p.drawRect(QRectF(7, 15, 10, 7));
        break;
    case 8: { // Filtrar
        p.setPen(contorno);
        p.setBrush(QColor(0x40, 0x80, 0xD0));
        QPainterPath funil;
        funil.moveTo(3, 4);
        funil.lineTo(21, 4);
        funil.lineTo(14, 13);
        funil.lineTo(14, 21);
        funil.lineTo(10, 19);
        funil.lineTo(10, 13);
        funil.closeSubpath();
        p.drawPath(funil);
        break;
    }
    case 9: // Sair
        p.setPen(contorno);
        p.setBrush(QColor(0x90, 0x60, 0x30));
        p.drawRect(QRectF(5, 2, 12, 20));
        p.setBrush(QColor(0xF0, 0xD0, 0x40));
        p.drawEllipse(QRectF(13, 11, 2.5, 2.5));
        break;
    default:
        break;
    }
    return picture;
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

    imlDeclaracao = new TImageList(this);
    imlDeclaracao->SetName(QStringLiteral("imlDeclaracao"));
    imlDeclaracao->SetSize(24, 24);
    for (int i = 0; i < 10; ++i)
        imlDeclaracao->Add(Figura(i));

    alDeclaracao = new TActionList(this);
    alDeclaracao->SetName(QStringLiteral("alDeclaracao"));
    alDeclaracao->SetImages(imlDeclaracao);
    alDeclaracao->OnUpdate = TActionEvent(this, &TfrmSelDeclaracao::alDeclaracaoUpdate);
    auto acao = [this](const QString& name, const QString& caption, int image, const QString& hint,
                       void (TfrmSelDeclaracao::*execute)(TObject*)) {
        auto* action = new TAction(this);
        action->SetName(name);
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

    vclTSelDeclaracao = new TVCLToolbar(this, this);
    vclTSelDeclaracao->SetName(QStringLiteral("vclTSelDeclaracao"));
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

    lblFiltro = new TLabel(this, vclTSelDeclaracao);
    lblFiltro->SetName(QStringLiteral("lblFiltro"));
    lblFiltro->SetCaption(QStringLiteral("Filtro :"));
    lblFiltro->SetFontColor(clNavy);
    lblFiltro->SetLeft(vclTSelDeclaracao->ButtonsWidth() + 16);
    lblFiltro->SetTop(16);
    lblFiltro->Hide();

    dsSelDeclaracao = new TDataSource(this);
    dsSelDeclaracao->SetName(QStringLiteral("dsSelDeclaracao"));
    dsSelDeclaracao->SetAutoEdit(false);
    dsSelDeclaracao->SetDataSet(DMDef->cdsSelDeclaracao);

    dbgSelDeclaracao = new TDBGrid(this, this);
    dbgSelDeclaracao->SetName(QStringLiteral("dbgSelDeclaracao"));
    dbgSelDeclaracao->SetAlign(TAlign::alClient);
    dbgSelDeclaracao->SetReadOnly(true);
    dbgSelDeclaracao->SetOptions(dbgSelDeclaracao->Options() | dgRowSelect);
    dbgSelDeclaracao->SetDataSource(dsSelDeclaracao);
    struct Coluna {
        const char* campo;
        const char* titulo;
        int largura;
    };
    const Coluna colunas[] = {{"NU_INSCRICAO", "Inscrição", 72}, {"NO_RAZAO", "Razão Social", 320},
                              {"ME_REFERENCIA", "Mês", 26},      {"AN_REFERENCIA", "Ano", 38},
                              {"DescTipo", "Tipo", 90},          {"DT_VALIDACAO", "Validada", 62},
                              {"COMERRO", "Com Erro", 57},       {"DT_TRANSMISSAO", "Gerada", 64}};
    // The type column holds a rectification's number whole ("Retificadora [12]").
    const int larguraTipo =
        dbgSelDeclaracao->Widget()->fontMetrics().horizontalAdvance(QStringLiteral("Retificadora [99]")) + 12;
    for (const Coluna& coluna : colunas) {
        TColumn* column = dbgSelDeclaracao->Columns().Add();
        column->SetFieldName(QLatin1String(coluna.campo));
        column->SetTitleCaption(QString::fromUtf8(coluna.titulo));
        const bool tipo = qstrcmp(coluna.campo, "DescTipo") == 0;
        column->SetWidth(tipo ? std::max(coluna.largura, larguraTipo) : coluna.largura);
    }
    dbgSelDeclaracao->OnDrawColumnCell =
        TDrawColumnCellEvent(this, &TfrmSelDeclaracao::dbgSelDeclaracaoDrawColumnCell);
    dbgSelDeclaracao->OnDblClick = TNotifyEvent(this, &TfrmSelDeclaracao::acAlterarExecute);
}

TfrmSelDeclaracao::~TfrmSelDeclaracao() {
    if (frmSelDeclaracao == this)
        frmSelDeclaracao = nullptr;
}

QString TfrmSelDeclaracao::Atual(const QString& campo) const {
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

void TfrmSelDeclaracao::dbgSelDeclaracaoDrawColumnCell(TObject*, QPainter& painter, const QRect& rect, int,
                                                       TColumn* column, unsigned) {
    TClientDataSet* lista = DMDef->cdsSelDeclaracao;
    TField* field = column ? column->Field() : nullptr;
    if (!field || lista->IsEmpty())
        return;
    const QString nome = field->FieldName();
    int imagem = -1;
    if (nome == QStringLiteral("DT_VALIDACAO") || nome == QStringLiteral("DT_TRANSMISSAO"))
        imagem = field->IsNull() ? -1 : ImagemValidada;
    else if (nome == QStringLiteral("COMERRO"))
        imagem = field->AsString() == QStringLiteral("S") ? ImagemComErro : -1;
    else
        return;
    // The mark replaces the text the grid drew.
    painter.fillRect(rect, Qt::white);
    if (imagem >= 0)
        imlDeclaracao->Draw(painter, rect.left() + 15, rect.top(), imagem);
}

bool TfrmSelDeclaracao::AbreDeclaracaoAtual(const QString& mensagem) {
    return AbreDeclaracao(DMDef->cdsSelDeclaracao->FieldByName(QStringLiteral("SQ_DECLARACAO"))->Value(),
                          mensagem);
}

bool TfrmSelDeclaracao::AbreDeclaracao(const QVariant& chave, const QString& mensagem) {
    TClientDataSet* declaracao = DMDef->cdsDeclaracao;
    declaracao->Close();
    declaracao->Open();
    if (declaracao->Locate(QStringLiteral("SQ_DECLARACAO"), chave))
        return true;
    MsgErro(mensagem);
    declaracao->Close();
    return false;
}

void TfrmSelDeclaracao::AbreEditor() {
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
    const QVariant chave = dialogo->ChaveIncluida();
    dialogo.reset();
    if (!AbreDeclaracao(chave, QStringLiteral("Declaração não encontrada")))
        Abort();
    AbreEditor();
}

void TfrmSelDeclaracao::acAlterarExecute(TObject*) {
    TClientDataSet* lista = DMDef->cdsSelDeclaracao;
    if (!lista->Active() || lista->IsEmpty())
        return;
    if (!AbreDeclaracaoAtual(QStringLiteral("Declaração não encontrada!")))
        return;
    if (!lista->FieldByName(QStringLiteral("DT_VALIDACAO"))->IsNull() &&
        Atual(QStringLiteral("COMERRO")) == "N") {
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
    AbreEditor();
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
        if (Atual(QStringLiteral("IN_RETIFICADORA")) == QStringLiteral("N")) {
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
        Atual(QStringLiteral("COMERRO")) == QStringLiteral("N")) {
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
                    FormataInscricao(Atual(QStringLiteral("NU_INSCRICAO"))) + QStringLiteral("    Mês : ") +
                    Atual(QStringLiteral("ME_REFERENCIA")) + QStringLiteral("    Ano : ") +
                    Atual(QStringLiteral("AN_REFERENCIA"));
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
    UltimaRetificadora = nova->Sql();
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
            dialogo->MostraFiltro(
                FiltroInscricao.isEmpty() ? 0 : SelecionaInscricao(dialogo->Inscricoes(), FiltroInscricao),
                FiltroValidada, FiltroComErro, FiltroGerada);
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
