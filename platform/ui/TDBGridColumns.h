#pragma once
// The columns of a data grid. While none were added by hand they are made
// from the data set's fields, in field order, whenever the fields change;
// adding a column by hand makes the set fixed until Clear.

#include <memory>
#include <vector>

class TColumn;
class TDBGrid;

enum class TDBGridColumnsState { csDefault, csCustomized };

class TDBGridColumns {
public:
    explicit TDBGridColumns(TDBGrid* grid);
    ~TDBGridColumns();
    TDBGridColumns(const TDBGridColumns&) = delete;
    TDBGridColumns& operator=(const TDBGridColumns&) = delete;

    TDBGrid* Grid() const { return m_grid; }
    int Count() const { return static_cast<int>(m_columns.size()); }
    TColumn* Items(int index) const { return m_columns.at(static_cast<std::size_t>(index)).get(); }
    int IndexOf(const TColumn* column) const;
    TColumn* Add();
    void Clear();
    TDBGridColumnsState State() const { return m_state; }

    // For the grid: remakes default columns from the fields.
    void RebuildFromFields();
    // A column changed: the grid shows it again.
    void Changed();

private:
    TDBGrid* m_grid;
    std::vector<std::unique_ptr<TColumn>> m_columns;
    TDBGridColumnsState m_state = TDBGridColumnsState::csDefault;
    bool m_rebuilding = false;
};
