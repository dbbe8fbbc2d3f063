#pragma once
// The data link of a data grid: passes the data set's notifications on to it.

#include "platform/db/TDataLink.h"

class TDBGrid;

class TGridDataLink : public TDataLink {
public:
    explicit TGridDataLink(TDBGrid* grid) : m_grid(grid) {}

protected:
    void ActiveChanged() override;
    void DataSetChanged() override;
    void DataSetScrolled(int distance) override;
    void RecordChanged(TField* field) override;
    void EditingChanged() override;
    void LayoutChanged() override;

private:
    TDBGrid* m_grid;
};
