// Like TSeActiveObject, with the active look only in the hot and focused states.
#pragma once

#include "skin/objects/ActiveLook.h"
#include "skin/objects/SkinObject.h"

namespace skin {

class TSeActiveSkinObject : public TSeSkinObject {
public:
    SE_SKIN_CLASS(TSeActiveSkinObject)
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
