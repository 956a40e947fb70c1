#include "skinui/frame/FrameDrag.h"

#include <algorithm>

#include "skinui/frame/Gravitation.h"

namespace skinui {

namespace {

bool MovesLeft(TSeFrameHit hit) { return hit == kfhLeft || hit == kfhTopLeft || hit == kfhBottomLeft; }
bool MovesTop(TSeFrameHit hit) { return hit == kfhTop || hit == kfhTopLeft || hit == kfhTopRight; }
bool MovesRight(TSeFrameHit hit) { return hit == kfhRight || hit == kfhTopRight || hit == kfhBottomRight; }
bool MovesBottom(TSeFrameHit hit) { return hit == kfhBottom || hit == kfhBottomLeft || hit == kfhBottomRight; }

}  // namespace

skin::TRect DragStep(const skin::TRect& bounds, TSeFrameHit hit, const DragPointer& pointer, const DragRules& rules) {
    skin::TRect next = bounds;
    if (hit == kfhCaption) {
        if (!rules.moveable || rules.state == kwsMaximized) return next;
        next = skin::RectOffset(bounds, pointer.now.X - pointer.press.X, pointer.now.Y - pointer.press.Y);
        if (rules.gravitation) next = ApplyGravitation(next, rules.snapArea, *rules.gravitation, rules.shadow);
        return next;
    }
    if (!StartsDrag(hit) || !rules.sizeable) return next;
    if (rules.state == kwsMaximized || rules.state == kwsMinimized || rules.state == kwsRollup) return next;
    // The left and top edges move the window's origin, so the press point
    // stays under the mouse in window coordinates; the right and bottom ones
    // do not, so a full drag measures them from the last point.
    const skin::TPoint& from = rules.outline ? pointer.press : pointer.last;
    // They stop at both track sizes here: the window's size check keeps the
    // origin and would push the opposite edge instead.
    if (MovesLeft(hit)) {
        next.Left = std::min(bounds.Left + (pointer.now.X - pointer.press.X), bounds.Right - rules.minTrack.X);
        next.Left = std::max(next.Left, bounds.Right - rules.maxTrack.X);
    }
    if (MovesTop(hit)) {
        next.Top = std::min(bounds.Top + (pointer.now.Y - pointer.press.Y), bounds.Bottom - rules.minTrack.Y);
        next.Top = std::max(next.Top, bounds.Bottom - rules.maxTrack.Y);
    }
    if (MovesRight(hit)) next.Right = bounds.Right + (pointer.now.X - from.X);
    if (MovesBottom(hit)) next.Bottom = bounds.Bottom + (pointer.now.Y - from.Y);
    return next;
}

}  // namespace skinui
