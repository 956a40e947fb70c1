// Drawing a bitmap link over an object's rectangle, whole or in nine pieces
// cut by the margins, and the shape of an object drawn with colour keys.
// Shared by the bitmap classes of skin objects.
#pragma once

#include <cstdint>
#include <optional>

#include "skin/gfx/Rect.h"
#include "skin/objects/SkinObjectTypes.h"
#include "skin/objects/SkinRegion.h"

namespace skin {

class SkinCanvas;
class TSeBitmapLink;
class TSeSkinObject;

// Draws `source` of `link`'s bitmap into `destination` by `style`. A
// tsCenter piece is drawn unscaled, centred in its destination, and the
// part of it that does not fit there is left out.
void DrawBitmapPiece(SkinCanvas& canvas, const TSeBitmapLink& link, const TRect& source, const TRect& destination,
                     TscTileStyle style, bool masked);
// The whole link over `bounds` by `centreStyle` when all margins are 0 (a
// tsCenter link is centred in `bounds`), else in nine pieces cut by the
// margins: the centre by `centreStyle`, the edges by `borderStyle`, the
// corners unscaled. Pieces without area are skipped.
void DrawNinePieces(SkinCanvas& canvas, const TSeBitmapLink& link, const TRect& bounds, int marginLeft,
                    int marginTop, int marginRight, int marginBottom, TscTileStyle centreStyle,
                    TscTileStyle borderStyle, bool masked);
// The opaque pixels of `object` drawn alone onto a key-coloured buffer of
// its size, at its place; nothing where the platform has no off-screen
// canvas. The object is moved to (0, 0) for the drawing and back after it.
// An object of more than kMaxMaskPixels pixels (more than an 8K screen has)
// has its rectangle as its shape, without a buffer.
std::optional<SkinRegion> MaskedObjectRegion(TSeSkinObject& object);
inline constexpr std::int64_t kMaxMaskPixels = std::int64_t{8192} * 4096;

}  // namespace skin
