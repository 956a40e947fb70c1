#include "skin/objects/ActiveObject.h"

namespace skin {

using framework::TFont;

TSeActiveObject::TSeActiveObject(framework::TComponent* owner) : TSeSkinObject(owner) {}

const framework::PropertyTable& TSeActiveObject::ClassProperties() {
    using T = TSeActiveObject;
    static const framework::PropertyTable table(&TSeSkinObject::ClassProperties(), ActiveLookProperties<T>());
    return table;
}

void TSeActiveObject::Assign(const TSeSkinObject& source) {
    TSeSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeActiveObject*>(&source)) look_.Assign(s->look_);
}

TFont* TSeActiveObject::GetFont() const {
    const int s = State();
    return s == kStateHot || s == kStatePressed || s == kStateFocused ? look_.Font() : Font();
}

void TSeActiveObject::Draw(SkinCanvas& canvas) {
    const int s = State();
    if (Active() || s == kStateHot || s == kStatePressed || s == kStateFocused)
        DrawPlain(canvas, look_.Color(), *look_.Font());
    else
        TSeSkinObject::Draw(canvas);
}

void TSeActiveObject::ChangeHue(int delta) {
    look_.ChangeHue(delta);
    TSeSkinObject::ChangeHue(delta);
}

void TSeActiveObject::SetCharset(int charset) {
    look_.SetCharset(charset);
    TSeSkinObject::SetCharset(charset);
}

}  // namespace skin
