#pragma once
// Paints a data grid's cells: the default drawing (unless switched off),
// then the grid's OnDrawColumnCell with the cell's row readable through
// its fields. Rows chosen in a multi-select grid paint as selected.

#include <QStyledItemDelegate>

class TDBGrid;

class TDBGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TDBGridDelegate(TDBGrid* grid);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    TDBGrid* m_grid;
};
