#include "declarations/list/TfrmDlgValidacao.h"

#include "components/navigation/TVCLTbBtns.h"
#include "components/navigation/TVCLTbButton.h"
#include "components/navigation/TVCLToolbar.h"
#include "components/navigation/ToolbarPictures.h"
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
#include "platform/ui/ControlLayout.h"
#include "platform/ui/GridColumn.h"
#include "platform/ui/Make.h"
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

namespace {

const QString UndescribedMessage = QStringLiteral("Erro não descrito na tabela de Erros!");
// The kinds of TIPO_ERRO_DECLARACAO.TP_ERRO.
const QString ErrorKind = QStringLiteral("E");
const QString WarningKind = QStringLiteral("A");

// Field sizes of the result set.
constexpr int IconSize = 5;
constexpr int CodeSize = 5;
constexpr int DescriptionSize = 300;
constexpr int MessageSize = 255;
constexpr int KindSize = 12;

// The pictures are kept at 16 pixels, the height of a grid row.
constexpr int PictureSize = 16;

// The pictures of imlValidacao: 0 error, 1 warning, then the actions: 2
// close, 3 first, 4 prior, 5 next, 6 last, 7 print.
QPixmap Picture(int indice) {
    static constexpr ToolbarPicture Figuras[] = {
        ToolbarPicture::Error, ToolbarPicture::Warning, ToolbarPicture::Exit, ToolbarPicture::First,
        ToolbarPicture::Prior, ToolbarPicture::Next,    ToolbarPicture::Last, ToolbarPicture::Print};
    static_assert(Figuras[TfrmDlgValidacao::ErrorImage] == ToolbarPicture::Error);
    static_assert(Figuras[TfrmDlgValidacao::WarningImage] == ToolbarPicture::Warning);
    return DrawToolbarPicture(Figuras[indice], PictureSize);
}

constexpr int ValidationPictures = 8;

} // namespace

TfrmDlgValidacao::TfrmDlgValidacao(TComponent* owner, int documentId) : TfrmModDocumento(owner, documentId) {
    SetName(QStringLiteral("frmDlgValidacao"));
    SetCaption(QStringLiteral("Resultado da Validação"));
    SetPosition(TPosition::poScreenCenter);
    SetClientWidth(658);
    SetClientHeight(458);
    OnCreate = TNotifyEvent(this, &TfrmDlgValidacao::FormCreate);
    OnClose = TCloseEvent(this, &TfrmDlgValidacao::FormClose);

    imlValidacao = Make<TImageList>(this, QStringLiteral("imlValidacao"));
    imlValidacao->SetSize(PictureSize, PictureSize);
    for (int i = 0; i < ValidationPictures; ++i)
        imlValidacao->Add(Picture(i));
    BuildActionList();
    BuildResultSet();
    BuildControls();
}

TfrmDlgValidacao::~TfrmDlgValidacao() = default;

