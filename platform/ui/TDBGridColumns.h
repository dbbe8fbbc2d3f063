#pragma once
// The columns of a data grid. While none were added by hand they are made
// from the data set's fields, in field order, whenever the fields change;
// adding a column by hand makes the set fixed until Clear. A collection made
// for a grid may take the place of the grid's own (TDBGrid::InstallColumns);
// Assign copies another collection's columns.

#include <memory>
#include <vector>

class TColumn;
class TDBGrid;

enum class TDBGridColumnsState { csDefault, csCustomized };

class TDBGridColumns {
public:
    explicit TDBGridColumns(TDBGrid* grid);
    virtual ~TDBGridColumns();
    TDBGridColumns(const TDBGridColumns&) = delete;
    TDBGridColumns& operator=(const TDBGridColumns&) = delete;

    TDBGrid* Grid() const { return m_grid; }
    int Count() const { return static_cast<int>(m_columns.size()); }
    TColumn* Items(int index) const { return m_columns.at(static_cast<std::size_t>(index)).get(); }
    int IndexOf(const TColumn* column) const;
    TColumn* Add();
    void Clear();
    TDBGridColumnsState State() const { return m_state; }
    // The same columns as `other` (a fixed set, unless `other` is default).
    void Assign(const TDBGridColumns& other);

    // For the grid: remakes default columns from the fields.
    void RebuildFromFields();
    // A column changed: the grid shows it again.
    void Changed();
    // The grid is going: the columns stay, showing no field.
    void DetachGrid() { m_grid = nullptr; }

private:
    TDBGrid* m_grid;
    std::vector<std::unique_ptr<TColumn>> m_columns;
    TDBGridColumnsState m_state = TDBGridColumnsState::csDefault;
    bool m_rebuilding = false;
};
