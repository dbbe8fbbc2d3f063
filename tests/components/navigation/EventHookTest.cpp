#include "components/navigation/EEventHook.h"
#include "components/navigation/TEventHook.h"
#include "components/navigation/THookList.h"
#include "platform/db/TDataSource.h"

#include <gtest/gtest.h>
#include <memory>

namespace {
// Handlers H0, HA, HB, HC that record their name when called.
struct Handlers : TObject {
    QStringList calls;
    void H0(TObject*) { calls << "H0"; }
    void HA(TObject*) { calls << "HA"; }
    void HB(TObject*) { calls << "HB"; }
    void HC(TObject*) { calls << "HC"; }
};

class EventHookTest : public testing::Test {
protected:
    EventHookTest() { source.OnStateChange = TNotifyEvent(&h, &Handlers::H0); }

    // Makes a hook and installs `handler`, as a hooking component does.
    std::unique_ptr<TEventHook> Hook(void (Handlers::*handler)(TObject*)) {
        auto hook = std::make_unique<TEventHook>(&source, QStringLiteral("OnStateChange"));
        source.OnStateChange = TNotifyEvent(&h, handler);
        return hook;
    }
    TNotifyEvent Current() const { return source.OnStateChange; }
    TNotifyEvent Of(void (Handlers::*handler)(TObject*)) { return TNotifyEvent(&h, handler); }

    Handlers h;
    TDataSource source;
};

TEST_F(EventHookTest, EachHookSavesTheHandlerBeforeIt) {
    auto a = Hook(&Handlers::HA);
    auto b = Hook(&Handlers::HB);
    EXPECT_TRUE(a->SavedHandler<TNotifyEvent>() == Of(&Handlers::H0));
    EXPECT_TRUE(b->SavedHandler<TNotifyEvent>() == Of(&Handlers::HA));
    EXPECT_TRUE(Current() == Of(&Handlers::HB));
}

TEST_F(EventHookTest, RemovedInCreationOrderEndsWithTheFirstHandler) {
    auto a = Hook(&Handlers::HA);
    auto b = Hook(&Handlers::HB);
    a.reset();
    EXPECT_TRUE(Current() == Of(&Handlers::HB)); // the property keeps the last hook's handler
    EXPECT_TRUE(b->SavedHandler<TNotifyEvent>() == Of(&Handlers::H0));
    b.reset();
    EXPECT_TRUE(Current() == Of(&Handlers::H0));
}

TEST_F(EventHookTest, RemovedInReverseOrderEndsWithTheFirstHandler) {
    auto a = Hook(&Handlers::HA);
    auto b = Hook(&Handlers::HB);
    b.reset();
    EXPECT_TRUE(Current() == Of(&Handlers::HA));
    a.reset();
    EXPECT_TRUE(Current() == Of(&Handlers::H0));
}

TEST_F(EventHookTest, RemovedFromTheMiddleTheNextHookChainsPastIt) {
    auto a = Hook(&Handlers::HA);
    auto b = Hook(&Handlers::HB);
    auto c = Hook(&Handlers::HC);
    b.reset();
    EXPECT_TRUE(c->SavedHandler<TNotifyEvent>() == Of(&Handlers::HA));
    EXPECT_TRUE(Current() == Of(&Handlers::HC));
    c.reset();
    EXPECT_TRUE(Current() == Of(&Handlers::HA));
    a.reset();
    EXPECT_TRUE(Current() == Of(&Handlers::H0));
    EXPECT_TRUE(THookList::Instance().Hooks(&source, QStringLiteral("OnStateChange")).empty());
}

TEST_F(EventHookTest, UnknownPropertyAndPlainPropertyAreRefused) {
    try {
        TEventHook hook(&source, QStringLiteral("OnNothing"));
        FAIL() << "no error";
    } catch (const EEventHook& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Evento \"OnNothing\" não encontrado"));
    }
    try {
        TEventHook hook(&source, QStringLiteral("Name"));
        FAIL() << "no error";
    } catch (const EEventHook& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Propriedade \"Name\" não é um evento"));
    }
    EXPECT_TRUE(THookList::Instance().Hooks(&source, QStringLiteral("OnNothing")).empty());
    EXPECT_TRUE(THookList::Instance().Hooks(&source, QStringLiteral("Name")).empty());
}

TEST_F(EventHookTest, ComponentsWithTheSameNameKeepSeparateChains) {
    TDataSource other; // both unnamed
    other.OnStateChange = Of(&Handlers::HC);
    auto a = Hook(&Handlers::HA);
    TEventHook onOther(&other, QStringLiteral("OnStateChange"));
    other.OnStateChange = Of(&Handlers::HB);
    a.reset();
    EXPECT_TRUE(Current() == Of(&Handlers::H0));
    EXPECT_TRUE(other.OnStateChange == Of(&Handlers::HB));
    EXPECT_TRUE(onOther.SavedHandler<TNotifyEvent>() == Of(&Handlers::HC));
}

TEST_F(EventHookTest, AnAbandonedHookLeavesThePropertyAlone) {
    auto a = Hook(&Handlers::HA);
    a->Abandon();
    a.reset();
    EXPECT_TRUE(Current() == Of(&Handlers::HA));
}

TEST_F(EventHookTest, PropertyNamesAreCaseInsensitive) {
    TEventHook hook(&source, QStringLiteral("onstatechange"));
    EXPECT_TRUE(hook.SavedHandler<TNotifyEvent>() == Of(&Handlers::H0));
}
} // namespace
