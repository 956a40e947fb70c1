#include "skinui/frame/FrameTracking.h"

namespace skinui {

bool FrameTracking::Press(TSeFrameHit hit, skin::TPoint at, bool outline) {
    pressed_ = hovered_ = hit;
    press_ = last_ = at;
    if (!StartsDrag(hit)) return false;
    dragging_ = true;
    outline_ = skin::TRect{};
    outlineDrag_ = outline;
    return true;
}

bool FrameTracking::HoverOver(TSeFrameHit hit) {
    if (hit == hovered_) return false;
    hovered_ = hit;
    return true;
}

bool FrameTracking::LeaveForClient() {
    if (hovered_ == kfhNone || (buttons_ & kFrameShiftLeft)) return false;
    hovered_ = kfhNone;
    return true;
}

skin::TRect FrameTracking::ReplaceOutline(const skin::TRect& drawn) {
    const skin::TRect before = outline_;
    outline_ = drawn;
    return before;
}

TSeFrameHit FrameTracking::EndPress() {
    const TSeFrameHit hit = pressed_;
    pressed_ = kfhNone;
    return hit;
}

bool FrameTracking::EndDrag() {
    const bool outline = outlineDrag_;
    outlineDrag_ = false;
    dragging_ = false;
    return outline;
}

TLostPress FrameTracking::CaptureLost() {
    if (buttons_ == 0 && !dragging_ && pressed_ == kfhNone) return TLostPress::kNothing;
    buttons_ = 0;
    pressed_ = kfhNone;
    return EndDrag() ? TLostPress::kOutline : TLostPress::kPress;
}

}  // namespace skinui
