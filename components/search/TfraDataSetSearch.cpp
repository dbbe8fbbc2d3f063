#include "components/search/TfraDataSetSearch.h"

#include "components/navigation/TVCLTbButton.h"
#include "components/navigation/TVCLToolbar.h"
#include "components/search/SQLProperty.h"
#include "components/search/SearchRoutines.h"
#include "platform/base/FormatSettings.h"
#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/Make.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TBusyCursor.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMaskEdit.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TPopupMenu.h"

#include <QApplication>
#include <QStyle>

namespace {
enum class KeyKind { Any, Integer, Real, Date };

KeyKind KeyKindOf(const TField* field) {
    switch (field->DataType()) {
    case ftSmallint:
    case ftInteger:
    case ftWord:
        return KeyKind::Integer;
    case ftFloat:
    case ftCurrency:
    case ftBCD:
        return KeyKind::Real;
    case ftDate:
    case ftDateTime:
        return KeyKind::Date;
    default:
        return KeyKind::Any;
    }
}
} // namespace

TfraDataSetSearch::TfraDataSetSearch(TComponent* owner, TWinControl* parent) : TFrame(owner, nullptr) {
    CreateComponents();
    SetBounds(0, 0, 350, 321);
    Widget()->setMinimumSize(350, 102);
    ApplyVisibleFeatures();
    RefreshForDataSet();
    SetParent(parent);
}

TfraDataSetSearch::~TfraDataSetSearch() = default;

void TfraDataSetSearch::CreateComponents() {
    CreateActions();
    dsSearch = Make<TDataSource>(this, QStringLiteral("dsSearch"));
    dsSearch->SetAutoEdit(false);
    dsSearch->OnDataChange = TDataChangeEvent(this, &TfraDataSetSearch::dsSearchDataChange);
    dsSearch->OnStateChange = TNotifyEvent(this, &TfraDataSetSearch::dsSearchStateChange);
    spSearch = Make<TSQLParse>(this, QStringLiteral("spSearch"));
    CreateSearchBox();
    CreateGrid();
}

void TfraDataSetSearch::CreateActions() {
    ilSearch = Make<TImageList>(this, QStringLiteral("ilSearch"));
    const QStyle::StandardPixmap pictures[] = {
        QStyle::SP_FileDialogContentsView, QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward,
        QStyle::SP_MediaSeekForward,       QStyle::SP_MediaSkipForward,  QStyle::SP_DialogResetButton,
        QStyle::SP_FileDialogInfoView,
    };
    for (const auto picture : pictures)
        ilSearch->Add(QApplication::style()->standardIcon(picture).pixmap(16, 16));

    alSearch = Make<TActionList>(this, QStringLiteral("alSearch"));
    alSearch->SetImages(ilSearch);
    auto action = [this](const char* name, const QString& hint, int image) {
        auto* created = Make<TAction>(this, name);
        created->SetHint(hint);
        created->SetImageIndex(image);
        created->SetActionList(alSearch);
        return created;
    };
    acSearch = action("acSearch", QStringLiteral("Executa a pesquisa"), 0);
    acSelectAll = action("acSelectAll", QString(), -1);
    acSelectAll->SetCaption(QStringLiteral("Seleciona Todos"));
    acSelectAll->SetShortCut(QKeySequence(Qt::ALT | Qt::Key_S));
    acUnselectAll = action("acUnselectAll", QString(), -1);
    acUnselectAll->SetCaption(QStringLiteral("Desmarca Todos"));
    acUnselectAll->SetShortCut(QKeySequence(Qt::ALT | Qt::Key_D));
    acFirst = action("acFirst", QStringLiteral("Posiciona no primeiro"), 1);
    acPrior = action("acPrior", QStringLiteral("Posiciona no anterior"), 2);
    acNext = action("acNext", QStringLiteral("Posiciona no próximo"), 3);
    acLast = action("acLast", QStringLiteral("Posiciona no último"), 4);
    acClear = action("acClear", QStringLiteral("Limpa pesquisa"), 5);
    acShowFilter = action("acShowFilter", QStringLiteral("Visualiza filtros"), 6);

    acSearch->OnExecute = TNotifyEvent::fromFunction(
        [this](TObject*) { Search(m_searchField, edSearch->Text(), m_exactSearch); });
    acSelectAll->OnExecute = TNotifyEvent::fromFunction([this](TObject*) { SelectAll(true); });
    acUnselectAll->OnExecute = TNotifyEvent::fromFunction([this](TObject*) { SelectAll(false); });
    acFirst->OnExecute = TNotifyEvent::fromFunction([this](TObject*) { m_dataSet->First(); });
    acPrior->OnExecute = TNotifyEvent::fromFunction([this](TObject*) { m_dataSet->Prior(); });
    acNext->OnExecute = TNotifyEvent::fromFunction([this](TObject*) { m_dataSet->Next(); });
    acLast->OnExecute = TNotifyEvent::fromFunction([this](TObject*) { m_dataSet->Last(); });
    acClear->OnExecute = TNotifyEvent::fromFunction([this](TObject*) {
        if (OnClear)
            OnClear(this);
        if (m_dataSet)
            m_dataSet->Close();
        edSearch->Clear();
    });
    acShowFilter->OnExecute = TNotifyEvent::fromFunction([this](TObject*) {
        if (OnShowFilter)
            OnShowFilter(this);
    });
}

