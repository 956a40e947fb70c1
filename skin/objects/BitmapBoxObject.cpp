#include "skin/objects/BitmapBoxObject.h"

#include "skin/objects/BitmapPieces.h"

namespace skin {

TSeBitmapBoxObject::TSeBitmapBoxObject(framework::TComponent* owner) : TSeBitmapSkinObject(owner) {}

const framework::PropertyTable& TSeBitmapBoxObject::ClassProperties() {
    using T = TSeBitmapBoxObject;
    static const framework::PropertyTable table(
        &TSeBitmapSkinObject::ClassProperties(),
        {framework::EnumProperty("BorderTileStyle", TileStyleInfo(), &T::BorderTileStyle, &T::SetBorderTileStyle)});
    return table;
}

void TSeBitmapBoxObject::Assign(const TSeSkinObject& source) {
    TSeBitmapSkinObject::Assign(source);
    if (auto* s = dynamic_cast<const TSeBitmapBoxObject*>(&source)) borderTileStyle_ = s->borderTileStyle_;
}

void TSeBitmapBoxObject::Draw(SkinCanvas& canvas) {
    const TSeBitmapLink& link = CurrentBitmap();
    if (!Visible() || !link.Valid() || Width() <= 0 || Height() <= 0) return;
    DrawNinePieces(canvas, link, BoundsRect(), MarginLeft(), MarginTop(), MarginRight(), MarginBottom(),
                              TileStyle(), borderTileStyle_, Masked());
    DrawText(canvas);
}

}  // namespace skin
