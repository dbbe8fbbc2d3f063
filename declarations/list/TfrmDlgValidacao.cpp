#include "declarations/list/TfrmDlgValidacao.h"

#include "components/navigation/TVCLTbBtns.h"
#include "components/navigation/TVCLTbButton.h"
#include "components/navigation/TVCLToolbar.h"
#include "core/data/ModuleComponents.h"
#include "core/data/RuleMessages.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefGeral.h"
#include "core/util/MessageBoxes.h"
#include "core/util/StringRoutines.h"
#include "declarations/reports/TrptErrosValidacao.h"
#include "declarations/validation/DeclarationValidator.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDBGridColumns.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TImage.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TLabel.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QString MensagemNaoDescrita = QStringLiteral("Erro não descrito na tabela de Erros!");
// The kinds of TIPO_ERRO_DECLARACAO.TP_ERRO.
const QString TipoErro = QStringLiteral("E");
const QString TipoAdvertencia = QStringLiteral("A");

// Field sizes of the result set.
constexpr int TamanhoIcone = 5;
constexpr int TamanhoCodigo = 5;
constexpr int TamanhoDescricao = 300;
constexpr int TamanhoMensagem = 255;
constexpr int TamanhoTipo = 12;

// The pictures are drawn on a 24-pixel grid and kept at 16, the height of a grid row.
constexpr int TamanhoDesenho = 24;
constexpr int TamanhoFigura = 16;

// The pictures of imlValidacao: 0 error, 1 warning, then the actions: 2
// close, 3 first, 4 prior, 5 next, 6 last, 7 print.
QPixmap Desenho(int indice) {
    QPixmap picture(TamanhoDesenho, TamanhoDesenho);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen contorno(QColor(0x30, 0x40, 0x70), 1.5);
    const QColor seta(0x20, 0x50, 0xB0);
    auto triangulo = [&](bool paraDireita, qreal x) {
        QPainterPath path;
        if (paraDireita) {
            path.moveTo(x, 6);
            path.lineTo(x + 8, 12);
            path.lineTo(x, 18);
        } else {
            path.moveTo(x + 8, 6);
            path.lineTo(x, 12);
            path.lineTo(x + 8, 18);
        }
        path.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(seta);
        p.drawPath(path);
    };
    switch (indice) {
    case TfrmDlgValidacao::ImagemErro:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xD0, 0x20, 0x20));
        p.drawEllipse(QRectF(3, 3, 18, 18));
        p.setPen(QPen(Qt::white, 3));
        p.drawLine(QPointF(8, 8), QPointF(16, 16));
        p.drawLine(QPointF(16, 8), QPointF(8, 16));
        break;
    case TfrmDlgValidacao::ImagemAdvertencia: {
        QPainterPath path;
        path.moveTo(12, 2);
        path.lineTo(22, 21);
        path.lineTo(2, 21);
        path.closeSubpath();
        p.setPen(QPen(QColor(0x80, 0x60, 0x00), 1));
        p.setBrush(QColor(0xF5, 0xC0, 0x10));
        p.drawPath(path);
        p.setPen(QPen(Qt::black, 2.5));
        p.drawLine(QPointF(12, 8), QPointF(12, 14));
        p.drawPoint(QPointF(12, 18));
        break;
    }
    case 2: // Sair
        p.setPen(contorno);
        p.setBrush(QColor(0x90, 0x60, 0x30));
        p.drawRect(QRectF(5, 2, 12, 20));
        p.setBrush(QColor(0xF0, 0xD0, 0x40));
        p.drawEllipse(QRectF(13, 11, 2.5, 2.5));
        break;
    case 3: // first
        p.fillRect(QRectF(6, 6, 2, 12), seta);
        triangulo(false, 9);
        break;
    case 4: // prior
        triangulo(false, 8);
        break;
    case 5: // next
        triangulo(true, 8);
        break;
    case 6: // last
        triangulo(true, 7);
        p.fillRect(QRectF(16, 6, 2, 12), seta);
        break;
    case 7: // Imprimir
        p.setPen(contorno);
        p.setBrush(QColor(0xD0, 0xD0, 0xD8));
        p.drawRect(QRectF(3, 9, 18, 9));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 3, 10, 6));
        p.drawRect(QRectF(7, 15, 10, 7));
        break;
    default:
        break;
    }
    return picture;
}

QPixmap Figura(int indice) {
    return Desenho(indice).scaled(TamanhoFigura, TamanhoFigura, Qt::IgnoreAspectRatio,
                                  Qt::SmoothTransformation);
}

constexpr int FigurasValidacao = 8;

} // namespace