void TfraDataSetSearch::CreateSearchBox() {
    pmGrid = Make<TPopupMenu>(this, QStringLiteral("pmGrid"));
    for (TAction* selection : {acSelectAll, acUnselectAll}) {
        auto* item = new TMenuItem(this);
        item->SetAction(selection);
        pmGrid->Items()->Add(item);
    }
    pmGrid->Items()->Items(1)->SetCaption(QStringLiteral("Desmarcar Todos"));

    pnFrame = Make<TPanel>(this, QStringLiteral("pnFrame"), this);
    pnFrame->SetBevelOuter(TBevelCut::bvNone);
    pnFrame->SetAlign(TAlign::alClient);

    pnSearch = Make<TPanel>(this, QStringLiteral("pnSearch"), pnFrame);
    pnSearch->SetBevelOuter(TBevelCut::bvNone);
    pnSearch->SetHeight(41);
    pnSearch->SetAlign(TAlign::alTop);
    lbSearch = Make<TLabel>(this, QStringLiteral("lbSearch"), pnSearch);
    lbSearch->SetCaption(m_filterCaption);
    lbSearch->SetBounds(2, 2, lbSearch->Width(), 13);
    lbField = Make<TLabel>(this, QStringLiteral("lbField"), pnSearch);
    QFont bold = lbField->Font();
    bold.setBold(true);
    lbField->SetFont(bold);
    lbField->SetCaption(QStringLiteral("Campo"));
    lbField->SetBounds(lbSearch->BoundsRight() + 4, 2, lbField->Width(), 13);
    edSearch = Make<TMaskEdit>(this, QStringLiteral("edSearch"), pnSearch);
    edSearch->SetBounds(2, 17, 200, 21);
    edSearch->SetAnchors(akLeft | akTop | akRight);
    edSearch->OnChange = TNotifyEvent(this, &TfraDataSetSearch::edSearchChange);
    edSearch->OnKeyDown = TKeyEvent(this, &TfraDataSetSearch::edSearchKeyDown);
    edSearch->OnKeyPress = TKeyPressEvent(this, &TfraDataSetSearch::edSearchKeyPress);

    // The box takes the width the toolbar leaves.
    pnSearch->OnResize = TNotifyEvent::fromFunction([this](TObject*) { Resized(); });

    pnTbSearch = Make<TPanel>(this, QStringLiteral("pnTbSearch"), pnSearch);
    pnTbSearch->SetBevelOuter(TBevelCut::bvNone);
    pnTbSearch->SetAlign(TAlign::alRight);
    tbSearch = Make<TVCLToolbar>(this, QStringLiteral("tbSearch"), pnTbSearch);
    tbSearch->SetEdgeBorders(0);
    tbSearch->SetBorderWidth(0);
    tbSearch->SetShowCaptions(false);
    tbSearch->SetShowHints(true);
    tbSearch->SetImages(ilSearch);
    const std::pair<TAction*, int> buttons[] = {{acSearch, 0}, {acFirst, 8}, {acPrior, 0},     {acNext, 0},
                                                {acLast, 0},   {acClear, 8}, {acShowFilter, 8}};
    for (const auto& [linked, offSet] : buttons) {
        TVCLTbButton* item = tbSearch->TbButtons().Add();
        item->SetAction(linked);
        item->SetOffSet(offSet);
    }
    tbSearch->SetTop(17);
}

