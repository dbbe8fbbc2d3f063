#pragma once
// A grid's fixed columns described as a table: the field each shows, its
// title and its width.

#include <initializer_list>

class TDBGrid;

struct GridColumn {
    const char* field;
    const char* caption; // UTF-8; nullptr keeps the field's own
    int width;
};

// Adds the columns to the grid, in order.
void AddColumns(TDBGrid* grid, std::initializer_list<GridColumn> columns);
