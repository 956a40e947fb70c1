// Components: persistent objects with a name, an owner that frees them, and
// free notification.
//
// Lifetime: a component created with an owner is inserted into the owner's
// list and deleted by the owner's destructor (last inserted first). Deleting
// an owned component yourself is allowed; it leaves its owner's list. A
// component without owner belongs to whoever created it.
//
// Notification: when a component goes away, its owner receives
// Notification(component, TOperation::opRemove) and by default passes it on
// to every component it owns, recursively; so do all components that asked
// for it with FreeNotification. Overrides clear their references to the
// component and then call the base. The component is being destroyed at that
// point: compare its address, do not call it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
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
    // Throws std::invalid_argument when the owner keeps names unique and
    // already has another component of that name (names are compared
    // without regard to case).
    void SetName(const std::string& name);
    // Whether the components this one owns must have distinct names. True
    // for forms (their fields are found by name); an owner whose parts may
    // share a name, found by the first match, returns false.
    virtual bool UniqueComponentNames() const { return true; }

    TComponent* Owner() const { return owner_; }
    std::size_t ComponentCount() const { return components_.size(); }
    TComponent* Components(std::size_t index) const { return components_.at(index); }
    // The owned component with that name (ASCII case ignored), or nullptr.
    TComponent* FindComponent(std::string_view name) const;

    // Takes `component` into this component's list; it leaves its old owner.
    void InsertComponent(TComponent* component);
    // Drops `component` from the list without deleting it; the caller owns it.
    void RemoveComponent(TComponent* component);

    // Asks `component` to send this one Notification(component, opRemove)
    // when it goes away. Both directions are kept, so either may go first.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // True from the start of the destructor.
    bool Destroying() const { return destroying_; }

    virtual void Notification(TComponent* component, TOperation operation);

    // ---- hooks for component streams --------------------------------------

    // A nested object in a stream was read inside this one (for controls:
    // the parent control). Default: nothing.
    virtual void SetParentComponent(TComponent* /*parent*/) {}
    // The nested objects written inside this one, in stream order.
    // Default: none.
    virtual std::vector<TComponent*> GetChildren() const { return {}; }
    // Called on every component of a stream after the whole stream was read.
    virtual void Loaded() {}
    // The handler for an event property whose stored value is `name`; an
    // empty function when this component has no such method. Roots (forms)
    // override it.
    virtual TNotifyEvent MethodAddress(std::string_view /*name*/) { return {}; }

private:
    void DropFreeNotification(TComponent* component);

    std::string name_;
    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    bool destroying_ = false;
};

}  // namespace framework
