#include "skin/objects/ButtonObject.h"

#include "skin/gfx/SeBitmapList.h"

namespace skin {

TSeButtonObject::TSeButtonObject(framework::TComponent* owner)
    : TSeBitmapObject(owner), bitmapHot_(std::make_unique<TSeBitmapLink>()),
      bitmapFocused_(std::make_unique<TSeBitmapLink>()), bitmapPressed_(std::make_unique<TSeBitmapLink>()),
      bitmapDisabled_(std::make_unique<TSeBitmapLink>()) {}

const framework::PropertyTable& TSeButtonObject::ClassProperties() {
    using T = TSeButtonObject;
    static const framework::PropertyTable table(&TSeBitmapObject::ClassProperties(),
                                                {
                                                    framework::ObjectProperty("BitmapHot", &T::BitmapHot),
                                                    framework::ObjectProperty("BitmapFocused", &T::BitmapFocused),
                                                    framework::ObjectProperty("BitmapPressed", &T::BitmapPressed),
                                                    framework::ObjectProperty("BitmapDisabled", &T::BitmapDisabled),
                                                });
    return table;
}

void TSeButtonObject::Assign(const TSeSkinObject& source) {
    TSeBitmapObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeButtonObject*>(&source)) {
        bitmapHot_->Assign(*s->bitmapHot_);
        bitmapFocused_->Assign(*s->bitmapFocused_);
        bitmapPressed_->Assign(*s->bitmapPressed_);
        bitmapDisabled_->Assign(*s->bitmapDisabled_);
    }
}

const TSeBitmapLink& TSeButtonObject::StateBitmap() const {
    const TSeBitmapLink* link = nullptr;
    switch (State()) {
        case kStateFocused: link = bitmapFocused_.get(); break;
        case kStateHot: link = bitmapHot_.get(); break;
        case kStateDisabled: link = bitmapDisabled_.get(); break;
        case kStatePressed: link = bitmapPressed_.get(); break;
        default: break;
    }
    return link && link->Valid() ? *link : *Bitmap();
}

void TSeButtonObject::LinkBitmaps() {
    TSeBitmapObject::LinkBitmaps();
    ResolveLink(BitmapList(), *bitmapFocused_);
    ResolveLink(BitmapList(), *bitmapHot_);
    ResolveLink(BitmapList(), *bitmapPressed_);
    ResolveLink(BitmapList(), *bitmapDisabled_);
}

void TSeButtonObject::Draw(SkinCanvas& canvas) {
    if (!Bitmap()->Valid()) return;
    DrawWithLink(canvas, StateBitmap());
}

}  // namespace skin
