#include "platform/db/TDataLink.h"

#include "platform/db/TDataSet.h"
#include "platform/db/TDataSource.h"

TDataLink::~TDataLink() {
    if (m_dataSource)
        m_dataSource->RemoveDataLink(this);
}

void TDataLink::SetDataSource(TDataSource* source) {
    if (source == m_dataSource)
        return;
    if (m_dataSource)
        m_dataSource->RemoveDataLink(this);
    m_dataSource = source;
    if (source)
        source->AddDataLink(this);
    SourceActiveChanged();
}

TDataSet* TDataLink::DataSet() const {
    return m_dataSource ? m_dataSource->DataSet() : nullptr;
}

void TDataLink::SetReadOnly(bool readOnly) {
    if (readOnly == m_readOnly)
        return;
    m_readOnly = readOnly;
    UpdateEditing();
}

bool TDataLink::Edit() {
    if (!m_readOnly && m_dataSource)
        m_dataSource->Edit();
    return m_editing;
}

void TDataLink::UpdateRecord() {
    if (m_updating)
        return;
    m_updating = true;
    try {
        UpdateData();
    } catch (...) {
        m_updating = false;
        throw;
    }
    m_updating = false;
}

void TDataLink::SourceActiveChanged() {
    const bool wasActive = m_active;
    UpdateActive();
    UpdateEditing();
    if (wasActive && m_active)
        DataSetChanged();
}

void TDataLink::UpdateActive() {
    const TDataSet* dataSet = DataSet();
    const bool active = dataSet && m_dataSource->Enabled() && dataSet->Active();
    if (active == m_active)
        return;
    m_active = active;
    ActiveChanged();
}

void TDataLink::UpdateEditing() {
    const TDataSetState state = m_active ? m_dataSource->State() : dsInactive;
    const bool editing = !m_readOnly && (state == dsEdit || state == dsInsert);
    if (editing == m_editing)
        return;
    m_editing = editing;
    EditingChanged();
}

void TDataLink::DataEvent(TDataEvent event, const void* info) {
    if (event == deUpdateState) {
        UpdateActive();
        UpdateEditing();
        return;
    }
    if (!m_active)
        return;
    switch (event) {
    case deFieldChange:
        RecordChanged(static_cast<TField*>(const_cast<void*>(info)));
        break;
    case deRecordChange:
        RecordChanged(nullptr);
        break;
    case deDataSetChange:
        DataSetChanged();
        break;
    case deDataSetScroll:
        DataSetScrolled(info ? *static_cast<const int*>(info) : 0);
        break;
    case deLayoutChange:
        LayoutChanged();
        break;
    case deUpdateRecord:
        UpdateRecord();
        break;
    case deCheckBrowseMode:
        CheckBrowseMode();
        break;
    case deFocusControl:
        FocusControl(static_cast<TField*>(const_cast<void*>(info)));
        break;
    case deUpdateState:
        break;
    }
}

void TDataLink::DataSetChanged() {
    RecordChanged(nullptr);
}

void TDataLink::DataSetScrolled(int) {
    DataSetChanged();
}

void TDataLink::RecordChanged(TField*) {}

void TDataLink::LayoutChanged() {
    DataSetChanged();
}

bool TDataLink::FocusControl(TField*) {
    return false;
}
