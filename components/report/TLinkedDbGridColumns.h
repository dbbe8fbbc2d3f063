#pragma once
// A column collection that takes the place of a grid's own columns as soon
// as it is made: the grid then shows exactly these columns, until the
// collection goes.

#include "platform/ui/TDBGridColumns.h"

class TLinkedDbGridColumns : public TDBGridColumns {
public:
    explicit TLinkedDbGridColumns(TDBGrid* grid);
};
