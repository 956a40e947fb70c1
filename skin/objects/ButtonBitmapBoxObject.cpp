#include "skin/objects/ButtonBitmapBoxObject.h"

#include "skin/gfx/SeBitmapList.h"

namespace skin {

TSeButtonBitmapBoxObject::TSeButtonBitmapBoxObject(framework::TComponent* owner)
    : TSeBitmapBoxObject(owner), hotBitmap_(std::make_unique<TSeBitmapLink>()),
      focusedBitmap_(std::make_unique<TSeBitmapLink>()), pressedBitmap_(std::make_unique<TSeBitmapLink>()),
      disabledBitmap_(std::make_unique<TSeBitmapLink>()) {}

const framework::PropertyTable& TSeButtonBitmapBoxObject::ClassProperties() {
    using T = TSeButtonBitmapBoxObject;
    static const framework::PropertyTable table(&TSeBitmapBoxObject::ClassProperties(),
                                                {
                                                    framework::ObjectProperty("HotBitmap", &T::HotBitmap),
                                                    framework::ObjectProperty("FocusedBitmap", &T::FocusedBitmap),
                                                    framework::ObjectProperty("PressedBitmap", &T::PressedBitmap),
                                                    framework::ObjectProperty("DisabledBitmap", &T::DisabledBitmap),
                                                });
    return table;
}

void TSeButtonBitmapBoxObject::Assign(const TSeSkinObject& source) {
    TSeBitmapBoxObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeButtonBitmapBoxObject*>(&source)) {
        hotBitmap_->Assign(*s->hotBitmap_);
        focusedBitmap_->Assign(*s->focusedBitmap_);
        pressedBitmap_->Assign(*s->pressedBitmap_);
        disabledBitmap_->Assign(*s->disabledBitmap_);
    }
}

void TSeButtonBitmapBoxObject::LinkBitmaps() {
    TSeBitmapBoxObject::LinkBitmaps();
    ResolveLink(BitmapList(), *focusedBitmap_);
    ResolveLink(BitmapList(), *hotBitmap_);
    ResolveLink(BitmapList(), *pressedBitmap_);
    ResolveLink(BitmapList(), *disabledBitmap_);
}

const TSeBitmapLink& TSeButtonBitmapBoxObject::CurrentBitmap() const {
    // As a button object: nothing is drawn without a valid Bitmap.
    if (!Bitmap()->Valid()) return *Bitmap();
    switch (State()) {
        case kStateFocused: return FirstValid(focusedBitmap_.get(), *Bitmap());
        case kStateHot: return FirstValid(hotBitmap_.get(), *Bitmap());
        case kStateDisabled: return FirstValid(disabledBitmap_.get(), *Bitmap());
        case kStatePressed: return FirstValid(pressedBitmap_.get(), *Bitmap());
        default: return *Bitmap();
    }
}

}  // namespace skin
