#pragma once
// The one way a window makes a component of its own: made with its owner
// (and whatever else its constructor takes, as the parent of a control), then
// given its name, which is also its Qt objectName. An empty name leaves the
// component unnamed.

#include <QString>
#include <utility>

class TComponent;

template <class T, class... Args> T* Make(TComponent* owner, const QString& name, Args&&... args) {
    auto* component = new T(owner, std::forward<Args>(args)...);
    component->SetName(name);
    return component;
}
