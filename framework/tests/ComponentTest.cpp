#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "framework/ClassRegistry.h"
#include "framework/Component.h"
#include "framework/FrameworkError.h"

namespace framework {
namespace {

// Records its own destruction and clears its reference to a partner that goes away.
class Probe : public TComponent {
public:
    static constexpr std::string_view kClassName = "TProbe";
    Probe(TComponent* owner, std::vector<std::string>* log = nullptr) : TComponent(owner), log_(log) {}
    ~Probe() override {
        if (log_) log_->push_back("~" + Name());
    }
    std::string_view ClassName() const override { return kClassName; }

    void Notification(TComponent* component, TOperation operation) override {
        if (operation == TOperation::opRemove && component == partner) partner = nullptr;
        TComponent::Notification(component, operation);
    }

    TComponent* partner = nullptr;

private:
    std::vector<std::string>* log_;
};

TEST(ComponentTest, OwnerFreesItsComponentsLastInsertedFirst) {
    std::vector<std::string> log;
    {
        Probe owner(nullptr, &log);
        owner.SetName("owner");
        auto* a = new Probe(&owner, &log);
        a->SetName("a");
        auto* b = new Probe(&owner, &log);
        b->SetName("b");
        auto* grandchild = new Probe(a, &log);
        grandchild->SetName("a1");
        EXPECT_EQ(owner.ComponentCount(), 2u);
        EXPECT_EQ(owner.FindComponent("B"), b);
        EXPECT_EQ(a->Owner(), &owner);
    }
    EXPECT_EQ(log, (std::vector<std::string>{"~owner", "~b", "~a", "~a1"}));
}

TEST(ComponentTest, DeletingAnOwnedComponentRemovesItFromItsOwner) {
    Probe owner(nullptr);
    auto* a = new Probe(&owner);
    auto* b = new Probe(&owner);
    delete a;
    ASSERT_EQ(owner.ComponentCount(), 1u);
    EXPECT_EQ(owner.Components(0), b);
}

TEST(ComponentTest, SiblingsAndFreeNotificationPartnersLearnOfRemoval) {
    Probe owner(nullptr);
    auto* engine = new Probe(&owner);
    auto* sibling = new Probe(&owner);
    sibling->partner = engine;
    Probe outsider(nullptr);
    outsider.partner = engine;
    engine->FreeNotification(&outsider);
    delete engine;
    EXPECT_EQ(sibling->partner, nullptr);   // through the owner's broadcast
    EXPECT_EQ(outsider.partner, nullptr);   // through free notification
}

TEST(ComponentTest, FreeNotificationIsDroppedWhenEitherSideGoesFirst) {
    auto target = std::make_unique<Probe>(nullptr);
    {
        Probe watcher(nullptr);
        watcher.partner = target.get();
        target->FreeNotification(&watcher);
    }
    // The watcher is gone; destroying the target must not reach it (ASan
    // reports a use after free otherwise).
    target.reset();
    SUCCEED();
}

TEST(ComponentTest, NamesAreUniqueWithinAnOwner) {
    Probe owner(nullptr);
    auto* a = new Probe(&owner);
    a->SetName("Memo1");
    auto* b = new Probe(&owner);
    EXPECT_THROW(b->SetName("memo1"), std::invalid_argument);
    b->SetName("Memo2");
    a->SetName("Memo1");  // renaming to its own name is fine
    EXPECT_EQ(owner.FindComponent("memo2"), b);
}

// An owner that allows shared names (found by first match) accepts them.
class TolerantOwner : public Probe {
public:
    using Probe::Probe;
    bool UniqueComponentNames() const override { return false; }
};

TEST(ComponentTest, AnOwnerMayAllowSharedNames) {
    TolerantOwner owner(nullptr);
    auto* a = new Probe(&owner);
    a->SetName("Button");
    auto* b = new Probe(&owner);
    b->SetName("button");
    EXPECT_EQ(owner.FindComponent("BUTTON"), a);
}

TEST(ClassRegistryTest, CreatesRegisteredClassesByExactName) {
    RegisterComponentClass<Probe>();
    Probe owner(nullptr);
    TComponent& created = CreateOwnedComponent("TProbe", owner);
    EXPECT_EQ(created.ClassName(), "TProbe");
    EXPECT_EQ(created.Owner(), &owner);
    EXPECT_EQ(FindComponentClass("tprobe"), nullptr);
    try {
        CreateComponent("TMissing");
        FAIL() << "no error";
    } catch (const EClassNotFound& e) {
        EXPECT_STREQ(e.what(), "Class TMissing not found");
    }
    UnregisterComponentClass("TProbe");
    EXPECT_EQ(FindComponentClass("TProbe"), nullptr);
}

}  // namespace
}  // namespace framework
