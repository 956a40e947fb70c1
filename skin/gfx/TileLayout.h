// Where the unscaled copies of a source rectangle go when they fill a
// destination rectangle, and which part of the source each one shows.
#pragma once

#include <functional>

#include "skin/gfx/Rect.h"

namespace skin {

struct Tile {
    TRect destination;
    TRect source;  // same size as `destination`
};

// Calls `visit` for every tile of `destination` that overlaps `within`
// (the area that can show anything), column by column, left to right,
// each column top to bottom. Tiles cut by the destination's right or bottom
// edge show the top-left part of `source`. Nothing for an empty source or
// destination. The work is bounded by the tiles inside `within`, however
// large the destination.
void ForEachTile(const TRect& destination, const TRect& source, const TRect& within,
                 const std::function<void(const Tile&)>& visit);

}  // namespace skin
