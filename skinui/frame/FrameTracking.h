// The mouse on a frame between a press and its release: which part the
// press went down on, which part the mouse is over, the buttons held since
// a press on the frame, and a move or resize that the press started (the
// whole window following the mouse, or an outline until the release). The
// frame turns its mouse messages into these verbs and does what they
// answer (paint, move the window, draw or erase the outline); the steps of
// the move or resize themselves are DragStep's (FrameDrag.h).
#pragma once

#include "skin/gfx/Rect.h"
#include "skin/objects/SkinObjectTypes.h"
#include "skinui/frame/FrameDrag.h"
#include "skinui/frame/FrameTypes.h"

namespace skinui {

// The mouse buttons and the double click in a frame's shift state.
inline constexpr skin::TShiftState kFrameShiftLeft = 8;
inline constexpr skin::TShiftState kFrameShiftRight = 16;
inline constexpr skin::TShiftState kFrameShiftDouble = 64;

// What a press that ends without its release leaves to undo.
enum class TLostPress : std::uint8_t {
    kNothing,  // nothing was held
    kPress,    // a press or a full drag: the frame is painted again
    kOutline,  // an outline drag: its outline is erased and the frame painted again
};

class FrameTracking {
public:
    TSeFrameHit Pressed() const { return pressed_; }
    TSeFrameHit Hovered() const { return hovered_; }
    skin::TShiftState Buttons() const { return buttons_; }
    bool Dragging() const { return dragging_; }
    bool OutlineDrag() const { return outlineDrag_; }
    // The outline on the screen (empty: none).
    const skin::TRect& Outline() const { return outline_; }

    // A button went down on the frame (kFrameShiftLeft or kFrameShiftRight);
    // it is held until Release or a lost capture.
    void Hold(skin::TShiftState button) { buttons_ = button; }
    void Release() { buttons_ = 0; }
    // A left press on `hit` at `at`; true when it starts a move or resize
    // (as an outline when `outline`).
    bool Press(TSeFrameHit hit, skin::TPoint at, bool outline);
    // The mouse is over `hit`; true when that changed.
    bool HoverOver(TSeFrameHit hit);
    // The mouse moved into the client area: nothing of the frame is under
    // it, unless the left button is still held on the frame. True when a
    // part was hovered.
    bool LeaveForClient();
    // True when a move with `shift` is a step of the running drag, not a hover.
    bool DragsWith(skin::TShiftState shift) const { return (shift & kFrameShiftLeft) && dragging_; }
    // The pointer of a drag step to `now`, and the step taken.
    DragPointer StepTo(skin::TPoint now) const { return DragPointer{press_, last_, now}; }
    void Stepped(skin::TPoint now) { last_ = now; }
    // The outline drawn now; returns the one drawn before (to be erased).
    skin::TRect ReplaceOutline(const skin::TRect& drawn);
    // The press ends: the part it went down on.
    TSeFrameHit EndPress();
    // The move or resize ends; true when it was an outline drag.
    bool EndDrag();
    // Another window took the mouse, or the system cancelled the mode: the
    // press and its drag end without their action.
    TLostPress CaptureLost();

private:
    TSeFrameHit pressed_ = kfhNone;
    TSeFrameHit hovered_ = kfhNone;
    skin::TShiftState buttons_ = 0;
    bool dragging_ = false;
    bool outlineDrag_ = false;
    skin::TPoint press_{}, last_{};
    skin::TRect outline_{};
};

}  // namespace skinui