TfrmDlgValidacao::TfrmDlgValidacao(TComponent* owner, int documentId) : TfrmModDocumento(owner, documentId) {
    SetName(QStringLiteral("frmDlgValidacao"));
    SetCaption(QStringLiteral("Resultado da Validação"));
    SetPosition(TPosition::poScreenCenter);
    SetClientWidth(658);
    SetClientHeight(458);
    OnCreate = TNotifyEvent(this, &TfrmDlgValidacao::FormCreate);
    OnClose = TCloseEvent(this, &TfrmDlgValidacao::FormClose);

    imlValidacao = new TImageList(this);
    imlValidacao->SetName(QStringLiteral("imlValidacao"));
    imlValidacao->SetSize(TamanhoFigura, TamanhoFigura);
    for (int i = 0; i < FigurasValidacao; ++i)
        imlValidacao->Add(Figura(i));
    CriaAcoes();
    CriaResultado();
    CriaControles();
}

TfrmDlgValidacao::~TfrmDlgValidacao() = default;

void TfrmDlgValidacao::CriaAcoes() {
    alValidacao = new TActionList(this);
    alValidacao->SetName(QStringLiteral("alValidacao"));
    alValidacao->SetImages(imlValidacao);
    auto acao = [this](const QString& name, const QString& caption, int image,
                       void (TfrmDlgValidacao::*execute)(TObject*)) {
        auto* action = new TAction(this);
        action->SetName(name);
        action->SetCaption(caption);
        action->SetImageIndex(image);
        action->SetActionList(alValidacao);
        action->OnExecute = TNotifyEvent(this, execute);
        return action;
    };
    acFirst = acao(QStringLiteral("acFirst"), QString(), 3, &TfrmDlgValidacao::acFirstExecute);
    acPrior = acao(QStringLiteral("acPrior"), QString(), 4, &TfrmDlgValidacao::acPriorExecute);
    acNext = acao(QStringLiteral("acNext"), QString(), 5, &TfrmDlgValidacao::acNextExecute);
    acLast = acao(QStringLiteral("acLast"), QString(), 6, &TfrmDlgValidacao::acLastExecute);
    acPrint =
        acao(QStringLiteral("acPrint"), QStringLiteral("&Imprimir"), 7, &TfrmDlgValidacao::acPrintExecute);
    acSair = acao(QStringLiteral("acSair"), QStringLiteral("&Sair"), 2, &TfrmDlgValidacao::acSairExecute);
}

void TfrmDlgValidacao::CriaResultado() {
    cdsValidacao = new TClientDataSet(this);
    cdsValidacao->SetName(QStringLiteral("cdsValidacao"));
    CriaCampoTexto(cdsValidacao, QStringLiteral("Icone"), TamanhoIcone, false, QStringLiteral(" "));
    CriaCampoTexto(cdsValidacao, QStringLiteral("Codigo"), TamanhoCodigo, false, QStringLiteral("Código"));
    CriaCampoTexto(cdsValidacao, QStringLiteral("Descricao"), TamanhoDescricao, false,
                   QStringLiteral("Descrição"));
    CriaCampoTexto(cdsValidacao, QStringLiteral("Mensagem"), TamanhoMensagem);
    CriaCampoCalculado(cdsValidacao, QStringLiteral("Tipo"), TamanhoTipo);
    cdsValidacao->OnCalcFields = TDataSetNotifyEvent(this, &TfrmDlgValidacao::cdsValidacaoCalcFields);

    dsValidacao = new TDataSource(this);
    dsValidacao->SetName(QStringLiteral("dsValidacao"));
    dsValidacao->SetAutoEdit(false);
    dsValidacao->SetDataSet(cdsValidacao);
    dsValidacao->OnDataChange = TDataChangeEvent(this, &TfrmDlgValidacao::dsValidacaoDataChange);
}

