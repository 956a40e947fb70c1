#include <gtest/gtest.h>

#include <functional>
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

TEST(ComponentTest, NamesAreEmptyOrIdentifiers) {
    Probe owner(nullptr);
    auto* a = new Probe(&owner);
    for (const std::string name : {"_x", "Memo1", "a_1", ""}) {
        a->SetName(name);
        EXPECT_EQ(a->Name(), name);
    }
    a->SetName("Kept");
    for (const std::string name : {"1a", "a b", "a.b", "B\r\n  Left = 7", "caf\xE9"}) {
        EXPECT_THROW(a->SetName(name), EComponentError) << name;
        EXPECT_EQ(a->Name(), "Kept");
    }
    EXPECT_EQ(owner.FindComponent("kept"), a);
    try {
        a->SetName("B\r\n");
        FAIL() << "accepted";
    } catch (const EComponentError& e) {
        EXPECT_STREQ(e.what(), "The component name \"B#13#10\" is not a valid identifier");
    }
}

// Records the order in which components hear of others, by name.
class Listener : public TComponent {
public:
    using TComponent::TComponent;
    void Notification(TComponent* component, TOperation operation) override {
        if (journal) journal->push_back(Name() + (operation == TOperation::opInsert ? "+" : "-"));
        if (onHear) onHear(component, operation);
        TComponent::Notification(component, operation);
    }
    std::vector<std::string>* journal = nullptr;
    std::function<void(TComponent*, TOperation)> onHear;
};

TEST(ComponentNotificationTest, EveryComponentHearsInListOrderAlsoWhenAHandlerRemovesOrAdds) {
    std::vector<std::string> journal;
    TComponent owner(nullptr);
    std::vector<Listener*> l;
    for (const char* name : {"a", "b", "c", "d"}) {
        l.push_back(new Listener(&owner));
        l.back()->SetName(name);
        l.back()->journal = &journal;
    }
    // While b hears of e, it deletes c (not told yet) and adds n (which
    // was not there when e came, so it is not told of e).
    Listener* n = nullptr;
    l[1]->onHear = [&](TComponent* component, TOperation operation) {
        if (operation != TOperation::opInsert || component->Name() != "e") return;
        delete l[2];
        n = new Listener(&owner);
        n->SetName("n");
        n->journal = &journal;
    };
    auto* e = new Listener(nullptr);
    e->SetName("e");
    e->journal = &journal;
    journal.clear();
    owner.InsertComponent(e);
    EXPECT_EQ(journal, (std::vector<std::string>{"a+", "b+",                // e comes
                                                 "a-", "b-", "d-", "e-",    // c goes, inside b's handler
                                                 "a+", "b+", "d+", "e+",    // n comes, inside b's handler
                                                 "d+"}));                   // the rest hear of e

    journal.clear();
    delete l[0];
    EXPECT_EQ(journal, (std::vector<std::string>{"b-", "d-", "e-", "n-"}));
    ASSERT_EQ(owner.ComponentCount(), 4u);
    EXPECT_EQ(owner.Components(0), l[1]);
    EXPECT_EQ(owner.Components(1), l[3]);
    EXPECT_EQ(owner.Components(2), e);
    EXPECT_EQ(owner.Components(3), n);
}

// Counts what it hears, but asks to hear only what it must, like a class
// that keeps the inherited Notification.
class QuietCounter : public TComponent {
public:
    explicit QuietCounter(TComponent* owner) : TComponent(owner) { SetHandlesNotifications(false); }
    void Notification(TComponent* component, TOperation operation) override {
        ++heard;
        TComponent::Notification(component, operation);
    }
    int heard = 0;
};

static_assert(!kOverridesNotification<TComponent>);
static_assert(kOverridesNotification<Listener>);

TEST(ComponentNotificationTest, QuietComponentsHearOnlyWhileTheyOwnOrLinkAListener) {
    TComponent owner(nullptr);
    auto* quiet = new QuietCounter(&owner);
    auto* parent = new QuietCounter(&owner);
    std::vector<std::string> journal;
    auto* inner = new Listener(parent);
    inner->SetName("inner");
    inner->journal = &journal;

    parent->heard = 0;  // an owner always hears of its own components
    new TComponent(&owner);
    EXPECT_EQ(quiet->heard, 0);
    EXPECT_EQ(parent->heard, 1);  // it passes the news on to its listener
    EXPECT_EQ(journal, (std::vector<std::string>{"inner+"}));

    delete inner;
    parent->heard = 0;
    new TComponent(&owner);
    EXPECT_EQ(parent->heard, 0);

    // A link makes it hear: removed from the owner, the partner is dropped.
    auto* partner = new TComponent(&owner);
    partner->FreeNotification(quiet);
    owner.RemoveComponent(partner);
    EXPECT_EQ(quiet->heard, 1);
    delete partner;
    EXPECT_EQ(quiet->heard, 1);
    new TComponent(&owner);
    EXPECT_EQ(quiet->heard, 1);
}

