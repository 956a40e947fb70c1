#include "skin/objects/ActiveBitmapBoxObject.h"

#include "skin/gfx/SeBitmapList.h"

namespace skin {

TSeActiveBitmapBoxObject::TSeActiveBitmapBoxObject(framework::TComponent* owner)
    : TSeBitmapBoxObject(owner), focusedBitmap_(std::make_unique<TSeBitmapLink>()) {}

const framework::PropertyTable& TSeActiveBitmapBoxObject::ClassProperties() {
    using T = TSeActiveBitmapBoxObject;
    static const framework::PropertyTable table(&TSeBitmapBoxObject::ClassProperties(),
                                                {framework::ObjectProperty("FocusedBitmap", &T::FocusedBitmap)});
    return table;
}

void TSeActiveBitmapBoxObject::Assign(const TSeSkinObject& source) {
    TSeBitmapBoxObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeActiveBitmapBoxObject*>(&source)) focusedBitmap_->Assign(*s->focusedBitmap_);
}

void TSeActiveBitmapBoxObject::LinkBitmaps() {
    TSeBitmapBoxObject::LinkBitmaps();
    ResolveLink(BitmapList(), *focusedBitmap_);
}

const TSeBitmapLink& TSeActiveBitmapBoxObject::CurrentBitmap() const {
    return HotOrFocused(State()) ? FirstValid(focusedBitmap_.get(), *Bitmap()) : *Bitmap();
}

}  // namespace skin
