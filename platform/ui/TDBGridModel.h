#pragma once
// The Qt model of a data grid: one row per row of the data set (the pending
// insert included), one column per visible grid column. Cells read the
// fields of their row through the data set's display row, so painting never
// moves the cursor.

#include <QAbstractTableModel>

class TDBGrid;

class TDBGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TDBGridModel(TDBGrid* grid);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    void Reset();
    void RowChanged(int row);

private:
    TDBGrid* m_grid;
};
