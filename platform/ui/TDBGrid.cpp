#include "platform/ui/TDBGrid.h"

#include "platform/db/TDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBGridDelegate.h"
#include "platform/ui/TDBGridModel.h"
#include "platform/ui/TGridDataLink.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QTableView>
#include <algorithm>

TDBGrid::TDBGrid(TComponent* owner, TWinControl* parent)
    : TWinControl(owner, new QTableView), m_link(std::make_unique<TGridDataLink>(this)),
      m_model(new TDBGridModel(this)), m_ownColumns(std::make_unique<TDBGridColumns>(this)),
      m_columns(m_ownColumns.get()), m_selectedRows([this] { return DataSet(); }) {
    m_titleFont = View()->font();
    View()->setModel(m_model);
    View()->setItemDelegate(new TDBGridDelegate(this));
    View()->setSelectionMode(QAbstractItemView::SingleSelection);
    View()->horizontalHeader()->setSectionsClickable(true);
    View()->verticalHeader()->setDefaultSectionSize(View()->fontMetrics().height() + 4);
    View()->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    View()->verticalHeader()->setFixedWidth(14);
    WatchWidget(View()->viewport());
    connect(View()->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!m_syncing && current.isValid())
                    CurrentCellChanged(current.row(), current.column());
            });
    connect(View()->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (TColumn* column = VisibleColumn(section))
            Safe([this, column] { OnTitleClick(column); });
    });
    connect(View()->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) {
                if (m_syncing)
                    return;
                if (TColumn* column = VisibleColumn(section)) {
                    m_syncing = true;
                    column->SetWidth(size);
                    m_syncing = false;
                }
            });
    SetOptions(m_options);
    SetBounds(0, 0, 320, 120);
    SetParent(parent);
}

TDBGrid::~TDBGrid() {
    m_columns->DetachGrid();
    if (View()) {
        QObject::disconnect(View()->selectionModel(), nullptr, this, nullptr);
        QObject::disconnect(View()->horizontalHeader(), nullptr, this, nullptr);
    }
    m_link->SetDataSource(nullptr);
}

QTableView* TDBGrid::View() const {
    return static_cast<QTableView*>(Widget());
}

void TDBGrid::InstallColumns(TDBGridColumns* columns) {
    if (!columns || columns == m_columns || columns->Grid() != this)
        return;
    if (m_columns != m_ownColumns.get())
        m_columns->DetachGrid();
    m_columns = columns;
    m_ownColumns.reset();
    m_selectedIndex = 0;
    LayoutChanged();
}

void TDBGrid::ColumnsDestroyed(TDBGridColumns* columns) {
    if (columns != m_columns || columns == m_ownColumns.get())
        return;
    m_ownColumns = std::make_unique<TDBGridColumns>(this);
    m_columns = m_ownColumns.get();
    m_selectedIndex = 0;
    m_columns->RebuildFromFields();
}

TDataSource* TDBGrid::DataSource() const {
    return m_link->DataSource();
}

void TDBGrid::SetDataSource(TDataSource* source) {
    if (DataSource())
        RemoveFreeNotification(DataSource());
    m_link->SetDataSource(source);
    if (source)
        FreeNotification(source);
    LinkActiveChanged();
}

void TDBGrid::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && m_link && component == DataSource())
        SetDataSource(nullptr);
}

TDataSet* TDBGrid::DataSet() const {
    return m_link ? m_link->DataSet() : nullptr;
}

void TDBGrid::SetOptions(TDBGridOptions options) {
    m_options = options;
    View()->horizontalHeader()->setVisible(options & dgTitles);
    View()->verticalHeader()->setVisible(options & dgIndicator);
    View()->setShowGrid(options & (dgColLines | dgRowLines));
    View()->horizontalHeader()->setSectionResizeMode((options & dgColumnResize) ? QHeaderView::Interactive
                                                                                : QHeaderView::Fixed);
    View()->setSelectionBehavior((options & dgRowSelect) ? QAbstractItemView::SelectRows
                                                         : QAbstractItemView::SelectItems);
    View()->setEditTriggers(CanEditCells()
                                ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                      QAbstractItemView::AnyKeyPressed
                                : QAbstractItemView::NoEditTriggers);
    View()->setTabKeyNavigation(options & dgTabs);
    if (!(options & dgMultiSelect))
        m_selectedRows.Clear();
}

void TDBGrid::SetTitleFont(const QFont& font) {
    m_titleFont = font;
    LayoutChanged();
}

