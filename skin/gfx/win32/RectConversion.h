// The portable rectangle and the system's: the same four edges, right and
// bottom exclusive in both.
#pragma once

#include <windows.h>

#include "skin/gfx/Rect.h"

namespace skin {

constexpr RECT ToRECT(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }
constexpr TRect FromRECT(const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; }

}  // namespace skin
