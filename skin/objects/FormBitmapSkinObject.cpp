#include "skin/objects/FormBitmapSkinObject.h"

#include "skin/gfx/SeBitmapList.h"

namespace skin {

TSeFormBitmapSkinObject::TSeFormBitmapSkinObject(framework::TComponent* owner)
    : TSeBitmapSkinObject(owner), inactiveBitmap_(std::make_unique<TSeBitmapLink>()) {}

const framework::PropertyTable& TSeFormBitmapSkinObject::ClassProperties() {
    using T = TSeFormBitmapSkinObject;
    static const framework::PropertyTable table(&TSeBitmapSkinObject::ClassProperties(),
                                                {framework::ObjectProperty("InactiveBitmap", &T::InactiveBitmap)});
    return table;
}

void TSeFormBitmapSkinObject::Assign(const TSeSkinObject& source) {
    TSeBitmapSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeFormBitmapSkinObject*>(&source)) inactiveBitmap_->Assign(*s->inactiveBitmap_);
}

void TSeFormBitmapSkinObject::LinkBitmaps() {
    TSeBitmapSkinObject::LinkBitmaps();
    ResolveLink(BitmapList(), *inactiveBitmap_);
}

const TSeBitmapLink& TSeFormBitmapSkinObject::CurrentBitmap() const {
    return Active() ? *Bitmap() : FirstValid(inactiveBitmap_.get(), *Bitmap());
}

}  // namespace skin