bool TDBGrid::CanEditCells() const {
    return (m_options & dgEditing) && !(m_options & dgRowSelect) && !m_readOnly;
}

void TDBGrid::SetSelectedIndex(int index) {
    if (index < 0 || index >= m_columns->Count())
        return;
    m_selectedIndex = index;
    SyncView();
}

int TDBGrid::VisibleColumnCount() const {
    int count = 0;
    for (int i = 0; i < m_columns->Count(); ++i)
        count += m_columns->Items(i)->Visible() ? 1 : 0;
    return count;
}

TColumn* TDBGrid::VisibleColumn(int viewColumn) const {
    for (int i = 0; i < m_columns->Count(); ++i)
        if (m_columns->Items(i)->Visible() && viewColumn-- == 0)
            return m_columns->Items(i);
    return nullptr;
}

int TDBGrid::ViewColumnOf(int columnIndex) const {
    int view = 0;
    for (int i = 0; i < m_columns->Count() && i < columnIndex; ++i)
        view += m_columns->Items(i)->Visible() ? 1 : 0;
    return view;
}

void TDBGrid::LayoutChanged() {
    if (!View())
        return;
    if (m_syncing)
        return;
    m_syncing = true;
    m_model->Reset();
    // A column is never narrower than its title needs in the title font.
    QHeaderView* titles = View()->horizontalHeader();
    titles->setFont(m_titleFont);
    for (int i = 0; i < VisibleColumnCount(); ++i)
        View()->setColumnWidth(i, std::max(VisibleColumn(i)->Width(), titles->sectionSizeHint(i)));
    m_syncing = false;
    SyncView();
}

void TDBGrid::LinkActiveChanged() {
    if (!View())
        return;
    m_selectedRows.Clear();
    m_rowBookmarks.clear();
    m_drawFailed = false;
    m_columns->RebuildFromFields();
    LearnCurrentRow();
}

void TDBGrid::LinkDataChanged() {
    if (!View())
        return;
    m_rowBookmarks.clear();
    m_drawFailed = false;
    m_selectedRows.Refresh();
    m_syncing = true;
    m_model->Reset();
    m_syncing = false;
    LearnCurrentRow();
    SyncView();
}

void TDBGrid::LinkScrolled() {
    if (!View())
        return;
    LearnCurrentRow();
    SyncView();
    m_model->RowChanged(-1);
}

void TDBGrid::LinkRecordChanged() {
    if (!View())
        return;
    TDataSet* dataSet = DataSet();
    if (dataSet && dataSet->RowCount() != m_model->rowCount())
        return LinkDataChanged();
    m_model->RowChanged(dataSet ? dataSet->CurrentRow() : -1);
}

void TDBGrid::LearnCurrentRow() {
    TDataSet* dataSet = DataSet();
    if (dataSet && dataSet->Active() && dataSet->CurrentRow() >= 0 && dataSet->State() != dsInsert)
        m_rowBookmarks[dataSet->CurrentRow()] = dataSet->GetBookmark();
}

bool TDBGrid::RowChosen(int row) const {
    const auto it = m_rowBookmarks.find(row);
    return it != m_rowBookmarks.end() && m_selectedRows.Find(it->second);
}

void TDBGrid::SyncView() {
    if (!View())
        return;
    TDataSet* dataSet = DataSet();
    if (!dataSet || !dataSet->Active() || dataSet->CurrentRow() < 0)
        return;
    m_syncing = true;
    const QModelIndex index = m_model->index(dataSet->CurrentRow(), ViewColumnOf(m_selectedIndex));
    View()->setCurrentIndex(index);
    View()->scrollTo(index);
    View()->viewport()->update();
    m_syncing = false;
}

void TDBGrid::CurrentCellChanged(int row, int viewColumn) {
    if (TColumn* column = VisibleColumn(viewColumn))
        m_selectedIndex = column->Index();
    TDataSet* dataSet = DataSet();
    if (!dataSet || !dataSet->Active() || row == dataSet->CurrentRow())
        return;
    if (!Safe([&] { dataSet->MoveBy(row - dataSet->CurrentRow()); }))
        SyncView(); // the data set refused to move
}