void TfrmDlgValidacao::BuildActionList() {
    alValidacao = Make<TActionList>(this, QStringLiteral("alValidacao"));
    alValidacao->SetImages(imlValidacao);
    auto acao = [this](const QString& name, const QString& caption, int image,
                       void (TfrmDlgValidacao::*execute)(TObject*)) {
        auto* action = Make<TAction>(this, name);
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

void TfrmDlgValidacao::BuildResultSet() {
    cdsValidacao = Make<TClientDataSet>(this, QStringLiteral("cdsValidacao"));
    MakeTextField(cdsValidacao, QStringLiteral("Icone"), IconSize, false, QStringLiteral(" "));
    MakeTextField(cdsValidacao, QStringLiteral("Codigo"), CodeSize, false, QStringLiteral("Código"));
    MakeTextField(cdsValidacao, QStringLiteral("Descricao"), DescriptionSize, false,
                  QStringLiteral("Descrição"));
    MakeTextField(cdsValidacao, QStringLiteral("Mensagem"), MessageSize);
    MakeCalculatedField(cdsValidacao, QStringLiteral("Tipo"), KindSize);
    cdsValidacao->OnCalcFields = TDataSetNotifyEvent(this, &TfrmDlgValidacao::cdsValidacaoCalcFields);

    dsValidacao = Make<TDataSource>(this, QStringLiteral("dsValidacao"));
    dsValidacao->SetAutoEdit(false);
    dsValidacao->SetDataSet(cdsValidacao);
    dsValidacao->OnDataChange = TDataChangeEvent(this, &TfrmDlgValidacao::dsValidacaoDataChange);
}

void TfrmDlgValidacao::BuildControls() {
    VCLToolbar1 = Make<TVCLToolbar>(this, QStringLiteral("VCLToolbar1"), this);
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

    tbNavegacao = Make<TVCLToolbar>(this, QStringLiteral("tbNavegacao"), VCLToolbar1);
    tbNavegacao->SetEdgeBorders(0);
    tbNavegacao->SetImages(imlValidacao);
    for (TAction* action : {acFirst, acPrior, acNext, acLast})
        tbNavegacao->TbButtons().Add()->SetAction(action);
    tbNavegacao->SetButtonWidth(30);
    tbNavegacao->SetButtonHeight(30);
    tbNavegacao->SetBounds(70, 6, tbNavegacao->ButtonsWidth(), 30);

    dbgValidacao = Make<TDBGrid>(this, QStringLiteral("dbgValidacao"), this);
    dbgValidacao->SetAlign(TAlign::alTop);
    dbgValidacao->SetHeight(200);
    dbgValidacao->SetReadOnly(true);
    dbgValidacao->SetOptions(dgTitles | dgIndicator | dgColLines | dgRowLines | dgRowSelect | dgColumnResize);
    dbgValidacao->SetDataSource(dsValidacao);
    AddColumns(dbgValidacao, {{"Icone", nullptr, 28},
                              {"Codigo", nullptr, 45},
                              {"Mensagem", nullptr, 298},
                              {"Descricao", nullptr, 269}});
    dbgValidacao->OnDrawColumnCell =
        TDrawColumnCellEvent(this, &TfrmDlgValidacao::dbgValidacaoDrawColumnCell);

    auto memo = [this](const QString& name, const QString& field, int top, int height) {
        auto* control = Make<TDBMemo>(this, name, this);
        control->SetDataSource(dsValidacao);
        control->SetDataField(field);
        control->SetReadOnly(true);
        control->SetColor(clInfoBk);
        control->SetBounds(8, top, 642, height);
        return control;
    };
    lblMensagem = MakeLabel(this, this, QStringLiteral("lblMensagem"), QStringLiteral("Mensagem:"), 8, 250);
    DBMemo1 = memo(QStringLiteral("DBMemo1"), QStringLiteral("Mensagem"), 266, 48);
    lblDescricao =
        MakeLabel(this, this, QStringLiteral("lblDescricao"), QStringLiteral("Descrição:"), 8, 320);
    DBMemo2 = memo(QStringLiteral("DBMemo2"), QStringLiteral("Descricao"), 336, 64);

    gbLegenda = Make<TGroupBox>(this, QStringLiteral("gbLegenda"), this);
    gbLegenda->SetCaption(QStringLiteral(" Legenda "));
    gbLegenda->SetBounds(8, 406, 642, 46);
    auto figura = [this](const QString& name, int image, int left) {
        auto* picture = Make<TImage>(this, name, gbLegenda);
        picture->SetPicture(imlValidacao->GetBitmap(image));
        picture->SetBounds(left, 16, PictureSize, PictureSize);
        return picture;
    };
    imgErro = figura(QStringLiteral("imgErro"), ErrorImage, 16);
    lblErro = MakeLabel(this, gbLegenda, QStringLiteral("lblErro"), QStringLiteral("Erro"), 46, 21);
    imgAdvertencia = figura(QStringLiteral("imgAdvertencia"), WarningImage, 120);
    lblAdvertencia =
        MakeLabel(this, gbLegenda, QStringLiteral("lblAdvertencia"), QStringLiteral("Advertência"), 150, 21);
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
    QString texto = UndescribedMessage;
    QString tipo = ErrorKind;
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
        dataSet->FieldByName(QStringLiteral("Icone"))->AsString().toUpper() == WarningKind;
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
        cdsValidacao->FieldByName(QStringLiteral("Icone"))->AsString().startsWith(WarningKind);
    imlValidacao->Draw(painter, rect.left() + 4, rect.top(), advertencia ? WarningImage : ErrorImage);
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
