#include "declarations/list/TfrmGeracao.h"

#include "components/navigation/TVCLTbBtns.h"
#include "components/navigation/TVCLTbButton.h"
#include "components/navigation/TVCLToolbar.h"
#include "core/data/TDMDef.h"
#include "core/util/MessageBoxes.h"
#include "declarations/list/TfrmDlgGeracao.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDBGridColumns.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TStatusBar.h"

#include <QPainter>

const QString TfrmGeracao::FiltroNaoGeradas =
    QStringLiteral("DT_TRANSMISSAO = null and DT_VALIDACAO <> NULL AND COMERRO = 'N'");
const QString TfrmGeracao::FiltroTodas = QStringLiteral("DT_VALIDACAO <> NULL AND COMERRO = 'N'");

namespace {

// The pictures are drawn on a 24-pixel grid and kept at 16, the height of a grid row.
constexpr int TamanhoDesenho = 24;
constexpr int TamanhoFigura = 16;

// The pictures of ilGeracao: 0 generate, 1 the mark of a generated
// declaration, 2 close.
QPixmap Desenho(int indice) {
    QPixmap picture(TamanhoDesenho, TamanhoDesenho);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen contorno(QColor(0x30, 0x40, 0x70), 1.5);
    switch (indice) {
    case 0: // Gerar: a sheet going out
        p.setPen(contorno);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 2, 13, 18));
        for (int y = 7; y <= 15; y += 4)
            p.drawLine(QPointF(6, y), QPointF(13, y));
        p.setPen(QPen(QColor(0x10, 0x80, 0x20), 3));
        p.drawLine(QPointF(12, 17), QPointF(21, 17));
        p.drawLine(QPointF(17, 13), QPointF(21, 17));
        p.drawLine(QPointF(17, 21), QPointF(21, 17));
        break;
    case TfrmGeracao::ImagemGerada:
        p.setPen(QPen(QColor(0x10, 0x90, 0x30), 3));
        p.drawLine(QPointF(4, 12), QPointF(10, 19));
        p.drawLine(QPointF(10, 19), QPointF(20, 5));
        break;
    case 2: // Sair
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

QPixmap Figura(int indice) {
    return Desenho(indice).scaled(TamanhoFigura, TamanhoFigura, Qt::IgnoreAspectRatio,
                                  Qt::SmoothTransformation);
}

constexpr int FigurasGeracao = 3;

} // namespace

