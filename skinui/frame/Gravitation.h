// Snapping a dragged frame to the edges of its area (the work area, or the
// parent's client rectangle): an edge that comes closer than Size pixels to
// the area's edge moves onto it. The window moves; its size never changes.
#pragma once

#include "skin/gfx/Rect.h"
#include "skinui/effects/FormOptions.h"

namespace skinui {

// `moved` is the window rectangle being dragged, shadow included; with a
// shadow of `shadowSize` (0 when it is off) the visible frame edge, not the
// shadow's, is what snaps. Returns `moved` shifted.
skin::TRect ApplyGravitation(const skin::TRect& moved, const skin::TRect& area, const TSeGravitation& gravitation,
                             int shadowSize);

}  // namespace skinui