void TfrmDlgValidacao::CriaControles() {
    VCLToolbar1 = new TVCLToolbar(this, this);
    VCLToolbar1->SetName(QStringLiteral("VCLToolbar1"));
    VCLToolbar1->SetAlign(TAlign::alTop);
    VCLToolbar1->SetImages(imlValidacao);
    VCLToolbar1->SetShowCaptions(true);
    VCLToolbar1->TbButtons().Add()->SetAction(acPrint);
    TVCLTbButton* sair = VCLToolbar1->TbButtons().Add();
    sair->SetAction(acSair);
    sair->SetOffSet(545);
    VCLToolbar1->SetButtonWidth(53);
    VCLToolbar1->SetButtonHeight(39);
    VCLToolbar1->SetBorderWidth(2);

    tbNavegacao = new TVCLToolbar(this, VCLToolbar1);
    tbNavegacao->SetName(QStringLiteral("tbNavegacao"));
    tbNavegacao->SetEdgeBorders(0);
    tbNavegacao->SetImages(imlValidacao);
    for (TAction* action : {acFirst, acPrior, acNext, acLast})
        tbNavegacao->TbButtons().Add()->SetAction(action);
    tbNavegacao->SetButtonWidth(30);
    tbNavegacao->SetButtonHeight(30);
    tbNavegacao->SetBounds(70, 6, tbNavegacao->ButtonsWidth(), 30);

    dbgValidacao = new TDBGrid(this, this);
    dbgValidacao->SetName(QStringLiteral("dbgValidacao"));
    dbgValidacao->SetAlign(TAlign::alTop);
    dbgValidacao->SetHeight(200);
    dbgValidacao->SetReadOnly(true);
    dbgValidacao->SetOptions(dgTitles | dgIndicator | dgColLines | dgRowLines | dgRowSelect | dgColumnResize);
    dbgValidacao->SetDataSource(dsValidacao);
    struct Coluna {
        const char* campo;
        int largura;
    };
    for (const Coluna& coluna :
         {Coluna{"Icone", 28}, Coluna{"Codigo", 45}, Coluna{"Mensagem", 298}, Coluna{"Descricao", 269}}) {
        TColumn* column = dbgValidacao->Columns().Add();
        column->SetFieldName(QLatin1String(coluna.campo));
        column->SetWidth(coluna.largura);
    }
    dbgValidacao->OnDrawColumnCell =
        TDrawColumnCellEvent(this, &TfrmDlgValidacao::dbgValidacaoDrawColumnCell);

    auto rotulo = [this](TWinControl* parent, const QString& name, const QString& caption, int left,
                         int top) {
        auto* label = new TLabel(this, parent);
        label->SetName(name);
        label->SetCaption(caption);
        label->SetLeft(left);
        label->SetTop(top);
        return label;
    };
    auto memo = [this](const QString& name, const QString& field, int top, int height) {
        auto* control = new TDBMemo(this, this);
        control->SetName(name);
        control->SetDataSource(dsValidacao);
        control->SetDataField(field);
        control->SetReadOnly(true);
        control->SetColor(clInfoBk);
        control->SetBounds(8, top, 642, height);
        return control;
    };
    lblMensagem = rotulo(this, QStringLiteral("lblMensagem"), QStringLiteral("Mensagem:"), 8, 250);
    DBMemo1 = memo(QStringLiteral("DBMemo1"), QStringLiteral("Mensagem"), 266, 48);
    lblDescricao = rotulo(this, QStringLiteral("lblDescricao"), QStringLiteral("Descrição:"), 8, 320);
    DBMemo2 = memo(QStringLiteral("DBMemo2"), QStringLiteral("Descricao"), 336, 64);

    gbLegenda = new TGroupBox(this, this);
    gbLegenda->SetName(QStringLiteral("gbLegenda"));
    gbLegenda->SetCaption(QStringLiteral(" Legenda "));
    gbLegenda->SetBounds(8, 406, 642, 46);
    auto figura = [this](const QString& name, int image, int left) {
        auto* picture = new TImage(this, gbLegenda);
        picture->SetName(name);
        picture->SetPicture(imlValidacao->GetBitmap(image));
        picture->SetBounds(left, 16, TamanhoFigura, TamanhoFigura);
        return picture;
    };
    imgErro = figura(QStringLiteral("imgErro"), ImagemErro, 16);
    lblErro = rotulo(gbLegenda, QStringLiteral("lblErro"), QStringLiteral("Erro"), 46, 21);
    imgAdvertencia = figura(QStringLiteral("imgAdvertencia"), ImagemAdvertencia, 120);
    lblAdvertencia =
        rotulo(gbLegenda, QStringLiteral("lblAdvertencia"), QStringLiteral("Advertência"), 150, 21);
}

void TfrmDlgValidacao::FormCreate(TObject*) {
    TDataSet* lista = DMDef->cdsSelDeclaracao;
    auto campo = [lista](const char* nome) {
        return lista->FieldByName(QString::fromLatin1(nome))->AsString();
    };
    SetCaption(Caption() + QStringLiteral("   ( Inscrição : ") + FormataInscricao(campo("NU_INSCRICAO")) +
               QStringLiteral("  -  ") + QStringLiteral("Período : ") +
               campo("ME_REFERENCIA").rightJustified(2, QLatin1Char('0')) + QLatin1Char('/') +
               campo("AN_REFERENCIA") + QStringLiteral("  -  ") + QStringLiteral("Tipo : ") +
               campo("DescTipo") + QStringLiteral(" )"));
    if (cdsValidacao->Active())
        cdsValidacao->Close();
    cdsValidacao->CreateDataSet();
    Validacao();
    cdsValidacao->First();
}