void TDBGrid::Clicked(Qt::KeyboardModifiers modifiers) {
    TDataSet* dataSet = DataSet();
    if (!(m_options & dgMultiSelect) || !dataSet || !dataSet->Active())
        return;
    if (modifiers & Qt::ControlModifier) {
        m_selectedRows.SetCurrentRowSelected(!m_selectedRows.CurrentRowSelected());
        m_anchor = dataSet->GetBookmark();
    } else if ((modifiers & Qt::ShiftModifier) && m_anchor && dataSet->BookmarkValid(m_anchor)) {
        // Choose every row from the anchor to here.
        const TBookmark target = dataSet->GetBookmark();
        const int step = dataSet->CompareBookmarks(m_anchor, target) < 0 ? 1 : -1;
        dataSet->GotoBookmark(m_anchor);
        for (;;) {
            LearnCurrentRow();
            m_selectedRows.SetCurrentRowSelected(true);
            if (dataSet->GetBookmark() == target || dataSet->MoveBy(step) == 0)
                break;
        }
    } else {
        m_selectedRows.Clear();
        LearnCurrentRow();
        m_selectedRows.SetCurrentRowSelected(true);
        m_anchor = dataSet->GetBookmark();
    }
    View()->viewport()->update();
}

bool TDBGrid::DoKeyDown(int& key, TShiftState shift) {
    if (!TWinControl::DoKeyDown(key, shift))
        return false;
    TDataSet* dataSet = DataSet();
    if (key != Qt::Key_Space || !(m_options & dgMultiSelect) || !dataSet || !dataSet->Active() ||
        dataSet->IsEmpty())
        return true;
    LearnCurrentRow();
    m_selectedRows.SetCurrentRowSelected(!m_selectedRows.CurrentRowSelected());
    m_anchor = dataSet->GetBookmark();
    View()->viewport()->update();
    return false;
}

bool TDBGrid::WriteCell(int row, int viewColumn, const QString& text) {
    TColumn* column = VisibleColumn(viewColumn);
    TDataSet* dataSet = DataSet();
    if (!column || !column->Field() || !dataSet)
        return false;
    return Safe([&] {
        if (row != dataSet->CurrentRow())
            dataSet->MoveBy(row - dataSet->CurrentRow());
        if (!m_link->Edit())
            return;
        column->Field()->SetText(text);
    });
}

void TDBGrid::DefaultDrawColumnCell(QPainter& painter, const QRect& rect, int, TColumn* column,
                                    TGridDrawState state) {
    TField* field = column ? column->Field() : nullptr;
    if (!field)
        return;
    // The cell is painted afresh, so drawing it again in another colour
    // replaces the text the grid drew instead of overlaying it.
    const QPalette palette = View()->palette();
    painter.fillRect(rect, (state & gdSelected) ? palette.color(QPalette::Highlight)
                                                : palette.color(QPalette::Base));
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    if (column->Alignment() == taRightJustify)
        alignment = Qt::AlignRight | Qt::AlignVCenter;
    else if (column->Alignment() == taCenter)
        alignment = Qt::AlignCenter;
    painter.save();
    painter.setFont(column->Font());
    painter.drawText(rect.adjusted(2, 0, -2, 0), static_cast<int>(alignment), field->DisplayText());
    painter.restore();
}

void TDBGrid::DrawCell(QPainter& painter, const QStyleOptionViewItem& option, int row, int viewColumn) {
    TDataSet* dataSet = DataSet();
    TColumn* column = VisibleColumn(viewColumn);
    if (!OnDrawColumnCell || m_drawFailed || !dataSet || !column || row >= dataSet->RowCount())
        return;
    TGridDrawState state = 0;
    if (option.state & QStyle::State_Selected)
        state |= gdSelected;
    if (row == dataSet->CurrentRow() && View()->hasFocus())
        state |= gdFocused;
    dataSet->SetDisplayRow(row);
    painter.save();
    // The colour the default drawing writes with, unless the handler changes it.
    painter.setPen(
        View()->palette().color((state & gdSelected) ? QPalette::HighlightedText : QPalette::Text));
    // A failing painter would fail again on every paint: it stops until the data change.
    m_drawFailed =
        !Safe([&] { OnDrawColumnCell(this, painter, option.rect, column->Index(), column, state); });
    painter.restore();
    dataSet->SetDisplayRow(-1);
}

bool TDBGrid::eventFilter(QObject* watched, QEvent* event) {
    if (View() && watched == View()->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_clickPending = true;
        } else if (event->type() == QEvent::MouseButtonRelease && m_clickPending) {
            m_clickPending = false;
            const auto modifiers = static_cast<QMouseEvent*>(event)->modifiers();
            Safe([&] { Clicked(modifiers); });
            if (TColumn* column = VisibleColumn(View()->currentIndex().column()))
                Safe([&] { OnCellClick(column); });
        }
    }
    return TWinControl::eventFilter(watched, event);
}
