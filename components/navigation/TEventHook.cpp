#include "components/navigation/TEventHook.h"

#include "components/navigation/EEventHook.h"
#include "components/navigation/THookList.h"
#include "platform/base/TComponent.h"

TEventHook::TEventHook(TComponent* component, const QString& propName)
    : m_component(component), m_propertyName(propName),
      m_property(component ? TPublishedEvents::Find(*component, propName) : nullptr) {
    if (!m_property)
        throw EEventHook(QStringLiteral("Evento \"%1\" não encontrado").arg(propName));
    if (!m_property->IsEvent)
        throw EEventHook(QStringLiteral("Propriedade \"%1\" não é um evento").arg(propName));
    m_saved = m_property->Get(*component);
    THookList::Instance().Register(this);
}

TEventHook::~TEventHook() {
    THookList::Instance().Unregister(this);
}

void TEventHook::RestoreSaved() {
    // A component in its destructor has no events left to write.
    if (!m_abandoned && !m_component->IsDestroying())
        m_property->Set(*m_component, m_saved);
}
