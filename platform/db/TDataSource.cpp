#include "platform/db/TDataSource.h"

#include "platform/db/TDataLink.h"
#include "platform/db/TDataSet.h"

#include <algorithm>

TDataSource::TDataSource(TComponent* owner) : TComponent(owner) {}

TDataSource::~TDataSource() {
    if (m_dataSet)
        m_dataSet->RemoveDataSource(this);
    m_dataSet = nullptr;
    const std::vector<TDataLink*> links = m_links;
    for (TDataLink* link : links)
        link->SetDataSource(nullptr);
}

void TDataSource::SetDataSet(TDataSet* dataSet) {
    if (dataSet == m_dataSet)
        return;
    if (m_dataSet) {
        m_dataSet->RemoveDataSource(this);
        RemoveFreeNotification(m_dataSet);
    }
    m_dataSet = dataSet;
    if (dataSet) {
        dataSet->AddDataSource(this);
        FreeNotification(dataSet);
    }
    const std::vector<TDataLink*> links = m_links;
    for (TDataLink* link : links)
        link->SourceActiveChanged();
    const TDataSetState state = State();
    if (state != m_lastState) {
        m_lastState = state;
        OnStateChange(this);
    }
}

TDataSetState TDataSource::State() const {
    return m_dataSet && m_enabled ? m_dataSet->State() : dsInactive;
}

void TDataSource::SetEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    const std::vector<TDataLink*> links = m_links;
    for (TDataLink* link : links)
        link->SourceActiveChanged();
}

void TDataSource::Edit() {
    if (m_autoEdit && State() == dsBrowse)
        m_dataSet->Edit();
}

void TDataSource::AddDataLink(TDataLink* link) {
    if (std::find(m_links.begin(), m_links.end(), link) == m_links.end())
        m_links.push_back(link);
}

void TDataSource::RemoveDataLink(TDataLink* link) {
    std::erase(m_links, link);
}

void TDataSource::NotifyLinks(TDataEvent event, const void* info) {
    const std::vector<TDataLink*> links = m_links;
    for (TDataLink* link : links) {
        if (std::find(m_links.begin(), m_links.end(), link) != m_links.end())
            link->DataEvent(event, info);
    }
}

void TDataSource::DataEvent(TDataEvent event, const void* info) {
    if (event == deUpdateState) {
        NotifyLinks(event, info);
        const TDataSetState state = State();
        if (state != m_lastState) {
            m_lastState = state;
            OnStateChange(this);
        }
        return;
    }
    if (State() == dsInactive)
        return;
    NotifyLinks(event, info);
    switch (event) {
    case deFieldChange:
        OnDataChange(this, static_cast<TField*>(const_cast<void*>(info)));
        break;
    case deRecordChange:
    case deDataSetChange:
    case deDataSetScroll:
    case deLayoutChange:
        OnDataChange(this, nullptr);
        break;
    case deUpdateRecord:
        OnUpdateData(this);
        break;
    default:
        break;
    }
}

void TDataSource::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_dataSet) {
        m_dataSet = nullptr;
        const std::vector<TDataLink*> links = m_links;
        for (TDataLink* link : links)
            link->SourceActiveChanged();
        m_lastState = dsInactive;
    }
}
