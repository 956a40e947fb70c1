// A caption button like TSeSystemButton, with BitmapHover and BitmapDown;
// its sbaRollPanel action rolls the panel named RollPanel.
#pragma once

#include <memory>
#include <string>

#include "skin/objects/BitmapSkinObject.h"
#include "skin/objects/SystemButtonPress.h"

namespace skin {

class TSeSysButtonSkinObject : public TSeBitmapSkinObject {
public:
    SE_SKIN_CLASS(TSeSysButtonSkinObject)
    TSeAction Action() const { return action_; }
    void SetAction(TSeAction value) { action_ = value; }
    TSeBitmapLink* BitmapHover() const { return bitmapHover_.get(); }
    TSeBitmapLink* BitmapDown() const { return bitmapDown_.get(); }
    const std::string& RollPanel() const { return rollPanel_; }
    void SetRollPanel(const std::string& value) { rollPanel_ = value; }
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

protected:
    const TSeBitmapLink& CurrentBitmap() const override;

private:
    void RunAction();

    TSeAction action_ = sbaNone;
    std::unique_ptr<TSeBitmapLink> bitmapHover_;
    std::unique_ptr<TSeBitmapLink> bitmapDown_;
    std::string rollPanel_;
    SystemButtonPress press_;
};

}  // namespace skin
