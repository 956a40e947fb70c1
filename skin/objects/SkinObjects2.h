// The second family of skin objects: the same structure as the first, with
// placeholders for form controls, single-bitmap objects, boxes drawn in nine
// pieces without layout, colour buttons and panels that roll up.
#pragma once

#include <memory>
#include <string>

#include "skin/gfx/SeBitmapLink.h"
#include "skin/objects/SkinObject.h"

namespace skin {

// Marks where the skinned form places the control named by LinkControl.
// It draws a placeholder only in the link view state (1).
class TSeLinkSkinObject : public TSeSkinObject {
public:
    SE_SKIN_CLASS(TSeLinkSkinObject)
    const std::string& LinkControl() const { return linkControl_; }
    void SetLinkControl(const std::string& value) { linkControl_ = value; }
    void Assign(const TSeSkinObject& source) override;
    void Draw(SkinCanvas& canvas) override;

private:
    std::string linkControl_;
};

// Like TSeActiveObject, with the active look only in the hot and focused states.
class TSeActiveSkinObject : public TSeSkinObject {
public:
    SE_SKIN_CLASS(TSeActiveSkinObject)
    TColor ActiveColor() const { return activeColor_; }
    void SetActiveColor(TColor value) { activeColor_ = value; }
    framework::TFont* ActiveFont() const { return activeFont_.get(); }
    void Assign(const TSeSkinObject& source) override;
    framework::TFont* GetFont() const override;
    void Draw(SkinCanvas& canvas) override;
    void ChangeHue(int delta) override;
    void SetCharset(int charset) override;

private:
    TColor activeColor_ = 0;
    std::unique_ptr<framework::TFont> activeFont_;
};

// One bitmap over the whole rectangle by TileStyle, then the text; its
// children are not drawn by it.
class TSeBitmapSkinObject : public TSeSkinObject {
public:
    SE_SKIN_CLASS(TSeBitmapSkinObject)
    TSeBitmapLink* Bitmap() const { return bitmap_.get(); }
    TscTileStyle TileStyle() const { return tileStyle_; }
    void SetTileStyle(TscTileStyle value) { tileStyle_ = value; }
    void Assign(const TSeSkinObject& source) override;
    void LinkBitmaps() override;
    void Draw(SkinCanvas& canvas) override;
    std::optional<SkinRegion> CreateRegion() override;

protected:
    // The link drawn now; Bitmap unless a subclass has a state bitmap.
    virtual const TSeBitmapLink& CurrentBitmap() const { return *bitmap_; }

private:
    std::unique_ptr<TSeBitmapLink> bitmap_;
    TscTileStyle tileStyle_ = tsTile;
};

// Draws InactiveBitmap (when valid) while the window is not active.
class TSeFormBitmapSkinObject : public TSeBitmapSkinObject {
public:
    SE_SKIN_CLASS(TSeFormBitmapSkinObject)
    TSeBitmapLink* InactiveBitmap() const { return inactiveBitmap_.get(); }
    void Assign(const TSeSkinObject& source) override;
    void LinkBitmaps() override;

protected:
    const TSeBitmapLink& CurrentBitmap() const override;

private:
    std::unique_ptr<TSeBitmapLink> inactiveBitmap_;
};

// A caption button like TSeSystemButton, with BitmapHover and BitmapDown;
// its sbaRollPanel action rolls the panel named RollPanel.
class TSeSysButtonSkinObject : public TSeBitmapSkinObject {
public:
    SE_SKIN_CLASS(TSeSysButtonSkinObject)
    TSeAction Action() const { return action_; }
    void SetAction(TSeAction value) { action_ = value; }
    TSeBitmapLink* BitmapHover() const { return bitmapHover_.get(); }
    TSeBitmapLink* BitmapDown() const { return bitmapDown_.get(); }
    const std::string& RollPanel() const { return rollPanel_; }
    void SetRollPanel(const std::string& value) { rollPanel_ = value; }
    int ButtonState() const { return buttonState_; }

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
    int buttonState_ = 0;
    TShiftState lastShift_ = 0;
};

// A plain object with a colour and a font for each of the hot, pressed,
// focused and disabled states.
class TSeColorButtonObject : public TSeSkinObject {
public:
    SE_SKIN_CLASS(TSeColorButtonObject)
    TColor HotColor() const { return hotColor_; }
    void SetHotColor(TColor v) { hotColor_ = v; }
    TColor PressedColor() const { return pressedColor_; }
    void SetPressedColor(TColor v) { pressedColor_ = v; }
    TColor FocusedColor() const { return focusedColor_; }
    void SetFocusedColor(TColor v) { focusedColor_ = v; }
    TColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(TColor v) { disabledColor_ = v; }
    framework::TFont* HotFont() const { return hotFont_.get(); }
    framework::TFont* PressedFont() const { return pressedFont_.get(); }
    framework::TFont* FocusedFont() const { return focusedFont_.get(); }
    framework::TFont* DisabledFont() const { return disabledFont_.get(); }

