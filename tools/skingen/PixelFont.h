// A 5 x 7 pixel font for the labels of the contact sheet and the caption of
// the frame preview: capitals (small letters are drawn as capitals),
// digits and some punctuation; anything else is drawn as a box.
#pragma once

#include <string_view>

#include "skin/gfx/Pixel.h"
#include "skin/gfx/Rect.h"

namespace skin {
class TSeBitmap;
}

namespace skingen {

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;
inline constexpr int kGlyphAdvance = 6;  // glyph and one column of space

// The width of `text` drawn at `scale`; `bold` adds one column at scale 1.
int PixelTextWidth(std::string_view text, int scale = 1, bool bold = false);
// Draws `text` with its top-left corner at (x, y), clipped to the bitmap
// and to `clip` when given.
void DrawPixelText(skin::TSeBitmap& target, int x, int y, std::string_view text, skin::TPixel colour, int scale = 1,
                   bool bold = false, const skin::TRect* clip = nullptr);

}  // namespace skingen