void TfraDataSetSearch::CreateGrid() {
    pnCount = Make<TPanel>(this, QStringLiteral("pnCount"), pnFrame);
    pnCount->SetHeight(21);
    pnCount->SetAlign(TAlign::alBottom);
    pnCount->SetAlignment(TAlignment::taLeftJustify);
    pnCount->SetCaption(QString());

    gdSearch = Make<TDBGrid>(this, QStringLiteral("gdSearch"), pnFrame);
    gdSearch->SetAlign(TAlign::alClient);
    gdSearch->SetReadOnly(true);
    gdSearch->SetOptions(dgTitles | dgColumnResize | dgColLines | dgRowLines | dgTabs | dgRowSelect |
                         dgAlwaysShowSelection | dgConfirmDelete | dgCancelOnExit);
    gdSearch->SetPopupMenu(pmGrid);
    gdSearch->SetDataSource(dsSearch);
    gdSearch->OnTitleClick = TDBGridClickEvent(this, &TfraDataSetSearch::gdSearchTitleClick);
    gdSearch->OnDblClick = TNotifyEvent(this, &TfraDataSetSearch::gdSearchDblClick);
}

// ---- properties ----------------------------------------------------------------------

void TfraDataSetSearch::SetFilterCaption(const QString& caption) {
    m_filterCaption = caption;
    if (IsLoading())
        return;
    lbSearch->SetCaption(caption);
    lbField->SetLeft(lbSearch->Left() + lbSearch->Width() + 4);
}

bool TfraDataSetSearch::MultiSelect() const {
    return (gdSearch->Options() & dgMultiSelect) != 0;
}

void TfraDataSetSearch::SetMultiSelect(bool multiSelect) {
    const TDBGridOptions options = gdSearch->Options();
    gdSearch->SetOptions(multiSelect ? options | dgMultiSelect : options & ~dgMultiSelect);
}

void TfraDataSetSearch::SetDataSet(TDataSet* dataSet) {
    CheckSQLProperty(dataSet);
    if (m_dataSet)
        m_dataSet->RemoveFreeNotification(this);
    m_dataSet = dataSet;
    if (dataSet)
        dataSet->FreeNotification(this);
    if (!IsLoading())
        RefreshForDataSet();
}

void TfraDataSetSearch::SetSearchField(const QString& fieldName) {
    m_searchField = fieldName;
    if (!IsLoading())
        RefreshForField();
}

void TfraDataSetSearch::SetSearchValue(const QString& value) {
    if (!IsLoading())
        CheckSearchValue(m_dataSet ? m_dataSet->FindField(m_searchField) : nullptr, value);
    m_searchValue = value;
    if (!IsLoading())
        edSearch->SetText(value);
}

void TfraDataSetSearch::SetFrameBorderWidth(int width) {
    m_borderWidth = width;
    if (!IsLoading())
        pnFrame->SetBorderWidth(width);
}

void TfraDataSetSearch::SetVisibleFeatures(unsigned features) {
    m_visibleFeatures = features;
    if (!IsLoading())
        ApplyVisibleFeatures();
}

