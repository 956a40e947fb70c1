#include "skin/objects/ActiveBitmap.h"

#include "skin/gfx/SeBitmapList.h"

namespace skin {

using framework::TFont;

TSeActiveBitmap::TSeActiveBitmap(framework::TComponent* owner)
    : TSeBitmapObject(owner), activeBitmap_(std::make_unique<TSeBitmapLink>()),
      activeFont_(std::make_unique<TFont>()) {}

const framework::PropertyTable& TSeActiveBitmap::ClassProperties() {
    using T = TSeActiveBitmap;
    static const framework::PropertyTable table(&TSeBitmapObject::ClassProperties(),
                                                {
                                                    framework::ObjectProperty("ActiveBitmap", &T::ActiveBitmap),
                                                    framework::ObjectProperty("ActiveFont", &T::ActiveFont),
                                                });
    return table;
}

void TSeActiveBitmap::Assign(const TSeSkinObject& source) {
    TSeBitmapObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeActiveBitmap*>(&source)) {
        activeBitmap_->Assign(*s->activeBitmap_);
        activeFont_->Assign(*s->activeFont_);
    }
}

TFont* TSeActiveBitmap::GetFont() const { return HotOrFocused(State()) ? activeFont_.get() : Font(); }

void TSeActiveBitmap::LinkBitmaps() {
    TSeBitmapObject::LinkBitmaps();
    ResolveLink(BitmapList(), *activeBitmap_);
}

void TSeActiveBitmap::Draw(SkinCanvas& canvas) {
    if ((Active() || HotOrFocused(State())) && activeBitmap_->Valid())
        DrawWithLink(canvas, *activeBitmap_);
    else
        DrawWithLink(canvas, *Bitmap());
}

void TSeActiveBitmap::SetCharset(int charset) {
    activeFont_->SetCharset(charset);
    TSeBitmapObject::SetCharset(charset);
}

}  // namespace skin
