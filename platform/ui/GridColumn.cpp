#include "platform/ui/GridColumn.h"

#include "platform/ui/TColumn.h"
#include "platform/ui/TDBGrid.h"

void AddColumns(TDBGrid* grid, std::initializer_list<GridColumn> columns) {
    for (const GridColumn& description : columns) {
        TColumn* column = grid->Columns().Add();
        column->SetFieldName(QLatin1String(description.field));
        if (description.caption)
            column->SetTitleCaption(QString::fromUtf8(description.caption));
        column->SetWidth(description.width);
    }
}
