#pragma once
// The one list of event hooks of the program: for every hooked event of every
// component (keyed by the component's identity and the property's name) the
// hooks in the order they were made. It does not own the hooks; each hook
// registers and unregisters itself.

#include <QString>
#include <map>
#include <utility>
#include <vector>

class TComponent;
class TEventHook;

class THookList {
public:
    static THookList& Instance();

    void Register(TEventHook* hook);
    // Restores the chain around the hook (above) and drops it; nothing for a
    // hook the list does not hold.
    void Unregister(TEventHook* hook);
    // The hooks on one event of one component, oldest first.
    std::vector<TEventHook*> Hooks(const TComponent* component, const QString& propName) const;

private:
    using Key = std::pair<const TComponent*, QString>;
    static Key KeyOf(const TComponent* component, const QString& propName);

    std::map<Key, std::vector<TEventHook*>> m_lists;
};
