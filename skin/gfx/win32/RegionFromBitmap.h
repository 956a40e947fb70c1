// A window region in the shape of a colour-keyed bitmap.
#pragma once

#include <windows.h>

#include <vector>

#include "skin/gfx/SeBitmap.h"

namespace skin {

// The non-key pixels of `bitmap`, offset by (x, y), as a region owned by the
// caller; nullptr for an empty bitmap. A bitmap of key pixels only gives an
// empty region.
HRGN RegionFromBitmap(const TSeBitmap& bitmap, int x, int y);

// A region made of the given rectangles (which must not overlap), in one
// system call; its bounds enclose them. An empty list gives an empty region.
HRGN RegionFromRects(const std::vector<TRect>& rects);

}  // namespace skin
