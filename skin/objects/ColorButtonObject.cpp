#include "skin/objects/ColorButtonObject.h"

namespace skin {

using framework::TFont;

TSeColorButtonObject::TSeColorButtonObject(framework::TComponent* owner)
    : TSeSkinObject(owner), hotFont_(std::make_unique<TFont>()), pressedFont_(std::make_unique<TFont>()),
      focusedFont_(std::make_unique<TFont>()), disabledFont_(std::make_unique<TFont>()) {}

const framework::PropertyTable& TSeColorButtonObject::ClassProperties() {
    using T = TSeColorButtonObject;
    using namespace framework;
    static const PropertyTable table(&TSeSkinObject::ClassProperties(),
                                     {
                                         ColorProperty("HotColor", &T::HotColor, &T::SetHotColor),
                                         ObjectProperty("HotFont", &T::HotFont),
                                         ColorProperty("PressedColor", &T::PressedColor, &T::SetPressedColor),
                                         ObjectProperty("PressedFont", &T::PressedFont),
                                         ColorProperty("FocusedColor", &T::FocusedColor, &T::SetFocusedColor),
                                         ObjectProperty("FocusedFont", &T::FocusedFont),
                                         ColorProperty("DisabledColor", &T::DisabledColor, &T::SetDisabledColor),
                                         ObjectProperty("DisabledFont", &T::DisabledFont),
                                     });
    return table;
}

void TSeColorButtonObject::Assign(const TSeSkinObject& source) {
    TSeSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeColorButtonObject*>(&source)) {
        hotColor_ = s->hotColor_;
        pressedColor_ = s->pressedColor_;
        focusedColor_ = s->focusedColor_;
        disabledColor_ = s->disabledColor_;
        hotFont_->Assign(*s->hotFont_);
        pressedFont_->Assign(*s->pressedFont_);
        focusedFont_->Assign(*s->focusedFont_);
        disabledFont_->Assign(*s->disabledFont_);
    }
}

void TSeColorButtonObject::Draw(SkinCanvas& canvas) {
    switch (State()) {
        case kStateHot: DrawPlain(canvas, hotColor_, *hotFont_); break;
        case kStatePressed: DrawPlain(canvas, pressedColor_, *pressedFont_); break;
        case kStateFocused: DrawPlain(canvas, focusedColor_, *focusedFont_); break;
        case kStateDisabled: DrawPlain(canvas, disabledColor_, *disabledFont_); break;
        default: TSeSkinObject::Draw(canvas); break;
    }
}

void TSeColorButtonObject::ChangeHue(int delta) {
    for (TColor* c : {&hotColor_, &pressedColor_, &focusedColor_, &disabledColor_}) ShiftColorHue(*c, delta);
    for (TFont* f : {hotFont_.get(), pressedFont_.get(), focusedFont_.get(), disabledFont_.get()})
        ShiftFontHue(*f, delta);
    TSeSkinObject::ChangeHue(delta);
}

void TSeColorButtonObject::SetCharset(int charset) {
    for (TFont* f : {hotFont_.get(), pressedFont_.get(), focusedFont_.get(), disabledFont_.get()})
        f->SetCharset(charset);
    TSeSkinObject::SetCharset(charset);
}

}  // namespace skin
