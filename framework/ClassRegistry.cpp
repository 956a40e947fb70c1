#include "framework/ClassRegistry.h"

#include <map>

#include "framework/FrameworkError.h"

namespace framework {

namespace {
std::map<std::string, ComponentFactory, std::less<>>& Registry() {
    static std::map<std::string, ComponentFactory, std::less<>> registry;
    return registry;
}

ComponentFactory RequireClass(std::string_view className) {
    ComponentFactory factory = FindComponentClass(className);
    if (!factory) throw EClassNotFound("Class " + std::string(className) + " not found");
    return factory;
}
}  // namespace

void RegisterComponentClass(std::string_view className, ComponentFactory factory) {
    Registry()[std::string(className)] = factory;
}

void UnregisterComponentClass(std::string_view className) {
    auto it = Registry().find(className);
    if (it != Registry().end()) Registry().erase(it);
}

ComponentFactory FindComponentClass(std::string_view className) {
    auto it = Registry().find(className);
    return it == Registry().end() ? nullptr : it->second;
}

TComponent& CreateOwnedComponent(std::string_view className, TComponent& owner) {
    return *RequireClass(className)(&owner);
}

std::unique_ptr<TComponent> CreateComponent(std::string_view className) {
    return std::unique_ptr<TComponent>(RequireClass(className)(nullptr));
}

}  // namespace framework
