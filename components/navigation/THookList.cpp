#include "components/navigation/THookList.h"

#include "components/navigation/TEventHook.h"

#include <algorithm>

THookList& THookList::Instance() {
    static THookList list;
    return list;
}

THookList::Key THookList::KeyOf(const TComponent* component, const QString& propName) {
    return {component, propName.toUpper()};
}

void THookList::Register(TEventHook* hook) {
    auto& hooks = m_lists[KeyOf(hook->Component(), hook->PropName())];
    // Hooks left behind by a component that went away at this address belong
    // to another chain.
    std::erase_if(hooks, [](const TEventHook* old) { return old->Abandoned(); });
    hooks.push_back(hook);
}

void THookList::Unregister(TEventHook* hook) {
    const auto list = m_lists.find(KeyOf(hook->Component(), hook->PropName()));
    if (list == m_lists.end())
        return;
    auto& hooks = list->second;
    const auto position = std::find(hooks.begin(), hooks.end(), hook);
    if (position == hooks.end())
        return;
    if (position + 1 != hooks.end())
        (*(position + 1))->SetSaved(hook->Saved());
    else
        hook->RestoreSaved();
    hooks.erase(position);
    if (hooks.empty())
        m_lists.erase(list);
}

std::vector<TEventHook*> THookList::Hooks(const TComponent* component, const QString& propName) const {
    const auto list = m_lists.find(KeyOf(component, propName));
    return list == m_lists.end() ? std::vector<TEventHook*>() : list->second;
}
