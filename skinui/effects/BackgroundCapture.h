// The plan of a background capture: what lies under a window that moved or
// changed size. Only the parts of the new rectangle the window did not
// cover before are read from the screen; the rest, where the screen now
// shows the window itself, comes from the previous capture.
#pragma once

#include <vector>

#include "skin/gfx/Rect.h"

namespace skinui {

struct TBackgroundCapturePlan {
    // Nothing to do: the rectangle is the one captured last, or empty.
    bool unchanged = false;
    // The size of the new background bitmap.
    int width = 0;
    int height = 0;
    // Rectangles of the new bitmap to read from the screen; screen
    // coordinates are these offset by the new rectangle's top-left corner.
    std::vector<skin::TRect> fromScreen;
    // Copy `overlapInOld` of the previous bitmap to `overlapInNew` of the new
    // one (both the same size) when `reuseOld` is set.
    bool reuseOld = false;
    skin::TRect overlapInNew;
    skin::TRect overlapInOld;
};

// `next` and `last` are screen rectangles; `last` is empty before the first
// capture. Where the two overlap, the screen strips are, when they have
// pixels, the one left of the overlap (full height), above it (full width),
// right of it (full height) and below it (full width).
TBackgroundCapturePlan PlanBackgroundCapture(const skin::TRect& next, const skin::TRect& last);

}  // namespace skinui
