// The mouse tracking of a caption button: normal, hot while the mouse is
// over it, pressed while the left button went down on it and is held. A
// mouse that comes back over the button with the left button still down
// finds it pressed again. Both caption button classes use it; each step
// repaints the button where its look may have changed.
#pragma once

#include "skin/objects/SkinObjectTypes.h"

namespace skin {

class TSeSkinObject;

class SystemButtonPress {
public:
    static constexpr int kNormal = 0;
    static constexpr int kHot = 1;
    static constexpr int kPressed = 2;

    int State() const { return state_; }

    void Enter(TSeSkinObject& button);
    void Leave(TSeSkinObject& button);
    void Down(TSeSkinObject& button, TMouseButton mouseButton);
    void Move(TSeSkinObject& button, TShiftState shift);
    // True when a left-button release ends a press: the caller runs the
    // button's action then, and touches the button no more (the action may
    // close the form and free it).
    bool Up(TSeSkinObject& button, TMouseButton mouseButton);

private:
    int state_ = kNormal;
    TShiftState lastShift_ = 0;
};

}  // namespace skin
