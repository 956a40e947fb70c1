#include "skin/objects/ActiveLook.h"

#include "skin/objects/SkinObject.h"

namespace skin {

ActiveLook::ActiveLook() : font_(std::make_unique<framework::TFont>()) {}

void ActiveLook::Assign(const ActiveLook& source) {
    color_ = source.color_;
    font_->Assign(*source.font_);
}

void ActiveLook::ChangeHue(int delta) {
    TSeSkinObject::ShiftColorHue(color_, delta);
    TSeSkinObject::ShiftFontHue(*font_, delta);
}

void ActiveLook::SetCharset(int charset) { font_->SetCharset(charset); }

}  // namespace skin
