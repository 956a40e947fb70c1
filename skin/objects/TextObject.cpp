#include "skin/objects/TextObject.h"

namespace skin {

using framework::TFont;

TSeTextObject::TSeTextObject(framework::TComponent* owner)
    : TSeSkinObject(owner), fontHot_(std::make_unique<TFont>()), fontFocused_(std::make_unique<TFont>()),
      fontPressed_(std::make_unique<TFont>()), fontDisabled_(std::make_unique<TFont>()) {}

const framework::PropertyTable& TSeTextObject::ClassProperties() {
    using T = TSeTextObject;
    static const framework::PropertyTable table(&TSeSkinObject::ClassProperties(),
                                                {
                                                    framework::ObjectProperty("FontHot", &T::FontHot),
                                                    framework::ObjectProperty("FontFocused", &T::FontFocused),
                                                    framework::ObjectProperty("FontPressed", &T::FontPressed),
                                                    framework::ObjectProperty("FontDisabled", &T::FontDisabled),
                                                });
    return table;
}

void TSeTextObject::Assign(const TSeSkinObject& source) {
    TSeSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeTextObject*>(&source)) {
        fontHot_->Assign(*s->fontHot_);
        fontFocused_->Assign(*s->fontFocused_);
        fontPressed_->Assign(*s->fontPressed_);
        fontDisabled_->Assign(*s->fontDisabled_);
    }
}

TFont* TSeTextObject::GetFont() const {
    switch (State()) {
        case kStateHot: return fontHot_.get();
        case kStatePressed: return fontPressed_.get();
        case kStateFocused: return fontFocused_.get();
        case kStateDisabled: return fontDisabled_.get();
        default: return Font();
    }
}

void TSeTextObject::Draw(SkinCanvas& canvas) { DrawPlain(canvas, Color(), *GetFont()); }

void TSeTextObject::ChangeHue(int delta) {
    for (TFont* f : {fontHot_.get(), fontFocused_.get(), fontPressed_.get(), fontDisabled_.get()})
        ShiftFontHue(*f, delta);
    TSeSkinObject::ChangeHue(delta);
}

void TSeTextObject::SetCharset(int charset) {
    for (TFont* f : {fontHot_.get(), fontFocused_.get(), fontPressed_.get(), fontDisabled_.get()})
        f->SetCharset(charset);
    TSeSkinObject::SetCharset(charset);
}

}  // namespace skin