TfrmGeracao::TfrmGeracao(TComponent* owner, int documentId) : TfrmModDocumento(owner, documentId) {
    SetName(QStringLiteral("frmGeracao"));
    SetCaption(QStringLiteral("Geração"));
    SetFormStyle(TFormStyle::fsMDIChild);
    SetClientWidth(660);
    SetClientHeight(380);
    OnCreate = TNotifyEvent(this, &TfrmGeracao::FormCreate);
    OnClose = TCloseEvent(this, &TfrmGeracao::FormClose);

    ilGeracao = new TImageList(this);
    ilGeracao->SetName(QStringLiteral("ilGeracao"));
    ilGeracao->SetSize(TamanhoFigura, TamanhoFigura);
    for (int i = 0; i < FigurasGeracao; ++i)
        ilGeracao->Add(Figura(i));

    alGeracao = new TActionList(this);
    alGeracao->SetName(QStringLiteral("alGeracao"));
    alGeracao->SetImages(ilGeracao);
    auto acao = [this](const QString& name, const QString& caption, int image,
                       void (TfrmGeracao::*execute)(TObject*)) {
        auto* action = new TAction(this);
        action->SetName(name);
        action->SetCaption(caption);
        action->SetImageIndex(image);
        action->SetActionList(alGeracao);
        action->OnExecute = TNotifyEvent(this, execute);
        return action;
    };
    acGerar = acao(QStringLiteral("acGerar"), QStringLiteral("&Gerar"), 0, &TfrmGeracao::acGerarExecute);
    acSair = acao(QStringLiteral("acSair"), QStringLiteral("&Sair"), 2, &TfrmGeracao::acSairExecute);

    VCLToolbar1 = new TVCLToolbar(this, this);
    VCLToolbar1->SetName(QStringLiteral("VCLToolbar1"));
    VCLToolbar1->SetAlign(TAlign::alTop);
    VCLToolbar1->SetImages(ilGeracao);
    VCLToolbar1->SetShowCaptions(true);
    for (TAction* action : {acGerar, acSair})
        VCLToolbar1->TbButtons().Add()->SetAction(action);
    VCLToolbar1->SetButtonWidth(45);
    VCLToolbar1->SetButtonHeight(39);
    VCLToolbar1->SetBorderWidth(2);

    cbNao_Geradas = new TCheckBox(this, VCLToolbar1);
    cbNao_Geradas->SetName(QStringLiteral("cbNao_Geradas"));
    cbNao_Geradas->SetCaption(QStringLiteral("Mostrar somente as não Geradas"));
    cbNao_Geradas->SetBounds(VCLToolbar1->ButtonsWidth() + 24, 13, 220, 17);
    cbNao_Geradas->SetChecked(true);
    cbNao_Geradas->OnClick = TNotifyEvent(this, &TfrmGeracao::cbNao_GeradasClick);

    sbGeracao = new TStatusBar(this, this);
    sbGeracao->SetName(QStringLiteral("sbGeracao"));
    sbGeracao->SetSimplePanel(true);
    sbGeracao->SetSimpleText(
        QStringLiteral("Utilize a tecla \"CTRL\" para selecionar mais de uma declaração.     "));

    dsGeracao = new TDataSource(this);
    dsGeracao->SetName(QStringLiteral("dsGeracao"));
    dsGeracao->SetAutoEdit(false);
    dsGeracao->SetDataSet(DMDef->cdsSelDeclaracao);

    dbgGeracao = new TDBGrid(this, this);
    dbgGeracao->SetName(QStringLiteral("dbgGeracao"));
    dbgGeracao->SetAlign(TAlign::alClient);
    dbgGeracao->SetReadOnly(true);
    dbgGeracao->SetOptions(dbgGeracao->Options() | dgRowSelect | dgMultiSelect);
    dbgGeracao->SetDataSource(dsGeracao);
    struct Coluna {
        const char* campo;
        const char* titulo;
        int largura;
    };
    const Coluna colunas[] = {{"NU_INSCRICAO", "Inscrição", 72}, {"NO_RAZAO", "Razão Social", 315},
                              {"ME_REFERENCIA", "Mês", 31},      {"AN_REFERENCIA", "Ano", 52},
                              {"DescTipo", "Tipo", 93},          {"DT_TRANSMISSAO", "Gerada", 64}};
    for (const Coluna& coluna : colunas) {
        TColumn* column = dbgGeracao->Columns().Add();
        column->SetFieldName(QLatin1String(coluna.campo));
        column->SetTitleCaption(QString::fromUtf8(coluna.titulo));
        column->SetWidth(coluna.largura);
    }
    dbgGeracao->OnDrawColumnCell = TDrawColumnCellEvent(this, &TfrmGeracao::dbgGeracaoDrawColumnCell);
}

TfrmGeracao::~TfrmGeracao() = default;

void TfrmGeracao::FormCreate(TObject*) {
    TClientDataSet* lista = DMDef->cdsSelDeclaracao;
    lista->SetFilter(FiltroNaoGeradas);
    lista->SetFiltered(true);
    lista->Open();
}

void TfrmGeracao::FormClose(TObject* sender, TCloseAction& action) {
    TfrmModDocumento::FormClose(sender, action);
    TClientDataSet* lista = DMDef->cdsSelDeclaracao;
    lista->SetFilter(QString());
    lista->SetFiltered(false);
    lista->Close();
}

void TfrmGeracao::cbNao_GeradasClick(TObject*) {
    DMDef->cdsSelDeclaracao->SetFilter(cbNao_Geradas->Checked() ? FiltroNaoGeradas : FiltroTodas);
    dbgGeracao->SelectedRows().Clear();
}

void TfrmGeracao::dbgGeracaoDrawColumnCell(TObject*, QPainter& painter, const QRect& rect, int,
                                           TColumn* column, unsigned) {
    TField* field = column ? column->Field() : nullptr;
    if (!field || DMDef->cdsSelDeclaracao->IsEmpty() || field->FieldName() != QLatin1String("DT_TRANSMISSAO"))
        return;
    // The mark replaces the date the grid drew.
    painter.fillRect(rect, Qt::white);
    if (!field->IsNull())
        ilGeracao->Draw(painter, rect.left() + 15, rect.top(), ImagemGerada);
}

void TfrmGeracao::acGerarExecute(TObject*) {
    if (DMDef->cdsSelDeclaracao->IsEmpty() || dbgGeracao->SelectedRows().Count() == 0) {
        MsgErro(QStringLiteral("Pelo menos uma Declaração deve estar selecionada!"));
        return;
    }
    std::unique_ptr<TfrmDlgGeracao> dialogo(TForm::Create<TfrmDlgGeracao>(this));
    if (dialogo->ShowModal() == mrOk)
        cbNao_Geradas->SetFocus();
}

void TfrmGeracao::acSairExecute(TObject*) {
    Close();
}
