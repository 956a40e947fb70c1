// A caption button of a skinned form: shows or hides itself by the frame
// state and the form's border icons, tracks the mouse, and acts on the form.
#pragma once

#include <memory>

#include "skin/objects/ActiveBitmap.h"
#include "skin/objects/SystemButtonPress.h"

namespace skin {

class TSeSystemButton : public TSeActiveBitmap {
public:
    SE_SKIN_CLASS(TSeSystemButton)

    TSeAction Action() const { return action_; }
    void SetAction(TSeAction value) { action_ = value; }
    TSeBitmapLink* BitmapHot() const { return bitmapHot_.get(); }
    TSeBitmapLink* BitmapPressed() const { return bitmapPressed_.get(); }
    // 0 normal, 1 hot, 2 pressed.
    int ButtonState() const { return press_.State(); }

    void Assign(const TSeSkinObject& source) override;
    void SetState(int state) override;
    void LinkBitmaps() override;
    void Draw(SkinCanvas& canvas) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(TMouseButton button, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, int x, int y) override;
    void MouseDoubleClick(TMouseButton button, int x, int y) override;

private:
    TSeAction action_ = sbaNone;
    std::unique_ptr<TSeBitmapLink> bitmapHot_;
    std::unique_ptr<TSeBitmapLink> bitmapPressed_;
    SystemButtonPress press_;
};

}  // namespace skin