void TfraDataSetSearch::Loaded() {
    TFrame::Loaded();
    RefreshForDataSet();
    pnFrame->SetBorderWidth(m_borderWidth);
    ApplyVisibleFeatures();
}

void TfraDataSetSearch::Notification(TComponent* component, TOperation operation) {
    TFrame::Notification(component, operation);
    if (operation == TOperation::opRemove && component && component == m_dataSet) {
        m_dataSet = nullptr;
        // The data source forgets the set itself; only the frame's own state follows.
        spSearch->SetSQL({});
        spSearch->SaveSQL();
    }
}

// ---- refreshing ------------------------------------------------------------------------

void TfraDataSetSearch::RefreshForDataSet() {
    dsSearch->SetDataSet(m_dataSet);
    spSearch->SetSQLText(GetDataSetSQL(m_dataSet));
    spSearch->SaveSQL();
    gdSearch->Columns().Clear();
    if (m_dataSet) {
        QStringList names;
        for (int i = 0; i < m_dataSet->FieldCount(); ++i)
            names << m_dataSet->Fields().Fields(i)->FieldName();
        if (names.isEmpty())
            for (int i = 0; i < m_dataSet->FieldDefs().Count(); ++i)
                names << m_dataSet->FieldDefs()[i].Name();
        for (const QString& name : names) {
            const TField* field = m_dataSet->FindField(name);
            if (field && !field->Visible())
                continue;
            gdSearch->Columns().Add()->SetFieldName(name);
        }
    }
    RefreshForField();
    UpdateSelectActions();
    UpdateNavigation();
}

void TfraDataSetSearch::RefreshForField() {
    TField* field = m_dataSet ? m_dataSet->FindField(m_searchField) : nullptr;
    TColumn* matching = nullptr;
    for (int i = 0; i < gdSearch->Columns().Count(); ++i) {
        TColumn* column = gdSearch->Columns().Items(i);
        QFont font = column->TitleFont();
        const bool match = column->FieldName().compare(m_searchField, Qt::CaseInsensitive) == 0;
        if (match)
            matching = column;
        font.setBold(match && field);
        column->SetTitleFont(font);
    }
    lbField->SetCaption(QString());
    edSearch->SetEditMask(QString());
    edSearch->SetMaxLength(0);
    if (matching)
        lbField->SetCaption(matching->TitleCaption());
    if (field) {
        edSearch->SetEditMask(field->EditMask());
        if (field->EditMask().isEmpty())
            edSearch->SetMaxLength(field->DisplayWidth());
    }
    if (!ValidateSearchValue(field, m_searchValue).isEmpty())
        m_searchValue.clear();
    // The box holds the value the search below runs with.
    if (!ValidateSearchValue(field, edSearch->Text()).isEmpty())
        edSearch->Clear();
    if (m_dataSet && m_dataSet->Active() && field)
        acSearch->Execute();
}

void TfraDataSetSearch::ApplyVisibleFeatures() {
    acSearch->SetVisible((m_visibleFeatures & sfSearch) != 0);
    for (TAction* move : {acFirst, acPrior, acNext, acLast})
        move->SetVisible((m_visibleFeatures & sfNavigation) != 0);
    acClear->SetVisible((m_visibleFeatures & sfClear) != 0);
    acShowFilter->SetVisible((m_visibleFeatures & sfShowFilter) != 0);
    Resized();
}

void TfraDataSetSearch::Resized() {
    TFrame::Resized();
    if (!tbSearch)
        return;
    tbSearch->SetWidth(tbSearch->ButtonsWidth());
    pnTbSearch->SetWidth(tbSearch->Width() + 4);
    edSearch->SetWidth(pnSearch->Width() - tbSearch->Width() - 8);
}

void TfraDataSetSearch::UpdateClear() {
    acClear->SetEnabled(m_dataSet && (m_dataSet->Active() || !edSearch->Text().isEmpty()));
}

