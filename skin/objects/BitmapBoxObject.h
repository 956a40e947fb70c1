// A bitmap drawn in nine pieces (whole, by TileStyle, without margins),
// then the text; no layout and no children drawn.
#pragma once

#include "skin/objects/BitmapSkinObject.h"

namespace skin {

class TSeBitmapBoxObject : public TSeBitmapSkinObject {
public:
    SE_SKIN_CLASS(TSeBitmapBoxObject)
    TscTileStyle BorderTileStyle() const { return borderTileStyle_; }
    void SetBorderTileStyle(TscTileStyle value) { borderTileStyle_ = value; }
    void Assign(const TSeSkinObject& source) override;
    void Draw(SkinCanvas& canvas) override;

private:
    TscTileStyle borderTileStyle_ = tsTile;
};

}  // namespace skin
