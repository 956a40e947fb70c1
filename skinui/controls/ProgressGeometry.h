// The arithmetic of the progress bar: the fraction a position shows, the
// bar's rectangle, the part that is filled, and the blocks of the block look.
#pragma once

#include <vector>

#include "skin/gfx/Rect.h"

namespace skinui {

using skin::TRect;

// 0 when min < 0, value < min, value > max or max = min; otherwise
// (value - min) / (max - min), in single precision.
float PositionFraction(int min, int max, int value);

// The whole control, less 2 on every side with the border shown, less the
// bar's own border width.
TRect DefaultBarRect(int width, int height, bool showBorder, int borderWidth);

// `bar` filled to `fraction`: from the left edge when horizontal, from the
// bottom edge when vertical; the length is rounded to nearest, ties to even.
TRect FilledRect(const TRect& bar, float fraction, bool vertical);

// The blocks of the block look inside `bar` at `fraction`: blocks of
// Round(0.64 x the bar's thickness) with 2-pixel gaps, Round(fraction x
// (length div step)) + 1 of them, none below a fraction of 0.01; the last
// one cut by the bar's end.
std::vector<TRect> BarBlocks(const TRect& bar, float fraction, bool vertical);

}  // namespace skinui
