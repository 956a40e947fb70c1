// An object drawn from one bitmap link, whole or in nine pieces cut by the
// margins; it lays out its children at every draw.
#pragma once

#include <memory>

#include "skin/gfx/SeBitmapLink.h"
#include "skin/objects/SkinObject.h"

namespace skin {

class TSeBitmapObject : public TSeSkinObject {
public:
    SE_SKIN_CLASS(TSeBitmapObject)

    TSeBitmapLink* Bitmap() const { return bitmap_.get(); }
    TscTileStyle TileStyle() const { return tileStyle_; }
    void SetTileStyle(TscTileStyle value) { tileStyle_ = value; }
    TscTileStyle BorderTileStyle() const { return borderTileStyle_; }
    void SetBorderTileStyle(TscTileStyle value) { borderTileStyle_ = value; }

    void Assign(const TSeSkinObject& source) override;
    void LinkBitmaps() override;
    void Draw(SkinCanvas& canvas) override;
    std::optional<SkinRegion> CreateRegion() override;

protected:
    // Draws as a bitmap object with `link` standing for Bitmap: the bitmap,
    // then the text, the layout and the children.
    void DrawWithLink(SkinCanvas& canvas, const TSeBitmapLink& link);

private:
    std::unique_ptr<TSeBitmapLink> bitmap_;
    TscTileStyle tileStyle_ = tsTile;
    TscTileStyle borderTileStyle_ = tsTile;
};

}  // namespace skin