void TfraDataSetSearch::UpdateNavigation() {
    acSearch->SetEnabled(m_dataSet != nullptr);
    const bool open = m_dataSet && m_dataSet->Active();
    acFirst->SetEnabled(acSearch->Enabled() && open && !m_dataSet->Bof());
    acPrior->SetEnabled(acFirst->Enabled());
    acNext->SetEnabled(acSearch->Enabled() && open && !m_dataSet->Eof());
    acLast->SetEnabled(acNext->Enabled());
    UpdateClear();
    pnCount->SetCaption(open ? QString::number(m_dataSet->RecNo()) : QString());
}

void TfraDataSetSearch::UpdateSelectActions() {
    const bool open = m_dataSet && m_dataSet->Active();
    acSelectAll->SetEnabled(open);
    acUnselectAll->SetEnabled(open);
}

// ---- searching ----------------------------------------------------------------------------

int TfraDataSetSearch::Search(const QString& fieldName, const QString& value, bool exact) {
    CheckSearchField(m_dataSet, fieldName);
    TField* field = m_dataSet->FindField(fieldName);
    QString searchValue = value;
    CheckSearchValue(field, searchValue);
    spSearch->RestoreSQL();
    if (BeforeSearch) {
        QStringList where = spSearch->Clause(scWhere);
        BeforeSearch(this, m_dataSet, field, searchValue, exact, where);
        if (where != spSearch->Clause(scWhere))
            spSearch->SetClause(scWhere, where);
    }
    if (m_searchValueRequired && searchValue.isEmpty())
        throw Exception(QStringLiteral("Preencha um valor para pesquisa"));
    const int count = ApplySearch(m_dataSet, fieldName, searchValue, spSearch->SQLText(), exact);
    if (AfterSearch)
        AfterSearch(this);
    return count;
}

void TfraDataSetSearch::SelectAll(bool selected) {
    if (!m_dataSet)
        return;
    TBusyCursor busy(crSQLWait);
    m_dataSet->DisableControls();
    try {
        for (m_dataSet->First(); !m_dataSet->Eof(); m_dataSet->Next())
            gdSearch->SelectedRows().SetCurrentRowSelected(selected);
    } catch (...) {
        m_dataSet->EnableControls();
        throw;
    }
    m_dataSet->EnableControls();
}

// ---- events ---------------------------------------------------------------------------------

void TfraDataSetSearch::dsSearchDataChange(TObject*, TField* field) {
    UpdateNavigation();
    if (OnDataChange)
        OnDataChange(this, field);
}

void TfraDataSetSearch::dsSearchStateChange(TObject*) {
    UpdateSelectActions();
    UpdateNavigation();
    if (OnStateChange)
        OnStateChange(this);
}

void TfraDataSetSearch::edSearchChange(TObject*) {
    UpdateClear();
}

void TfraDataSetSearch::edSearchKeyDown(TObject*, int& key, TShiftState) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        key = 0;
        acSearch->Execute();
    }
}

void TfraDataSetSearch::edSearchKeyPress(TObject*, QChar& key) {
    const TField* field = m_dataSet ? m_dataSet->FindField(m_searchField) : nullptr;
    if (!field || edSearch->IsMasked() || key == QChar(u'\b'))
        return;
    const KeyKind kind = KeyKindOf(field);
    if (kind == KeyKind::Any || key.isDigit())
        return;
    if ((kind == KeyKind::Real && key == FormatSettings::DecimalSeparator) ||
        (kind == KeyKind::Date && key == FormatSettings::DateSeparator))
        return;
    key = QChar();
}

void TfraDataSetSearch::gdSearchTitleClick(TColumn* column) {
    TField* field = m_dataSet ? m_dataSet->FindField(m_searchField) : nullptr;
    if (!ValidateSearchValue(field, edSearch->Text()).isEmpty())
        edSearch->Clear();
    m_searchValue = edSearch->Text();
    SetSearchField(column->FieldName());
    if (edSearch->CanFocus())
        edSearch->SetFocus();
}

void TfraDataSetSearch::gdSearchDblClick(TObject*) {
    if (OnGridDblClick)
        OnGridDblClick(this);
}
