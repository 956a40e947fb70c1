// A plain object whose text font follows the state.
#pragma once

#include <memory>

#include "skin/objects/SkinObject.h"

namespace skin {

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
