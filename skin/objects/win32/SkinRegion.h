// A skin object's region as a window region.
#pragma once

#include <windows.h>

#include "skin/objects/SkinRegion.h"

namespace skin {

// A new region owned by the caller: the union of the parts (an empty
// region when there are none); nullptr when the platform refuses one.
HRGN CreateRegionHandle(const SkinRegion& region);

}  // namespace skin
