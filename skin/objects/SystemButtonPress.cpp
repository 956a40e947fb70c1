#include "skin/objects/SystemButtonPress.h"

#include "skin/objects/SkinObject.h"

namespace skin {

void SystemButtonPress::Enter(TSeSkinObject& button) {
    state_ = (lastShift_ & ssLeft) ? kPressed : kHot;
    button.Invalidate();
}

void SystemButtonPress::Leave(TSeSkinObject& button) {
    state_ = kNormal;
    button.Invalidate();
}

void SystemButtonPress::Down(TSeSkinObject& button, TMouseButton mouseButton) {
    if (mouseButton != mbLeft) return;
    state_ = kPressed;
    button.Invalidate();
}

void SystemButtonPress::Move(TSeSkinObject& button, TShiftState shift) {
    if (state_ == kPressed && (shift & ssLeft)) button.Invalidate();
    lastShift_ = shift;
}

bool SystemButtonPress::Up(TSeSkinObject& button, TMouseButton mouseButton) {
    lastShift_ = 0;
    if (state_ != kPressed || mouseButton != mbLeft) return false;
    state_ = kHot;
    button.Invalidate();
    return true;
}

}  // namespace skin
