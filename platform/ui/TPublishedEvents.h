#pragma once
// The published properties of the component classes, by name, as far as
// event hooks need them: every event property can be read and written by
// its name, whatever its handler type (the value travels as std::any holding
// the class's own TEvent type); a few plain properties are known by name only,
// so that hooking one of them is told apart from hooking a name that does not
// exist. Names compare case-insensitively.

#include "platform/base/TComponent.h"

#include <QString>
#include <any>
#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

class TPublishedEvents {
public:
    struct Property {
        QString Name;
        bool IsEvent = false;
        std::function<bool(const TComponent&)> AppliesTo;
        std::function<std::any(TComponent&)> Get;
        std::function<void(TComponent&, const std::any&)> Set;
    };

    // The property named `name` of the component's class (or a base class);
    // nullptr when there is none.
    static const Property* Find(const TComponent& component, const QString& name);

    template <class C, class E> static void RegisterEvent(const QString& name, E C::*member) {
        Property property;
        property.Name = name;
        property.IsEvent = true;
        property.AppliesTo = [](const TComponent& component) {
            return dynamic_cast<const C*>(&component) != nullptr;
        };
        property.Get = [member](TComponent& component) {
            return std::any(static_cast<C&>(component).*member);
        };
        property.Set = [member](TComponent& component, const std::any& value) {
            static_cast<C&>(component).*member = value.has_value() ? std::any_cast<E>(value) : E();
        };
        Add(std::move(property));
    }

    // A published property that is not an event.
    template <class C> static void RegisterProperty(const QString& name) {
        Property property;
        property.Name = name;
        property.AppliesTo = [](const TComponent& component) {
            if constexpr (std::is_same_v<C, TComponent>)
                return (void)component, true;
            else
                return dynamic_cast<const C*>(&component) != nullptr;
        };
        Add(std::move(property));
    }

    // Replaces how an event is written (e.g. a setter that re-evaluates).
    template <class C, class E>
    static void RegisterEventSetter(const QString& name, E C::*member,
                                    std::function<void(C&, const E&)> setter) {
        RegisterEvent(name, member);
        Last().Set = [setter](TComponent& component, const std::any& value) {
            setter(static_cast<C&>(component), value.has_value() ? std::any_cast<E>(value) : E());
        };
    }

private:
    static std::vector<std::unique_ptr<Property>>& Registry();
    static void Add(Property property);
    static Property& Last();
    static void RegisterLibraryClasses();
};
