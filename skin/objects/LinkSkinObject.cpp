#include "skin/objects/LinkSkinObject.h"

#include "skin/objects/SkinCanvas.h"

namespace skin {

using framework::TFont;

TSeLinkSkinObject::TSeLinkSkinObject(framework::TComponent* owner) : TSeSkinObject(owner) {}

const framework::PropertyTable& TSeLinkSkinObject::ClassProperties() {
    using T = TSeLinkSkinObject;
    static const framework::PropertyTable table(
        &TSeSkinObject::ClassProperties(),
        {framework::StringProperty("LinkControl", &T::LinkControl, &T::SetLinkControl)});
    return table;
}

void TSeLinkSkinObject::Assign(const TSeSkinObject& source) {
    TSeSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeLinkSkinObject*>(&source)) linkControl_ = s->linkControl_;
}

void TSeLinkSkinObject::Draw(SkinCanvas& canvas) {
    if (State() != kStateLinkView || !Visible() || Width() <= 0 || Height() <= 0) return;
    const TRect bounds = BoundsRect();
    canvas.FillRect(bounds, 0xFFFFFF);
    canvas.FrameRect(bounds, 0x000000);
    TFont font;
    font.SetName("Arial");
    font.SetStyle(framework::fsItalic);
    font.SetColor(0x000000);
    canvas.SetFont(font);
    // Control names are ASCII component names.
    const std::wstring name(linkControl_.begin(), linkControl_.end());
    canvas.DrawText(name, bounds, kTextCenter | kTextVCenter | kTextSingleLine);
}

}  // namespace skin
