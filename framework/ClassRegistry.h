// The process-wide registry of component classes, so that a stream can
// create an object from the class name it stores.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "framework/Component.h"

namespace framework {

// Creates a component of one class. With an owner, the owner owns the
// result; without one, the caller does.
using ComponentFactory = TComponent* (*)(TComponent* owner);

// Registers `factory` under `className` (exact, case-sensitive). Registering
// a name again replaces the factory.
void RegisterComponentClass(std::string_view className, ComponentFactory factory);

// Registers T under T::kClassName. T must be constructible from an owner;
// it is made through NewComponent.
template <class T>
void RegisterComponentClass() {
    RegisterComponentClass(T::kClassName, [](TComponent* owner) -> TComponent* { return NewComponent<T>(owner); });
}

void UnregisterComponentClass(std::string_view className);

// The factory registered under exactly `className`, or nullptr.
ComponentFactory FindComponentClass(std::string_view className);

// Creates a component of the class named `className` owned by `owner`
// (which must not be nullptr). Throws EClassNotFound("Class X not found").
TComponent& CreateOwnedComponent(std::string_view className, TComponent& owner);

// Creates an unowned component; throws EClassNotFound as above.
std::unique_ptr<TComponent> CreateComponent(std::string_view className);

}  // namespace framework
