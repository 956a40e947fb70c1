// Where the unscaled copies of a source rectangle go when they fill a
// destination rectangle, and which part of the source each one shows.
#pragma once

#include <vector>

#include "skin/Rect.h"

namespace skin {

struct Tile {
    TRect destination;
    TRect source;  // same size as `destination`
};

// Column by column, left to right, each column top to bottom. Tiles cut by
// the destination's right or bottom edge show the top-left part of
// `source`. Nothing for an empty source or destination.
std::vector<Tile> TileLayout(const TRect& destination, const TRect& source);

}  // namespace skin
