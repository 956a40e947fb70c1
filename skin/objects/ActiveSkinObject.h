// Like TSeActiveObject, with the active look only in the hot and focused states.
#pragma once

#include <memory>

#include "skin/objects/SkinObject.h"

namespace skin {

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

}  // namespace skin
