#pragma once
// Takes over a published event of another component while keeping the
// handler that was there. The hook saves the current handler; its creator
// installs its own handler afterwards and chains to SavedHandler(). Hooks on
// one event of one component stack in creation order and can be removed in
// any order: a removed hook hands its saved handler to the hook made after it,
// and the last one writes it back into the property.
//
// Hooks are keyed by the component's identity, never by its name, so two
// components with the same (or no) name never share a chain.
//
// A hook whose component is being destroyed leaves the chain without writing
// into it. Once the component is gone, call Abandon() before the hook goes.

#include "platform/base/TObject.h"
#include "platform/ui/TPublishedEvents.h"

#include <QString>
#include <any>

class TComponent;

class TEventHook : public TObject {
public:
    // Raises EEventHook "Evento "X" não encontrado" or "Propriedade "X" não
    // é um evento"; no hook is registered then.
    TEventHook(TComponent* component, const QString& propName);
    ~TEventHook() override;

    TComponent* Component() const { return m_component; }
    const QString& PropName() const { return m_propertyName; }

    // The handler to chain to (an empty one when none was there).
    template <class E> E SavedHandler() const {
        return m_saved.has_value() ? std::any_cast<E>(m_saved) : E();
    }

    void Abandon() { m_abandoned = true; }

private:
    friend class THookList;
    const std::any& Saved() const { return m_saved; }
    void SetSaved(const std::any& handler) { m_saved = handler; }
    // Writes the saved handler back into the component's property.
    void RestoreSaved();
    bool Abandoned() const { return m_abandoned; }

    TComponent* m_component;
    QString m_propertyName;
    const TPublishedEvents::Property* m_property;
    std::any m_saved;
    bool m_abandoned = false;
};
