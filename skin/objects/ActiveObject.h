// An object with a second colour and font for the active window and for
// hot, pressed and focused elements.
#pragma once

#include "skin/objects/ActiveLook.h"
#include "skin/objects/SkinObject.h"

namespace skin {

class TSeActiveObject : public TSeSkinObject {
public:
    SE_SKIN_CLASS(TSeActiveObject)

    TColor ActiveColor() const { return look_.Color(); }
    void SetActiveColor(TColor value) { look_.SetColor(value); }
    framework::TFont* ActiveFont() const { return look_.Font(); }

    void Assign(const TSeSkinObject& source) override;
    framework::TFont* GetFont() const override;
    void Draw(SkinCanvas& canvas) override;
    void ChangeHue(int delta) override;
    void SetCharset(int charset) override;

private:
    ActiveLook look_;
};

}  // namespace skin
