// The first family of skin objects: plain objects with an active look,
// bitmap objects drawn in nine pieces, buttons with state bitmaps, text
// objects with state fonts, and the system buttons of a skinned form's
// caption.
#pragma once

#include <memory>

#include "skin/gfx/SeBitmapLink.h"
#include "skin/objects/SkinObject.h"

namespace skin {

// An object with a second colour and font for the active window and for
// hot, pressed and focused elements.
class TSeActiveObject : public TSeSkinObject {
public:
    SE_SKIN_CLASS(TSeActiveObject)

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

// An object drawn from one bitmap link, whole or in nine pieces cut by the
// margins; it lays out its children at every draw.
class TSeBitmapObject : public TSeSkinObject {
public:
    SE_SKIN_CLASS(TSeBitmapObject)

    TSeBitmapLink* Bitmap() const { return bitmap_.get(); }
    TscTileStyle TileStyle() const { return tileStyle_; }
    void SetTileStyle(TscTileStyle value) { tileStyle_ = value; }
    TscTileStyle BorderTileStyle() const { return borderTileStyle_; }
    void SetBorderTileStyle(TscTileStyle value) { borderTileStyle_ = value; }

    void Assign(const TSeSkinObject& source) override;
    void LinkBitmaps() override;
    void Draw(SkinCanvas& canvas) override;
    std::optional<SkinRegion> CreateRegion() override;

protected:
    // Draws as a bitmap object with `link` standing for Bitmap: the bitmap,
    // then the text, the layout and the children.
    void DrawWithLink(SkinCanvas& canvas, const TSeBitmapLink& link);

private:
    std::unique_ptr<TSeBitmapLink> bitmap_;
    TscTileStyle tileStyle_ = tsTile;
    TscTileStyle borderTileStyle_ = tsTile;
};

// A bitmap object with a second bitmap for the active window and for hot
// and focused elements.
class TSeActiveBitmap : public TSeBitmapObject {
public:
    SE_SKIN_CLASS(TSeActiveBitmap)

    TSeBitmapLink* ActiveBitmap() const { return activeBitmap_.get(); }
    framework::TFont* ActiveFont() const { return activeFont_.get(); }

    void Assign(const TSeSkinObject& source) override;
    framework::TFont* GetFont() const override;
    void LinkBitmaps() override;
    void Draw(SkinCanvas& canvas) override;
    void SetCharset(int charset) override;

private:
    std::unique_ptr<TSeBitmapLink> activeBitmap_;
    std::unique_ptr<framework::TFont> activeFont_;
};

// A caption button of a skinned form: shows or hides itself by the frame
// state and the form's border icons, tracks the mouse, and acts on the form.
class TSeSystemButton : public TSeActiveBitmap {
public:
    SE_SKIN_CLASS(TSeSystemButton)

    TSeAction Action() const { return action_; }
    void SetAction(TSeAction value) { action_ = value; }
    TSeBitmapLink* BitmapHot() const { return bitmapHot_.get(); }
    TSeBitmapLink* BitmapPressed() const { return bitmapPressed_.get(); }
    // 0 normal, 1 hot, 2 pressed.
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

private:
    TSeAction action_ = sbaNone;
    std::unique_ptr<TSeBitmapLink> bitmapHot_;
    std::unique_ptr<TSeBitmapLink> bitmapPressed_;
    int buttonState_ = 0;
    TShiftState lastShift_ = 0;
};

// A bitmap object with a bitmap for each of the hot, focused, pressed and
// disabled states.
class TSeButtonObject : public TSeBitmapObject {
public:
    SE_SKIN_CLASS(TSeButtonObject)

    TSeBitmapLink* BitmapHot() const { return bitmapHot_.get(); }
    TSeBitmapLink* BitmapFocused() const { return bitmapFocused_.get(); }
    TSeBitmapLink* BitmapPressed() const { return bitmapPressed_.get(); }
    TSeBitmapLink* BitmapDisabled() const { return bitmapDisabled_.get(); }
    // The link drawn in the current State: the state's bitmap when it is
    // valid, else Bitmap.
    const TSeBitmapLink& StateBitmap() const;

    void Assign(const TSeSkinObject& source) override;
    void LinkBitmaps() override;
    void Draw(SkinCanvas& canvas) override;

private:
    std::unique_ptr<TSeBitmapLink> bitmapHot_;
    std::unique_ptr<TSeBitmapLink> bitmapFocused_;
    std::unique_ptr<TSeBitmapLink> bitmapPressed_;
    std::unique_ptr<TSeBitmapLink> bitmapDisabled_;
};

// A plain object whose text font follows the state.
class TSeTextObject : public TSeSkinObject {
public:
    SE_SKIN_CLASS(TSeTextObject)

    framework::TFont* FontHot() const { return fontHot_.get(); }
    framework::TFont* FontFocused() const { return fontFocused_.get(); }
    framework::TFont* FontPressed() const { return fontPressed_.get(); }
    framework::TFont* FontDisabled() const { return fontDisabled_.get(); }

    void Assign(const TSeSkinObject& source) override;
    framework::TFont* GetFont() const override;
    void Draw(SkinCanvas& canvas) override;
    void ChangeHue(int delta) override;
    void SetCharset(int charset) override;

private:
    std::unique_ptr<framework::TFont> fontHot_;
    std::unique_ptr<framework::TFont> fontFocused_;
    std::unique_ptr<framework::TFont> fontPressed_;
    std::unique_ptr<framework::TFont> fontDisabled_;
};

}  // namespace skin
