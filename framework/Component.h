// Components: persistent objects with a name, an owner that frees them, and
// free notification.
//
// Lifetime: a component created with an owner is inserted into the owner's
// list and deleted by the owner's destructor (last inserted first). Deleting
// an owned component yourself is allowed; it leaves its owner's list. A
// component without owner belongs to whoever created it.
//
// Notification: when a component is inserted into an owner or leaves it, the
// owner receives Notification(component, opInsert or opRemove) and by
// default passes it on to the components it owns, in list order,
// recursively; when a component goes away, so do all components that asked
// for it with FreeNotification. Overrides clear their references to the
// component and then call the base. On opRemove the component may be being
// destroyed: compare its address, do not call it.
//
// Cost: an owner keeps an index of its components' names and the ordered
// set of those that must hear notifications, so that inserting, finding and
// removing a component takes logarithmic time and a notification walks only
// the components that can act on it. A component whose class keeps the
// inherited Notification (made through NewComponent, as the class registries
// do) must hear one only when it owns or links to a component that must. A
// plain TComponent made with `new` is found out the first time it would be
// told something, and is treated the same from then on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "framework/Persistent.h"

namespace framework {

enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
public:
    static constexpr std::string_view kClassName = "TComponent";

    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    std::string_view ClassName() const override { return kClassName; }

    const std::string& Name() const { return name_; }
    // A name is empty or an identifier (a letter or '_', then letters,
    // digits and '_'). Throws EComponentError for any other name, and when
    // the owner keeps names unique and already has another component of
    // that name (names are compared without regard to case).
    void SetName(const std::string& name);
    // Whether the components this one owns must have distinct names. True
    // for forms (their fields are found by name); an owner whose parts may
    // share a name, found by the first match, returns false.
    virtual bool UniqueComponentNames() const { return true; }

    TComponent* Owner() const { return owner_; }
    std::size_t ComponentCount() const { return components_.size() - vacant_; }
    // Throws std::out_of_range outside 0 .. ComponentCount() - 1.
    TComponent* Components(std::size_t index) const;
    // The first owned component with that name (ASCII case ignored), or nullptr.
    TComponent* FindComponent(std::string_view name) const;

    // Takes `component` into this component's list; it leaves its old owner.
    void InsertComponent(TComponent* component);
    // Drops `component` from the list without deleting it; the caller owns it.
    void RemoveComponent(TComponent* component);

    // Asks `component` to send this one Notification(component, opRemove)
    // when it goes away. Both directions are kept, so either may go first.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // True while a component stream reads this component: from its name to
    // just before Loaded().
    bool Loading() const { return loading_; }
    void SetLoading(bool loading) { loading_ = loading; }

    // True from the start of the destructor (of the most derived class
    // that calls BeginDestruction, so that its own teardown already counts).
    bool Destroying() const { return destroying_; }

    virtual void Notification(TComponent* component, TOperation operation);

    // False for a component whose Notification is TComponent's own: it is
    // then told only while it owns or links to a component that must be.
    // NewComponent sets it; a class that overrides Notification keeps true.
    void SetHandlesNotifications(bool handles);

    // ---- hooks for component streams --------------------------------------

    // A nested object in a stream was read inside this one (for controls:
    // the parent control). Default: nothing.
    virtual void SetParentComponent(TComponent* /*parent*/) {}
    // The nested objects written inside this one, in stream order.
    // Default: none.
    virtual std::vector<TComponent*> GetChildren() const { return {}; }
    // Whether a stream may nest objects inside this one. A class that keeps
    // its children elsewhere (in a binary property) returns false, and a
    // stream that nests objects in it is a read error.
    virtual bool AcceptsNestedObjects() const { return true; }
    // Called on every component of a stream after the whole stream was read.
    virtual void Loaded() {}
    // The handler for an event property whose stored value is `name`; an
    // empty function when this component has no such method. Roots (forms)
    // override it.
    virtual TNotifyEvent MethodAddress(std::string_view /*name*/) { return {}; }

protected:
    // Marks the component as being destroyed; a destructor whose teardown
    // sends messages (destroying a window) calls it first.
    void BeginDestruction() { destroying_ = true; }

private:
    bool MustHearNotifications() const;
    // Whether the walk of the owner's listeners tells this component; a
    // plain TComponent leaves the listeners here unless it must hear.
    bool HearsNotifications();
    // Brings this component's place in its owner's listener set up to date,
    // and the owner's in its own owner's, as far as anything changes.
    void UpdateListening();
    void DropFreeNotification(TComponent* component);
    void Compact() const;

    std::string name_;
    TComponent* owner_ = nullptr;
    // The owned components in insertion order. A component that leaves
    // mid-list leaves a null slot until the list is compacted, so that
    // removing is constant time; `head_` null slots lead the list.
    mutable std::vector<TComponent*> components_;
    mutable std::size_t vacant_ = 0;
    mutable std::size_t head_ = 0;
    // Position in the owner's list, and the key of insertion order there.
    mutable std::size_t ownerSlot_ = 0;
    std::uint64_t ownerOrder_ = 0;
    std::uint64_t nextOrder_ = 0;
    // Owned components by folded name and insertion order.
    std::map<std::pair<std::string, std::uint64_t>, TComponent*> names_;
    // Owned components that must hear notifications, by insertion order.
    std::map<std::uint64_t, TComponent*> listeners_;
    std::vector<TComponent*> freeNotifies_;
    bool handlesNotifications_ = true;
    // Whether handlesNotifications_ was set by the class or found from it.
    bool classChecked_ = false;
    // Set at the end of TComponent's constructor: before that the dynamic
    // type is TComponent whatever the class.
    bool constructed_ = false;
    bool listedWithOwner_ = false;
    bool destroying_ = false;
    bool loading_ = false;
};

// How many times an owner has handed a notification on to one of its
// components since the program started: what a change cost, for tests and
// benchmarks.
std::uint64_t NotificationsHandedOn();

// Whether T, or a class between T and TComponent, overrides Notification.
template <class T>
inline constexpr bool kOverridesNotification =
    !std::is_same_v<decltype(&T::Notification), void (TComponent::*)(TComponent*, TOperation)>;

// Creates a T owned by `owner` (by the caller when nullptr). A T that keeps
// the inherited Notification hears notifications only when it must.
template <class T>
T* NewComponent(TComponent* owner) {
    T* component = new T(owner);
    if constexpr (!kOverridesNotification<T>) component->SetHandlesNotifications(false);
    return component;
}

}  // namespace framework