    void Assign(const TSeSkinObject& source) override;
    void Draw(SkinCanvas& canvas) override;
    void ChangeHue(int delta) override;
    void SetCharset(int charset) override;

private:
    TColor hotColor_ = 0, pressedColor_ = 0, focusedColor_ = 0, disabledColor_ = 0;
    std::unique_ptr<framework::TFont> hotFont_, pressedFont_, focusedFont_, disabledFont_;
};

// A bitmap drawn in nine pieces (whole, by TileStyle, without margins),
// then the text; no layout and no children drawn.
class TSeBitmapBoxObject : public TSeBitmapSkinObject {
public:
    SE_SKIN_CLASS(TSeBitmapBoxObject)
    TscTileStyle BorderTileStyle() const { return borderTileStyle_; }
    void SetBorderTileStyle(TscTileStyle value) { borderTileStyle_ = value; }
    void Assign(const TSeSkinObject& source) override;
    void Draw(SkinCanvas& canvas) override;

private:
    TscTileStyle borderTileStyle_ = tsTile;
};

// A box that draws FocusedBitmap in the hot and focused states when it is valid.
class TSeActiveBitmapBoxObject : public TSeBitmapBoxObject {
public:
    SE_SKIN_CLASS(TSeActiveBitmapBoxObject)
    TSeBitmapLink* FocusedBitmap() const { return focusedBitmap_.get(); }
    void Assign(const TSeSkinObject& source) override;
    void LinkBitmaps() override;

protected:
    const TSeBitmapLink& CurrentBitmap() const override;

private:
    std::unique_ptr<TSeBitmapLink> focusedBitmap_;
};

// A box with state bitmaps chosen as TSeButtonObject chooses them.
class TSeButtonBitmapBoxObject : public TSeBitmapBoxObject {
public:
    SE_SKIN_CLASS(TSeButtonBitmapBoxObject)
    TSeBitmapLink* HotBitmap() const { return hotBitmap_.get(); }
    TSeBitmapLink* FocusedBitmap() const { return focusedBitmap_.get(); }
    TSeBitmapLink* PressedBitmap() const { return pressedBitmap_.get(); }
    TSeBitmapLink* DisabledBitmap() const { return disabledBitmap_.get(); }
    void Assign(const TSeSkinObject& source) override;
    void LinkBitmaps() override;

protected:
    const TSeBitmapLink& CurrentBitmap() const override;

private:
    std::unique_ptr<TSeBitmapLink> hotBitmap_, focusedBitmap_, pressedBitmap_, disabledBitmap_;
};

// A panel that rolls: its width (rkLeft, rkRight) or height (rkTop,
// rkBottom) toggles between its size and RollValue.
//
// The size before rolling is a run-time field: Roll remembers it when the
// panel rolls in and gives it back when the panel rolls out; it is not
// stored and not copied, so a fresh copy is never rolled. rkLeft and rkTop
// keep the right or bottom edge in place, the others the left or top edge.
class TSeRollPanelObject : public TSeSkinObject {
public:
    SE_SKIN_CLASS(TSeRollPanelObject)
    TSeRollKind RollKind() const { return rollKind_; }
    void SetRollKind(TSeRollKind value) { rollKind_ = value; }
    int RollValue() const { return rollValue_; }
    void SetRollValue(int value) { rollValue_ = value; }
    bool Rolled() const { return rolled_; }

    void Assign(const TSeSkinObject& source) override;
    // Toggles the roll; only an object with an owner rolls.
    void Roll();

private:
    TSeRollKind rollKind_ = rkLeft;
    int rollValue_ = 0;
    bool rolled_ = false;
    int sizeBeforeRoll_ = 0;
};

}  // namespace skin
