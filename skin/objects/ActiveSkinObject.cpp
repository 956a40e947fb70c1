#include "skin/objects/ActiveSkinObject.h"

namespace skin {

using framework::TFont;

TSeActiveSkinObject::TSeActiveSkinObject(framework::TComponent* owner) : TSeSkinObject(owner) {}

const framework::PropertyTable& TSeActiveSkinObject::ClassProperties() {
    using T = TSeActiveSkinObject;
    static const framework::PropertyTable table(&TSeSkinObject::ClassProperties(), ActiveLookProperties<T>());
    return table;
}

void TSeActiveSkinObject::Assign(const TSeSkinObject& source) {
    TSeSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeActiveSkinObject*>(&source)) look_.Assign(s->look_);
}

TFont* TSeActiveSkinObject::GetFont() const { return HotOrFocused(State()) ? look_.Font() : Font(); }

void TSeActiveSkinObject::Draw(SkinCanvas& canvas) {
    if (HotOrFocused(State()))
        DrawPlain(canvas, look_.Color(), *look_.Font());
    else
        TSeSkinObject::Draw(canvas);
}

void TSeActiveSkinObject::ChangeHue(int delta) {
    look_.ChangeHue(delta);
    TSeSkinObject::ChangeHue(delta);
}

void TSeActiveSkinObject::SetCharset(int charset) {
    look_.SetCharset(charset);
    TSeSkinObject::SetCharset(charset);
}

}  // namespace skin
