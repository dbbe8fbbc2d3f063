#include "platform/base/TComponent.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

class Watcher : public TComponent {
public:
    using TComponent::TComponent;
    std::vector<std::pair<TComponent*, TOperation>> seen;

protected:
    void Notification(TComponent* component, TOperation operation) override {
        seen.emplace_back(component, operation);
    }
};

class LoadedProbe : public TComponent {
public:
    using TComponent::TComponent;
    int loadedCalls = 0;

protected:
    void Loaded() override { ++loadedCalls; }
};

} // namespace

TEST(TComponentTest, NameIsTheObjectNameAndFindsTheComponent) {
    TComponent owner;
    auto* child = new TComponent(&owner);
    child->SetName(QStringLiteral("cdsDeclaracao"));
    EXPECT_EQ(child->objectName(), QStringLiteral("cdsDeclaracao"));
    EXPECT_EQ(owner.FindComponent(QStringLiteral("CDSDECLARACAO")), child);
    EXPECT_EQ(owner.findChild<TComponent*>(QStringLiteral("cdsDeclaracao")), child);
    EXPECT_EQ(owner.FindComponent(QString()), nullptr);
}

TEST(TComponentTest, DuplicateNameInOneOwnerIsRefusedButEmptyNamesMayRepeat) {
    TComponent owner;
    auto* first = new TComponent(&owner);
    auto* second = new TComponent(&owner);
    first->SetName(QStringLiteral("btnOk"));
    EXPECT_THROW(second->SetName(QStringLiteral("BTNOK")), EComponentError);
    EXPECT_TRUE(second->Name().isEmpty());
    auto* third = new TComponent(&owner);
    EXPECT_NO_THROW(third->SetName(QString()));
    EXPECT_EQ(owner.ComponentCount(), 3);
}

TEST(TComponentTest, OwnerFreesWhatItOwnsAndForgetsComponentsFreedEarlier) {
    auto* owner = new TComponent;
    auto* a = new TComponent(owner);
    auto* b = new TComponent(owner);
    delete a;
    ASSERT_EQ(owner->ComponentCount(), 1);
    EXPECT_EQ(owner->Components(0), b);
    delete owner; // frees b; a sanitizer run would catch a double free
}

TEST(TComponentTest, SiblingsAndOwnerSeeInsertionAndRemoval) {
    Watcher owner;
    auto* sibling = new Watcher(&owner);
    auto* added = new TComponent(&owner);
    ASSERT_FALSE(sibling->seen.empty());
    EXPECT_EQ(sibling->seen.back(), std::make_pair(added, TOperation::opInsert));
    delete added;
    EXPECT_EQ(sibling->seen.back(), std::make_pair(added, TOperation::opRemove));
    EXPECT_EQ(owner.seen.back(), std::make_pair(added, TOperation::opRemove));
}

TEST(TComponentTest, FreeNotificationReachesComponentsOfOtherOwners) {
    TComponent formA, formB;
    auto* watcher = new Watcher(&formA);
    auto* watched = new TComponent(&formB);
    watcher->FreeNotification(watched);
    watcher->seen.clear();
    delete watched;
    ASSERT_EQ(watcher->seen.size(), 1u);
    EXPECT_EQ(watcher->seen[0], std::make_pair(watched, TOperation::opRemove));
}

TEST(TComponentTest, WatcherFreedFirstIsNotNotifiedLater) {
    TComponent formA, formB;
    auto* watcher = new Watcher(&formA);
    auto* watched = new TComponent(&formB);
    watcher->FreeNotification(watched);
    delete watcher;
    delete watched; // must not call into the freed watcher
    SUCCEED();
}

TEST(TComponentTest, LoadedRunsOnceWhenLoadingEnds) {
    LoadedProbe probe;
    probe.EndLoading();
    EXPECT_EQ(probe.loadedCalls, 0);
    probe.BeginLoading();
    EXPECT_TRUE(probe.IsLoading());
    probe.EndLoading();
    probe.EndLoading();
    EXPECT_FALSE(probe.IsLoading());
    EXPECT_EQ(probe.loadedCalls, 1);
}
