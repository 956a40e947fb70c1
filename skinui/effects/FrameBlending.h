// Translucency of a skinned frame without layered windows: the frame's
// pixels get the blending value as alpha and are mixed with the screen that
// lay under the window.
#pragma once

#include "skin/gfx/Rect.h"
#include "skin/gfx/SeBitmap.h"

namespace skinui {

// Gives `rect` of `target` alpha `value` and mixes it with the background
// pixels under it; `background`'s pixel (bx, by) lies under target's
// (rect.Left, rect.Top). 255 leaves the target, 0 shows only the background.
void BlendWithBackground(skin::TSeBitmap& target, const skin::TRect& rect, std::uint8_t value,
                         const skin::TSeBitmap& background, int bx, int by);

// The four strips of the frame around `client` in a window of
// windowWidth x windowHeight (above, left, right, below), each blended with
// the background at its own coordinates.
void BlendFrameStrips(skin::TSeBitmap& target, const skin::TRect& client, int windowWidth, int windowHeight,
                      std::uint8_t value, const skin::TSeBitmap& background);

}  // namespace skinui
