#include "platform/ui/TDBGridColumns.h"

#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBGrid.h"

TDBGridColumns::TDBGridColumns(TDBGrid* grid) : m_grid(grid) {}

TDBGridColumns::~TDBGridColumns() {
    if (m_grid)
        m_grid->ColumnsDestroyed(this);
}

void TDBGridColumns::Assign(const TDBGridColumns& other) {
    if (&other == this)
        return;
    m_rebuilding = true;
    m_columns.clear();
    for (const auto& column : other.m_columns) {
        m_columns.push_back(std::make_unique<TColumn>(this));
        m_columns.back()->Assign(*column);
    }
    m_state = other.m_state;
    m_rebuilding = false;
    if (m_state == TDBGridColumnsState::csDefault)
        RebuildFromFields();
    else
        Changed();
}

int TDBGridColumns::IndexOf(const TColumn* column) const {
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].get() == column)
            return static_cast<int>(i);
    return -1;
}

TColumn* TDBGridColumns::Add() {
    if (m_state == TDBGridColumnsState::csDefault && !m_rebuilding) {
        m_columns.clear();
        m_state = TDBGridColumnsState::csCustomized;
    }
    m_columns.push_back(std::make_unique<TColumn>(this));
    Changed();
    return m_columns.back().get();
}

void TDBGridColumns::Clear() {
    m_columns.clear();
    m_state = TDBGridColumnsState::csDefault;
    RebuildFromFields();
}

void TDBGridColumns::RebuildFromFields() {
    if (!m_grid)
        return;
    if (m_state != TDBGridColumnsState::csDefault)
        return Changed();
    m_rebuilding = true;
    m_columns.clear();
    if (TDataSet* dataSet = m_grid->DataSet(); dataSet && dataSet->Active())
        for (int i = 0; i < dataSet->FieldCount(); ++i) {
            m_columns.push_back(std::make_unique<TColumn>(this));
            m_columns.back()->SetFieldName(dataSet->Fields()[i]->FieldName());
        }
    m_rebuilding = false;
    Changed();
}

void TDBGridColumns::Changed() {
    if (!m_rebuilding && m_grid)
        m_grid->LayoutChanged();
}