// A plain component acts on no notification. Made with `new`, each used to
// be told of every later sibling: 16,000 of them took seconds, growing with
// the square of the count.
TEST(ComponentNotificationTest, PlainComponentsAreNotToldOfTheirSiblings) {
    constexpr int kCount = 50000;
    TComponent owner(nullptr);
    auto* listener = new Listener(&owner);
    int heard = 0;
    listener->onHear = [&](TComponent*, TOperation) { ++heard; };
    const std::uint64_t before = NotificationsHandedOn();
    for (int i = 0; i < kCount; ++i) new TComponent(&owner);
    EXPECT_EQ(heard, kCount);
    EXPECT_EQ(NotificationsHandedOn() - before, std::uint64_t(kCount));  // the listener's alone

    // One that comes to own a listener passes the news on to it.
    TComponent* plain = owner.Components(1);
    std::vector<std::string> journal;
    auto* inner = new Listener(plain);
    inner->SetName("inner");
    inner->journal = &journal;
    new TComponent(&owner);
    EXPECT_EQ(journal, std::vector<std::string>{"inner+"});
    delete inner;
    new TComponent(&owner);
    EXPECT_EQ(journal, std::vector<std::string>{"inner+"});
}

// Until its TComponent part is built, every component looks like a plain
// one: one told of a sibling then must still hear as its own class later.
TEST(ComponentNotificationTest, AComponentToldOfASiblingWhileBeingMadeKeepsHearing) {
    Listener owner(nullptr);
    bool adding = false;
    owner.onHear = [&](TComponent*, TOperation operation) {
        if (operation != TOperation::opInsert || adding) return;
        adding = true;
        new TComponent(&owner);  // reaches the newcomer inside its TComponent constructor
        adding = false;
    };
    std::vector<std::string> journal;
    auto* newcomer = new Listener(&owner);
    newcomer->SetName("newcomer");
    newcomer->journal = &journal;
    owner.onHear = nullptr;
    new TComponent(&owner);
    EXPECT_EQ(journal, std::vector<std::string>{"newcomer+"});
}

// A component told that a partner left its owner drops the link on both
// sides, so neither keeps a pointer to the other when one goes later.
TEST(ComponentTest, ALinkDroppedOnRemovalIsDroppedOnBothSides) {
    Probe owner(nullptr);
    auto* target = new Probe(&owner);
    auto* watcher = new Probe(&owner);
    watcher->partner = target;
    target->FreeNotification(watcher);
    owner.RemoveComponent(target);
    EXPECT_EQ(watcher->partner, nullptr);
    delete watcher;
    delete target;  // must not reach the watcher (ASan reports a use after free otherwise)
    EXPECT_EQ(owner.ComponentCount(), 0u);
}

TEST(ComponentTest, ListsIndexesAndNamesStayRightThroughRemovalsAnywhere) {
    TolerantOwner owner(nullptr);
    std::vector<TComponent*> made;
    for (int i = 0; i < 12; ++i) {
        made.push_back(NewComponent<TComponent>(&owner));
        std::string name = "N";  // not "N" + ...: GCC 12 warns falsely (-Wrestrict) on that
        name += std::to_string(i);
        made.back()->SetName(i % 3 == 0 ? "Same" : name);
    }
    // Remove from the front, the middle and the back, in that order.
    for (int i : {0, 1, 6, 11, 10, 4}) delete made[std::size_t(i)];
    const std::vector<int> left = {2, 3, 5, 7, 8, 9};
    ASSERT_EQ(owner.ComponentCount(), left.size());
    for (std::size_t i = 0; i < left.size(); ++i) EXPECT_EQ(owner.Components(i), made[std::size_t(left[i])]);
    EXPECT_THROW(owner.Components(left.size()), std::out_of_range);
    EXPECT_EQ(owner.FindComponent("same"), made[3]);  // the first of those left
    made[3]->SetName("Other");
    EXPECT_EQ(owner.FindComponent("SAME"), made[9]);
    EXPECT_EQ(owner.FindComponent("n6"), nullptr);
    auto* added = NewComponent<TComponent>(&owner);
    added->SetName("Same");
    EXPECT_EQ(owner.FindComponent("same"), made[9]);
    EXPECT_EQ(owner.Components(owner.ComponentCount() - 1), added);
}

// A count that took minutes when each insertion walked and searched the
// whole list: inserting, finding and removing it must stay near linear.
TEST(ComponentTest, TensOfThousandsOfSiblingsComeAndGo) {
    constexpr int kCount = 60000;
    TComponent owner(nullptr);
    std::vector<std::string> journal;
    auto* listener = new Listener(&owner);
    int heard = 0;
    listener->onHear = [&](TComponent*, TOperation) { ++heard; };
    std::vector<TComponent*> made;
    for (int i = 0; i < kCount; ++i) {
        made.push_back(NewComponent<TComponent>(&owner));
        std::string name = "C";  // not "C" + ...: GCC 12 warns falsely (-Wrestrict) on that
        name += std::to_string(i);
        made.back()->SetName(name);
    }
    EXPECT_EQ(heard, kCount);
    EXPECT_EQ(owner.FindComponent("c59999"), made.back());
    for (int i = 0; i < kCount; i += 2) delete made[std::size_t(i)];
    EXPECT_EQ(heard, kCount + kCount / 2);
    ASSERT_EQ(owner.ComponentCount(), std::size_t(kCount / 2 + 1));
    EXPECT_EQ(owner.Components(1), made[1]);
    EXPECT_EQ(owner.FindComponent("C2"), nullptr);
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
