#pragma once
// A data set and a list of columns edited like a data grid's (field, title,
// width, alignment, fonts), kept on a hidden grid so titles and widths
// default from the fields as in a grid.

#include "platform/base/TComponent.h"

#include <memory>

class TDataSet;
class TDataSource;
class TDBGrid;
class TDBGridColumns;
class TLinkedDbGridColumns;

class TDataSetColumnsComponent : public TComponent {
    Q_OBJECT
public:
    explicit TDataSetColumnsComponent(TComponent* owner = nullptr);
    ~TDataSetColumnsComponent() override;

    TDataSet* DataSet() const { return m_dataSet; }
    void SetDataSet(TDataSet* dataSet);
    TLinkedDbGridColumns& Columns() { return *m_columns; }
    // Takes the columns of another collection.
    void SetColumns(const TDBGridColumns& columns);

    // The hidden grid that holds the columns.
    TDBGrid* Grid() const { return m_grid; }

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TDataSet* m_dataSet = nullptr;
    TDBGrid* m_grid;
    TDataSource* m_source;
    std::unique_ptr<TLinkedDbGridColumns> m_columns;
};
