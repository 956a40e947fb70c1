// The arithmetic of moving and sizing a frame by the mouse: where one mouse
// step of a drag puts the window. Points are in window coordinates (relative
// to the window's top-left corner as it was when the mouse message came);
// bounds are the owner's bounds (screen or parent coordinates).
#pragma once

#include "skin/gfx/Rect.h"
#include "skinui/effects/FormOptions.h"
#include "skinui/frame/FrameTypes.h"

namespace skinui {

// What a drag step is allowed and bound by.
struct DragRules {
    bool moveable = true;
    bool sizeable = true;
    TSeWindowState state = kwsNormal;
    // An outline drag: the window stays where it is until the release, so
    // every step measures from the press point.
    bool outline = false;
    skin::TPoint minTrack{150, 40};
    // The largest size the window may take (no limit unless told).
    skin::TPoint maxTrack{1 << 24, 1 << 24};
    // Snapping of a moved window: the area (work area or parent's client),
    // the settings, and the shadow that is left out of the snapping edge.
    skin::TRect snapArea{};
    const TSeGravitation* gravitation = nullptr;
    int shadow = 0;
};

// The pointer of one drag step: the press that started it, the last point
// handled and the point now.
struct DragPointer {
    skin::TPoint press;
    skin::TPoint last;
    skin::TPoint now;
};

// True for the hit codes a press starts a move or a resize on.
constexpr bool StartsDrag(TSeFrameHit hit) { return hit >= kfhCaption && hit <= kfhBottomRight; }

// The bounds after one step of the drag started on `hit`, from `bounds`.
// The caption moves the window (and snaps it) unless it may not move or is
// maximized; an edge or corner resizes it unless it may not be sized or is
// maximized, minimized or rolled up. The left and top edges stop at the
// minimum and maximum track sizes; the right and bottom ones leave that to
// the window's own size limits.
skin::TRect DragStep(const skin::TRect& bounds, TSeFrameHit hit, const DragPointer& pointer, const DragRules& rules);

}  // namespace skinui
