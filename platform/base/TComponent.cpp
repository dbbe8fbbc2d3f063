#include "platform/base/TComponent.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : QObject(nullptr) {
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent() {
    m_destroying = true;
    // Owned components go first, last created first.
    while (!m_components.empty()) {
        TComponent* child = m_components.back();
        delete child; // removes itself from m_components
    }
    const auto watchers = m_freeNotifies;
    m_freeNotifies.clear();
    for (TComponent* watcher : watchers) {
        watcher->RemoveFreeNotification(this);
        watcher->Notification(this, TOperation::opRemove);
    }
    if (m_owner)
        m_owner->RemoveComponent(this);
}

void TComponent::SetName(const QString& name) {
    if (name == m_name)
        return;
    if (m_owner && !name.isEmpty()) {
        TComponent* other = m_owner->FindComponent(name);
        if (other && other != this)
            throw EComponentError(QStringLiteral("A component named %1 already exists").arg(name));
    }
    m_name = name;
    setObjectName(name);
}

TComponent* TComponent::FindComponent(const QString& name) const {
    if (name.isEmpty())
        return nullptr;
    for (TComponent* component : m_components)
        if (component->m_name.compare(name, Qt::CaseInsensitive) == 0)
            return component;
    return nullptr;
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this)
        return;
    if (std::find(m_freeNotifies.begin(), m_freeNotifies.end(), component) == m_freeNotifies.end())
        m_freeNotifies.push_back(component);
    if (std::find(component->m_freeNotifies.begin(), component->m_freeNotifies.end(), this) ==
        component->m_freeNotifies.end())
        component->m_freeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    std::erase(m_freeNotifies, component);
    if (component)
        std::erase(component->m_freeNotifies, this);
}

void TComponent::EndLoading() {
    if (!m_loading)
        return;
    m_loading = false;
    Loaded();
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::InsertComponent(TComponent* component) {
    m_components.push_back(component);
    component->m_owner = this;
    component->setParent(this); // so findChild() finds components by name
    for (TComponent* sibling : std::vector<TComponent*>(m_components))
        if (sibling != component)
            sibling->Notification(component, TOperation::opInsert);
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    std::erase(m_components, component);
    component->m_owner = nullptr;
    if (m_destroying)
        return;
    Notification(component, TOperation::opRemove);
    for (TComponent* sibling : std::vector<TComponent*>(m_components))
        sibling->Notification(component, TOperation::opRemove);
}
