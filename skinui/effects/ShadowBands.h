// The drop shadow of a skinned frame, painted into the frame's paint bitmap
// before the frame itself: a band right of the client and one below it,
// each darker inward over its outer three pixels, mixed with the screen
// under the window. The frame drawn afterwards covers everything inside the
// frame rectangle, so only the copy of the frame's outline offset by the
// shadow size shows the shadow.
#pragma once

#include <array>
#include <cstdint>

#include "skin/gfx/Pixel.h"
#include "skin/gfx/Rect.h"
#include "skin/gfx/SeBitmap.h"

namespace skinui {

// Alpha 128, red, green and blue 63.
inline constexpr skin::TPixel kShadowColor = 0x803F3F3F;
// What the edge tones take off the shadow's alpha, innermost first; the
// fourth entry repeats the third.
inline constexpr std::array<std::uint8_t, 4> kShadowEdgeSteps = {20, 70, 120, 120};

// The corner of a band that steps inward: the right band's top-right, the
// bottom band's bottom-left, the corner piece's bottom-right.
enum class TShadowCorner : std::uint8_t { TopRight, BottomLeft, BottomRight };

// Fills `band` with the shadow tones from the outside in: alpha 8, 58, 108,
// then 128 for the rest, each one pixel further in at the two edges that
// meet at `corner`, whose pixel of each tone takes the next tone out. The
// fills are the target's FillRect: with UseAlpha off they store the tones.
void FillShadowBand(skin::TSeBitmap& target, skin::TRect band, TShadowCorner corner);

// Draws the shadow of size `size` into `target` (window coordinates;
// `client` is the client bounds in them, the frame is frameWidth wide and
// the window windowWidth x windowHeight, shadow included). `background` is
// the screen under the window at the same coordinates. The fills store
// their values unchanged whatever the target's UseAlpha, which is restored
// afterwards. Nothing is drawn for a size of 0 or less.
void DrawShadow(skin::TSeBitmap& target, const skin::TRect& client, int windowWidth, int windowHeight, int frameWidth,
                int size, const skin::TSeBitmap& background);

}  // namespace skinui
