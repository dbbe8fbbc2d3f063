#include "components/report/TLinkedDbGridColumns.h"

#include "platform/ui/TDBGrid.h"

TLinkedDbGridColumns::TLinkedDbGridColumns(TDBGrid* grid) : TDBGridColumns(grid) {
    grid->InstallColumns(this);
}
