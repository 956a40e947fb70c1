#include "framework/Component.h"

#include <algorithm>
#include <stdexcept>
#include <typeinfo>

#include "framework/FrameworkError.h"
#include "framework/TextUtil.h"

namespace framework {

const PropertyTable& TPersistent::ClassProperties() {
    static const PropertyTable table(nullptr, {});
    return table;
}

namespace {
std::uint64_t handedOn = 0;
}  // namespace

std::uint64_t NotificationsHandedOn() { return handedOn; }

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
    constructed_ = true;
}

TComponent::~TComponent() {
    destroying_ = true;
    // Partners first, while this component's own list is still intact.
    while (!freeNotifies_.empty()) {
        TComponent* partner = freeNotifies_.back();
        freeNotifies_.pop_back();
        partner->DropFreeNotification(this);
        partner->Notification(this, TOperation::opRemove);
    }
    while (!components_.empty()) {
        TComponent* child = components_.back();
        components_.pop_back();
        if (!child) {
            --vacant_;
            continue;
        }
        // The indexes never hold a component that is gone: a child's own
        // destructor may still ask this owner for its components.
        if (!child->name_.empty()) names_.erase({FoldedText(child->name_), child->ownerOrder_});
        listeners_.erase(child->ownerOrder_);
        child->owner_ = nullptr;
        child->listedWithOwner_ = false;
        delete child;
    }
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::SetName(const std::string& name) {
    if (!name.empty() && !IsIdentifier(name)) {
        throw EComponentError("The component name " + QuotedForMessage(name) + " is not a valid identifier");
    }
    if (owner_ && owner_->UniqueComponentNames() && !name.empty()) {
        TComponent* other = owner_->FindComponent(name);
        if (other && other != this) throw EComponentError("A component named " + name + " already exists");
    }
    if (owner_) {
        if (!name_.empty()) owner_->names_.erase({FoldedText(name_), ownerOrder_});
        if (!name.empty()) owner_->names_.emplace(std::pair{FoldedText(name), ownerOrder_}, this);
    }
    name_ = name;
}

TComponent* TComponent::Components(std::size_t index) const {
    if (index >= ComponentCount()) throw std::out_of_range("component index out of range");
    // Without gaps after the leading ones the slot is found directly.
    if (vacant_ != head_) Compact();
    return components_[head_ + index];
}

void TComponent::Compact() const {
    std::size_t to = 0;
    for (TComponent* c : components_) {
        if (!c) continue;
        c->ownerSlot_ = to;
        components_[to++] = c;
    }
    components_.resize(to);
    vacant_ = 0;
    head_ = 0;
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    const std::string folded = FoldedText(name);
    auto it = names_.lower_bound({folded, 0});
    return it != names_.end() && it->first.first == folded ? it->second : nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (!component || component->owner_ == this) return;
    if (component->owner_) component->owner_->RemoveComponent(component);
    component->owner_ = this;
    component->ownerOrder_ = nextOrder_++;
    component->ownerSlot_ = components_.size();
    components_.push_back(component);
    if (!component->name_.empty()) names_.emplace(std::pair{FoldedText(component->name_), component->ownerOrder_}, component);
    component->UpdateListening();
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    if (!component || component->owner_ != this) return;
    if (!component->name_.empty()) names_.erase({FoldedText(component->name_), component->ownerOrder_});
    if (component->listedWithOwner_) {
        listeners_.erase(component->ownerOrder_);
        component->listedWithOwner_ = false;
    }
    const std::size_t slot = component->ownerSlot_;
    components_[slot] = nullptr;
    ++vacant_;
    while (!components_.empty() && !components_.back()) {
        components_.pop_back();
        --vacant_;
    }
    head_ = std::min(head_, components_.size());
    while (head_ < components_.size() && !components_[head_]) ++head_;
    // Gaps never take more room than the components themselves.
    if (vacant_ > ComponentCount()) Compact();
    component->owner_ = nullptr;
    UpdateListening();
    if (!destroying_) Notification(component, TOperation::opRemove);
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
        freeNotifies_.push_back(component);
        component->freeNotifies_.push_back(this);
        UpdateListening();
        component->UpdateListening();
    }
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component) return;
    DropFreeNotification(component);
    component->DropFreeNotification(this);
}

void TComponent::DropFreeNotification(TComponent* component) {
    // Links usually go in the reverse order of their making: look from the end.
    auto it = std::find(freeNotifies_.rbegin(), freeNotifies_.rend(), component);
    if (it == freeNotifies_.rend()) return;
    freeNotifies_.erase(std::next(it).base());
    UpdateListening();
}

void TComponent::SetHandlesNotifications(bool handles) {
    handlesNotifications_ = handles;
    classChecked_ = true;  // the caller knows the class
    UpdateListening();
}

bool TComponent::HearsNotifications() {
    // Until its TComponent part is complete, and again in TComponent's
    // destructor, every component is of type TComponent: judge it in between.
    if (!classChecked_ && constructed_ && !destroying_) {
        classChecked_ = true;
        if (handlesNotifications_ && typeid(*this) == typeid(TComponent)) {
            handlesNotifications_ = false;
            UpdateListening();
        }
    }
    return MustHearNotifications();
}

bool TComponent::MustHearNotifications() const {
    return handlesNotifications_ || !freeNotifies_.empty() || !listeners_.empty();
}

void TComponent::UpdateListening() {
    for (TComponent* c = this; c->owner_;) {
        const bool must = c->MustHearNotifications();
        if (must == c->listedWithOwner_) return;
        if (must) {
            c->owner_->listeners_.emplace(c->ownerOrder_, c);
        } else {
            c->owner_->listeners_.erase(c->ownerOrder_);
        }
        c->listedWithOwner_ = must;
        c = c->owner_;
    }
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    // Both sides of a link go: a one-sided link would leave the partner
    // with a pointer to this component after it is destroyed.
    if (operation == TOperation::opRemove) RemoveFreeNotification(component);
    // A handler may remove or add components: the walk goes on after the
    // last one told, by insertion order, up to those that were there when it
    // began.
    const std::uint64_t end = nextOrder_;
    for (auto it = listeners_.begin(); it != listeners_.end() && it->first < end;) {
        const std::uint64_t order = it->first;
        TComponent* listener = it->second;
        if (listener != component && listener->HearsNotifications()) {
            ++handedOn;
            listener->Notification(component, operation);
        }
        it = listeners_.upper_bound(order);
    }
}

}  // namespace framework
