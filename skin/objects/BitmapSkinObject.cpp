#include "skin/objects/BitmapSkinObject.h"

#include "skin/gfx/SeBitmapList.h"
#include "skin/objects/BitmapPieces.h"

namespace skin {

TSeBitmapSkinObject::TSeBitmapSkinObject(framework::TComponent* owner)
    : TSeSkinObject(owner), bitmap_(std::make_unique<TSeBitmapLink>()) {}

const framework::PropertyTable& TSeBitmapSkinObject::ClassProperties() {
    using T = TSeBitmapSkinObject;
    static const framework::PropertyTable table(
        &TSeSkinObject::ClassProperties(),
        {
            framework::ObjectProperty("Bitmap", &T::Bitmap),
            framework::EnumProperty("TileStyle", TileStyleInfo(), &T::TileStyle, &T::SetTileStyle),
        });
    return table;
}

void TSeBitmapSkinObject::Assign(const TSeSkinObject& source) {
    TSeSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeBitmapSkinObject*>(&source)) {
        bitmap_->Assign(*s->bitmap_);
        tileStyle_ = s->tileStyle_;
    }
}

void TSeBitmapSkinObject::LinkBitmaps() {
    TSeSkinObject::LinkBitmaps();
    ResolveLink(BitmapList(), *bitmap_);
}

void TSeBitmapSkinObject::Draw(SkinCanvas& canvas) {
    const TSeBitmapLink& link = CurrentBitmap();
    if (!Visible() || !link.Valid() || Width() <= 0 || Height() <= 0) return;
    DrawNinePieces(canvas, link, BoundsRect(), 0, 0, 0, 0, tileStyle_, tileStyle_, Masked());
    DrawText(canvas);
}

std::optional<SkinRegion> TSeBitmapSkinObject::CreateRegion() {
    if (!bitmap_->Valid() || Width() <= 0 || Height() <= 0) return std::nullopt;
    if (Kind() == skClient) return TSeSkinObject::CreateRegion();
    return MaskedObjectRegion(*this);
}

}  // namespace skin
