#pragma once
// Event handlers as the component model uses them: a value that can be empty,
// copied, called, and compared for identity. A component that takes over
// another component's event saves the handler that was there, chains to it and
// writes it back later; that only works when handlers compare by identity.
//
// Identity:
//  - bound to an object and a member function: the pair (object, member), so
//    TEvent(this, &X::f) made twice is the same handler;
//  - made from any other callable: the handler value itself and its copies.

#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <type_traits>

template <typename... Args> class TEvent {
public:
    TEvent() = default;
    TEvent(std::nullptr_t) {}

    template <typename Object, typename Base>
    requires std::is_base_of_v<Base, Object> TEvent(Object* object, void (Base::*method)(Args...))
        : m_call(std::make_shared<Call>([object, method](Args... args) {
              (static_cast<Base*>(object)->*method)(std::forward<Args>(args)...);
          })),
          m_object(static_cast<const void*>(object)) {
        static_assert(sizeof(method) <= sizeof(MethodKey), "member pointer larger than expected");
        std::memcpy(m_method.data(), &method, sizeof(method));
    }

    template <typename Callable>
    requires(std::is_invocable_v<Callable&, Args...> &&
             !std::is_same_v<std::decay_t<Callable>, TEvent>) static TEvent fromFunction(Callable callable) {
        TEvent event;
        event.m_call = std::make_shared<Call>(std::move(callable));
        return event;
    }

    explicit operator bool() const { return static_cast<bool>(m_call); }
    bool Assigned() const { return static_cast<bool>(m_call); }

    void operator()(Args... args) const {
        if (m_call)
            (*m_call)(std::forward<Args>(args)...);
    }

    bool operator==(const TEvent& other) const {
        if (!m_call || !other.m_call)
            return !m_call && !other.m_call;
        if (m_object || other.m_object)
            return m_object == other.m_object && m_method == other.m_method;
        return m_call == other.m_call;
    }

private:
    using Call = std::function<void(Args...)>;
    using MethodKey = std::array<unsigned char, 2 * sizeof(void*)>;
    std::shared_ptr<Call> m_call;
    const void* m_object = nullptr;
    MethodKey m_method{};
};

class TObject;
using TNotifyEvent = TEvent<TObject*>;
