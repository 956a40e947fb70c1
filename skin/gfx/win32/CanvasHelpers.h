// Shapes and fills that the skinned form and controls draw with, as free
// functions over a device context. Colours are colour values (negative for
// system colours). Each helper selects the pens and brushes it needs and
// puts the context's own objects back before it returns.
#pragma once

#include <windows.h>

#include "skin/gfx/Pixel.h"
#include "skin/gfx/Rect.h"

namespace skin {

// Solid fill of the rectangle (right and bottom exclusive).
void FillRectColor(HDC dc, const TRect& rect, TColor color);
void FillRectColor(HDC dc, int left, int top, int right, int bottom, TColor color);
// A one-pixel outline of the rectangle.
void FrameRectColor(HDC dc, const TRect& rect, TColor color);
void FrameRectColor(HDC dc, int left, int top, int right, int bottom, TColor color);
// Left and top edges in `topLeft`, right and bottom edges in `bottomRight`.
void Draw3DFrame(HDC dc, const TRect& rect, TColor topLeft, TColor bottomRight);

// Sides of DrawBevel.
inline constexpr unsigned kBevelLeft = 1;
inline constexpr unsigned kBevelTop = 2;
inline constexpr unsigned kBevelRight = 4;
inline constexpr unsigned kBevelBottom = 8;
// `n` nested one-pixel bevels on the chosen sides; `rect` shrinks by one on
// each chosen side per bevel and is left at the inner rectangle.
void DrawBevel(HDC dc, TRect& rect, unsigned sides, TColor bottomRight, TColor topLeft, int n);

void DrawFocusRectColor(HDC dc, const TRect& rect, TColor color);
void RoundRectColor(HDC dc, const TRect& rect, int cornerWidth, int cornerHeight, TColor color);
void MoveTo(HDC dc, int x, int y);
// A line from the current position to (x, y), the end point excluded.
void LineToColor(HDC dc, int x, int y, TColor color);

// Up to 256 bands from `start` to `end`, left to right or, when `vertical`,
// top to bottom.
void GradientFill(HDC dc, const TRect& rect, TColor start, bool vertical, TColor end);
// An 8 x 8 checker of `first`, with `second` where x and y are both even or
// both odd, aligned to the context's origin.
void CheckerFill(HDC dc, const TRect& rect, TColor first, TColor second);
// The icon at its own size, with a 16 x 16 square centred in `rect`.
void DrawIconCentered(HDC dc, const TRect& rect, HICON icon);

}  // namespace skin
