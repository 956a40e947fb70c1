// The active look of a plain skin object: a second colour and font that
// TSeActiveObject and TSeActiveSkinObject draw with in place of Color and
// Font (each decides in which states). The look is stored, copied, shifted
// in hue and given a character set with the object.
#pragma once

#include <memory>
#include <vector>

#include "framework/Font.h"
#include "framework/Property.h"
#include "skin/gfx/Pixel.h"

namespace skin {

class ActiveLook {
public:
    ActiveLook();

    TColor Color() const { return color_; }
    void SetColor(TColor value) { color_ = value; }
    framework::TFont* Font() const { return font_.get(); }

    void Assign(const ActiveLook& source);
    void ChangeHue(int delta);
    void SetCharset(int charset);

private:
    TColor color_ = 0;
    std::unique_ptr<framework::TFont> font_;
};

// The stored properties of the look, ActiveColor and ActiveFont, for a
// class T that has them.
template <class T>
std::vector<framework::PropertyInfo> ActiveLookProperties() {
    return {
        framework::ColorProperty("ActiveColor", &T::ActiveColor, &T::SetActiveColor),
        framework::ObjectProperty("ActiveFont", &T::ActiveFont),
    };
}

}  // namespace skin
