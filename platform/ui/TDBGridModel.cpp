#include "platform/ui/TDBGridModel.h"

#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBGrid.h"

#include <QBrush>

namespace {
// Reads the fields of one row while it lives.
class DisplayRow {
public:
    DisplayRow(TDataSet* dataSet, int row) : m_dataSet(dataSet) { m_dataSet->SetDisplayRow(row); }
    ~DisplayRow() { m_dataSet->SetDisplayRow(-1); }
    DisplayRow(const DisplayRow&) = delete;
    DisplayRow& operator=(const DisplayRow&) = delete;

private:
    TDataSet* m_dataSet;
};

Qt::Alignment QtAlignment(TAlignment alignment) {
    switch (alignment) {
    case taRightJustify:
        return Qt::AlignRight | Qt::AlignVCenter;
    case taCenter:
        return Qt::AlignCenter;
    case taLeftJustify:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}
} // namespace

TDBGridModel::TDBGridModel(TDBGrid* grid) : m_grid(grid) {}

int TDBGridModel::rowCount(const QModelIndex& parent) const {
    TDataSet* dataSet = m_grid->DataSet();
    return parent.isValid() || !dataSet || !dataSet->Active() ? 0 : dataSet->RowCount();
}

int TDBGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_grid->VisibleColumnCount();
}

QVariant TDBGridModel::data(const QModelIndex& index, int role) const {
    TColumn* column = m_grid->VisibleColumn(index.column());
    TDataSet* dataSet = m_grid->DataSet();
    if (!column || !dataSet || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        TField* field = column->Field();
        if (!field)
            return {};
        DisplayRow row(dataSet, index.row());
        return role == Qt::DisplayRole ? field->DisplayText() : field->Text();
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(QtAlignment(column->Alignment()));
    case Qt::FontRole:
        return column->Font();
    case Qt::BackgroundRole:
        return column->Color() ? QVariant(QBrush(*column->Color())) : QVariant();
    default:
        return {};
    }
}

QVariant TDBGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        if (role != Qt::DisplayRole)
            return {};
        TDataSet* dataSet = m_grid->DataSet();
        if (!dataSet || section != dataSet->CurrentRow())
            return QString();
        switch (dataSet->State()) {
        case dsInsert:
            return QStringLiteral("*");
        case dsEdit:
            return QStringLiteral("I");
        default:
            return QStringLiteral("▶");
        }
    }
    TColumn* column = m_grid->VisibleColumn(section);
    if (!column)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return column->TitleCaption();
    case Qt::FontRole:
        return column->TitleFont();
    default:
        return {};
    }
}

Qt::ItemFlags TDBGridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    TColumn* column = m_grid->VisibleColumn(index.column());
    if (m_grid->CanEditCells() && column && !column->ReadOnly() && column->Field() &&
        !column->Field()->ReadOnly())
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool TDBGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole)
        return false;
    return m_grid->WriteCell(index.row(), index.column(), value.toString());
}

void TDBGridModel::Reset() {
    beginResetModel();
    endResetModel();
}

void TDBGridModel::RowChanged(int row) {
    if (row >= 0 && row < rowCount())
        emit dataChanged(index(row, 0), index(row, std::max(0, columnCount() - 1)));
    emit headerDataChanged(Qt::Vertical, 0, std::max(0, rowCount() - 1));
}
