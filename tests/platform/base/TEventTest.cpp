#include "platform/base/TEvent.h"
#include "platform/base/TComponent.h"

#include <gtest/gtest.h>

namespace {

class Counter : public TObject {
public:
    void Hit(TObject*) { ++hits; }
    void Other(TObject*) { ++others; }
    int hits = 0;
    int others = 0;
};

} // namespace

TEST(TEventTest, EmptyHandlersAreEqualAndCallingThemDoesNothing) {
    TNotifyEvent a;
    TNotifyEvent b = nullptr;
    EXPECT_FALSE(a);
    EXPECT_TRUE(a == b);
    a(nullptr); // must not throw
}

TEST(TEventTest, BoundMembersCompareByObjectAndMethod) {
    Counter first, second;
    const TNotifyEvent a(&first, &Counter::Hit);
    const TNotifyEvent again(&first, &Counter::Hit);
    const TNotifyEvent otherMethod(&first, &Counter::Other);
    const TNotifyEvent otherObject(&second, &Counter::Hit);
    EXPECT_TRUE(a == again);
    EXPECT_FALSE(a == otherMethod);
    EXPECT_FALSE(a == otherObject);
    EXPECT_FALSE(a == TNotifyEvent());
    a(nullptr);
    again(nullptr);
    EXPECT_EQ(first.hits, 2);
    EXPECT_EQ(second.hits, 0);
}

TEST(TEventTest, FunctionHandlersCompareByValueIdentity) {
    int calls = 0;
    const auto handler = TNotifyEvent::fromFunction([&calls](TObject*) { ++calls; });
    const TNotifyEvent copy = handler;
    const auto lookalike = TNotifyEvent::fromFunction([&calls](TObject*) { ++calls; });
    EXPECT_TRUE(handler == copy);
    EXPECT_FALSE(handler == lookalike);
    copy(nullptr);
    EXPECT_EQ(calls, 1);
}

TEST(TEventTest, ChainingSavesAndRestoresTheHandlerThatWasThere) {
    // A component takes over an event, chains to the saved handler and gives it back.
    Counter original;
    TNotifyEvent slot(&original, &Counter::Hit);
    const TNotifyEvent saved = slot;
    int hookCalls = 0;
    const auto hook = TNotifyEvent::fromFunction([&](TObject* sender) {
        ++hookCalls;
        saved(sender);
    });
    slot = hook;
    slot(nullptr);
    EXPECT_EQ(hookCalls, 1);
    EXPECT_EQ(original.hits, 1);
    ASSERT_TRUE(slot == hook); // still ours, so it may be written back
    slot = saved;
    slot(nullptr);
    EXPECT_EQ(hookCalls, 1);
    EXPECT_EQ(original.hits, 2);
}

TEST(TEventTest, ReferenceParametersLetHandlersAnswer) {
    TEvent<TObject*, bool&> canClose =
        TEvent<TObject*, bool&>::fromFunction([](TObject*, bool& answer) { answer = false; });
    bool answer = true;
    canClose(nullptr, answer);
    EXPECT_FALSE(answer);
}
