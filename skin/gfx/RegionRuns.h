// The shape of a colour-keyed bitmap as rectangles: one per run of
// consecutive non-key pixels in a row. The Windows build turns the list into
// a window region (RegionFromBitmap).
#pragma once

#include <vector>

#include "skin/gfx/Rect.h"

namespace skin {

class TSeBitmap;

// Rows top to bottom, runs left to right, each offset by (x, y). The list
// grows as runs are found; an empty bitmap gives none.
std::vector<TRect> RegionRuns(const TSeBitmap& bitmap, int x, int y);

}  // namespace skin
