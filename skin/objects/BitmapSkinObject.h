// One bitmap over the whole rectangle by TileStyle, then the text; its
// children are not drawn by it.
#pragma once

#include <memory>

#include "skin/gfx/SeBitmapLink.h"
#include "skin/objects/SkinObject.h"

namespace skin {

class TSeBitmapSkinObject : public TSeSkinObject {
public:
    SE_SKIN_CLASS(TSeBitmapSkinObject)
    TSeBitmapLink* Bitmap() const { return bitmap_.get(); }
    TscTileStyle TileStyle() const { return tileStyle_; }
    void SetTileStyle(TscTileStyle value) { tileStyle_ = value; }
    void Assign(const TSeSkinObject& source) override;
    void LinkBitmaps() override;
    void Draw(SkinCanvas& canvas) override;
    std::optional<SkinRegion> CreateRegion() override;

protected:
    // The link drawn now; Bitmap unless a subclass has a state bitmap.
    virtual const TSeBitmapLink& CurrentBitmap() const { return *bitmap_; }
    // `preferred` when it is a valid link, else `fallback`.
    static const TSeBitmapLink& FirstValid(const TSeBitmapLink* preferred, const TSeBitmapLink& fallback) {
        return preferred && preferred->Valid() ? *preferred : fallback;
    }

private:
    std::unique_ptr<TSeBitmapLink> bitmap_;
    TscTileStyle tileStyle_ = tsTile;
};

}  // namespace skin