void TfrmDlgValidacao::Validacao() {
    DeclarationValidator regras(DeclarationHeader::Of(*DMDef->cdsSelDeclaracao),
                                [this](int codigo, const QString& detalhe) { PutErro(codigo, detalhe); });
    regras.Validacao();
}

void TfrmDlgValidacao::PutErro(int codigo, const QString& detalhe) {
    if (!DMDefGeral->AbreConsultaPutErro(
            QStringLiteral("SELECT TX_MENSAGEM,TP_ERRO FROM TIPO_ERRO_DECLARACAO\n"
                           "WHERE CO_ERRO = ") +
            QString::number(codigo))) {
        RuleMessages::Refuse(RuleMessages::QueryFailed);
    }
    TClientDataSet* mensagem = DMDefGeral->cdsPutErro;
    // A code without its stored message is still a finding, and one that blocks the declaration.
    QString texto = MensagemNaoDescrita;
    QString tipo = TipoErro;
    if (!mensagem->IsEmpty()) {
        texto = mensagem->FieldByName(QStringLiteral("TX_MENSAGEM"))->AsString();
        tipo = mensagem->FieldByName(QStringLiteral("TP_ERRO"))->AsString();
    }
    if (!cdsValidacao->Active())
        cdsValidacao->CreateDataSet();
    cdsValidacao->Append();
    cdsValidacao->FieldByName(QStringLiteral("Icone"))->SetAsString(tipo);
    cdsValidacao->FieldByName(QStringLiteral("Codigo"))->SetAsString(QString::number(codigo));
    cdsValidacao->FieldByName(QStringLiteral("Mensagem"))->SetAsString(texto);
    cdsValidacao->FieldByName(QStringLiteral("Descricao"))->SetAsString(detalhe);
    cdsValidacao->Post();
}

void TfrmDlgValidacao::cdsValidacaoCalcFields(TDataSet* dataSet) {
    const bool advertencia =
        dataSet->FieldByName(QStringLiteral("Icone"))->AsString().toUpper() == TipoAdvertencia;
    dataSet->FieldByName(QStringLiteral("Tipo"))
        ->SetAsString(advertencia ? QStringLiteral("Advertência") : QStringLiteral("Erro"));
}

void TfrmDlgValidacao::dsValidacaoDataChange(TObject*, TField*) {
    const bool inicio = cdsValidacao->Bof();
    const bool fim = cdsValidacao->Eof();
    acFirst->SetEnabled(!inicio);
    acPrior->SetEnabled(!inicio);
    acNext->SetEnabled(!fim);
    acLast->SetEnabled(!fim);
}

void TfrmDlgValidacao::dbgValidacaoDrawColumnCell(TObject*, QPainter& painter, const QRect& rect, int,
                                                  TColumn* column, unsigned) {
    if (cdsValidacao->IsEmpty() || !column || column->FieldName() != QLatin1String("Icone"))
        return;
    // The icon replaces the letter the grid drew.
    painter.fillRect(rect, Qt::white);
    const bool advertencia =
        cdsValidacao->FieldByName(QStringLiteral("Icone"))->AsString().startsWith(TipoAdvertencia);
    imlValidacao->Draw(painter, rect.left() + 4, rect.top(), advertencia ? ImagemAdvertencia : ImagemErro);
}

void TfrmDlgValidacao::acFirstExecute(TObject*) {
    cdsValidacao->First();
}

void TfrmDlgValidacao::acPriorExecute(TObject*) {
    cdsValidacao->Prior();
}

void TfrmDlgValidacao::acNextExecute(TObject*) {
    cdsValidacao->Next();
}

void TfrmDlgValidacao::acLastExecute(TObject*) {
    cdsValidacao->Last();
}

void TfrmDlgValidacao::acPrintExecute(TObject*) {
    // Freed when the preview ends, however it ends.
    TrptErrosValidacao relatorio(this, cdsValidacao);
    relatorio.Preview();
}

void TfrmDlgValidacao::acSairExecute(TObject*) {
    Close();
}

void TfrmDlgValidacao::FormClose(TObject* sender, TCloseAction& action) {
    TfrmModDocumento::FormClose(sender, action);
    if (DMDef->cdsSelDeclaracao->Active())
        DMDef->cdsSelDeclaracao->Refresh();
    cdsValidacao->Close();
    action = TCloseAction::caFree;
}
