#include "skin/objects/ActiveObject.h"

namespace skin {

using framework::TFont;

TSeActiveObject::TSeActiveObject(framework::TComponent* owner)
    : TSeSkinObject(owner), activeFont_(std::make_unique<TFont>()) {}

const framework::PropertyTable& TSeActiveObject::ClassProperties() {
    using T = TSeActiveObject;
    static const framework::PropertyTable table(&TSeSkinObject::ClassProperties(),
                                                {
                                                    framework::ColorProperty("ActiveColor", &T::ActiveColor,
                                                                             &T::SetActiveColor),
                                                    framework::ObjectProperty("ActiveFont", &T::ActiveFont),
                                                });
    return table;
}

void TSeActiveObject::Assign(const TSeSkinObject& source) {
    TSeSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeActiveObject*>(&source)) {
        activeColor_ = s->activeColor_;
        activeFont_->Assign(*s->activeFont_);
    }
}

TFont* TSeActiveObject::GetFont() const {
    const int s = State();
    return s == kStateHot || s == kStatePressed || s == kStateFocused ? activeFont_.get() : Font();
}

void TSeActiveObject::Draw(SkinCanvas& canvas) {
    const int s = State();
    if (Active() || s == kStateHot || s == kStatePressed || s == kStateFocused)
        DrawPlain(canvas, activeColor_, *activeFont_);
    else
        TSeSkinObject::Draw(canvas);
}

void TSeActiveObject::ChangeHue(int delta) {
    ShiftColorHue(activeColor_, delta);
    ShiftFontHue(*activeFont_, delta);
    TSeSkinObject::ChangeHue(delta);
}

void TSeActiveObject::SetCharset(int charset) {
    activeFont_->SetCharset(charset);
    TSeSkinObject::SetCharset(charset);
}

}  // namespace skin
