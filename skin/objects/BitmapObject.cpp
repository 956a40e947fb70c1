#include "skin/objects/BitmapObject.h"

#include "skin/gfx/SeBitmapList.h"
#include "skin/objects/BitmapPieces.h"

namespace skin {

TSeBitmapObject::TSeBitmapObject(framework::TComponent* owner)
    : TSeSkinObject(owner), bitmap_(std::make_unique<TSeBitmapLink>()) {}

const framework::PropertyTable& TSeBitmapObject::ClassProperties() {
    using T = TSeBitmapObject;
    static const framework::PropertyTable table(
        &TSeSkinObject::ClassProperties(),
        {
            framework::ObjectProperty("Bitmap", &T::Bitmap),
            framework::EnumProperty("BorderTileStyle", TileStyleInfo(), &T::BorderTileStyle, &T::SetBorderTileStyle),
            framework::EnumProperty("TileStyle", TileStyleInfo(), &T::TileStyle, &T::SetTileStyle),
        });
    return table;
}

void TSeBitmapObject::Assign(const TSeSkinObject& source) {
    TSeSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeBitmapObject*>(&source)) {
        bitmap_->Assign(*s->bitmap_);
        tileStyle_ = s->tileStyle_;
        borderTileStyle_ = s->borderTileStyle_;
    }
}

void TSeBitmapObject::LinkBitmaps() {
    TSeSkinObject::LinkBitmaps();
    ResolveLink(BitmapList(), *bitmap_);
}

void TSeBitmapObject::DrawWithLink(SkinCanvas& canvas, const TSeBitmapLink& link) {
    if (!Visible() || !link.Valid() || Width() <= 0 || Height() <= 0) return;
    DrawNinePieces(canvas, link, BoundsRect(), MarginLeft(), MarginTop(), MarginRight(), MarginBottom(),
                              tileStyle_, borderTileStyle_, Masked());
    DrawText(canvas);
    AlignChildren();
    DrawChildren(canvas);
}

void TSeBitmapObject::Draw(SkinCanvas& canvas) { DrawWithLink(canvas, *bitmap_); }

std::optional<SkinRegion> TSeBitmapObject::CreateRegion() {
    if (!bitmap_->Valid() || Width() <= 0 || Height() <= 0) return std::nullopt;
    if (Kind() != skClient && Masked()) return MaskedObjectRegion(*this);
    return TSeSkinObject::CreateRegion();
}

}  // namespace skin
