// The process-wide registry of skin object classes, through which a stored
// skin creates its objects by class name, and the copy that controls take
// of an object.
#pragma once

#include <string_view>
#include <vector>

#include "framework/Component.h"

namespace skin {

class TSeSkinObject;

struct SkinObjectClass {
    std::string_view className;
    TSeSkinObject* (*create)(framework::TComponent* owner);
};

// The registered classes in registration order (created empty when first used).
std::vector<SkinObjectClass>& SkinObjectClasses();

// Registers the seventeen classes of the library, in a fixed order, in
// this registry and in the framework's class registry (so that component
// streams can create them by name). Start-up calls it; later calls do nothing.
void RegisterSkinObjectClasses();

// The first registered class named exactly `className` (case matters), or nullptr.
const SkinObjectClass* FindSkinObjectClass(std::string_view className);

// A copy of `object` and its whole subtree, of the same class, owned by
// `owner` (by the caller when owner is nullptr). Its bitmap links point at
// the same bitmaps as the original's. nullptr when the class is not
// registered.
TSeSkinObject* CloneObject(const TSeSkinObject& object, framework::TComponent* owner);

}  // namespace skin
