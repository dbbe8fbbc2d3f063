#include "platform/ui/TDBGridDelegate.h"

#include "platform/ui/TDBGrid.h"

TDBGridDelegate::TDBGridDelegate(TDBGrid* grid) : m_grid(grid) {}

void TDBGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    // Where rows are chosen, only the chosen ones are highlighted: the
    // current row shows its focus frame alone.
    if (m_grid->RowChosen(index.row()))
        cell.state |= QStyle::State_Selected;
    else if (m_grid->Options() & dgMultiSelect)
        cell.state &= ~QStyle::State_Selected;
    QStyledItemDelegate::paint(painter, cell, index);
    m_grid->DrawCell(*painter, cell, index.row(), index.column());
}
