#include "components/search/TfrmDataSetSearch.h"

#include "components/search/TfraDataSetSearch.h"
#include "core/forms/CentralizaJanela.h"
#include "platform/db/TDataSet.h"
#include "platform/ui/ControlLayout.h"
#include "platform/ui/Make.h"
#include "platform/ui/TBevel.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TMaskEdit.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TScreen.h"

namespace {
constexpr int kWidth = 358;
constexpr int kHeight = 375;
constexpr int kFrameBorder = 4;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
// Room a column takes beside its width: its dividing line and cell margins.
constexpr int kColumnSpacingWithLines = 3;
constexpr int kColumnSpacingWithoutLines = 1;
} // namespace

TfrmDataSetSearch::TfrmDataSetSearch(TComponent* owner) : TForm(owner) {
    SetName(QStringLiteral("frmDataSetSearch"));
    SetCaption(QStringLiteral("Pesquisa"));
    SetBorderStyle(TFormBorderStyle::bsSizeable);
    SetBorderIcons(biSystemMenu | biMaximize);
    SetBounds(0, 0, kWidth, kHeight);

    BuildButtons();
    fdsPesquisa = Make<TfraDataSetSearch>(this, QStringLiteral("fdsPesquisa"), this);
    fdsPesquisa->SetFrameBorderWidth(kFrameBorder);
    fdsPesquisa->SetAlign(TAlign::alClient);
    fdsPesquisa->OnStateChange = TNotifyEvent(this, &TfrmDataSetSearch::fdsPesquisaStateChange);
    fdsPesquisa->OnDataChange = TDataChangeEvent(this, &TfrmDataSetSearch::fdsPesquisaDataChange);
    fdsPesquisa->OnGridDblClick = TNotifyEvent(this, &TfrmDataSetSearch::fdsPesquisaGridDblClick);

    OnShow = TNotifyEvent(this, &TfrmDataSetSearch::FormShow);
    UpdateOk();
}

void TfrmDataSetSearch::BuildButtons() {
    pnBotoes = MakePanel(this, this, QStringLiteral("pnBotoes"), TAlign::alBottom);
    pnBotoes->SetHeight(kButtonHeight + 2 * kFrameBorder + 2);
    btnCancel = Make<TButton>(this, QStringLiteral("btnCancel"), pnBotoes);
    btnCancel->SetCaption(QStringLiteral("Cancelar"));
    btnCancel->SetCancel(true);
    btnCancel->SetModalResult(mrCancel);
    btnOk = Make<TButton>(this, QStringLiteral("btnOk"), pnBotoes);
    btnOk->SetCaption(QStringLiteral("OK"));
    btnOk->SetDefault(true);
    btnOk->SetModalResult(mrOk);
    // The buttons keep to the right edge, whatever the dialog's width.
    pnBotoes->OnResize = TNotifyEvent::fromFunction([this](TObject*) {
        const int right = pnBotoes->Width() - kFrameBorder;
        btnCancel->SetBounds(right - kButtonWidth, kFrameBorder + 1, kButtonWidth, kButtonHeight);
        btnOk->SetBounds(right - 2 * kButtonWidth - kFrameBorder, kFrameBorder + 1, kButtonWidth,
                         kButtonHeight);
    });

    bvBotoes = Make<TBevel>(this, QStringLiteral("bvBotoes"), this);
    bvBotoes->SetShape(TBevelShape::bsTopLine);
    bvBotoes->SetHeight(2);
    bvBotoes->SetAlign(TAlign::alBottom);
}

int TfrmDataSetSearch::FittingWidth() const {
    const int edge = Screen ? Screen->EdgeWidth() : 0;
    const int screenWidth = Screen ? Screen->Width() : kWidth;
    int width = 2 * (BorderWidth() + edge + fdsPesquisa->FrameBorderWidth());
    TDBGrid* grid = fdsPesquisa->gdSearch;
    const int spacing = (grid->Options() & dgColLines) ? kColumnSpacingWithLines : kColumnSpacingWithoutLines;
    for (int i = 0; i < grid->Columns().Count(); ++i) {
        const TColumn* column = grid->Columns().Items(i);
        if (!column->Visible())
            continue;
        if (width + column->Width() + spacing >= screenWidth)
            break;
        width += spacing + column->Width();
    }
    return width;
}

void TfrmDataSetSearch::FormShow(TObject*) {
    const int fitting = FittingWidth();
    if (Width() < fitting)
        SetWidth(fitting + (Screen ? Screen->ScrollBarWidth() : 0));
    CentralizaJanela(this);
    if (fdsPesquisa->edSearch->CanFocus())
        fdsPesquisa->edSearch->SetFocus();
}

bool TfrmDataSetSearch::CanConfirm() const {
    const TDataSet* dataSet = fdsPesquisa->DataSet();
    return dataSet && dataSet->Active() && !dataSet->IsEmpty();
}

void TfrmDataSetSearch::UpdateOk() {
    btnOk->SetEnabled(CanConfirm());
}

void TfrmDataSetSearch::fdsPesquisaStateChange(TObject*) {
    UpdateOk();
}

void TfrmDataSetSearch::fdsPesquisaDataChange(TObject*, TField* field) {
    if (!field)
        UpdateOk();
}

void TfrmDataSetSearch::fdsPesquisaGridDblClick(TObject*) {
    if (CanConfirm())
        SetModalResult(mrOk);
}
