#include "framework/Component.h"

#include <algorithm>
#include <stdexcept>

#include "framework/TextUtil.h"

namespace framework {

const PropertyTable& TPersistent::ClassProperties() {
    static const PropertyTable table(nullptr, {});
    return table;
}

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
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
        child->owner_ = nullptr;
        delete child;
    }
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::SetName(const std::string& name) {
    if (owner_ && owner_->UniqueComponentNames() && !name.empty()) {
        TComponent* other = owner_->FindComponent(name);
        if (other && other != this) throw std::invalid_argument("A component named " + name + " already exists");
    }
    name_ = name;
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : components_) {
        if (SameText(c->name_, name)) return c;
    }
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (!component || component->owner_ == this) return;
    if (component->owner_) component->owner_->RemoveComponent(component);
    components_.push_back(component);
    component->owner_ = this;
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it == components_.end()) return;
    components_.erase(it);
    component->owner_ = nullptr;
    if (!destroying_) Notification(component, TOperation::opRemove);
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
        freeNotifies_.push_back(component);
        component->freeNotifies_.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component) return;
    DropFreeNotification(component);
    component->DropFreeNotification(this);
}

void TComponent::DropFreeNotification(TComponent* component) {
    std::erase(freeNotifies_, component);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::opRemove) DropFreeNotification(component);
    // A handler may delete components of this list; walk a copy and skip
    // those that have left it meanwhile.
    const std::vector<TComponent*> snapshot = components_;
    for (TComponent* c : snapshot) {
        if (c != component && std::find(components_.begin(), components_.end(), c) != components_.end()) {
            c->Notification(component, operation);
        }
    }
}

}  // namespace framework
