// One frame of the show animation: the effect's mask laid over the window
// (turned by the animation's Direction, repeated in TileCount x TileCount
// tiles, each cell Resolution pixels wide) decides per pixel between the
// window image, the background under it, or a mix of both.
#pragma once

#include <cstdint>
#include <vector>

#include "skin/gfx/SeBitmap.h"
#include "skinui/effects/EffectMasks.h"
#include "skinui/effects/EffectTypes.h"

namespace skinui {

struct TAnimationGeometry {
    int maskWidth = 0;  // mw: cells across one tile
    int maskHeight = 0;  // mh
    int tileWidth = 0;
    int tileHeight = 0;
    // The mask the effect draws: mw x mh, or mh x mw when turned by 90 or
    // 270 degrees.
    int effectWidth = 0;
    int effectHeight = 0;
};

// For an image of width x height; resolution and tileCount of 1 or more.
TAnimationGeometry AnimationGeometry(int width, int height, int resolution, int tileCount, TSeDirection direction);

// A frame pixel: the background where the mask is 0 or the window pixel is
// a key pixel, the window where it is 255, else the window pixel with alpha
// m blended over the background.
constexpr skin::TPixel AnimationPixel(skin::TPixel window, skin::TPixel background, std::uint32_t m) {
    if (m == 0 || skin::IsKeyPixel(window)) return background;
    if (m == 255) return window;
    return skin::BlendPixel((window & 0x00FFFFFFu) | (m << 24), background);
}

// Renders frames for one animation into one reusable frame bitmap of the
// background's size. The cell each pixel reads is worked out once, per
// column and per row, when the renderer is made. Where the window image is
// smaller than the background, the frame shows the background.
class TAnimationRenderer {
public:
    // Resolution and tileCount are clamped to 1 or more. Throws
    // skin::SkinError when the frame bitmap cannot be made.
    TAnimationRenderer(const skin::TSeBitmap& window, const skin::TSeBitmap& background, TSeDirection direction,
                       int resolution, int tileCount);
    TAnimationRenderer(const TAnimationRenderer&) = delete;
    TAnimationRenderer& operator=(const TAnimationRenderer&) = delete;

    const TAnimationGeometry& Geometry() const { return geometry_; }
    // The effect's mask (effectWidth x effectHeight).
    TEffectMask& Mask() { return mask_; }
    const skin::TSeBitmap& Frame() const { return frame_; }

    // Draws the effect's mask for `progress`, then composes the frame.
    void Render(TkeEffect effect, int progress);
    // Composes the frame from the mask as it is.
    void Compose();

private:
    const skin::TSeBitmap& window_;
    const skin::TSeBitmap& background_;
    TAnimationGeometry geometry_;
    TEffectMask mask_;
    skin::TSeBitmap frame_;
    // Mask index of a pixel = columnOffset[x] + rowOffset[y].
    std::vector<std::uint32_t> columnOffset_;
    std::vector<std::uint32_t> rowOffset_;
    // One row's mask values, gathered before the row is composed.
    std::vector<std::uint8_t> line_;
};

}  // namespace skinui
