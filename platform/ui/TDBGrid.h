#pragma once
// A grid over the rows of a data set. Its columns come from the fields or
// are set by hand; the current row follows the data set's cursor both ways.
// With dgMultiSelect, a click chooses the clicked row alone, Ctrl+click and
// Space add or drop one, Shift+click adds a range; only chosen rows are
// highlighted. SelectedRows lists them in the data set's order. OnDrawColumnCell paints
// over a cell (its row readable through the fields), OnTitleClick reports a
// click on a column title.

#include "platform/ui/TBookmarkList.h"
#include "platform/ui/TDBGridColumns.h"
#include "platform/ui/TWinControl.h"

#include <memory>
#include <unordered_map>

class QPainter;
class QStyleOptionViewItem;
class QTableView;
class TColumn;
class TDataSet;
class TDataSource;
class TDBGridModel;
class TField;
class TGridDataLink;

enum TDBGridOption : unsigned {
    dgEditing = 1u << 0,
    dgTitles = 1u << 1,
    dgIndicator = 1u << 2,
    dgColumnResize = 1u << 3,
    dgColLines = 1u << 4,
    dgRowLines = 1u << 5,
    dgTabs = 1u << 6,
    dgRowSelect = 1u << 7,
    dgAlwaysShowSelection = 1u << 8,
    dgConfirmDelete = 1u << 9,
    dgCancelOnExit = 1u << 10,
    dgMultiSelect = 1u << 11
};
using TDBGridOptions = unsigned;

enum TGridDrawStateFlag : unsigned { gdSelected = 1, gdFocused = 2 };
using TGridDrawState = unsigned;

// (Sender, Canvas, Rect, DataCol, Column, State)
using TDrawColumnCellEvent = TEvent<TObject*, QPainter&, const QRect&, int, TColumn*, TGridDrawState>;
using TDBGridClickEvent = TEvent<TColumn*>;

class TDBGrid : public TWinControl {
    Q_OBJECT
public:
    TDBGrid(TComponent* owner, TWinControl* parent = nullptr);
    ~TDBGrid() override;

    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* source);
    TDataSet* DataSet() const;
    TDBGridColumns& Columns() { return *m_columns; }
    // Puts a collection made for this grid in place of its columns (the
    // grid's own collection is freed); the grid shows it until it goes, then
    // makes default columns of its own again.
    void InstallColumns(TDBGridColumns* columns);
    // For TDBGridColumns.
    void ColumnsDestroyed(TDBGridColumns* columns);

    TDBGridOptions Options() const { return m_options; }
    void SetOptions(TDBGridOptions options);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    QFont TitleFont() const { return m_titleFont; }
    void SetTitleFont(const QFont& font);

    TBookmarkList& SelectedRows() { return m_selectedRows; }
    // Index into Columns of the current column.
    int SelectedIndex() const { return m_selectedIndex; }
    void SetSelectedIndex(int index);

    // The cell as the grid draws it, background and text, in the painter's
    // pen colour (for OnDrawColumnCell; a handler may change the pen first).
    void DefaultDrawColumnCell(QPainter& painter, const QRect& rect, int dataCol, TColumn* column,
                               TGridDrawState state);

    TDrawColumnCellEvent OnDrawColumnCell;
    TDBGridClickEvent OnTitleClick;
    TDBGridClickEvent OnCellClick;

    QTableView* View() const;

    // For the grid's model, delegate, columns and data link.
    int VisibleColumnCount() const;
    TColumn* VisibleColumn(int viewColumn) const;
    bool CanEditCells() const;
    bool WriteCell(int row, int viewColumn, const QString& text);
    bool RowChosen(int row) const;
    void DrawCell(QPainter& painter, const QStyleOptionViewItem& option, int row, int viewColumn);
    void LayoutChanged();
    void LinkActiveChanged();
    void LinkDataChanged();
    void LinkScrolled();
    void LinkRecordChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool DoKeyDown(int& key, TShiftState shift) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void SyncView();
    void CurrentCellChanged(int row, int viewColumn);
    void Clicked(Qt::KeyboardModifiers modifiers);
    void LearnCurrentRow();
    int ViewColumnOf(int columnIndex) const;

    std::unique_ptr<TGridDataLink> m_link;
    TDBGridModel* m_model;
    std::unique_ptr<TDBGridColumns> m_ownColumns;
    TDBGridColumns* m_columns;
    TBookmarkList m_selectedRows;
    TDBGridOptions m_options = dgTitles | dgIndicator | dgColumnResize | dgColLines | dgRowLines | dgTabs |
                               dgConfirmDelete | dgCancelOnExit;
    bool m_readOnly = false;
    QFont m_titleFont;
    int m_selectedIndex = 0;
    bool m_syncing = false;
    bool m_drawFailed = false;
    bool m_clickPending = false;
    TBookmark m_anchor = 0;
    // Bookmarks of the rows the cursor has been on since the rows last changed.
    std::unordered_map<int, TBookmark> m_rowBookmarks;
};
