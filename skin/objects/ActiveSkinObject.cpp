#include "skin/objects/ActiveSkinObject.h"

namespace skin {

using framework::TFont;

TSeActiveSkinObject::TSeActiveSkinObject(framework::TComponent* owner)
    : TSeSkinObject(owner), activeFont_(std::make_unique<TFont>()) {}

const framework::PropertyTable& TSeActiveSkinObject::ClassProperties() {
    using T = TSeActiveSkinObject;
    static const framework::PropertyTable table(
        &TSeSkinObject::ClassProperties(),
        {
            framework::ColorProperty("ActiveColor", &T::ActiveColor, &T::SetActiveColor),
            framework::ObjectProperty("ActiveFont", &T::ActiveFont),
        });
    return table;
}

void TSeActiveSkinObject::Assign(const TSeSkinObject& source) {
    TSeSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeActiveSkinObject*>(&source)) {
        activeColor_ = s->activeColor_;
        activeFont_->Assign(*s->activeFont_);
    }
}

TFont* TSeActiveSkinObject::GetFont() const { return HotOrFocused(State()) ? activeFont_.get() : Font(); }

void TSeActiveSkinObject::Draw(SkinCanvas& canvas) {
    if (HotOrFocused(State()))
        DrawPlain(canvas, activeColor_, *activeFont_);
    else
        TSeSkinObject::Draw(canvas);
}

void TSeActiveSkinObject::ChangeHue(int delta) {
    ShiftColorHue(activeColor_, delta);
    ShiftFontHue(*activeFont_, delta);
    TSeSkinObject::ChangeHue(delta);
}

void TSeActiveSkinObject::SetCharset(int charset) {
    activeFont_->SetCharset(charset);
    TSeSkinObject::SetCharset(charset);
}

}  // namespace skin
