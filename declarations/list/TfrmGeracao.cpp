#include "declarations/list/TfrmGeracao.h"

#include "components/navigation/TVCLTbBtns.h"
#include "components/navigation/TVCLTbButton.h"
#include "components/navigation/TVCLToolbar.h"
#include "components/navigation/ToolbarPictures.h"
#include "core/data/TDMDef.h"
#include "core/util/MessageBoxes.h"
#include "declarations/list/TfrmDlgGeracao.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/ui/GridColumn.h"
#include "platform/ui/Make.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDBGridColumns.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TStatusBar.h"

#include <QPainter>

const QString TfrmGeracao::NotGeneratedFilter =
    QStringLiteral("DT_TRANSMISSAO = null and DT_VALIDACAO <> NULL AND COMERRO = 'N'");
const QString TfrmGeracao::AllFilter = QStringLiteral("DT_VALIDACAO <> NULL AND COMERRO = 'N'");

namespace {

// The pictures are kept at 16 pixels, the height of a grid row.
constexpr int PictureSize = 16;

// The pictures of ilGeracao: 0 generate, 1 the mark of a generated
// declaration, 2 close.
QPixmap Picture(int indice) {
    static constexpr ToolbarPicture Figuras[] = {ToolbarPicture::Generate, ToolbarPicture::Marked,
                                                 ToolbarPicture::Exit};
    static_assert(Figuras[TfrmGeracao::GeneratedImage] == ToolbarPicture::Marked);
    return DrawToolbarPicture(Figuras[indice], PictureSize);
}

constexpr int GenerationPictures = 3;

} // namespace

TfrmGeracao::TfrmGeracao(TComponent* owner, int documentId) : TfrmModDocumento(owner, documentId) {
    SetName(QStringLiteral("frmGeracao"));
    SetCaption(QStringLiteral("Geração"));
    SetFormStyle(TFormStyle::fsMDIChild);
    SetClientWidth(660);
    SetClientHeight(380);
    OnCreate = TNotifyEvent(this, &TfrmGeracao::FormCreate);
    OnClose = TCloseEvent(this, &TfrmGeracao::FormClose);

    BuildActions();
    BuildToolbar();
    BuildGrid();
}

TfrmGeracao::~TfrmGeracao() = default;

void TfrmGeracao::BuildActions() {
    ilGeracao = Make<TImageList>(this, QStringLiteral("ilGeracao"));
    ilGeracao->SetSize(PictureSize, PictureSize);
    for (int i = 0; i < GenerationPictures; ++i)
        ilGeracao->Add(Picture(i));

    alGeracao = Make<TActionList>(this, QStringLiteral("alGeracao"));
    alGeracao->SetImages(ilGeracao);
    auto acao = [this](const QString& name, const QString& caption, int image,
                       void (TfrmGeracao::*execute)(TObject*)) {
        auto* action = Make<TAction>(this, name);
        action->SetCaption(caption);
        action->SetImageIndex(image);
        action->SetActionList(alGeracao);
        action->OnExecute = TNotifyEvent(this, execute);
        return action;
    };
    acGerar = acao(QStringLiteral("acGerar"), QStringLiteral("&Gerar"), 0, &TfrmGeracao::acGerarExecute);
    acSair = acao(QStringLiteral("acSair"), QStringLiteral("&Sair"), 2, &TfrmGeracao::acSairExecute);
}

void TfrmGeracao::BuildToolbar() {
    VCLToolbar1 = Make<TVCLToolbar>(this, QStringLiteral("VCLToolbar1"), this);
    VCLToolbar1->SetAlign(TAlign::alTop);
    VCLToolbar1->SetImages(ilGeracao);
    VCLToolbar1->SetShowCaptions(true);
    for (TAction* action : {acGerar, acSair})
        VCLToolbar1->TbButtons().Add()->SetAction(action);
    VCLToolbar1->SetButtonWidth(45);
    VCLToolbar1->SetButtonHeight(39);
    VCLToolbar1->SetBorderWidth(2);

    cbNao_Geradas = Make<TCheckBox>(this, QStringLiteral("cbNao_Geradas"), VCLToolbar1);
    cbNao_Geradas->SetCaption(QStringLiteral("Mostrar somente as não Geradas"));
    cbNao_Geradas->SetBounds(VCLToolbar1->ButtonsWidth() + 24, 13, 220, 17);
    cbNao_Geradas->SetChecked(true);
    cbNao_Geradas->OnClick = TNotifyEvent(this, &TfrmGeracao::cbNao_GeradasClick);

    sbGeracao = Make<TStatusBar>(this, QStringLiteral("sbGeracao"), this);
    sbGeracao->SetSimplePanel(true);
    sbGeracao->SetSimpleText(
        QStringLiteral("Utilize a tecla \"CTRL\" para selecionar mais de uma declaração.     "));
}

void TfrmGeracao::BuildGrid() {
    dsGeracao = Make<TDataSource>(this, QStringLiteral("dsGeracao"));
    dsGeracao->SetAutoEdit(false);
    dsGeracao->SetDataSet(DMDef->cdsSelDeclaracao);

    dbgGeracao = Make<TDBGrid>(this, QStringLiteral("dbgGeracao"), this);
    dbgGeracao->SetAlign(TAlign::alClient);
    dbgGeracao->SetReadOnly(true);
    dbgGeracao->SetOptions(dbgGeracao->Options() | dgRowSelect | dgMultiSelect);
    dbgGeracao->SetDataSource(dsGeracao);
    AddColumns(dbgGeracao, {{"NU_INSCRICAO", "Inscrição", 72},
                            {"NO_RAZAO", "Razão Social", 315},
                            {"ME_REFERENCIA", "Mês", 31},
                            {"AN_REFERENCIA", "Ano", 52},
                            {"DescTipo", "Tipo", 93},
                            {"DT_TRANSMISSAO", "Gerada", 64}});
    dbgGeracao->OnDrawColumnCell = TDrawColumnCellEvent(this, &TfrmGeracao::dbgGeracaoDrawColumnCell);
}

void TfrmGeracao::FormCreate(TObject*) {
    TClientDataSet* lista = DMDef->cdsSelDeclaracao;
    lista->SetFilter(NotGeneratedFilter);
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
    DMDef->cdsSelDeclaracao->SetFilter(cbNao_Geradas->Checked() ? NotGeneratedFilter : AllFilter);
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
        ilGeracao->Draw(painter, rect.left() + 15, rect.top(), GeneratedImage);
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
