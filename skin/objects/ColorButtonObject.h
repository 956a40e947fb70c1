// A plain object with a colour and a font for each of the hot, pressed,
// focused and disabled states.
#pragma once

#include <memory>

#include "skin/objects/SkinObject.h"

namespace skin {

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

}  // namespace skin
