// A 5 x 7 pixel font, for drawing text without a window system (the skin
// generator's contact sheet and previews, the software canvas): capitals (small letters are drawn as capitals),
// digits and some punctuation; anything else is drawn as a box.
#pragma once

#include <string_view>

#include "skin/gfx/Pixel.h"
#include "skin/gfx/Rect.h"

namespace skin {

class TSeBitmap;

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;
inline constexpr int kGlyphAdvance = 6;  // glyph and one column of space

// The width of `text` drawn at `scale`; `bold` adds one column at scale 1.
int PixelTextWidth(std::string_view text, int scale = 1, bool bold = false);
// Draws `text` with its top-left corner at (x, y), clipped to the bitmap
// and to `clip` when given.
void DrawPixelText(TSeBitmap& target, int x, int y, std::string_view text, TPixel colour, int scale = 1,
                   bool bold = false, const TRect* clip = nullptr);

}  // namespace skin
